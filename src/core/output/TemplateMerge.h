#pragma once
// The print-template merge: puts the answers of one page and continuation
// into that page's RTF print template.
//
// A template is read as lines and merged as one text, the working text. It
// starts with a header (the RTF group opening, font table and colour table)
// that ends with the header mark "\'b7"; the body follows and ends with the
// "}" that closes the group. Where an answer belongs the body holds a template
// variable: "/" + kind mark + answer number (1 to 3 digits) + "/", e.g.
// "/*5/", "/$12/", "/#123/". Line ends between the characters of a variable
// are ignored, since RTF writers break lines anywhere. The kind mark says how
// the answer prints:
//
//   "*" "<"  text          "$"  money, 2 decimals    "#"  whole number
//   "%"      percentage    "&"  check mark           "^"  date in long form
//   "+"      multi-line text
//
// A variable may be followed at once by a fill group, "{\*\brevanefill
// ____}", that the form generator writes where an empty answer must leave a
// line to fill in by hand: while the answer is empty the line prints in its
// place, otherwise the group goes. A word processor ignores the group, so a
// template read by anything else prints as if it were not there.
//
// A line that prints only while an answer holds something is a group after
// a print-if mark: "{\*\brevaneif 12}{\pard ... \par}". While answer 12 of
// the page is empty the merge drops the mark and the group, otherwise the
// mark alone; a word processor ignores the mark.
//
// Check marks print as the ballot boxes U+2612 (ticked) and U+2610 (empty)
// in the font table's DejaVu Sans entry, which every platform can show (the
// entry names a Windows alternative). Templates with a Wingdings entry
// instead print Wingdings' "x" and "o".
//
// Beside each template, the page's print data file "PAGE<N>.DAT" holds one
// line of seven numbers per variable; the merge only checks that it is there
// and that every line reads.
//
// Positions in this interface count from 0.

#include <QSet>
#include <QString>
#include <QStringList>

namespace brevane {

class TAnswer;

bool IsKindMark(QChar c);

// The opening of a fill group; its line of underscores and "}" follow.
inline constexpr char FillGroupOpening[] = "{\\*\\brevanefill ";
// The opening of a print-if mark; the answer number ("!" before it: print
// while the answer is empty) and "}" follow.
inline constexpr char PrintIfOpening[] = "{\\*\\brevaneif ";
// The opening of a growing table's mark: its first answer, the step from
// row to row and the rows its page keeps answers for, then "}", and the
// group of its first row. The merge writes that group once for each row of
// the table: a kept row from the answers `step` above the row before it,
// a row beyond them from the rows the calculation derived
// (TAnswer::RowText); an answer a row beyond has none for (a date the
// signer writes in) prints its fill-in line.
inline constexpr char GrowingTableOpening[] = "{\\*\\brevanegrow ";

// The merge of the running program. Its state (the working text, the current
// font size, the Wingdings prefix) lives from one page to the next: the font
// size is never reset, so a check mark before the first "\fs" code of a page
// restores the size last seen on the page merged before it.
class TemplateMerge
{
public:
    explicit TemplateMerge(const TAnswer *answers = nullptr, const QString &dataFolder = QString());

    void SetAnswers(const TAnswer *answers) { answers_ = answers; }
    const TAnswer *Answers() const { return answers_; }
    void SetDataFolder(const QString &folder) { dataFolder_ = folder; }
    // The data folder + "PAGE" + page + ".DAT".
    QString DataFilePath(int page) const;

    // Merges the template text held in `list` for the page and continuation.
    // On true the list and the working text hold the merged page. On false
    // the page was not merged (its message has been shown) and the list is
    // unchanged: the data file is missing or unreadable (1112), a line of it
    // does not read (2101), or a variable names an answer the page does not
    // have (1112).
    bool MergeTemplatePage(QStringList &list, int page, int continuation);
    // The same on a template's text (line ends CR LF, as ListText gives it):
    // on true `text` holds the merged page, on false it is unchanged.
    bool MergeTemplatePageText(QString &text, int page, int continuation);

