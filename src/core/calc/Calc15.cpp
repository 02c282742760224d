// Code of regulations, fourth page: the shares; for a professional
// association, who may hold them.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc15(PageCalc &pc)
{
    // The profession whose licence a shareholder needs; empty for a
    // corporation for profit, whose page prints no such section.
    pc.Always(0, pc.IsProfessionalAssociation() ? pc.G(G0::Profession).trimmed() : QString());
}

} // namespace brevane
