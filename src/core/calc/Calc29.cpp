// Certificate of dissolution (form 561), statutory agent.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc29(PageCalc &pc)
{
    pc.Always(0, pc.G(70));
    pc.Always(1, pc.G(71));
    pc.Always(2, pc.G(72));
    pc.Always(3, pc.G(73));
    pc.Always(4, pc.G(70));
    pc.Always(5, pc.G(0));
}

} // namespace brevane
