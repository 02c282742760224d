// Code of regulations, fourth page: for a professional association, the
// sections on who may hold its shares.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc15(PageCalc &pc)
{
    // The profession whose licence a shareholder needs; empty for a
    // corporation for profit, whose page prints no such section.
    pc.Always(0, pc.IsProfessionalAssociation() ? pc.G(G0::Profession).trimmed() : QString());
}

} // namespace brevane
