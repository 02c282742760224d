// Certificate of dissolution (form 561), the representative's statement.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc33(PageCalc &pc)
{
    pc.Always(0, pc.G(0));
    pc.Guarded(5, pc.G(58));
    pc.Guarded(6, pc.G(57));
    for (int i = 0; i < 4; ++i)
        pc.Guarded(7 + i, pc.G(59 + i));
    // The user's own date, written in its long form.
    pc.Always(11, ConvertDate(pc.Get(11)));
}

} // namespace brevane
