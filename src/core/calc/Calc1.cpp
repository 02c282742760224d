// Proceedings of the incorporators, first page.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc1(PageCalc &pc)
{
    // Each answer goes through the date conversion, which leaves any text that
    // does not read as a date (the entity's name, the charter number) as it is.
    pc.Always(0, pc.DateOf(G0::FilingDate));
    pc.Always(1, ConvertDate(pc.EarliestEntityName()));
    pc.Always(2, pc.DateOf(G0::WrittenActionsDate));
    pc.Always(3, pc.DateOf(G0::CharterNo));
}

} // namespace brevane
