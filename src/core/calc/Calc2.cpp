// Articles of incorporation of a for-profit corporation (form 532A), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc2(PageCalc &pc)
{
    // Name, city, county, the articles items and the shares with their amount.
    pc.CopyPageZero(Write::Always, 0,
                    {G0::EntityName, G0::City, G0::County, G0::EffectiveDate, G0::AuthorizedShares, G0::ShareClass,
                     G0::ParValue, G0::StatedCapital});
}

} // namespace brevane
