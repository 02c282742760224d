// Certificate of dissolution of a limited liability company (form 562),
// first page: the company and the representative's address.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc65(PageCalc &pc)
{
    pc.Always(3, pc.G(0));
    pc.Always(5, pc.G(8));
    pc.Guarded(8, pc.G(59));
    pc.Guarded(9, pc.G(60));
    pc.Guarded(10, pc.G(61));
    pc.Guarded(11, pc.G(62));
}

} // namespace brevane
