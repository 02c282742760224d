// Certificate of dissolution (form 561), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc28(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::EntityName));
    pc.Always(1, pc.G(G0::CharterNo));
    pc.Always(2, pc.G(G0::City));
    pc.Always(3, pc.G(G0::County));
    pc.Always(4, pc.G(G0::DissolutionDate));
    pc.Guarded(5, pc.G(G0::FilingDate));
    pc.Always(7, pc.G(G0::DissolutionDate).isEmpty() ? QStringLiteral("X") : QString());
}

} // namespace brevane
