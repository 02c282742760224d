// Cover sheet sent with a filing: whom the Secretary of State returns it to.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc75(PageCalc &pc)
{
    pc.Guarded(0, pc.G(57));
    // The person who acts for a business representative; an individual
    // representative has none.
    if (pc.Ticked(55))
        pc.Guarded(1, pc.G(67));
    if (pc.Ticked(56))
        pc.Guarded(1, QString());
    pc.Guarded(2, pc.G(59));
    pc.Guarded(3, pc.G(60));
    pc.Guarded(4, pc.G(61));
    pc.Guarded(5, pc.G(62));
    pc.Guarded(6, pc.G(63));
    pc.Guarded(7, pc.G(65));
}

} // namespace brevane
