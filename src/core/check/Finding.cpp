#include "core/check/Finding.h"

#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"
#include "core/output/PrintSelection.h"

#include <QHashFunctions>

#include <algorithm>

namespace brevane {

QString SeverityText(Severity severity)
{
    return severity == Severity::MustFix ? QStringLiteral("must fix before filing") : QStringLiteral("worth a look");
}

QString FindingLine(const Finding &finding)
{
    QString line = finding.box + QStringLiteral(" page ") + QString::number(finding.page);
    if (!finding.label.isEmpty())
        line += QStringLiteral(" \"") + finding.label + QLatin1Char('"');
    line += QStringLiteral(": ") + finding.text;
    if (!finding.alsoIn.isEmpty())
        line += QStringLiteral(" (also ") + finding.alsoIn.join(QStringLiteral(", ")) + QLatin1Char(')');
    if (finding.severity == Severity::WorthALook)
        line += QStringLiteral(" (worth a look)");
    return line;
}

QString FormName(const QString &box)
{
    const SelectionBox *selection = FindSelectionBox(box);
    if (!selection)
        return box;
    if (!selection->family.isEmpty() && selection->family.front().isDigit())
        return selection->family;
    // "Page 1" of the incorporators' proceedings or the directors' minutes
    // is known by its section.
    const QString caption = selection->caption.startsWith(QLatin1String("Page ")) && !selection->section.isEmpty()
                                ? selection->section
                                : selection->caption;
    return QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString PaperName(int page)
{
    for (const SelectionBox &box : SelectionBoxes())
        if (box.pages.contains(page))
            return FormName(box.name);
    return IsValidPage(page) ? QString::fromUtf8(PageName[size_t(page)]) : QString();
}

QString FormPage(const Finding &finding)
{
    // A State form numbers its pages itself; another paper counts the pages
    // its print box prints.
    if (const char *numbered = FactsOfPage(finding.page).formPage; *numbered)
        return QString::fromLatin1(numbered);
    const SelectionBox *selection = FindSelectionBox(finding.box);
    const qsizetype at = selection ? selection->pages.indexOf(finding.page) : -1;
    if (at < 0)
        return QString();
    if (selection->pages.size() == 1)
        return QStringLiteral("page 1");
    return QStringLiteral("page %1 of %2").arg(at + 1).arg(selection->pages.size());
}

QString AlsoOn(const Finding &finding)
{
    const QString here = FormName(finding.box);
    QStringList others;
    for (const QString &box : finding.alsoIn)
        if (const QString name = FormName(box); name != here && !others.contains(name))
            others << name;
    return others.isEmpty() ? QString()
                            : QStringLiteral("Also on ") + others.join(QStringLiteral(", ")) + QLatin1Char('.');
}

QString FindingSentence(const Finding &finding)
{
    QString line = FormName(finding.box);
    if (const QString page = FormPage(finding); !page.isEmpty())
        line += QStringLiteral(", ") + page;
    if (!finding.label.isEmpty())
        line += QStringLiteral(", \"") + finding.label + QLatin1Char('"');
    line += QStringLiteral(": ") + finding.text + QLatin1Char('.');
    if (const QString others = AlsoOn(finding); !others.isEmpty())
        line += QStringLiteral(" (") + others + QLatin1Char(')');
    if (finding.severity == Severity::WorthALook)
        line += QStringLiteral(" Worth a look.");
    return line;
}

QString FindingCommandLine(const Finding &finding)
{
    return FindingSentence(finding) + QStringLiteral(" [") +
           (QStringList{finding.box} + finding.alsoIn).join(QStringLiteral(" ")) + QLatin1Char(']');
}

bool Finding::SameFact(const Finding &other) const
{
    return answerPage == other.answerPage && answer == other.answer && row == other.row &&
           directory == other.directory && text == other.text;
}

size_t FactHash(const Finding &finding, size_t seed)
{
    return qHashMulti(seed, finding.answerPage, finding.answer, finding.row, finding.directory, finding.text);
}

bool HasMustFix(const QList<Finding> &findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding &f) { return f.severity == Severity::MustFix; });
}

} // namespace brevane
