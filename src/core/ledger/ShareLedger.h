#pragma once
// The corporation's share ledger and journal as a lawyer keeps it: every
// issue, transfer and cancellation of a certificate on one line of a ledger
// sheet (the repeatable Share Ledger and Journal page), in the order they
// happen. From the journal follow the certificates outstanding and their
// holders on any date (the register), and the faults a lawyer would mark.
//
// The journal's lines are ordinary answers of the ledger sheets: 27 lines a
// sheet, seven answers a line (date, certificate number, the holder the
// certificate is issued or transferred to, whom it came from, shares, the
// number of the certificate surrendered, amount paid). A line reads as
//   - an issue:        certificate number, holder, shares, "Original issue"
//                      (the subscriptions the board accepted) or "New issue"
//                      under transferred from, the amount paid;
//   - a cancellation:  no certificate number, the surrendered certificate's
//                      number under old certificate ("Certificate cancelled"
//                      under the holder);
//   - a redemption:    "Redeemed by the corporation" under the holder, the
//                      shares bought back and the price, no certificate
//                      (the one surrendered is cancelled on its own line);
//   - a certificate issued in place of a surrendered one: both numbers.
// A certificate is cancelled once, on the day it is surrendered; the
// certificates issued in its place on that day share out its shares.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace brevane {

class TAnswer;
class DirectoryTable;

namespace ledger {

inline constexpr int Page = 24;
inline constexpr int LinesPerSheet = 27;
inline constexpr int Columns = 7;
inline constexpr int EntityNameAnswer = 189;
inline constexpr int ClassAnswer = 190;
inline constexpr int SheetNumberAnswer = 191;

enum Column {
    DateColumn,
    CertificateColumn,
    HolderColumn,
    FromColumn,
    SharesColumn,
    OldCertificateColumn,
    AmountColumn
};

// The answer of a sheet that holds line `line` (0 to 26), column `column`.
constexpr int AnswerOf(int line, int column)
{
    return line * Columns + column;
}

// What the lines say under transferred from or the holder.
QString OriginalIssueText();
QString NewIssueText();
QString CancelledText();
QString RedeemedText();

struct JournalLine
{
    QString date, certificate, holder, from, shares, oldCertificate, amount;
    int sheet = -1; // where it stands: sheet (copy of the page) and line; -1
    int line = -1;  // for a line the ledger sheets do not hold (yet)

    bool IsEmpty() const;
    const QString &Column(int column) const;
    void SetColumn(int column, const QString &text);
};

// Whether the line reads as the original issue: "Original issue" under
// transferred from, no certificate surrendered.
bool IsOriginalIssue(const JournalLine &line);

// The original issue as the board accepts the subscriptions at the first
// directors' meeting: one certificate to each subscriber (Directory rows
// with role S and shares, in Directory order), numbered from 1, dated the
// day of the meeting, paid shares × price (the price the subscribers pay,
// else the par value).
QList<JournalLine> OriginalIssue(const TAnswer &answers, const DirectoryTable &directory);
// The same from the day the board met and the price of a share as the
// worksheet gives them; only the lines from `first` on, at most `count` of
// them (all for a negative count), numbered as in the whole issue.
QList<JournalLine> OriginalIssue(const DirectoryTable &directory, const QString &meetingDate, const QString &price,
                                 int first = 0, int count = -1);

// The non-empty lines of the ledger sheets in use, sheet by sheet.
QList<JournalLine> SheetLines(const TAnswer &answers);

// The journal: the lines of the ledger sheets; for a corporation that keeps
// no sheet yet, the original issue (what its first sheet will hold).
QList<JournalLine> Journal(const TAnswer &answers, const DirectoryTable &directory);

struct Certificate
{
    int number = 0;
    QString holder;
    qint64 shares = 0;
    QString shareClass;
    QString issued; // the date as the journal gives it
    QDate issuedOn;
    bool cancelled = false;
    QDate cancelledOn;
};

struct LedgerFault
{
    enum Kind {
        DateUnreadable,        // a line's date is not a date
        NumberUnreadable,      // a certificate number or share count is not a number
        BeyondAuthorized,      // more shares outstanding than the articles authorize
        BeyondCertificate,     // the certificates issued in place of one hold more than it
        CancelledTwice,        // a certificate cancelled a second time
        UsedAfterCancellation, // a cancelled certificate surrendered again on a later day
        NotIssued,             // a certificate surrendered that was never issued before
        NumberTwice,           // two certificates with one number
        DisagreesWithMinutes,  // the original issue is not the subscriptions accepted
    };
    Kind kind;
    QString text; // one plain sentence
    int sheet = -1;
    int line = -1;
    int column = -1;
};

struct Register
{
    QDate asOf;                      // invalid: after the journal's last line
    QList<Certificate> certificates; // every certificate issued up to then, by number
    QList<Certificate> outstanding;  // those not cancelled, by number
    qint64 totalOutstanding = 0;
    QString authorized; // the shares the articles authorize, as the worksheet gives them
    QList<LedgerFault> faults;

