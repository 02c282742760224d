#include "core/ledger/ShareLedger.h"

#include "core/forms/PageZero.h"
#include "core/store/Answers.h"
#include "core/store/Conversions.h"
#include "core/store/DirectoryRoles.h"
#include "core/store/DirectoryTable.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace brevane::ledger {

namespace {

LedgerFault fault(LedgerFault::Kind kind, const JournalLine &line, int column, const QString &text)
{
    LedgerFault f;
    f.kind = kind;
    f.sheet = line.sheet;
    f.line = line.line;
    f.column = column;
    // Where the line stands, then what is wrong with it.
    if (line.sheet < 0)
        f.text = QStringLiteral("the original issue: ") + text;
    else
        f.text = QStringLiteral("sheet ") + QString::number(line.sheet + 1) + QStringLiteral(", line ") +
                 QString::number(line.line + 1) + QStringLiteral(": ") + text;
    return f;
}

// The sheet's class of shares, else the worksheet's.
QString classOf(const TAnswer &answers, int sheet)
{
    const QString own = sheet >= 0 ? answers.Text(Page, sheet, ClassAnswer).trimmed() : QString();
    return own.isEmpty() ? answers.Text(0, 0, G0::ShareClass).trimmed() : own;
}

int sheetsInUse(const TAnswer &answers)
{
    return std::clamp(answers.PgCt[Page], 0, PageContinuationMax[Page] + 1);
}

// Line `l` of sheet `s` as the sheet holds it, with its place.
JournalLine sheetLine(const TAnswer &answers, int s, int l)
{
    JournalLine line;
    for (int c = 0; c < Columns; ++c)
        line.SetColumn(c, answers.Text(Page, s, AnswerOf(l, c)));
    line.sheet = s;
    line.line = l;
    return line;
}

// Whether the board acted on or before `day`: a resolution adopted by the
// directors or the minutes of a meeting of the board, dated then or earlier.
bool boardActedBy(const TAnswer &answers, const QDate &day)
{
    static const QRegularExpression board(QStringLiteral("\\b(director|directors|board)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    struct Record
    {
        int page;
        int who;  // who adopted it, or the meeting's name
        int date; // the day it was adopted or held
    };
    for (const Record &r : {Record{38, 1, 7}, Record{23, 1, 9}}) {
        const int copies = std::clamp(answers.PgCt[size_t(r.page)], 1, PageContinuationMax[r.page] + 1);
        for (int ct = 0; ct < copies; ++ct) {
            const QDate on = ReadWrittenDate(answers.Text(r.page, ct, r.date));
            if (on.isValid() && on <= day && board.match(answers.Text(r.page, ct, r.who)).hasMatch())
                return true;
        }
    }
    return false;
}

} // namespace

QString OriginalIssueText()
{
    return QStringLiteral("Original issue");
}

QString NewIssueText()
{
    return QStringLiteral("New issue");
}

bool IsOriginalIssue(const JournalLine &line)
{
    return line.from.trimmed().compare(OriginalIssueText(), Qt::CaseInsensitive) == 0 &&
           line.oldCertificate.trimmed().isEmpty();
}

QString CancelledText()
{
    return QStringLiteral("Certificate cancelled");
}

QString RedeemedText()
{
    return QStringLiteral("Redeemed by the corporation");
}

bool JournalLine::IsEmpty() const
{
    for (int c = 0; c < Columns; ++c)
        if (!Column(c).trimmed().isEmpty())
            return false;
    return true;
}

const QString &JournalLine::Column(int column) const
{
    switch (column) {
    case DateColumn:
        return date;
    case CertificateColumn:
        return certificate;
    case HolderColumn:
        return holder;
    case FromColumn:
        return from;
    case SharesColumn:
        return shares;
    case OldCertificateColumn:
        return oldCertificate;
    case AmountColumn:
        return amount;
    }
    static const QString none;
    return none;
}

void JournalLine::SetColumn(int column, const QString &text)
{
    switch (column) {
    case DateColumn:
        date = text;
        break;
    case CertificateColumn:
        certificate = text;
        break;
    case HolderColumn:
        holder = text;
        break;
    case FromColumn:
        from = text;
        break;
    case SharesColumn:
        shares = text;
        break;
    case OldCertificateColumn:
        oldCertificate = text;
        break;
    case AmountColumn:
        amount = text;
        break;
    }
}

QString SharesInWords(qint64 shares)
{
    return ConvertTeens(NumberToWords(double(shares))).simplified();
}

void FillCertificate(TAnswer &answers, const Certificate &certificate)
{
    constexpr int page = CertificatePage;
    answers.SetText(page, 0, 0, QString::number(certificate.number));
    answers.SetText(page, 0, 1, SharesText(certificate.shares));
    answers.SetText(page, 0, 2, certificate.holder);
    answers.SetText(page, 0, 3, certificate.shareClass);
    answers.SetText(page, 0, 6, SharesInWords(certificate.shares));
    answers.SetText(page, 0, 7,
                    certificate.issuedOn.isValid() ? ShortDateText(certificate.issuedOn) : certificate.issued);
    if (answers.Text(page, 0, 5).trimmed().isEmpty()) {
        const std::optional<qint64> authorized = WholeNumber(answers.Text(0, 0, G0::AuthorizedShares));
        const std::optional<double> par = ReadNumber(answers.Text(0, 0, G0::ParValue).trimmed());
        const QString shareClass = answers.Text(0, 0, G0::ShareClass).trimmed();
        if (authorized) {
            QString text = SharesText(*authorized) + QLatin1Char(' ');
            if (!shareClass.isEmpty())
                text += shareClass + QLatin1Char(' ');
            text += par && *par > 0 ? QStringLiteral("shares of a par value of $%1 each").arg(Float2Dollar(*par))
                                    : QStringLiteral("shares without par value");
            answers.SetText(page, 0, 5, QStringLiteral("Authorized: ") + text);
        }
    }
    if (answers.Text(page, 0, 8).trimmed().isEmpty())
        answers.SetText(page, 0, 8, answers.Text(0, 0, G0::President).trimmed());
    if (answers.Text(page, 0, 9).trimmed().isEmpty())
        answers.SetText(page, 0, 9, answers.Text(0, 0, G0::Secretary).trimmed());
}

void KeepAsWritten(TAnswer &answers)
{
    const int sheets = sheetsInUse(answers);
    for (int s = 0; s < sheets; ++s) {
        for (int l = 0; l < LinesPerSheet; ++l) {
            const JournalLine line = sheetLine(answers, s, l);
            for (int c = 0; IsOriginalIssue(line) && c < Columns; ++c)
                answers.SetOvRide(Page, s, AnswerOf(l, c), true);
        }
        for (int k : {ClassAnswer, SheetNumberAnswer})
            if (!answers.Text(Page, s, k).trimmed().isEmpty())
                answers.SetOvRide(Page, s, k, true);
    }
}

QString SharesText(qint64 shares)
{
    // As FormatNumber writes a whole number ("1,250"), without the detour
    // through a real: the calculation writes one for every subscriber.
    char buffer[32];
    int at = int(sizeof buffer);
    quint64 rest = quint64(shares < 0 ? -shares : shares);
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            buffer[--at] = ',';
        buffer[--at] = char('0' + rest % 10);
        rest /= 10;
        ++digits;
    } while (rest > 0);
    if (shares < 0)
        buffer[--at] = '-';
    return QString::fromLatin1(buffer + at, int(sizeof buffer) - at);
}

std::optional<qint64> WholeNumber(const QString &text)
{
    // Digits with or without thousands separators, as the Directory holds
    // shares, read directly; anything else as the conversions read it.
    qint64 plain = 0;
    bool digitsOnly = !text.isEmpty() && text.size() < 16;
    for (const QChar ch : text) {
        if (ch.isDigit())
            plain = plain * 10 + ch.digitValue();
        else if (ch != QLatin1Char(','))
            digitsOnly = false;
        if (!digitsOnly)
            break;
    }
    if (digitsOnly && text.front().isDigit())
        return plain;
    // A word is never a number (an exponent's "e" aside): no need to parse it.
    if (std::any_of(text.begin(), text.end(),
                    [](QChar ch) { return ch.isLetter() && ch != QLatin1Char('e') && ch != QLatin1Char('E'); }))
        return std::nullopt;
    const std::optional<double> value = ReadNumber(text.trimmed());
    if (!value || *value < 0 || std::floor(*value) != *value || *value > 1e15)
        return std::nullopt;
    return qint64(*value);
}

QList<JournalLine> OriginalIssue(const TAnswer &answers, const DirectoryTable &directory)
{
    // The price the subscribers pay; where the worksheet gives none, the par
    // value, as the directors' minutes take it.
    const QString &price = answers.Text(0, 0, G0::SharePrice).trimmed().isEmpty() ? answers.Text(0, 0, G0::ParValue)
                                                                                  : answers.Text(0, 0, G0::SharePrice);
    return OriginalIssue(directory, answers.Text(0, 0, G0::DirectorsMeetingDate), price);
}

QList<JournalLine> OriginalIssue(const DirectoryTable &directory, const QString &meetingDate, const QString &price,
                                 int first, int count)
{
    QList<JournalLine> lines;
    // Fewer rows than the first line asked for: nothing to read.
    if (first >= directory.RowCount() || count == 0)
        return lines;
    const std::optional<double> perShare = ReadNumber(price.trimmed());
    int index = 0;
    for (const DirectoryRow &row : directory.Rows()) {
        if (!HasRole(row, QLatin1Char('S')))
            continue;
        const std::optional<qint64> shares = WholeNumber(row[ColNoOfShares]);
        if (!shares || *shares == 0)
            continue;
        if (index++ < first)
            continue;
        if (count >= 0 && lines.size() >= count)
            break;
        JournalLine line;
        line.date = meetingDate.trimmed();
        line.certificate = QString::number(index);
        line.holder = row[ColName].trimmed();
        line.from = OriginalIssueText();
        line.shares = SharesText(*shares);
        if (perShare && *perShare > 0) {
            // As Float2Dollar writes it ("4,000.00"), cents rounded half away.
            const qint64 cents = std::llround(double(*shares) * *perShare * 100.0);
            const int part = int(cents % 100);
            line.amount =
                SharesText(cents / 100) + QLatin1Char('.') + QChar(u'0' + part / 10) + QChar(u'0' + part % 10);
        }
        lines << line;
    }
    return lines;
}

QList<JournalLine> SheetLines(const TAnswer &answers)
{
    QList<JournalLine> lines;
    const int sheets = sheetsInUse(answers);
    lines.reserve(sheets * LinesPerSheet);
    for (int s = 0; s < sheets; ++s) {
        for (int l = 0; l < LinesPerSheet; ++l) {
            JournalLine line = sheetLine(answers, s, l);
            if (!line.IsEmpty())
                lines << std::move(line);
        }
    }
    return lines;
}

QList<JournalLine> Journal(const TAnswer &answers, const DirectoryTable &directory)
{
    if (sheetsInUse(answers) == 0)
        return OriginalIssue(answers, directory);
    return SheetLines(answers);
}

const Certificate *Register::Outstanding(int number) const
{
    for (const Certificate &c : outstanding)
        if (c.number == number)
            return &c;
    return nullptr;
}

int Register::LastNumber() const
{
    int last = 0;
    for (const Certificate &c : certificates)
        last = std::max(last, c.number);
    return last;
}

namespace {

// A certificate is issued only for shares paid in full: the original issue
// at the price the subscribers pay; a new issue names what was paid, and the
// board that authorized it acted on or before its day.
void paidInFull(Register &reg, const JournalLine &line, int number, qint64 shares, const std::optional<double> &price,
                const QDate &date, const TAnswer &answers)
{
    const QString amountText = line.amount.trimmed();
    const std::optional<double> paid = ReadNumber(amountText);
    const bool newIssue = line.from.trimmed().compare(NewIssueText(), Qt::CaseInsensitive) == 0;
    if (IsOriginalIssue(line) && price && paid && *paid + 0.005 < double(shares) * *price) {
        reg.faults << fault(LedgerFault::NotFullyPaid, line, AmountColumn,
                            QStringLiteral("certificate %1 is issued for %2 shares paid $%3; at $%4 a share they are "
                                           "paid in full at $%5, and a certificate is issued only for shares paid "
                                           "in full")
                                .arg(number)
                                .arg(SharesText(shares), Float2Dollar(*paid), Float2Dollar(*price),
                                     Float2Dollar(double(shares) * *price)));
    } else if (newIssue && amountText.isEmpty()) {
        LedgerFault f = fault(LedgerFault::NotFullyPaid, line, AmountColumn,
                              QStringLiteral("the new issue of certificate %1 records no amount paid; a certificate "
                                             "is issued only for shares paid in full")
                                  .arg(number));
        f.worthALook = true;
        reg.faults << f;
    }
    if (newIssue && date.isValid() && !boardActedBy(answers, date)) {
        LedgerFault f = fault(LedgerFault::NoBoardAction, line, FromColumn,
                              QStringLiteral("no resolution or minutes of the board dated on or before %1 authorize "
                                             "the new issue of certificate %2")
                                  .arg(ConvertDate(ShortDateText(date)))
                                  .arg(number));
        f.worthALook = true;
        reg.faults << f;
    }
}

} // namespace

namespace {

// The register of the journal's lines on `asOf`, as RegisterAsOf.
Register registerOf(const QList<JournalLine> &journal, const TAnswer &answers, const QDate &asOf, bool collectFaults)
{
    Register reg;
    reg.asOf = asOf;
    reg.authorized = answers.Text(0, 0, G0::AuthorizedShares).trimmed();
    const std::optional<qint64> authorized = WholeNumber(reg.authorized);

    QHash<int, Certificate> certificates;
    QHash<int, qint64> sharedOut; // shares of each surrendered certificate issued again
    QHash<int, bool> explicitCancellation;
    qint64 outstanding = 0;
    bool beyondReported = false;
    QDate lastDate;                      // of the line above, for the journal's order
    QHash<int, JournalLine> lastInPlace; // of each surrendered certificate, its last line issued in place
    QHash<int, bool> redeemed;           // surrendered certificates the corporation redeemed
    QHash<QString, qint64> boughtBack;   // shares redeemed, by day and former holder
    const std::optional<double> price = [&]() -> std::optional<double> {
        for (const int g : {G0::SharePrice, G0::ParValue})
            if (const std::optional<double> p = ReadNumber(answers.Text(0, 0, g).trimmed()); p && *p > 0)
                return p;
        return std::nullopt;
    }();

    for (const JournalLine &line : journal) {
        const QDate date = ReadWrittenDate(line.date);
        if (collectFaults && date.isValid() && lastDate.isValid() && date < lastDate)
            reg.faults << fault(LedgerFault::OutOfOrder, line, DateColumn,
                                QStringLiteral("the line is dated %1, before the line above it (%2); the journal "
                                               "keeps its lines in the order of their dates")
                                    .arg(ConvertDate(ShortDateText(date)), ConvertDate(ShortDateText(lastDate))));
        if (date.isValid())
            lastDate = std::max(lastDate, date);
        if (!date.isValid()) {
            if (asOf.isValid())
                continue;
            if (collectFaults)
                reg.faults << fault(
                    LedgerFault::DateUnreadable, line, DateColumn,
                    line.date.trimmed().isEmpty()
                        ? QStringLiteral("the line has no date")
                        : QStringLiteral("the date \"%1\" does not read as a date").arg(line.date.trimmed()));
        } else if (asOf.isValid() && date > asOf) {
            continue;
        }

        const bool hasNumber = !line.certificate.trimmed().isEmpty();
        const bool hasOld = !line.oldCertificate.trimmed().isEmpty();
        const std::optional<qint64> number = WholeNumber(line.certificate);
        const std::optional<qint64> old = WholeNumber(line.oldCertificate);
        const std::optional<qint64> shares = WholeNumber(line.shares);
        if (hasNumber && !number) {
            if (collectFaults)
                reg.faults << fault(
                    LedgerFault::NumberUnreadable, line, CertificateColumn,
                    QStringLiteral("the certificate number \"%1\" is not a number").arg(line.certificate.trimmed()));
            continue;
        }
        if (hasOld && !old) {
            if (collectFaults)
                reg.faults << fault(LedgerFault::NumberUnreadable, line, OldCertificateColumn,
                                    QStringLiteral("the old certificate number \"%1\" is not a number")
                                        .arg(line.oldCertificate.trimmed()));
            continue;
        }
        if (hasNumber && !shares) {
            if (collectFaults)
                reg.faults << fault(
                    LedgerFault::NumberUnreadable, line, SharesColumn,
                    QStringLiteral("the number of shares \"%1\" is not a whole number").arg(line.shares.trimmed()));
            continue;
        }

        // Shares the corporation buys back on a line of their own: part of a
        // certificate surrendered that day by that holder.
        if (!hasNumber && !hasOld && line.holder.trimmed().compare(RedeemedText(), Qt::CaseInsensitive) == 0)
            boughtBack[ShortDateText(date) + line.from.simplified().toCaseFolded()] +=
                WholeNumber(line.shares).value_or(0);

        // The certificate surrendered: cancelled on the day it is given up.
        if (hasOld) {
            const int o = int(*old);
            auto it = certificates.find(o);
            if (collectFaults && it != certificates.end() && date.isValid() && it->issuedOn.isValid() &&
                date < it->issuedOn)
                reg.faults << fault(LedgerFault::BeforeIssue, line, DateColumn,
                                    QStringLiteral("certificate %1 is %2 %3, before it was issued (%4)")
                                        .arg(o)
                                        .arg(hasNumber ? QStringLiteral("surrendered") : QStringLiteral("cancelled"),
                                             ConvertDate(ShortDateText(date)),
                                             ConvertDate(ShortDateText(it->issuedOn))));
            if (!hasNumber && line.holder.trimmed().compare(RedeemedText(), Qt::CaseInsensitive) == 0)
                redeemed[o] = true;
            if (it == certificates.end()) {
                if (collectFaults)
                    reg.faults << fault(
                        LedgerFault::NotIssued, line, OldCertificateColumn,
                        QStringLiteral("certificate %1 is surrendered, but no certificate %1 was issued "
                                       "before")
                            .arg(o));
            } else if (!hasNumber) {
                if (it->cancelled && (explicitCancellation.value(o) || it->cancelledOn != date)) {
                    if (collectFaults)
                        reg.faults << fault(LedgerFault::CancelledTwice, line, OldCertificateColumn,
                                            QStringLiteral("certificate %1 is cancelled twice; it was cancelled on %2")
                                                .arg(o)
                                                .arg(ConvertDate(ShortDateText(it->cancelledOn))));
                } else if (!it->cancelled) {
                    it->cancelled = true;
                    it->cancelledOn = date;
                    outstanding -= it->shares;
                }
                explicitCancellation[o] = true;
            } else {
                if (it->cancelled && it->cancelledOn != date) {
                    if (collectFaults)
                        reg.faults << fault(
                            LedgerFault::UsedAfterCancellation, line, OldCertificateColumn,
                            QStringLiteral("certificate %1 was cancelled on %2; a new certificate cannot "
                                           "be issued in its place later")
                                .arg(o)
                                .arg(ConvertDate(ShortDateText(it->cancelledOn))));
                } else {
                    if (!it->cancelled) {
                        it->cancelled = true;
                        it->cancelledOn = date;
                        outstanding -= it->shares;
                    }
                    sharedOut[o] += *shares;
                    lastInPlace[o] = line;
                    if (sharedOut[o] > it->shares)
                        if (collectFaults)
                            reg.faults << fault(
                                LedgerFault::BeyondCertificate, line, SharesColumn,
                                QStringLiteral("the certificates issued in place of certificate %1 hold "
                                               "%2 shares; it held %3")
                                    .arg(o)
                                    .arg(SharesText(sharedOut[o]), SharesText(it->shares)));
                }
            }
        }

        // The certificate issued.
        if (hasNumber) {
            const int n = int(*number);
            if (certificates.contains(n)) {
                if (collectFaults)
                    reg.faults << fault(LedgerFault::NumberTwice, line, CertificateColumn,
                                        QStringLiteral("certificate %1 is issued twice").arg(n));
                continue;
            }
            if (collectFaults && *shares <= 0)
                reg.faults << fault(LedgerFault::NoShares, line, SharesColumn,
                                    QStringLiteral("certificate %1 is for %2 shares").arg(n).arg(*shares));
            if (collectFaults && !hasOld)
                paidInFull(reg, line, n, *shares, price, date, answers);
            Certificate c;
            c.number = n;
            c.holder = line.holder.trimmed();
            c.shares = *shares;
            c.shareClass = classOf(answers, line.sheet);
            c.issued = line.date.trimmed();
            c.issuedOn = date;
            certificates.insert(n, c);
            outstanding += c.shares;
            if (authorized && outstanding > *authorized && !beyondReported) {
                beyondReported = true;
                if (collectFaults)
                    reg.faults << fault(LedgerFault::BeyondAuthorized, line, SharesColumn,
                                        QStringLiteral("%1 shares are then outstanding, more than the %2 the articles "
                                                       "authorize")
                                            .arg(SharesText(outstanding), SharesText(*authorized)));
            }
        }
    }

    // The shares of a surrendered certificate go on, whole, in the
    // certificates issued in its place and the shares the corporation
    // bought back from its holder that day.
    if (collectFaults)
        for (auto it = lastInPlace.cbegin(); it != lastInPlace.cend(); ++it) {
            const Certificate surrendered = certificates.value(it.key());
            const qint64 held = surrendered.shares;
            const qint64 placed =
                sharedOut.value(it.key()) + boughtBack.value(ShortDateText(surrendered.cancelledOn) +
                                                             surrendered.holder.simplified().toCaseFolded());
            if (placed < held && !redeemed.value(it.key()))
                reg.faults << fault(LedgerFault::SharesVanish, it.value(), SharesColumn,
                                    QStringLiteral("the certificates issued in place of certificate %1 hold %2 "
                                                   "shares; it held %3, so %4 shares leave the ledger unaccounted "
                                                   "for")
                                        .arg(it.key())
                                        .arg(SharesText(placed), SharesText(held), SharesText(held - placed)));
        }

    QList<int> numbers = certificates.keys();
    std::sort(numbers.begin(), numbers.end());
    for (int n : numbers) {
        const Certificate &c = certificates[n];
        reg.certificates << c;
        if (!c.cancelled) {
            reg.outstanding << c;
            reg.totalOutstanding += c.shares;
        }
    }
    return reg;
}

} // namespace

Register RegisterAsOf(const TAnswer &answers, const DirectoryTable &directory, const QDate &asOf, bool collectFaults)
{
    return registerOf(Journal(answers, directory), answers, asOf, collectFaults);
}

QList<LedgerFault> LedgerFaults(const TAnswer &answers, const DirectoryTable &directory)
{
    const QList<JournalLine> journal = Journal(answers, directory);
    QList<LedgerFault> faults = registerOf(journal, answers, QDate(), true).faults;
    // The first issue is the subscriptions the board accepted: each
    // subscriber's certificate, for the shares subscribed, in the journal's
    // original issues.
    QList<JournalLine> issued;
    for (const JournalLine &line : journal)
        if (IsOriginalIssue(line))
            issued << line;
    const auto key = [](const QString &name) { return name.simplified().toCaseFolded(); };
    for (const JournalLine &accepted : OriginalIssue(answers, directory)) {
        const auto match = std::find_if(issued.begin(), issued.end(), [&](const JournalLine &line) {
            return key(line.holder) == key(accepted.holder) && WholeNumber(line.shares) == WholeNumber(accepted.shares);
        });
        if (match != issued.end()) {
            issued.erase(match);
            continue;
        }
        LedgerFault f;
        f.kind = LedgerFault::DisagreesWithMinutes;
        f.text = QStringLiteral("the directors accepted %1's subscription for %2 shares, but the ledger issues no "
                                "such certificate")
                     .arg(accepted.holder, accepted.shares);
        faults << f;
    }
    return faults;
}

namespace {

// Rows as a plain text table: columns as wide as their longest entry, so
// that a register reads as a table on a terminal and in a plain text file;
// the columns in `right` are figures, aligned on the right.
QString textTable(const QList<QStringList> &rows, const QList<int> &right)
{
    QList<qsizetype> widths;
    for (const QStringList &row : rows)
        for (int k = 0; k < row.size(); ++k) {
            if (widths.size() <= k)
                widths << 0;
            widths[k] = std::max(widths[k], row[k].size());
        }
    QString out;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (int k = 0; k < row.size(); ++k)
            cells << (k + 1 == row.size() && !right.contains(k) ? row[k]
                      : right.contains(k)                       ? row[k].rightJustified(widths[k])
                                                                : row[k].leftJustified(widths[k]));
        out += cells.join(QStringLiteral("  ")) + QLatin1Char('\n');
    }
    return out;
}

} // namespace

