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

    // A row for each shareholder, however many: name, then the address on
    // one line (answers 8 and 9 in the first row).
    constexpr int name = 8, address = 9;
    pc.ClearColumn(name, Write::Guarded);
    pc.ClearColumn(address, Write::Guarded);
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('S')))
            continue;
        pc.Row(i, name, row[ColName], Write::Guarded);
        pc.Row(i, address,
               row[ColAddress] + QStringLiteral(", ") + row[ColCity] + QStringLiteral(", ") + row[ColState] +
                   QLatin1Char(' ') + row[ColZIP],
               Write::Guarded);
        ++i;
    }
}

} // namespace brevane
