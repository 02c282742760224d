// Certificate of dissolution (form 561), statutory agent.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc29(PageCalc &pc)
{
    pc.AgentNameAndAddress(0);
    pc.Always(4, pc.G(G0::AgentName));
    pc.Always(5, pc.G(G0::EntityName));
}

} // namespace brevane
