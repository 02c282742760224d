// Reinstatement (form 525A), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc36(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::EntityName));
    pc.Always(1, pc.G(G0::CharterNo));
    pc.AgentNameAndAddress(2);
}

} // namespace brevane
