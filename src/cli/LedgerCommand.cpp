#include "LedgerCommand.h"

#include "cli/CliCommands.h"
#include "core/check/ClientCheck.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/document/ClientDocument.h"
#include "core/ledger/ShareLedger.h"

#include <QDate>

#include <cstdio>

namespace brevane::cli {

int LedgerCommand(const QStringList &given)
{
    QStringList args = given;
    QDate asOf;
    if (const int status = TakeAsOfOption(args, &asOf); status != ExitOk)
        return status;
    if (args.size() != 1) {
        PrintLine(QStringLiteral("usage: brevane-cli ledger IN.cl1 [--as-of YYYY-MM-DD]"));
        return ExitUsage;
    }
    ClientDocument client;
    if (!LoadAndCalculate(args[0], client))
        return ExitFailed;
    // A company's members and interests stand on the worksheet, undated.
    if (EntityOfClient(*client.Answers(), client.Directory()) == LimitedLiabilityCompany) {
        if (asOf.isValid()) {
            PrintLine(QStringLiteral("brevane-cli: %1 is a limited liability company; its members are those of the "
                                     "Directory Worksheet, which keeps no dates, so there is no register on a day")
                          .arg(args[0]));
            return ExitUsage;
        }
        std::printf(
            "%s",
            TerminalSafe(ledger::MembersText(ledger::MembersOfRecord(client.Directory()))).toLocal8Bit().constData());
        return ExitOk;
    }
    const ledger::Register reg = ledger::RegisterAsOf(*client.Answers(), client.Directory(), asOf);
    std::printf("%s", TerminalSafe(ledger::RegisterText(reg)).toLocal8Bit().constData());
    std::fflush(stdout);
    const QList<ledger::LedgerFault> faults =
        asOf.isValid() ? reg.faults : ledger::LedgerFaults(*client.Answers(), client.Directory());
    bool wrong = false;
    for (const ledger::LedgerFault &fault : faults) {
        PrintLine(QStringLiteral("brevane-cli: share ledger, ") + TerminalSafe(fault.text) +
                  (fault.worthALook ? QStringLiteral(" (worth a look)") : QString()));
        wrong = wrong || !fault.worthALook;
    }
    // A line that is worth a look is told; only a fault fails the command.
    return wrong ? ExitFailed : ExitOk;
}

} // namespace brevane::cli