QString RegisterText(const Register &reg)
{
    QList<QStringList> rows{
        {QStringLiteral("Certificate"), QStringLiteral("Holder"), QStringLiteral("Shares"), QStringLiteral("Class")}};
    for (const Certificate &c : reg.outstanding)
        rows << QStringList{QString::number(c.number), c.holder, SharesText(c.shares), c.shareClass};
    QString out = reg.asOf.isValid()
                      ? QStringLiteral("Shareholders of record on %1\n").arg(ConvertDate(ShortDateText(reg.asOf)))
                      : QStringLiteral("Shareholders of record\n");
    out += textTable(rows, {2});
    const std::optional<qint64> authorized = WholeNumber(reg.authorized);
    out += QStringLiteral("Total outstanding: %1 shares\n").arg(SharesText(reg.totalOutstanding));
    out += QStringLiteral("Total authorized: %1\n")
               .arg(authorized                 ? SharesText(*authorized) + QStringLiteral(" shares")
                    : reg.authorized.isEmpty() ? QStringLiteral("not given")
                                               : reg.authorized);
    return out;
}

QList<MemberInterest> MembersOfRecord(const DirectoryTable &directory)
{
    QList<MemberInterest> members;
    for (const DirectoryRow &row : directory.Rows()) {
        if (!HasRole(row, QLatin1Char('M')))
            continue;
        MemberInterest member;
        member.member = row[ColName].trimmed();
        member.interest = row[ColInterest].trimmed();
        member.contribution = row[ColContribution].trimmed();
        // As the operating agreement reads the boxes: property only where
        // it is ticked and cash is not.
        member.property = row[ColNoncash] == QLatin1String("X") && row[ColCash] != QLatin1String("X");
        members << member;
    }
    return members;
}

