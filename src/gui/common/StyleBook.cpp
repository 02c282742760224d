#include "gui/common/StyleBook.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QVariant>
#include <QWidget>

namespace brevane {

const QString &KZR_StyleBook()
{
    // The behavioural styles are the override looks: azure computed fields,
    // red or crimson text once the user has overridden them, cornsilk for
    // fields that take no focus. Help balloons are near-black on cream, far
    // above the 4.5:1 contrast that small text needs to be read easily.
    static const QString sheet = QStringLiteral(R"(
*[StyleLookup="EDITOVERRIDEABLE"] { background-color: azure; color: black; }
*[StyleLookup="EDITOVERRIDDEN"] { background-color: azure; color: red; }
*[StyleLookup="EDITREADONLY"] { background-color: cornsilk; color: black; }
*[StyleLookup="EDITGLOBAL"] { background-color: mistyrose; color: black; }
*[StyleLookup="NONESSENTIALEDITSTYLE"] { background-color: #fcfcfc; color: blue; }
*[StyleLookup="NONESSENTIALLABELSTYLE"] { color: blue; }
*[StyleLookup="MEMOOVERRIDEABLE"] { background-color: azure; color: black; }
*[StyleLookup="MEMOOVERRIDDEN"] { background-color: azure; color: crimson; }
*[StyleLookup="MEMOREADONLY"] { background-color: cornsilk; color: black; }
*[StyleLookup="MEMOOVERRIDEABLEX"] { background-color: lightcyan; color: black; }
*[StyleLookup="LABELSTYLE1"] { color: black; font-weight: bold; }
*[StyleLookup="EDIT1LABELSTYLE1"] { color: #303030; }
*[StyleLookup="WHITETEXT"] { color: white; }
*[StyleLookup="CHECKBOXOVERRIDEABLE"] { color: black; font-size: 16px; }
*[StyleLookup="CHECKBOXOVERRIDDEN"] { color: red; font-size: 16px; }
*[StyleLookup="CHECKBOXOVERRIDEABLE"]::indicator:checked { background-color: aqua; }
*[StyleLookup="CHECKBOXOVERRIDDEN"]::indicator:checked { background-color: aqua; }
*[StyleLookup="CALLOUTPANELSTYLE"] { background-color: #fff8e1; color: #1a1a1a; border: 1px solid #8a6d3b; }
*[StyleLookup="GROUPBOX1STYLE1"] { border: 1px solid #8a8a8a; }
*[StyleLookup="PINKPANEL"] { background-color: pink; }
*[StyleLookup="LIGHTPURPLERECTANGLE"] { background-color: #e6e0f8; }
*[StyleLookup="LIGHTGREYRECTANGLE"] { background-color: lightgrey; }
*[StyleLookup="LIGHTSEAGREENRECTANGLE"] { background-color: lightseagreen; }
*[StyleLookup="MIDGRAYRECT"] { background-color: #a0a0a0; }
)");
    return sheet;
}

namespace {

QColor colour(const QString &value)
{
    return QColor::fromString(value.trimmed());
}

// The sheet read into looks: each rule's selectors name their styles; the
// declarations set the look's colours and font.
QHash<QString, StyleLook> readStyleBook(const QString &sheet)
{
    QHash<QString, StyleLook> looks;
    static const QRegularExpression rule(QStringLiteral(R"re(([^{}]+)\{([^}]*)\})re"));
    static const QRegularExpression name(QStringLiteral(R"re(\[StyleLookup="([^"]+)"\]\s*(::indicator)?)re"));
    for (auto rules = rule.globalMatch(sheet); rules.hasNext();) {
        const QRegularExpressionMatch r = rules.next();
        const QStringList declarations = r.captured(2).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &selector : r.captured(1).split(QLatin1Char(','))) {
            const QRegularExpressionMatch s = name.match(selector);
            if (!s.hasMatch())
                continue;
            StyleLook &look = looks[s.captured(1).toUpper()];
            const bool indicator = !s.captured(2).isEmpty();
            for (const QString &declaration : declarations) {
                const qsizetype colon = declaration.indexOf(QLatin1Char(':'));
                if (colon < 0)
                    continue;
                const QString property = declaration.left(colon).trimmed();
                const QString value = declaration.mid(colon + 1).trimmed();
                if (indicator) {
                    if (property == QLatin1String("background-color"))
                        look.checkMark = colour(value);
                } else if (property == QLatin1String("background-color")) {
                    look.background = colour(value);
                } else if (property == QLatin1String("color")) {
                    look.text = colour(value);
                } else if (property == QLatin1String("border")) {
                    look.border = colour(value.section(QLatin1Char(' '), -1));
                } else if (property == QLatin1String("font-size")) {
                    look.fontPixelSize = QString(value).remove(QStringLiteral("px")).toInt();
                } else if (property == QLatin1String("font-weight")) {
                    look.bold = value == QLatin1String("bold");
                }
            }
        }
    }
    return looks;
}

const QHash<QString, StyleLook> &looks()
{
    static const QHash<QString, StyleLook> table = readStyleBook(KZR_StyleBook());
    return table;
}

} // namespace

QPalette PagePalette()
{
    // Button and window colours; the text, field and shade colours follow
    // from them as a light palette's do.
    QPalette paper(QColor(0xef, 0xef, 0xef), QColor(Qt::white));
    paper.setColor(QPalette::PlaceholderText, QColor(0x6e, 0x6e, 0x6e));
    return paper;
}

void UsePagePaper(QWidget *panel)
{
    panel->setPalette(PagePalette());
    panel->setBackgroundRole(QPalette::Window);
    panel->setForegroundRole(QPalette::WindowText);
    panel->setAutoFillBackground(true);
}

const StyleLook *LookOf(const QString &styleName)
{
    const auto it = looks().constFind(styleName.toUpper());
    return it == looks().constEnd() ? nullptr : &*it;
}

void ApplyStyleLookup(QWidget *widget, const QString &styleName, const QPalette &base)
{
    const QString upper = styleName.toUpper();
    widget->setProperty(StyleLookupProperty, upper);
    const StyleLook *look = LookOf(upper);
    QPalette palette = base;
    if (look) {
        const bool field = qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget);
        if (look->background.isValid()) {
            if (field) {
                palette.setColor(QPalette::Base, look->background);
            } else {
                palette.setColor(QPalette::Window, look->background);
                widget->setAutoFillBackground(true);
            }
        }
        if (look->text.isValid()) {
            palette.setColor(QPalette::WindowText, look->text);
            palette.setColor(QPalette::Text, look->text);
            palette.setColor(QPalette::ButtonText, look->text);
        }
        // The check mark is drawn in the text colour of the box.
        if (look->checkMark.isValid() && qobject_cast<QAbstractButton *>(widget))
            palette.setColor(QPalette::Text, look->checkMark);
        if (look->fontPixelSize > 0 || look->bold) {
            QFont font = widget->font();
            if (look->fontPixelSize > 0)
                font.setPixelSize(look->fontPixelSize);
            if (look->bold)
                font.setBold(true);
            widget->setFont(font);
        }
    }
    widget->setPalette(palette);
}

QWidget *FieldLegend(QWidget *parent)
{
    auto *legend = new QWidget(parent);
    legend->setObjectName(QStringLiteral("FieldLegend"));
    auto *row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 4, 0);
    row->setSpacing(6);
    const struct
    {
        const char *style;
        const char *text;
        const char *tip;
    } kinds[] = {
        {"EDITGLOBAL", "Your entry", "You type these answers (on the form pages in white fields)."},
        {StyleName::EditOverrideable, "Calculated",
         "Calculated from the worksheet \u2014 double-click or Ctrl+Alt+V to override."},
        {StyleName::EditOverridden, "Overridden",
         "Your own text in place of the calculation \u2014 Ctrl+Alt+U gives the field back."},
        {StyleName::EditReadOnly, "Fixed", "Filled in by the program on every calculation."},
    };
    for (const auto &kind : kinds) {
        auto *swatch = new QLabel(QString::fromLatin1(kind.text), legend);
        swatch->setObjectName(QStringLiteral("legend") + QString::fromLatin1(kind.text).remove(QLatin1Char(' ')));
        swatch->setToolTip(QString::fromUtf8(kind.tip));
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        swatch->setMargin(2);
        QPalette palette = PagePalette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        if (const StyleLook *look = LookOf(QLatin1String(kind.style))) {
            if (look->background.isValid())
                palette.setColor(QPalette::Window, look->background);
            if (look->text.isValid())
                palette.setColor(QPalette::WindowText, look->text);
        }
        swatch->setPalette(palette);
        swatch->setAutoFillBackground(true);
        row->addWidget(swatch);
    }
    return legend;
}

QString StyleLookupOf(const QWidget *widget)
{
    return widget->property(StyleLookupProperty).toString();
}

} // namespace brevane
