// Multiple agent name and address change (form 526), first page: the
// statutory agent. Answers 0 and 1 are the user's check boxes for the
// signature page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc80(PageCalc &pc)
{
    pc.AgentNameAndAddress(6);
}

} // namespace brevane
