// brevane-cli: the headless companion of Brevane, for batch work and for
// checking the calculations from outside the program.
//
//   brevane-cli calc IN.cl1 OUT.cl1
//   brevane-cli print IN.cl1 OUT.rtf BOX [BOX ...]
//   brevane-cli check IN.cl1 [BOX ...]   (CheckCommand.cpp)
//   brevane-cli pdf IN.cl1 OUT.pdf BOX [BOX ...]
//   brevane-cli export IN.cl1 OUT.json   (ExchangeCommands.cpp)
//   brevane-cli import IN.json OUT.cl1
//   brevane-cli ledger IN.cl1 [--as-of YYYY-MM-DD]   (LedgerCommand.cpp)
//   brevane-cli pdf --out-dir DIR IN.cl1 [IN.cl1 ...] --boxes BOX [BOX ...]
//   brevane-cli docx IN.cl1 OUT.docx BOX [BOX ...]
//   brevane-cli list FOLDER              (OfficeCommands.cpp)
//   brevane-cli calendar FOLDER [--ics OUT.ics] [--days N] [--from YYYY-MM-DD]
//   option --support DIR: the folder holding PSF, RTF and DAT
//   option --replace: print, pdf, docx, export and import may replace a file of another kind
//
// No command writes over the client it reads or over a client open in a
// program window.
//
// Messages go to standard error, one a line. Exit status: 0 success, 1 any
// failure (the client file rejected or damaged, a page procedure failed, a
// page left out of the document for a missing or damaged template or print
// data file, an output not written), 2 wrong usage.

#include "CheckCommand.h"
#include "LedgerCommand.h"
#include "cli/CliCommands.h"
#include "core/document/ClientDocument.h"
#include "core/files/Folders.h"
#include "core/store/Conversions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <cstdio>

using namespace brevane;
using namespace brevane::cli;

