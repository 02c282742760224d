// Multiple agent name and address change (form 526), second page: the
// statutory agent named on the first page signs, in the block the user
// ticked there.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc81(PageCalc &pc)
{
    // Check box 0 of the first page: the agent, an individual, signs in
    // person (answer 0); check box 1: someone signs for the agent, a
    // business (answer 4 names it). The user writes who signs for it.
    const QString agent = pc.OtherPage(80, 6);
    pc.Guarded(0, pc.OtherTicked(80, 0) ? agent : QString());
    pc.Always(4, pc.OtherTicked(80, 1) ? agent : QString());
}

} // namespace brevane
