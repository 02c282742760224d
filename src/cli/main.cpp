// brevane-cli: the headless companion of Brevane, for batch work and for
// checking the calculations from outside the program.
//
//   brevane-cli calc IN.cl1 OUT.cl1
//   brevane-cli print IN.cl1 OUT.rtf BOX [BOX ...]
//   brevane-cli check IN.cl1 [BOX ...]   (CheckCommand.cpp)
//   option --support DIR: the folder holding PSF, RTF and DAT
//
// Messages go to standard error, one a line. Exit status: 0 success, 1 the
// client file is rejected or the document cannot be built, 2 wrong usage.

#include "CheckCommand.h"
#include "core/document/ClientDocument.h"
#include "core/files/Folders.h"
#include "core/store/Conversions.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cstdio>

using namespace brevane;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

void printLine(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

int usage()
{
    printLine(QStringLiteral("usage: brevane-cli calc IN.cl1 OUT.cl1\n"
                             "       brevane-cli print IN.cl1 OUT.rtf BOX [BOX ...]\n"
                             "       brevane-cli check IN.cl1 [BOX ...]\n"
                             "option: --support DIR   folder holding PSF, RTF and DAT"));
    return ExitUsage;
}

// Reads IN into the document's fresh store and runs one calculation.
bool loadAndCalculate(const QString &in, ClientDocument &client)
{
    QString error;
    QString problem;
    if (!client.Answers() || !client.Load(in, &error, &problem)) {
        if (!error.isEmpty() || !problem.isEmpty())
            printLine(QStringLiteral("brevane-cli: cannot read %1: %2").arg(in, error.isEmpty() ? problem : error));
        return false;
    }
    // A batch run never goes on from a part of a client.
    if (!problem.isEmpty()) {
        printLine(QStringLiteral("brevane-cli: %1 is damaged: %2").arg(in, problem));
        return false;
    }
    client.Recalculate();
    return true;
}

int calcCommand(const QStringList &args)
{
    if (args.size() != 2)
        return usage();
    ClientDocument client;
    if (!loadAndCalculate(args[0], client))
        return ExitFailed;
    QString error;
    if (!client.Save(args[1], &error)) {
        printLine(QStringLiteral("brevane-cli: cannot write %1: %2").arg(args[1], error));
        return ExitFailed;
    }
    return ExitOk;
}

// Reads IN, calculates, builds the print document of the named boxes and
// writes it to OUT.
int printCommand(const QStringList &args, const QString &supportFolder)
{
    if (args.size() < 3)
        return usage();
    PrintSelection selection;
    for (const QString &box : args.mid(2)) {
        if (!FindSelectionBox(box)) {
            printLine(QStringLiteral("brevane-cli: no selection box is called %1").arg(box));
            return ExitUsage;
        }
        selection.SetChecked(box);
    }
    ClientDocument client;
    if (!loadAndCalculate(args[0], client))
        return ExitFailed;
    Folders folders;
    folders.programFolder = FindProgramFolder(QCoreApplication::applicationDirPath(), supportFolder);
    QString document;
    switch (client.BuildPrintDocument(selection, folders.Rtf(), folders.Dat(), &document)) {
    case PrintBuildResult::Built:
        break;
    case PrintBuildResult::NothingChecked:
    case PrintBuildResult::NothingPrinted:
        printLine(QStringLiteral("brevane-cli: nothing to print; %1 not written").arg(args[1]));
        return ExitFailed;
    case PrintBuildResult::Failed:
        printLine(QStringLiteral("brevane-cli: the print document cannot be built; %1 not written").arg(args[1]));
        return ExitFailed;
    }
    QString error;
    if (!WritePrintDocument(args[1], document, &error)) {
        printLine(QStringLiteral("brevane-cli: cannot write %1: %2").arg(args[1], error));
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    UseSystemRegionalSettings();
    QStringList args = app.arguments().mid(1);
    QString supportFolder;
    const qsizetype supportAt = args.indexOf(QStringLiteral("--support"));
    if (supportAt >= 0) {
        if (supportAt + 1 >= args.size())
            return usage();
        supportFolder = args.at(supportAt + 1);
        args.remove(supportAt, 2);
    }
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("calc"))
        return calcCommand(args);
    if (command == QLatin1String("print"))
        return printCommand(args, supportFolder);
    if (command == QLatin1String("check"))
        return args.isEmpty() ? usage() : CheckCommand(args, loadAndCalculate);
    return usage();
}
