// Articles of incorporation of a professional association (form 532C): appointment of the statutory
// agent and the agent's acceptance.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc40(PageCalc &pc)
{
    pc.StatutoryAgentAppointment();
}

} // namespace brevane
