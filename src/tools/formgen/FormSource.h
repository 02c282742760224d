#pragma once
// A page's form source (forms/page<N>.form): the page's settings, its wording
// in blocks, and the answers bound in the wording. forms/README.md describes
// the format; this is the parsed form the screen, template and data writers
// share, so that all three always agree on the answers of the page.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace formgen {

// Who writes an answer: the user (input), a page procedure unless the user
// overrode it (guarded), or a page procedure on every run (always).
enum class Mode { Input, Guarded, Always };

// What the answer holds; fixes the screen control, its edit kind and the
// template's kind mark.
enum class Kind { Text, Money, Percent, Whole, Short, Date, Memo, Check, Estimate };

struct Field
{
    int answer = -1;
    Mode mode = Mode::Input;
    Kind kind = Kind::Text;
    int width = 0; // in characters; 0 for the kind's default
    int lines = 0; // memo height in lines; 0 for the default
    QString help;  // help callout text; empty for none
    QString name;  // the answer's name in the program's code (name=...); every answer of page 0 has one
    int line = 0;  // source line of the first occurrence
    // What the field is, in the words of the page: the wording beside its
    // first occurrence (FieldLabel below). The screen gives it to the control
    // as its accessible name; messages about the answer name it.
    QString label;
    bool signer = false; // the printed name of a person who signs the paper (signer)
};

// One piece of a block's wording.
struct Piece
{
    enum Type { Words, Answer, Tab, Help };
    Type type = Words;
    QString text; // Words: the wording; Help: the callout text
    int answer = -1;
    bool asLabel = false; // Answer: shown as plain text, not as a field
    bool bold = false;    // Words: written between "**" marks
    // Answer: what the occurrence prints while the answer is empty. By
    // default the page's rule (see WritesFillLine); "fill" asks for a line
    // to fill in by hand, "blank" for nothing.
    enum EmptyPrint { PageRule, FillLine, Nothing };
    EmptyPrint whenEmpty = PageRule;
    // Answer: a check box that chooses an alternative of an agreement
    // (choice): its line prints only while it is ticked, and without the box.
    bool choice = false;
};

struct Block
{
    enum Type { Title, Subtitle, Heading, Paragraph, Item, Space };
    enum Align { Left, Center, Right };
    Type type = Paragraph;
    Align align = Left;
    bool onScreen = true;
    bool inPrint = true;
    bool bold = false;
    bool small = false;
    bool indent = false;
    bool row = false;      // a table row: "|" separates cells ending at the tab stops
    int printIf = -1;      // "[if=N]": printed only while answer N is not empty (-1: always)
    int printUnless = -1;  // "[unless=N]": printed only while answer N is empty (-1: always)
    bool repeated = false; // a copy of a line of a .repeat group
    int table = -1;        // a line of a growing table (FormPage::tables), or -1
    int tableRow = -1;     // and the row of the table it belongs to, from 0
    bool sign = false;     // "[sign]": a table row tall enough to sign in, never split across pages
    int spaceLines = 1;    // Space: number of blank lines
    QList<Piece> pieces;
    int line = 0;
};

// A table that grows (`.repeat COUNT STEP grow`): the page keeps answers
// for its first `count` rows, each row's answers `step` above the row
// before; in print it has as many rows as the client has.
struct GrowingTable
{
    QList<int> columns; // the answers of its first row, rising
    int step = 0;
    int count = 0;
};

struct FormPage
{
    QString sourcePath;
    int number = -1;
    bool hasFocus = false;
    int focus = 0;
    // Print margins in twips (1440 to the inch): left, right, top, bottom.
    int margins[4] = {1440, 1440, 1440, 1440};
    int fontSize = 12;              // print body size in points
    bool landscape = false;         // letter paper turned sideways
    bool keepBlank = false;         // an empty text answer prints nothing (else a line to fill in)
    bool zeroBlank = false;         // empty or zero money, percent and whole numbers show and print as nothing
    QList<int> tabs;                // tab stops in twips from the left text edge
    bool screen = true;             // the page has a page screen file
    bool print = true;              // the page has a print template and data file
    Mode defaultMode = Mode::Input; // for fields that name no mode
    Kind defaultKind = Kind::Text;  // for fields that name no kind
    QString inputStyle;             // style of the user's own fields (may be empty)
    QList<Block> blocks;
    QMap<int, Field> fields; // by answer number
    // What the form needs before it is filed (.required): each item a list
    // of alternatives (a page-0 name, an answer number of this page, or "@"
    // and a directory role letter).
    QList<QStringList> required;
    // For each required item, what it depends on ("" for none): an answer
    // named as above or "@" and a role; the item is required only while
    // that answer is filled or ticked, or a row has that role
    // (`.required RepresentativeSigner?RepresentativeIsBusiness`).
    QStringList requiredWhen;
    // Groups of check boxes of which the user ticks at most one (.chooseone):
    // each group its alternatives, written as .required names them.
    QList<QStringList> chooseOne;
    QStringList checks;         // the rules across answers run for this page (.check)
    QList<GrowingTable> tables; // the tables that grow, in the order of the source

    // Letter paper in twips, as the page is printed.
    int PaperWidth() const { return landscape ? 15840 : 12240; }
    int PaperHeight() const { return landscape ? 12240 : 15840; }
    // The width of the text column in twips (the paper less the margins).
    int TextWidth() const { return PaperWidth() - margins[0] - margins[1]; }
};

// The label of the answer at pieces[index] of a block: the clause of wording
// before it on its line or in its sentence (for a check box, the words after
// it, its caption), without fill-in underscores; empty when the wording has
// none.
QString FieldLabel(const Block &block, int index, bool checkBox);

// Reads a form source. On failure returns false with "file:line: reason"
// messages in *errors.
bool ParseFormSource(const QString &path, FormPage &page, QStringList *errors);
bool ParseFormText(const QString &text, const QString &path, FormPage &page, QStringList *errors);

// The field's width in characters: its own, or the default of its kind.
int FieldChars(const Field &f);

// The edit kind of a field (1 text, 2 money, 3 percent, 4 whole number,
// 5 short whole number).
int EditKind(Kind kind);
// The template's kind mark for the field.
QChar KindMark(Kind kind);
QString KindName(Kind kind);
QString ModeName(Mode mode);

} // namespace formgen
