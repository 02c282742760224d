#pragma once
// KZR_StyleBook: the look of every named style a page control can select
// through its StyleLookup, as one style sheet. Controls carry their style
// name in upper case in the dynamic property "StyleLookup"; the sheet's rules
// select on it.

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

// The property that carries a control's style name.
inline constexpr char StyleLookupProperty[] = "StyleLookup";

// The whole style book as a Qt style sheet.
const QString &KZR_StyleBook();

// Gives a widget a style (stored in upper case) and re-applies the sheet to it.
void ApplyStyleLookup(QWidget *widget, const QString &styleName);
QString StyleLookupOf(const QWidget *widget);

} // namespace brevane
