// Share ledger and journal (one page per continuation in use).
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc24(PageCalc &pc)
{
    pc.Always(189, pc.G(G0::EntityName));
}

} // namespace brevane