    // While on, a print data file that was found good is not read again (a
    // print job merges one page for each of up to 100 instances). Turning
    // it off forgets them.
    void RememberDataFileChecks(bool on);

    // The scan over the working text. Each answer is inserted once: the text
    // put in is not scanned again for variables, only the font-size codes of
    // an inserted check mark are followed. False when a variable names an
    // answer outside the page's list (the merge of the page stops there).
    bool MergeTemplateText(int page, int continuation);

    // "\f" + the number of the font table's Wingdings entry + " ", or empty
    // when the working text has none (check marks then print as "x" and "o").
    QString FindWingdingsFont() const;
    // The same for the entry whose name starts with "DejaVu Sans", which
    // holds the ballot boxes; empty when there is none.
    QString FindBallotFont() const;
    // Follows a "\fs" code starting at p: the current font size becomes its
    // number.
    void TrackFontSize(qsizetype p);
    // The number starting at q (2106 when it does not read, 2107 when it
    // stands among the last characters of the text; -1 when none reads).
    int GetNumFromText(qsizetype q);
    // Deletes CR and LF characters standing at p until another character
    // stands there.
    void RemoveLineBreaksAt(qsizetype p);

    QString &WorkingText() { return text_; }
    const QString &WorkingText() const { return text_; }
    void SetWorkingText(const QString &text) { text_ = text; }
    int CurrentFontSize() const { return fontSize_; }
    void SetCurrentFontSize(int size) { fontSize_ = size; }

    // The text a variable of the given kind prints for an answer of the page;
    // `fill` is the line of the variable's fill group, if it has one. A date
    // field holding text that is no date prints as typed.
    QString FormatAnswer(int page, QChar kind, const QString &answer, bool overridden,
                         const QString &fill = QString()) const;

    // Date entries the merges since the last TakeUnreadableDates printed as
    // typed because they are no date: each page, field and what it holds,
    // once, in the order met. A print job names them all in one message.
    QStringList TakeUnreadableDates();

private:
    bool CheckPrintDataFile(int page);
    // The prefix of the font table entry whose upper-case name passes `match`.
    template <typename Match> QString FindFontEntry(Match match) const;
    // Takes the fill group that stands at the rest's position, if any, and
    // gives its line.
    QString TakeFillGroup();
    // At a print-if mark at the rest's position: drops the mark, and the
    // group after it too while its answer is empty. False when no mark
    // stands there.
    bool TakePrintIf(int page, int continuation);
    // At a growing table's mark: writes its row group once a row in place
    // of the mark and the group. False when no mark stands there.
    bool TakeGrowingTable(int page, int continuation);
    // At the mark that starts a row of a growing table (or ends its last):
    // the answers of the row's variables are the row's. False when none
    // stands there.
    bool TakeRowMark();
    // The text and override flag of answer `number` as a variable of the
    // scan position gives it: inside a growing table's row, the row's.
    // False for an answer outside the page's list.
    bool CellOf(int page, int continuation, int number, const QString *&text, bool &overridden) const;
    // Replaces the variable of `length` characters at the scan position by
    // its answer.
    bool SubstituteVariable(int page, int continuation, int number, QChar kind, qsizetype length);
    // Length and characters of the working text, also during a scan.
    qsizetype Length() const;
    QChar At(qsizetype pos) const;

    const TAnswer *answers_ = nullptr;
    QString dataFolder_;
    QString text_; // the working text; during a scan its rest from cut_
    QString head_; // during a scan: the working text before the scan position
    qsizetype cut_ = 0;
    int fontSize_ = 0;
    QString wingdings_;
    QString ballot_;
    bool rememberChecks_ = false;
    QSet<int> checkedDataFiles_;
    QStringList unreadableDates_;
    // The growing table being written: its step, the rows its page keeps,
    // its first answer and the row being written (-1: none).
    int tableStep_ = 0;
    int tableKept_ = 0;
    int tableFirst_ = 0;
    int tableRow_ = -1;
};

} // namespace brevane
