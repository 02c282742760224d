// Articles of incorporation of a for-profit corporation (form 532A), first page.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc2(PageCalc &pc)
{
    // Name, city, county, the articles items and the shares with their amount.
    pc.CopyPageZero(Write::Always, 0,
                    {G0::EntityName, G0::City, G0::County, G0::EffectiveDate, G0::AuthorizedShares, G0::ShareClass});
    // The articles formed the corporation under its first name, whatever a
    // later amendment named it.
    pc.Always(0, pc.EarliestEntityName());
    // The amounts print as amounts: "$10.00".
    pc.Always(6, ParValueText(pc.G(G0::ParValue)));
    pc.Always(7, DollarAmountText(pc.G(G0::StatedCapital)));
}

} // namespace brevane
