// Proceedings of the incorporators, first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc1(PageCalc &pc)
{
    // Each answer goes through the date conversion, which leaves any text that
    // does not read as a date (the entity's name, the charter number) as it is.
    pc.Always(0, pc.DateOf(12));
    pc.Always(1, pc.DateOf(0));
    pc.Always(2, pc.DateOf(13));
    pc.Always(3, pc.DateOf(8));
}

} // namespace brevane
