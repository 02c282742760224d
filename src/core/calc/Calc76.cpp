// Credit card authorization sent with a filing: the card holder's name and
// billing address.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc76(PageCalc &pc)
{
    if (pc.Ticked(55))
        pc.Guarded(0, pc.G(67));
    if (pc.Ticked(56))
        pc.Guarded(0, pc.G(57));
    pc.Guarded(1, pc.G(59));
    pc.Guarded(2, pc.G(60));
    pc.Guarded(3, pc.G(61));
    pc.Guarded(4, pc.G(62));
}

} // namespace brevane
