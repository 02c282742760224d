// Stock certificate, front.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc86(PageCalc &pc)
{
    pc.Always(4, pc.G(G0::EntityName));
    // A professional association's certificates carry the legend of who may
    // hold its shares: the profession, empty for any other corporation.
    pc.Always(10, pc.IsProfessionalAssociation() ? pc.G(G0::Profession).trimmed() : QString());
}

} // namespace brevane