QStringList MemberCells(const MemberInterest &member)
{
    return {member.member, member.interest.isEmpty() ? QString() : member.interest + QLatin1Char('%'),
            member.property ? member.contribution : DollarAmountText(member.contribution),
            member.property ? QStringLiteral("property") : QStringLiteral("cash")};
}

QString TotalInterestText(const QList<MemberInterest> &members)
{
    double total = 0;
    for (const MemberInterest &m : members) {
        const std::optional<double> interest = ReadNumber(m.interest);
        if (!interest)
            return QString();
        total += *interest;
    }
    return FormatNumber(total, std::fmod(total, 1.0) == 0 ? 0 : 2) + QLatin1Char('%');
}

QString MembersText(const QList<MemberInterest> &members)
{
    QList<QStringList> rows{
        {QStringLiteral("Member"), QStringLiteral("Interest"), QStringLiteral("Contribution"), QStringLiteral("In")}};
    for (const MemberInterest &m : members)
        rows << MemberCells(m);
    QString out = QStringLiteral("Members of record, as the Directory Worksheet gives them\n");
    out += textTable(rows, {1});
    out += QStringLiteral("Members: %1\n").arg(members.size());
    if (const QString total = TotalInterestText(members); !total.isEmpty())
        out += QStringLiteral("Total interest: %1\n").arg(total);
    return out;
}

std::optional<QList<int>> CertificateNumbers(const QString &text)
{
    // A range longer than any ledger's sheets could number is a slip.
    constexpr int longestRange = 100 * LinesPerSheet;
    const auto number = [](const QString &digits) -> std::optional<int> {
        bool ok = false;
        const int n = digits.toInt(&ok);
        if (!ok || n < 1 || !std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c.isDigit(); }))
            return std::nullopt;
        return n;
    };
    QList<int> numbers;
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    for (const QString &part : text.split(separators, Qt::SkipEmptyParts)) {
        const qsizetype dash = part.indexOf(QLatin1Char('-'));
        const std::optional<int> first = number(dash < 0 ? part : part.left(dash));
        const std::optional<int> last = dash < 0 ? first : number(part.mid(dash + 1));
        if (!first || !last || *last < *first || *last - *first >= longestRange)
            return std::nullopt;
        for (int n = *first; n <= *last; ++n)
            if (!numbers.contains(n))
                numbers << n;
    }
    return numbers;
}

} // namespace brevane::ledger
