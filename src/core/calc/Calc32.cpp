// Certificate of dissolution (form 561), the representative's address.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc32(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::EntityName));
    pc.Always(1, pc.G(G0::EntityName));
    if (!pc.G(G0::RepresentativeName).isEmpty()) {
        pc.RepresentativeAddress(Write::Guarded, 2);
        return;
    }
    // No representative on the worksheet: the address of the first individual
    // representative in the directory; none leaves the answers as they are.
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('R')) || !HasRole(row, QLatin1Char('I')))
            continue;
        pc.Guarded(2, row[ColAddress]);
        pc.Guarded(3, row[ColCity]);
        pc.Guarded(4, row[ColState]);
        pc.Guarded(5, row[ColZIP]);
        return;
    }
}

} // namespace brevane
