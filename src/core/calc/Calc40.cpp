// Articles of incorporation of a professional association (form 532C): appointment of the statutory
// agent and the agent's acceptance.
#include "calc/PageProcedures.h"

namespace brevane {

void Calc40(PageCalc &pc)
{
    pc.Always(0, pc.G(0));
    pc.Always(1, pc.G(70)); // agent's name, street address, city, ZIP code
    pc.Always(2, pc.G(71));
    pc.Always(3, pc.G(72));
    pc.Always(4, pc.G(73));
    pc.Always(5, pc.G(70)); // the agent signs the acceptance
    pc.Always(6, pc.G(0));
}

} // namespace brevane
