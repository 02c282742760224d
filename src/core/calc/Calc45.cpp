// Biennial report, first page: the professional association item and the
// shareholders with their addresses.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc45(PageCalc &pc)
{
    pc.Guarded(3, pc.G(G0::EntityName));
    pc.Guarded(4, pc.G(G0::CharterNo));
    // The profession the worksheet holds: the report needs it whatever the
    // user's own check box (answer 0) says.
    pc.Always(2, pc.G(G0::Profession));

    // Six rows of two answers from answer 8: name, then the address on one
    // line. Later shareholders are not listed.
    constexpr int firstRow = 8;
    constexpr int rows = 6;
    for (int k = firstRow; k < firstRow + 2 * rows; ++k)
        pc.Guarded(k, QString());
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (i >= rows)
            break;
        if (!HasRole(row, QLatin1Char('S')))
            continue;
        pc.Guarded(firstRow + 2 * i, row[ColName]);
        pc.Guarded(firstRow + 2 * i + 1, row[ColAddress] + QStringLiteral(", ") + row[ColCity] + QStringLiteral(", ") +
                                             row[ColState] + QLatin1Char(' ') + row[ColZIP]);
        ++i;
    }
}

} // namespace brevane
