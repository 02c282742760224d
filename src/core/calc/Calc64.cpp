// Operating agreement, eighth page: the members' signatures.
#include "core/calc/PageProcedures.h"

#include <algorithm>

namespace brevane {

void Calc64(PageCalc &pc)
{
    // One name per member (answer 3 in the first row), however many. A
    // business member signs through the person the worksheet names for it,
    // in its capacity: "North Coast Equipment Co., By: Janet Sobczak, its
    // President" (a blank to write in where the worksheet names none).
    // A member taken out leaves no name behind; with no member at all the
    // page keeps what it held.
    const bool anyMember = std::any_of(pc.Directory().Rows().cbegin(), pc.Directory().Rows().cend(),
                                       [](const DirectoryRow &row) { return HasRole(row, QLatin1Char('M')); });
    if (anyMember)
        pc.ClearColumn(3, Write::Guarded);
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('M')))
            continue;
        QString signer = row[ColName];
        if (HasRole(row, QLatin1Char('B')) && !row[ColByName].trimmed().isEmpty())
            signer += QStringLiteral(", ") + BusinessSignerLine(row);
        pc.Row(i, 3, signer, Write::Guarded);
        ++i;
    }
}

} // namespace brevane
