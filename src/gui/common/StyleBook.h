#pragma once
// KZR_StyleBook: the look of every named style a page control can select
// through its StyleLookup, written as one style sheet keyed by the style
// names. The sheet is read once into a table of looks, which the page
// builder gives its controls as palettes and fonts: a page of a few hundred
// controls is built in a fraction of the time the style sheet engine would
// take to style each of them.

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace brevane {

namespace StyleName {
inline constexpr char EditOverrideable[] = "EDITOVERRIDEABLE";
inline constexpr char EditOverridden[] = "EDITOVERRIDDEN";
inline constexpr char EditReadOnly[] = "EDITREADONLY";
inline constexpr char MemoOverrideable[] = "MEMOOVERRIDEABLE";
inline constexpr char MemoOverridden[] = "MEMOOVERRIDDEN";
inline constexpr char CheckBoxOverrideable[] = "CHECKBOXOVERRIDEABLE";
inline constexpr char CheckBoxOverridden[] = "CHECKBOXOVERRIDDEN";
inline constexpr char CalloutPanel[] = "CALLOUTPANELSTYLE";
} // namespace StyleName

// The property that carries a control's style name (upper case).
inline constexpr char StyleLookupProperty[] = "StyleLookup";

// The whole style book as a style sheet: one rule per style name, selected
// by [StyleLookup="NAME"]; a check box's check mark by ::indicator:checked.
const QString &KZR_StyleBook();

// What the sheet gives one style.
struct StyleLook
{
    QColor background; // the field's ground (edits, memos), else the control's
    QColor text;
    QColor border;
    QColor checkMark; // check boxes
    int fontPixelSize = 0;
    bool bold = false;
};

// The page panel's paper: dark text on white whatever the desktop's colours,
// so that every page, and every balloon on it, reads as the printed form does.
QPalette PagePalette();
// Gives the page panel that paper. Its controls take their background role
// from it, not from the grey area around the page (a control on a Dark ground
// would draw its text in the Light colour, white).
void UsePagePaper(QWidget *panel);

// The look of a style name (any case); nullptr for a name the sheet does not hold.
const StyleLook *LookOf(const QString &styleName);

// The legend of the field colours: the user's own entries, answers
// calculated from the worksheets, answers the user has overridden, and
// answers the program fills in on every calculation.
QWidget *FieldLegend(QWidget *parent);

// Gives a widget the look of a style over `base` (its own palette) and
// records the name, in upper case, in its StyleLookup property.
void ApplyStyleLookup(QWidget *widget, const QString &styleName, const QPalette &base);
QString StyleLookupOf(const QWidget *widget);

} // namespace brevane
