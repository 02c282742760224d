#pragma once
// What belongs to one page, as its form source (forms/page<N>.form) states
// it. The build generates the table from the sources, so a page's facts are
// changed in its source alone.

#include "core/store/PageCatalogue.h"

#include <QString>

#include <array>
#include <cstddef>
#include <vector>

namespace brevane {

// What a field of a page holds, as its source gives it.
enum class FieldKind : char { Text, Money, Percent, Whole, Short, Date, Memo, Check, Estimate };

// One field of a page: the answer it binds, its kind, the wording that labels
// it on the page, whether it holds the printed name of a person who signs
// the paper (a signer slot), and the answer's name where its source gives one
// (`name=EntityName`: every answer of page 0).
struct FieldFact
{
    int answer = -1;
    FieldKind kind = FieldKind::Text;
    const char *label = ""; // UTF-8; empty where no wording stands beside it
    bool signer = false;
    const char *name = ""; // ASCII; empty where the source names no answer
    bool input = false;    // the user's own entry (no page procedure writes it)
};

// Answer `answer` of page `page` (continuation 0).
struct AnswerRef
{
    int page = 0;
    int answer = 0;
};

// One item a form needs before it is filed (`.required` in the page's
// source): filled when any of `anyOf` holds a text, or, with `role` set,
// when a row of the Directory Worksheet has that role. An item with a
// condition (`a?b`) is needed only while an answer of `when` holds a text
// (a ticked box), or, with `whenRole` set, a row has that role.
struct RequiredItem
{
    std::vector<AnswerRef> anyOf;
    char role = 0;
    std::vector<AnswerRef> when;
    char whenRole = 0;
};

// A table of the page that grows (`.repeat COUNT STEP grow`): the page keeps
// answers for its first `count` rows, each row's `step` above the row before;
// it prints as many rows as the client has, and the rows beyond those kept
// are derived by each calculation run (TAnswer::RowText).
struct TableFact
{
    std::vector<int> columns; // the answers of its first row, rising
    int step = 0;
    int count = 0;

    int First() const { return columns.empty() ? -1 : columns.front(); }
    // Whether `answer` is the column of one of its first row's answers.
    bool HasColumn(int answer) const;
};

struct PageFacts
{
    bool hasSource = false; // the page has a form source
    bool hasScreen = false; // it can be shown (a page screen file)
    bool isPrinted = false; // it has a print template and a print data file
    int focusTag = -1;      // the Tag of the control focused when it is shown; -1 for none
    // An empty text answer prints nothing (elsewhere a line to fill in).
    bool keepBlank = false;
    // Money, percent and whole-number answers that are empty or zero show
    // and print as nothing.
    bool zeroBlank = false;
    bool landscape = false;
    int margins[4] = {1440, 1440, 1440, 1440}; // print margins in twips: left, right, top, bottom
    // Its screen has a field the user may override (a computed answer that
    // the page procedure keeps once overridden); the Override command is
    // offered on such pages only.
    bool overrideable = false;
    std::vector<FieldFact> fields;       // by answer, rising
    std::vector<RequiredItem> required;  // what its form needs before filing, in the source's order
    std::vector<const char *> checks;    // the rules across answers checked with this page (`.check`)
    std::vector<RequiredItem> chooseOne; // check boxes of which at most one is ticked (`.chooseone`)
    // The page as a State form numbers it in its wording ("page 1 of 3");
    // empty where the paper numbers no pages.
    const char *formPage = "";
    // Its source has a field that its page procedure writes (`a` or `g`):
    // the page needs a procedure in the calculation's run order.
    bool calculated = false;

    std::vector<TableFact> tables; // the tables that grow, in the order of the source

    // The field binding `answer`, or nullptr.
    const FieldFact *Field(int answer) const;
    // The growing table with `column` among its first row's answers, or nullptr.
    const TableFact *TableOf(int column) const;
};

// The facts of page 0..99; a page outside the range has none.
const PageFacts &FactsOfPage(int page);
// What the field of an answer is, in the words of its page ("Date of the
// meeting"); what its screen control is named for a screen reader and what
// messages about the answer call it. Empty for an answer no wording names.
QString AnswerLabel(int page, int answer);
// The answer's name in its page's source (`name=EntityName`), by which the
// client's data is exchanged with other programs; empty where none is given.
QString AnswerName(int page, int answer);
// Whether the answer's field is a date field ({n date} in the source).
bool IsDateAnswer(int page, int answer);

} // namespace brevane
