#include "app/StyleBook.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace brevane {

const QString &KZR_StyleBook()
{
    // Fields and texts of the page controls. The behavioural styles are the
    // override looks: azure computed fields, red or crimson text once the
    // user has overridden them, cornsilk for fields that take no focus.
    static const QString sheet = QStringLiteral(R"(
*[StyleLookup="EDITOVERRIDEABLE"] { background-color: azure; color: black; }
*[StyleLookup="EDITOVERRIDDEN"] { background-color: azure; color: red; }
*[StyleLookup="EDITREADONLY"] { background-color: cornsilk; color: black; }
*[StyleLookup="EDITGLOBAL"] { background-color: mistyrose; color: black; }
*[StyleLookup="NONESSENTIALEDITSTYLE"] { background-color: #fcfcfc; color: blue; }
*[StyleLookup="NONESSENTIALLABELSTYLE"] { color: blue; }
*[StyleLookup="MEMOOVERRIDEABLE"] { background-color: azure; color: black; }
*[StyleLookup="MEMOOVERRIDDEN"] { background-color: azure; color: red; }
*[StyleLookup="MEMOREADONLY"] { background-color: cornsilk; color: black; }
*[StyleLookup="MEMOOVERRIDEABLEX"] { background-color: lightcyan; color: black; }
*[StyleLookup="LABELSTYLE1"] { color: black; font-weight: bold; }
*[StyleLookup="EDIT1LABELSTYLE1"] { color: #303030; }
*[StyleLookup="WHITETEXT"] { color: white; }
QCheckBox[StyleLookup="CHECKBOXOVERRIDEABLE"] { color: black; font-size: 16px; }
QCheckBox[StyleLookup="CHECKBOXOVERRIDDEN"] { color: red; font-size: 16px; }
QCheckBox[StyleLookup="CHECKBOXOVERRIDEABLE"]::indicator,
QCheckBox[StyleLookup="CHECKBOXOVERRIDDEN"]::indicator {
    width: 14px; height: 14px; border: 1px solid #4a4a4a; background-color: white; }
QCheckBox[StyleLookup="CHECKBOXOVERRIDEABLE"]::indicator:checked,
QCheckBox[StyleLookup="CHECKBOXOVERRIDDEN"]::indicator:checked { background-color: aqua; }
*[StyleLookup="CALLOUTPANELSTYLE"] {
    background-color: navajowhite; border: 1px solid gray; border-radius: 6px; }
*[StyleLookup="GROUPBOX1STYLE1"] { border: 1px solid #8a8a8a; border-radius: 4px; }
*[StyleLookup="PINKPANEL"] { background-color: pink; }
*[StyleLookup="LIGHTPURPLERECTANGLE"] { background-color: #e6e0f8; }
*[StyleLookup="LIGHTGREYRECTANGLE"] { background-color: lightgrey; }
*[StyleLookup="LIGHTSEAGREENRECTANGLE"] { background-color: lightseagreen; }
*[StyleLookup="MIDGRAYRECT"] { background-color: #a0a0a0; }
)");
    return sheet;
}

void ApplyStyleLookup(QWidget *widget, const QString &styleName)
{
    const QString upper = styleName.toUpper();
    if (widget->property(StyleLookupProperty).toString() == upper)
        return;
    widget->setProperty(StyleLookupProperty, upper);
    if (widget->style()) {
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }
    widget->update();
}

QString StyleLookupOf(const QWidget *widget)
{
    return widget->property(StyleLookupProperty).toString();
}

} // namespace brevane
