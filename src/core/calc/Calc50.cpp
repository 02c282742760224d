// Articles of organization (form 533A), first page: the company's name and
// the items of its articles.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc50(PageCalc &pc)
{
    // The articles formed the company under its first name, whatever a later
    // amendment named it.
    pc.Always(2, pc.EarliestEntityName());
    pc.Guarded(3, pc.G(G0::LlcEffectiveDate));
    // "The purpose for which the company is formed is to roast and sell coffee."
    pc.Guarded(4, PurposeClause(pc.G(G0::LlcPurpose), true));
    pc.Guarded(5, pc.G(G0::LlcProvisions));
}

} // namespace brevane
