// brevane-cli pdf IN.cl1 OUT.pdf BOX [BOX ...]
//
// The print document of the boxes, as the print command builds it, titled
// with the entity's name and the forms, and converted to PDF by LibreOffice
// without a window. A failed conversion leaves OUT as it was; its message
// goes to standard error and the exit status is 1. Interrupted (Ctrl-C, a
// hang-up, TERM), it stops the converter with every process it started,
// removes its temporary files and ends with the signal, OUT as it was.

#include "cli/CliCommands.h"
#include "cli/Interruption.h"
#include "core/files/ClientLock.h"
#include "core/output/PdfExport.h"

namespace brevane::cli {

int PdfCommand(const QStringList &args, const QString &supportFolder, bool replaceOtherKind)
{
    // Made first, ended last: the lock and the temporary files are gone
    // before the signal ends the process.
    Interruption interruption;
    const QString out = args.at(1);
    ClientFileLock lock;
    if (const int status = ClaimOutput(args.at(0), out, OutputKind::Pdf, replaceOtherKind, lock); status != ExitOk)
        return status;
    QString document;
    if (const int status = BuildDocument(args.at(0), args.mid(2), supportFolder, out, true, &document);
        status != ExitOk)
        return status;
    if (interruption.Caught())
        return ExitFailed;
    PdfExport pdf(PdfSettingsFromEnvironment());
    QObject::connect(&interruption, &Interruption::Interrupted, &pdf, &PdfExport::Cancel);
    return pdf.Convert(document, out) == PdfResult::Written ? ExitOk : ExitFailed;
}

} // namespace brevane::cli