namespace {

int usage()
{
    PrintLine(QStringLiteral(
        "usage: brevane-cli calc IN.cl1 OUT.cl1\n"
        "       brevane-cli print IN.cl1 OUT.rtf BOX [BOX ...]\n"
        "       brevane-cli check IN.cl1 [BOX ...]\n"
        "       brevane-cli pdf IN.cl1 OUT.pdf BOX [BOX ...]\n"
        "       brevane-cli pdf --out-dir DIR IN.cl1 [IN.cl1 ...] --boxes BOX [BOX ...]\n"
        "       brevane-cli docx IN.cl1 OUT.docx BOX [BOX ...]\n"
        "       brevane-cli list FOLDER\n"
        "       brevane-cli calendar FOLDER|IN.cl1 [--ics OUT.ics] [--days N] [--from YYYY-MM-DD]\n"
        "       brevane-cli export IN.cl1 OUT.json\n"
        "       brevane-cli import IN.json OUT.cl1\n"
        "       brevane-cli ledger IN.cl1 [--as-of YYYY-MM-DD]\n"
        "BOX may also be --certificates 1,3,6-8 (the stock certificates to print)\n"
        "        or --share-register [--as-of YYYY-MM-DD] (the share register after the forms)\n"
        "        or --instructions (the forms' filing instructions, apart at the end; left out without it)\n"
        "option: --support DIR   folder holding PSF, RTF and DAT\n"
        "        --replace       print, pdf, docx, export and import may replace a file of another kind"));
    return ExitUsage;
}

int calcCommand(const QStringList &args)
{
    if (args.size() != 2)
        return usage();
    ClientDocument client;
    if (!LoadAndCalculate(args[0], client))
        return ExitFailed;
    // The client read is not replaced by its own calculation, under any name.
    const QFileInfo out(args[1]);
    if (out.exists() && out.canonicalFilePath() == QFileInfo(args[0]).canonicalFilePath()) {
        PrintLine(QStringLiteral("brevane-cli: %1 is the client being read; not written").arg(args[1]));
        return ExitFailed;
    }
    // A client file open in a program window is not replaced behind its back.
    QString holder;
    const ClientFileLock::Result taken = client.Lock.Take(args[1], &holder);
    if (taken == ClientFileLock::Result::Unusable) {
        PrintLine(QStringLiteral("brevane-cli: cannot tell whether %1 is open elsewhere: %2; not written")
                      .arg(args[1], holder));
        return ExitFailed;
    }
    if (taken == ClientFileLock::Result::HeldElsewhere) {
        PrintLine(
            QStringLiteral("brevane-cli: %1 is open in another Brevane window or program%2; not written")
                .arg(args[1], holder.isEmpty() ? QString() : QStringLiteral(" (open by ") + holder + QLatin1Char(')')));
        return ExitFailed;
    }
    QString error;
    if (const Outcome saved = client.Save(args[1], &error); !saved) {
        PrintLine(QStringLiteral("brevane-cli: cannot write %1: %2").arg(args[1], error));
        return ExitFailed;
    }
    return ExitOk;
}

// Reads IN, calculates, builds the print document of the named boxes and
// writes it to OUT.
int printCommand(const QStringList &args, const QString &supportFolder, bool replaceOtherKind)
{
    if (args.size() < 3)
        return usage();
    ClientFileLock lock;
    if (const int status = ClaimOutput(args[0], args[1], OutputKind::Rtf, replaceOtherKind, lock); status != ExitOk)
        return status;
    QString document;
    bool leftOut = false;
    if (const int status = BuildDocument(args[0], args.mid(2), supportFolder, args[1], false, &document, &leftOut);
        status != ExitOk)
        return status;
    QString error;
    if (!WritePrintDocument(args[1], document, &error)) {
        PrintLine(QStringLiteral("brevane-cli: cannot write %1: %2").arg(args[1], error));
        return ExitFailed;
    }
    return leftOut ? ExitFailed : ExitOk;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    UseSystemRegionalSettings();
    // A name the system's encoding cannot read back byte for byte would be
    // looked for, or written, under another name.
    for (int i = 1; i < argc; ++i) {
        const QByteArray given(argv[i]);
        if (QFile::encodeName(QFile::decodeName(given)) != given) {
            PrintLine(QStringLiteral("brevane-cli: \"%1\" is not in the system's encoding, so Brevane cannot find or "
                                     "write a file by that name; rename it")
                          .arg(QFile::decodeName(given)));
            return ExitFailed;
        }
    }
    QStringList args = app.arguments().mid(1);
    QString supportFolder;
    const qsizetype supportAt = args.indexOf(QStringLiteral("--support"));
    if (supportAt >= 0) {
        if (supportAt + 1 >= args.size())
            return usage();
        supportFolder = args.at(supportAt + 1);
        args.remove(supportAt, 2);
    }
    const bool replaceOtherKind = args.removeAll(QStringLiteral("--replace")) > 0;
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("calc"))
        return calcCommand(args);
    if (command == QLatin1String("print"))
        return printCommand(args, supportFolder, replaceOtherKind);
    if (command == QLatin1String("check"))
        return args.isEmpty() ? usage() : CheckCommand(args, &LoadClient);
    if (command == QLatin1String("pdf") && args.value(0) == QLatin1String("--out-dir")) {
        // --out-dir DIR, the clients, --boxes and the boxes.
        const qsizetype boxesAt = args.indexOf(QStringLiteral("--boxes"));
        if (args.size() < 2 || boxesAt < 3 || boxesAt + 1 >= args.size())
            return usage();
        return PdfBatchCommand(args.at(1), args.mid(2, boxesAt - 2), args.mid(boxesAt + 1), supportFolder,
                               replaceOtherKind);
    }
    if (command == QLatin1String("pdf"))
        return args.size() < 3 ? usage() : PdfCommand(args, supportFolder, replaceOtherKind);
    if (command == QLatin1String("ledger"))
        return args.isEmpty() ? usage() : LedgerCommand(args);
    if (command == QLatin1String("docx"))
        return args.size() < 3 ? usage() : PdfCommand(args, supportFolder, replaceOtherKind, PaperFormat::Word);
    if (command == QLatin1String("list"))
        return args.size() != 1 ? usage() : ListCommand(args);
    if (command == QLatin1String("calendar")) {
        const int status = CalendarCommand(args);
        return status == ExitUsage ? usage() : status;
    }
    if (command == QLatin1String("export"))
        return args.size() != 2 ? usage() : ExportCommand(args, replaceOtherKind);
    if (command == QLatin1String("import"))
        return args.size() != 2 ? usage() : ImportCommand(args, replaceOtherKind);
    return usage();
}
