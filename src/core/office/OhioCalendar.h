#pragma once
// The dates a client must keep: those Ohio's law sets for its kind of
// business (the professional association's biennial statement, the window in
// which articles take effect, the annual meeting of shareholders) and those
// its own papers set (the first fiscal year's end, the first meetings and
// their notice, a dissolution's effective date). Each date names its legal
// source and says in a sentence or two what is due, so that the user can
// tell why it is there.

#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace brevane {

// What the calendar reads of a client: its kind of business and the dates
// of its General Information Worksheet (an invalid date where none is given
// or the entry does not read as a date).
struct ClientDates
{
    unsigned kind = 0;         // an EntityKind of the form catalogue
    QDate filed;               // the articles were filed
    QDate effective;           // the articles take effect, if later than filing
    QDate fiscalYearEnd;       // the last day of the first fiscal year
    QDate shareholdersMeeting; // the first shareholders' meeting
    QDate directorsMeeting;    // the first directors' meeting
    QDate dissolution;         // a dissolution takes effect
};

ClientDates DatesOfClient(const TAnswer &answers, const DirectoryTable &directory);

enum class DueKind {
    BiennialStatement,    // a professional association's statement of shareholders
    FileArticlesBy,       // articles with an effective date, not filed yet
    ArticlesTakeEffect,   // filed articles with a later effective date
    ShareholdersNotice,   // last day to give notice of the first shareholders' meeting
    ShareholdersMeeting,  // the first shareholders' meeting
    DirectorsMeeting,     // the first directors' meeting
    FiscalYearEnd,        // a fiscal year ends
    AnnualMeeting,        // the annual meeting of shareholders
    DissolutionEffective, // the dissolution takes effect
};

struct DueDate
{
    QDate date;
    DueKind kind = DueKind::BiennialStatement;
    QString title;  // what falls due, in a few words: "Biennial statement due (form 520)"
    QString source; // where it comes from: "Ohio Revised Code 1785.06"
    QString help;   // what the law or the papers say, and what follows from missing it
};

// The client's dates from `from` to `to` (both included), in date order.
QList<DueDate> DueDates(const ClientDates &client, const QDate &from, const QDate &to);
// The first date on or after `today` within the next three years; none when
// the client has none.
std::optional<DueDate> NextDueDate(const ClientDates &client, const QDate &today);

// The date in the long form the papers print: "July 30, 2026".
QString LongDate(const QDate &date);

} // namespace brevane
