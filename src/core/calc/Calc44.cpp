// Reinstatement of a professional association (form 525B), second page: the
// statutory agent from the General Information Worksheet.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc44(PageCalc &pc)
{
    pc.Guarded(0, pc.G(G0::AgentName));
    pc.Guarded(1, pc.G(G0::AgentStreet));
    pc.Guarded(2, pc.G(G0::AgentCity));
    pc.Guarded(3, pc.G(G0::AgentZip));
}

} // namespace brevane
