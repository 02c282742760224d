// Articles of organization (form 533A), second page: appointment of the
// statutory agent and the agent's acceptance.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc51(PageCalc &pc)
{
    pc.StatutoryAgentAppointment();
}

} // namespace brevane
