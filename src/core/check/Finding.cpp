#include "core/check/Finding.h"

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
    if (finding.severity == Severity::WorthALook)
        line += QStringLiteral(" (worth a look)");
    return line;
}

bool HasMustFix(const QList<Finding> &findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding &f) { return f.severity == Severity::MustFix; });
}

} // namespace brevane
