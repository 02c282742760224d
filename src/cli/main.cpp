// brevane-cli: the headless companion of Brevane, for batch work and for
// checking the calculations from outside the program.
//
//   brevane-cli calc IN.cl1 OUT.cl1
//   brevane-cli print IN.cl1 OUT.rtf BOX [BOX ...]
//   option --support DIR: the folder holding PSF, RTF and DAT
//
// Messages go to standard error, one a line. Exit status: 0 success, 1 the
// client file is rejected or the document cannot be built, 2 wrong usage.

#include "core/calc/Calculate.h"
#include "core/files/ClientFile.h"
#include "core/files/Folders.h"
#include "core/output/PrintJob.h"
#include "core/output/TemplateMerge.h"
#include "core/store/Answers.h"
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
                             "option: --support DIR   folder holding PSF, RTF and DAT"));
    return ExitUsage;
}

// Reads IN into a fresh store and directory and runs one calculation.
bool loadAndCalculate(const QString &in, TAnswer &store, DirectoryTable &directory)
{
    QString error;
    if (!LoadClientFile(in, store, directory, &error)) {
        if (!error.isEmpty())
            printLine(QStringLiteral("brevane-cli: cannot read %1: %2").arg(in, error));
        return false;
    }
    Calculate(&store, directory, false);
    return true;
}

int calcCommand(const QStringList &args)
{
    if (args.size() != 2)
        return usage();
    TAnswer *store = CreateAnswerStore();
    if (!store)
        return ExitFailed;
    DirectoryTable directory;
    if (!loadAndCalculate(args[0], *store, directory))
        return ExitFailed;
    QString error;
    if (!SaveClientFile(args[1], *store, directory, &error)) {
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
    TAnswer *store = CreateAnswerStore();
    if (!store)
        return ExitFailed;
    DirectoryTable directory;
    if (!loadAndCalculate(args[0], *store, directory))
        return ExitFailed;
    Folders folders;
    folders.programFolder = FindProgramFolder(QCoreApplication::applicationDirPath(), supportFolder);
    TemplateMerge merge(store, folders.Dat());
    PrintJob job(*store, directory, merge, folders.Rtf());
    switch (job.BuildPrintDocument(selection)) {
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
    if (!WritePrintDocument(args[1], job.PrintDocument(), &error)) {
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
    return usage();
}
