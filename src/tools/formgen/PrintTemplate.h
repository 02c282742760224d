#pragma once
// The print template (RTF with template variables) and the print data file
// of a form page.
//
// The template starts with the header the print job keeps once per document:
// the RTF group opening, the font table (font 0 the body font, font 1
// Wingdings for check marks), the colour table (colour 1 for answers the user
// overrode), the paper size and the page's margins, and the header mark
// "\'b7", hidden so that it never prints. The body turns the hidden text off
// again, sets the body font and size, and holds the wording with a variable
// "/" + kind mark + answer + "/" wherever an answer belongs.
//
// The data file has one line per answer from 0 to the highest answer of the
// page: the answer number, its kind (0 none, 1 text, 2 money, 3 percent,
// 4 whole number, 5 short whole number, 6 date, 7 memo, 8 check box,
// 9 estimate check box), who writes it (0 not on the page, 1 the user,
// 2 a page procedure unless overridden, 3 a page procedure always), the
// left, top and width of its control on the screen in inches, and how many
// times the template prints it; then the control's name.

#include "FormSource.h"
#include "ScreenLayout.h"

#include <QByteArray>

namespace formgen {

QByteArray PrintTemplate(const FormPage &page);
QByteArray PrintData(const FormPage &page, const ScreenLayout *screen);

// Wording as RTF text: "\", "{", "}" and "/" escaped (a "/" could otherwise
// start a template variable), characters beyond ASCII as "\'XX" in
// Windows-1252 or "\uN?".
QString EscapeWording(const QString &text);

} // namespace formgen
