// Stock certificate, front.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc86(PageCalc &pc)
{
    pc.Always(4, pc.G(G0::EntityName));
}

} // namespace brevane
