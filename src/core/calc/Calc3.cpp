// Articles of incorporation of a for-profit corporation (form 532A): appointment of the statutory
// agent and the agent's acceptance.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc3(PageCalc &pc)
{
    pc.StatutoryAgentAppointment();
}

} // namespace brevane