    // The outstanding certificate of that number, or nullptr.
    const Certificate *Outstanding(int number) const;
    // The highest certificate number issued (0 for none).
    int LastNumber() const;
};

// The register on `asOf` (an invalid date: every line of the journal). Lines
// dated after it are left out; a line whose date does not read counts only
// for the whole journal. The faults are those of the lines taken in (none
// without `collectFaults`, for a caller that wants the certificates alone).
Register RegisterAsOf(const TAnswer &answers, const DirectoryTable &directory, const QDate &asOf = QDate(),
                      bool collectFaults = true);

// The faults of the whole journal, including a first issue that differs
// from the subscriptions accepted in the minutes.
QList<LedgerFault> LedgerFaults(const TAnswer &answers, const DirectoryTable &directory);

// The register as brevane-cli prints it: a line per outstanding certificate
// (number, holder, shares, class), then the total outstanding and the total
// authorized.
QString RegisterText(const Register &reg);

// A limited liability company keeps no share ledger: its members and their
// interests are the Directory Worksheet's members (role M), each with the
// percentage interest and the contribution the operating agreement states.
// The worksheet holds them as they stand now; it keeps no dates, so there is
// no register of members on an earlier day.
struct MemberInterest
{
    QString member;
    QString interest;      // the percentage as typed, without "%"
    QString contribution;  // the amount, or the property, as typed
    bool property = false; // contributes property rather than cash
};
QList<MemberInterest> MembersOfRecord(const DirectoryTable &directory);
// A member as the register shows it: name, interest ("45%"), contribution
// (dollars for cash, the description for property), "cash" or "property".
QStringList MemberCells(const MemberInterest &member);
// The members' interests added up ("100%"); empty when one does not read.
QString TotalInterestText(const QList<MemberInterest> &members);
// The members as brevane-cli ledger prints them for a company: a line per
// member (name, interest, contribution, cash or property), then the count
// and the total interest.
QString MembersText(const QList<MemberInterest> &members);

// The stock certificate's front (page 86) filled for one certificate: its
// number, shares in figures and words, holder, class and day of issue; the
// shares authorized and the two officers who sign where the page leaves
// them empty (the worksheet's president and secretary).
inline constexpr int CertificatePage = 86;
inline constexpr int CertificateBackPage = 87;
void FillCertificate(TAnswer &answers, const Certificate &certificate);
// The shares in words as the certificate states them: "Two Hundred Fifty".
QString SharesInWords(qint64 shares);

// The lines the calculation would take for its own (those that read as an
// original issue), the class and the sheet number marked as the user's own
// (overridden), so that no calculation replaces them: for a client whose
// ledger was written by hand before the program kept one.
void KeepAsWritten(TAnswer &answers);

// The certificates a user names for printing: numbers and ranges separated
// by commas or blanks ("1, 3, 6-8"), in the order given, each once; an empty
// list for a blank text (every certificate). No value when the text does
// not read that way.
std::optional<QList<int>> CertificateNumbers(const QString &text);

// A share count as the papers print it: "1,250".
QString SharesText(qint64 shares);
// The text read as a whole number of shares or a certificate number; no
// value when it does not read as one.
std::optional<qint64> WholeNumber(const QString &text);

} // namespace ledger
} // namespace brevane
