// brevane-cli pdf IN.cl1 OUT.pdf BOX [BOX ...]
// brevane-cli pdf --out-dir DIR IN.cl1 [IN.cl1 ...] --boxes BOX [BOX ...]
// brevane-cli docx IN.cl1 OUT.docx BOX [BOX ...]
//
// The print document of the boxes, as the print command builds it, titled
// with the entity's name and the forms, and converted to PDF (or a Word
// document) by LibreOffice without a window; a batch keeps one LibreOffice
// loaded for all its clients. A failed conversion leaves OUT as it was; its
// message goes to standard error and the exit status is 1. A batch names
// each client that failed and still writes the others. Interrupted (Ctrl-C,
// a hang-up, TERM), it stops the converter with every process it started,
// removes its temporary files and ends with the signal, OUT as it was.

#include "cli/CliCommands.h"
#include "cli/Interruption.h"
#include "core/files/ClientLock.h"
#include "core/output/PdfExport.h"
#include "core/output/PrintSelection.h"
#include "core/output/WarmConverter.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <memory>

namespace brevane::cli {

namespace {

// One client's papers into `out` through `pdf`.
int convertOne(const QString &in, const QString &out, const QStringList &boxes, const QString &supportFolder,
               bool replaceOtherKind, PaperFormat format, PdfExport &pdf, const Interruption &interruption)
{
    ClientFileLock lock;
    const OutputKind kind = format == PaperFormat::Word ? OutputKind::Word : OutputKind::Pdf;
    if (const int status = ClaimOutput(in, out, kind, replaceOtherKind, lock); status != ExitOk)
        return status;
    QString document;
    bool leftOut = false;
    if (const int status = BuildDocument(in, boxes, supportFolder, out, true, &document, &leftOut); status != ExitOk)
        return status;
    if (interruption.Caught())
        return ExitFailed;
    return pdf.Convert(document, out, format) == PdfResult::Written && !leftOut ? ExitOk : ExitFailed;
}

} // namespace

int PdfCommand(const QStringList &args, const QString &supportFolder, bool replaceOtherKind, PaperFormat format)
{
    // Made first, ended last: the lock and the temporary files are gone
    // before the signal ends the process.
    Interruption interruption;
    PdfExport pdf(PdfSettingsFromEnvironment());
    QObject::connect(&interruption, &Interruption::Interrupted, &pdf, &PdfExport::Cancel);
    return convertOne(args.at(0), args.at(1), args.mid(2), supportFolder, replaceOtherKind, format, pdf, interruption);
}

int PdfBatchCommand(const QString &outFolder, const QStringList &clients, const QStringList &boxes,
                    const QString &supportFolder, bool replaceOtherKind)
{
    if (!QFileInfo(outFolder).isDir()) {
        PrintLine(QStringLiteral("brevane-cli: %1 is not a folder; nothing written").arg(outFolder));
        return ExitFailed;
    }
    if (PrintSelection selection; ReadSelection(boxes, &selection) != ExitOk)
        return ExitUsage;
    Interruption interruption;
    const PdfSettings settings = PdfSettingsFromEnvironment();
    // One LibreOffice for every client of the batch.
    std::unique_ptr<WarmConverter> warm;
    if (!settings.helper.isEmpty())
        warm = std::make_unique<WarmConverter>(ConverterSettingsOf(settings));
    PdfExport pdf(settings, nullptr, warm.get());
    QObject::connect(&interruption, &Interruption::Interrupted, &pdf, &PdfExport::Cancel);

    QHash<QString, QString> written; // output file name -> the client it is for
    QStringList failed;
    for (const QString &in : clients) {
        if (interruption.Caught())
            break;
        const QString name = QFileInfo(in).completeBaseName() + QStringLiteral(".pdf");
        const QString out = QDir(outFolder).filePath(name);
        int status = ExitFailed;
        if (const auto other = written.constFind(name); other != written.cend()) {
            PrintLine(QStringLiteral("brevane-cli: %1 and %2 would both be written to %3; %1 not written")
                          .arg(in, *other, out));
        } else {
            written.insert(name, in);
            status = convertOne(in, out, boxes, supportFolder, replaceOtherKind, PaperFormat::Pdf, pdf, interruption);
        }
        if (status == ExitUsage)
            return status;
        if (status != ExitOk)
            failed << in;
    }
    if (!failed.isEmpty()) {
        PrintLine(QStringLiteral("brevane-cli: %1 of %2 clients not written: %3")
                      .arg(failed.size())
                      .arg(clients.size())
                      .arg(failed.join(QStringLiteral(", "))));
        return ExitFailed;
    }
    return interruption.Caught() ? ExitFailed : ExitOk;
}

} // namespace brevane::cli
