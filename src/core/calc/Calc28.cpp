// Certificate of dissolution (form 561), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc28(PageCalc &pc)
{
    pc.Always(0, pc.G(0));
    pc.Always(1, pc.G(8));
    pc.Always(2, pc.G(2));
    pc.Always(3, pc.G(5));
    pc.Always(4, pc.G(9));
    pc.Always(7, pc.G(9).isEmpty() ? QStringLiteral("X") : QString());
}

} // namespace brevane
