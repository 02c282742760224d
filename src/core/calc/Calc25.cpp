// Bond (one page per continuation in use).
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc25(PageCalc &pc)
{
    // The bond's amount in words; an unreadable amount is reported by the
    // conversion and leaves the words empty.
    pc.Always(2, AmountToWords(Str2Float_2(pc.Get(3))));
    for (int k : {9, 11, 12, 13})
        pc.Always(k, pc.G(G0::EntityName));
    pc.Always(18, pc.Get(0));
    // The secretary attests the directors' approval.
    pc.Guarded(19, pc.G(G0::Secretary));
}

} // namespace brevane
