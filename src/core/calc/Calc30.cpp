// Certificate of dissolution (form 561), names and addresses of the
// incorporators.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc30(PageCalc &pc)
{
    for (int k = 1; k <= 6; ++k)
        pc.Guarded(k, QString());
    // Listed only for a dissolution by the incorporators: not where page 33
    // says the shareholders or the directors authorized it.
    if (pc.OtherTicked(33, 2) || pc.OtherTicked(33, 3))
        return;
    // This page takes a role code in either case ("c" is an incorporator too).
    int incorporator = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (incorporator > 2)
            break;
        if (!HasRoleIgnoringCase(row, QLatin1Char('C')))
            continue;
        const QString blank = QStringLiteral(" ");
        pc.Always(1 + 2 * incorporator, row[ColName]);
        pc.Always(2 + 2 * incorporator,
                  row[ColAddress] + blank + row[ColCity] + blank + row[ColState] + blank + row[ColZIP]);
        ++incorporator;
    }
}

} // namespace brevane
