// Multiple agent name and address change (form 526), first page: the
// statutory agent. Answers 0 and 1 are the user's check boxes for the
// signature page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc80(PageCalc &pc)
{
    pc.Always(6, pc.G(70));
    pc.Always(7, pc.G(71));
    pc.Always(8, pc.G(72));
    pc.Always(9, pc.G(73));
}

} // namespace brevane
