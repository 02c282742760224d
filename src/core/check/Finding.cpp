#include "core/check/Finding.h"

#include "core/forms/FormCatalogue.h"
#include "core/output/PrintSelection.h"

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
    return QString(selection->caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString FormPage(const Finding &finding)
{
    const SelectionBox *selection = FindSelectionBox(finding.box);
    const qsizetype at = selection ? selection->pages.indexOf(finding.page) : -1;
    if (at < 0)
        return QStringLiteral("page %1").arg(finding.page);
    return QStringLiteral("page %1 of %2").arg(at + 1).arg(selection->pages.size());
}

QString FindingSentence(const Finding &finding)
{
    QString line = FormName(finding.box) + QStringLiteral(", ") + FormPage(finding);
    if (!finding.label.isEmpty())
        line += QStringLiteral(", \"") + finding.label + QLatin1Char('"');
    line += QStringLiteral(": ") + finding.text + QLatin1Char('.');
    if (!finding.alsoIn.isEmpty()) {
        QStringList others;
        for (const QString &box : finding.alsoIn)
            others << FormName(box);
        line += QStringLiteral(" (Also on ") + others.join(QStringLiteral(", ")) + QStringLiteral(".)");
    }
    if (finding.severity == Severity::WorthALook)
        line += QStringLiteral(" Worth a look.");
    return line;
}

bool Finding::SameFact(const Finding &other) const
{
    return answerPage == other.answerPage && answer == other.answer && row == other.row &&
           directory == other.directory && text == other.text;
}

bool HasMustFix(const QList<Finding> &findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding &f) { return f.severity == Severity::MustFix; });
}

} // namespace brevane
