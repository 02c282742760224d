#include "cli/CliCommands.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/files/Folders.h"
#include "core/ledger/ShareLedger.h"

#include <QCoreApplication>
#include <QDate>

#include <algorithm>
#include <cstdio>

namespace brevane::cli {

void PrintLine(const QString &text)
{
    std::fprintf(stderr, "%s\n", TerminalSafe(text).toLocal8Bit().constData());
}

bool LoadClient(const QString &in, ClientDocument &client)
{
    if (!client.Answers()) {
        Outcome::failure(msg::AnswerStoreNotCreated).show();
        return false;
    }
    const Outcome loaded = client.Load(in);
    const QString problem = ClientDocument::LoadProblem(loaded, in);
    if (!loaded) {
        if (!problem.isEmpty())
            PrintLine(QStringLiteral("brevane-cli: cannot read %1: %2").arg(in, problem));
        else
            loaded.show();
        return false;
    }
    // A damaged file is told in the command line's own words.
    for (const OutcomeMessage &message : loaded.messages())
        if (message.number != msg::ClientFileDamaged)
            ShowError(message.number, message.detail);
    if (loaded.has(msg::ClientFileDamaged)) {
        PrintLine(QStringLiteral("brevane-cli: %1 is damaged: %2").arg(in, problem));
        return false;
    }
    return true;
}

bool LoadAndCalculate(const QString &in, ClientDocument &client, bool *paperFailed)
{
    if (!LoadClient(in, client))
        return false;
    const Outcome calculated = client.Recalculate();
    calculated.show();
    // A paper whose calculation failed is named; where the caller can leave
    // it out, the others go on.
    const bool onlyPapers = client.Answers() && !client.Answers()->PageFailures.isEmpty() &&
                            std::all_of(calculated.messages().cbegin(), calculated.messages().cend(),
                                        [](const OutcomeMessage &m) { return m.number == msg::CalculationFailed; });
    if (paperFailed)
        *paperFailed = !calculated && onlyPapers;
    if (!calculated && !(paperFailed && onlyPapers)) {
        PrintLine(QStringLiteral("brevane-cli: the calculation of %1 failed; its papers would be incomplete").arg(in));
        return false;
    }
    return true;
}

int TakeAsOfOption(QStringList &args, QDate *asOf)
{
    const qsizetype at = args.indexOf(QStringLiteral("--as-of"));
    if (at < 0)
        return ExitOk;
    const QString text = args.value(at + 1);
    *asOf = QDate::fromString(text, Qt::ISODate);
    if (!asOf->isValid()) {
        PrintLine(QStringLiteral("brevane-cli: --as-of needs a date as YYYY-MM-DD, not \"%1\"").arg(text));
        return ExitUsage;
    }
    args.remove(at, 2);
    return ExitOk;
}

int ReadSelection(const QStringList &given, PrintSelection *selection)
{
    QStringList boxes = given;
    if (const int status = TakeAsOfOption(boxes, &selection->registerAsOf); status != ExitOk)
        return status;
    selection->shareRegister = boxes.removeAll(QStringLiteral("--share-register")) > 0;
    selection->instructions = boxes.removeAll(QStringLiteral("--instructions")) > 0;
    if (const qsizetype at = boxes.indexOf(QStringLiteral("--certificates")); at >= 0) {
        const std::optional<QList<int>> numbers = ledger::CertificateNumbers(boxes.value(at + 1));
        if (at + 1 >= boxes.size() || !numbers || numbers->isEmpty()) {
            ShowError(msg::CertificatesUnreadable, boxes.value(at + 1));
            return ExitUsage;
        }
        selection->certificates = *numbers;
        boxes.remove(at, 2);
    }
    if (selection->registerAsOf.isValid() && !selection->shareRegister) {
        PrintLine(QStringLiteral("brevane-cli: --as-of is the day of the share register: give --share-register too"));
        return ExitUsage;
    }
    for (const QString &box : boxes) {
        if (!FindSelectionBox(box)) {
            PrintLine(QStringLiteral("brevane-cli: no selection box is called %1").arg(box));
            return ExitUsage;
        }
        selection->SetChecked(box);
    }
    return ExitOk;
}

int BuildDocument(const QString &in, const QStringList &boxes, const QString &supportFolder, const QString &out,
                  bool titled, QString *document, bool *papersLeftOut)
{
    if (papersLeftOut)
        *papersLeftOut = false;
    PrintSelection selection;
    if (const int status = ReadSelection(boxes, &selection); status != ExitOk)
        return status;
    ClientDocument client;
    bool paperFailed = false;
    if (!LoadAndCalculate(in, client, &paperFailed))
        return ExitFailed;
    Folders folders;
    folders.programFolder = FindProgramFolder(QCoreApplication::applicationDirPath(), supportFolder);
    QString built;
    const Outcome outcome = titled ? client.BuildTitledPrintDocument(selection, folders.Rtf(), folders.Dat(), &built)
                                   : client.BuildPrintDocument(selection, folders.Rtf(), folders.Dat(), &built);
    outcome.show();
    // A paper whose calculation failed is left out (the message names it)
    // and the others are written; the exit status tells. Any other page
    // left out stops the job as before.
    const bool otherPageLeftOut =
        std::any_of(outcome.messages().cbegin(), outcome.messages().cend(), [](const OutcomeMessage &m) {
            return m.number != msg::CalculationFailed && LeavesPageOut(m.number);
        });
    if (outcome || (paperFailed && !built.isEmpty() && !otherPageLeftOut)) {
        if (document)
            *document = built;
        if (papersLeftOut)
            *papersLeftOut = paperFailed;
        return ExitOk;
    }
    // Papers with a page left out are not what was asked for: nothing is
    // written.
    PrintLine(built.isEmpty()
                  ? QStringLiteral("brevane-cli: nothing to print; %1 not written").arg(out)
                  : QStringLiteral("brevane-cli: a page was left out of the print document; %1 not written").arg(out));
    return ExitFailed;
}

} // namespace brevane::cli
