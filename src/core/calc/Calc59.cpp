// Operating agreement, third page: the first member.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc59(PageCalc &pc)
{
    // Only the first member counts; with none the answer keeps its text.
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (HasRole(row, QLatin1Char('M'))) {
            pc.Guarded(0, row[ColName]);
            break;
        }
    }
}

} // namespace brevane
