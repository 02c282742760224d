#include "core/ledger/LedgerCommands.h"

#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/store/Answers.h"
#include "core/store/Conversions.h"

#include <algorithm>

namespace brevane::ledger {

namespace {

QString dateText(const QDate &date)
{
    return ShortDateText(date);
}

// The day of the journal's last dated line (invalid for none).
QDate lastDay(const TAnswer &answers, const DirectoryTable &directory)
{
    QDate last;
    for (const JournalLine &line : Journal(answers, directory)) {
        const QDate date = ReadShortDate(line.date.trimmed());
        if (date.isValid() && (!last.isValid() || date > last))
            last = date;
    }
    return last;
}

// What every command checks first: a readable date, not before the journal's
// last line.
Outcome checkDate(const TAnswer &answers, const DirectoryTable &directory, const QDate &date)
{
    if (!date.isValid())
        return Outcome::failure(msg::LedgerDateUnreadable, QStringLiteral("no date given"));
    const QDate last = lastDay(answers, directory);
    if (last.isValid() && date < last)
        return Outcome::failure(msg::LedgerBackdated, ConvertDate(dateText(last)));
    return {};
}

JournalLine line(const QDate &date, int number, const QString &holder, const QString &from, const QString &shares,
                 int old, const QString &amount = QString())
{
    JournalLine l;
    l.date = dateText(date);
    l.certificate = number > 0 ? QString::number(number) : QString();
    l.holder = holder;
    l.from = from;
    l.shares = shares;
    l.oldCertificate = old > 0 ? QString::number(old) : QString();
    l.amount = amount;
    return l;
}

// The global index of the journal's first free line: after its last line.
// The certificate surrendered on the order's day: outstanding then, else the
// failure that says it is not.
Outcome surrenderedOn(const Register &then, int number, const QDate &date, const Certificate **surrendered)
{
    *surrendered = then.Outstanding(number);
    if (*surrendered)
        return Outcome();
    return Outcome::failure(msg::LedgerNotOutstanding,
                            QStringLiteral("certificate %1 on %2").arg(number).arg(ConvertDate(dateText(date))));
}

// A new certificate needs its holder and some shares.
Outcome newHolderNamed(const NewHolder &to)
{
    if (!to.holder.trimmed().isEmpty() && to.shares > 0)
        return Outcome();
    return Outcome::failure(msg::LedgerHolderMissing, to.holder.trimmed().isEmpty()
                                                          ? QStringLiteral("a new certificate without a holder")
                                                          : QStringLiteral("%1 without shares").arg(to.holder));
}

int firstFreeLine(const TAnswer &answers)
{
    const QList<JournalLine> lines = SheetLines(answers);
    if (lines.isEmpty())
        return 0;
    return lines.last().sheet * LinesPerSheet + lines.last().line + 1;
}

} // namespace

Outcome TransferLines(const TAnswer &answers, const DirectoryTable &directory, const TransferOrder &order,
                      QList<JournalLine> *lines)
{
    Outcome outcome = checkDate(answers, directory, order.date);
    if (!outcome.ok())
        return outcome;
    const Register then = RegisterAsOf(answers, directory, order.date);
    const Certificate *surrendered = nullptr;
    if (Outcome found = surrenderedOn(then, order.certificate, order.date, &surrendered); !found.ok())
        return found;
    if (order.to.isEmpty())
        return Outcome::failure(msg::LedgerHolderMissing, QStringLiteral("no new holder named"));
    qint64 transferred = 0;
    for (const NewHolder &to : order.to) {
        if (Outcome named = newHolderNamed(to); !named.ok())
            return named;
        transferred += to.shares;
    }
    if (transferred > surrendered->shares)
        return Outcome::failure(msg::LedgerBeyondCertificate,
                                QStringLiteral("%1 shares transferred; certificate %2 holds %3")
                                    .arg(SharesText(transferred))
                                    .arg(surrendered->number)
                                    .arg(SharesText(surrendered->shares)));

    int next = RegisterAsOf(answers, directory).LastNumber() + 1;
    QList<JournalLine> out;
    out << line(order.date, 0, CancelledText(), surrendered->holder, SharesText(surrendered->shares),
                surrendered->number);
    for (const NewHolder &to : order.to)
        out << line(order.date, next++, to.holder.trimmed(), surrendered->holder, SharesText(to.shares),
                    surrendered->number);
    if (transferred < surrendered->shares)
        out << line(order.date, next++, surrendered->holder, surrendered->holder,
                    SharesText(surrendered->shares - transferred), surrendered->number);
    *lines = out;
    return outcome;
}

Outcome IssueLines(const TAnswer &answers, const DirectoryTable &directory, const IssueOrder &order,
                   QList<JournalLine> *lines)
{
    Outcome outcome = checkDate(answers, directory, order.date);
    if (!outcome.ok())
        return outcome;
    if (Outcome named = newHolderNamed(order.to); !named.ok())
        return named;
    const Register whole = RegisterAsOf(answers, directory);
    const std::optional<qint64> authorized = WholeNumber(whole.authorized);
    if (authorized && whole.totalOutstanding + order.to.shares > *authorized)
        return Outcome::failure(
            msg::LedgerBeyondAuthorized,
            QStringLiteral("%1 outstanding and %2 more; %3 authorized")
                .arg(SharesText(whole.totalOutstanding), SharesText(order.to.shares), SharesText(*authorized)));
    *lines = {line(order.date, whole.LastNumber() + 1, order.to.holder.trimmed(), NewIssueText(),
                   SharesText(order.to.shares), 0, order.amount)};
    return outcome;
}

Outcome RedemptionLines(const TAnswer &answers, const DirectoryTable &directory, const RedemptionOrder &order,
                        QList<JournalLine> *lines)
{
    Outcome outcome = checkDate(answers, directory, order.date);
    if (!outcome.ok())
        return outcome;
    const Register then = RegisterAsOf(answers, directory, order.date);
    const Certificate *surrendered = nullptr;
    if (Outcome found = surrenderedOn(then, order.certificate, order.date, &surrendered); !found.ok())
        return found;
    if (order.shares <= 0)
        return Outcome::failure(msg::LedgerNothingRedeemed, QStringLiteral("certificate %1 holds %2 shares")
                                                                .arg(surrendered->number)
                                                                .arg(SharesText(surrendered->shares)));
    if (order.shares > surrendered->shares)
        return Outcome::failure(msg::LedgerBeyondCertificate,
                                QStringLiteral("%1 shares redeemed; certificate %2 holds %3")
                                    .arg(SharesText(order.shares))
                                    .arg(surrendered->number)
                                    .arg(SharesText(surrendered->shares)));
    // The certificate surrendered is cancelled, as in a transfer; the shares
    // bought back and the price are a line of their own.
    QList<JournalLine> out;
    out << line(order.date, 0, CancelledText(), surrendered->holder, SharesText(surrendered->shares),
                surrendered->number);
    out << line(order.date, 0, RedeemedText(), surrendered->holder, SharesText(order.shares), 0, order.amount);
    if (order.shares < surrendered->shares)
        out << line(order.date, RegisterAsOf(answers, directory).LastNumber() + 1, surrendered->holder,
                    surrendered->holder, SharesText(surrendered->shares - order.shares), surrendered->number);
    *lines = out;
    return outcome;
}

Outcome WriteJournalLines(ClientDocument &document, const QList<JournalLine> &lines)
{
    TAnswer *answers = document.Answers();
    if (!answers)
        return Outcome::failure(msg::AnswerStoreNotCreated);
    Outcome outcome;
    // A corporation without a sheet gets its first, which then holds the
    // original issue, before anything is written after it.
    if (document.CopyCount(Page) == 0) {
        outcome.add(document.AddCopy(Page));
        if (!outcome.ok())
            return outcome;
    }
    const int first = firstFreeLine(*answers);
    const int maxSheets = PageContinuationMax[Page] + 1;
    if (first + int(lines.size()) > maxSheets * LinesPerSheet)
        return Outcome::failure(msg::LedgerFull, QStringLiteral("%1 lines").arg(lines.size()));
    const int sheetsNeeded = (first + int(lines.size()) + LinesPerSheet - 1) / LinesPerSheet;
    while (document.CopyCount(Page) < sheetsNeeded) {
        outcome.add(document.AddCopy(Page));
        if (!outcome.ok())
            return outcome;
    }
    for (int i = 0; i < lines.size(); ++i) {
        const int sheet = (first + i) / LinesPerSheet;
        const int at = (first + i) % LinesPerSheet;
        for (int c = 0; c < Columns; ++c)
            answers->SetText(Page, sheet, AnswerOf(at, c), lines[i].Column(c));
    }
    document.MarkEdited();
    outcome.add(document.Recalculate());
    return outcome;
}

namespace {

// Works out an order's journal lines and, when the order is sound, writes
// them after the journal's last line.
template <typename Order, typename MakeLines>
Outcome record(ClientDocument &document, const Order &order, MakeLines makeLines)
{
    if (!document.Answers())
        return Outcome::failure(msg::AnswerStoreNotCreated);
    QList<JournalLine> lines;
    const Outcome made = makeLines(*document.Answers(), document.Directory(), order, &lines);
    return made.ok() ? WriteJournalLines(document, lines) : made;
}

} // namespace

Outcome RecordTransfer(ClientDocument &document, const TransferOrder &order)
{
    return record(document, order, TransferLines);
}

Outcome RecordIssue(ClientDocument &document, const IssueOrder &order)
{
    return record(document, order, IssueLines);
}

Outcome RecordRedemption(ClientDocument &document, const RedemptionOrder &order)
{
    return record(document, order, RedemptionLines);
}

} // namespace brevane::ledger
