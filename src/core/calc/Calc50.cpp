// Articles of organization (form 533A), first page: the company's name and
// the items of its articles.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc50(PageCalc &pc)
{
    pc.Always(2, pc.G(0));
    pc.Guarded(3, pc.G(52));
    pc.Guarded(4, pc.G(53));
    pc.Guarded(5, pc.G(54));
}

} // namespace brevane
