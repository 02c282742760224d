#include "cli/CliCommands.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/document/ClientDocument.h"
#include "core/files/Folders.h"

#include <QCoreApplication>

#include <cstdio>

namespace brevane::cli {

void PrintLine(const QString &text)
{
    std::fprintf(stderr, "%s\n", TerminalSafe(text).toLocal8Bit().constData());
}

bool LoadAndCalculate(const QString &in, ClientDocument &client)
{
    QString error;
    QString problem;
    if (!client.Answers() || !client.Load(in, &error, &problem)) {
        if (!error.isEmpty() || !problem.isEmpty())
            PrintLine(QStringLiteral("brevane-cli: cannot read %1: %2").arg(in, error.isEmpty() ? problem : error));
        return false;
    }
    if (!problem.isEmpty()) {
        PrintLine(QStringLiteral("brevane-cli: %1 is damaged: %2").arg(in, problem));
        return false;
    }
    if (!client.Recalculate()) {
        PrintLine(QStringLiteral("brevane-cli: the calculation of %1 failed; its papers would be incomplete").arg(in));
        return false;
    }
    return true;
}

int BuildDocument(const QString &in, const QStringList &boxes, const QString &supportFolder, const QString &out,
                  bool titled, QString *document)
{
    PrintSelection selection;
    for (const QString &box : boxes) {
        if (!FindSelectionBox(box)) {
            PrintLine(QStringLiteral("brevane-cli: no selection box is called %1").arg(box));
            return ExitUsage;
        }
        selection.SetChecked(box);
    }
    ClientDocument client;
    if (!LoadAndCalculate(in, client))
        return ExitFailed;
    Folders folders;
    folders.programFolder = FindProgramFolder(QCoreApplication::applicationDirPath(), supportFolder);
    const PrintBuildResult built =
        titled ? client.BuildTitledPrintDocument(selection, folders.Rtf(), folders.Dat(), document)
               : client.BuildPrintDocument(selection, folders.Rtf(), folders.Dat(), document);
    switch (built) {
    case PrintBuildResult::Built:
        return ExitOk;
    case PrintBuildResult::NothingChecked:
    case PrintBuildResult::NothingPrinted:
        PrintLine(QStringLiteral("brevane-cli: nothing to print; %1 not written").arg(out));
        return ExitFailed;
    case PrintBuildResult::Failed:
        break;
    }
    PrintLine(QStringLiteral("brevane-cli: the print document cannot be built; %1 not written").arg(out));
    return ExitFailed;
}

} // namespace brevane::cli
