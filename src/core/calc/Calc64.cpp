// Operating agreement, eighth page: the members' signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc64(PageCalc &pc)
{
    // One name per member from answer 3, as many as the page holds (98); a
    // further member runs past the page and fails the procedure there. A
    // business member signs through the person the worksheet names for it,
    // in its capacity: "North Coast Equipment Co., By: Janet Sobczak, its
    // President" (a blank to write in where the worksheet names none).
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('M')))
            continue;
        QString signer = row[ColName];
        if (HasRole(row, QLatin1Char('B')) && !row[ColByName].trimmed().isEmpty())
            signer += QStringLiteral(", ") + BusinessSignerLine(row);
        pc.Guarded(3 + i, signer);
        ++i;
    }
}

} // namespace brevane
