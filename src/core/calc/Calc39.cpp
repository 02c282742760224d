// Articles of incorporation of a professional association (form 532C), first page.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc39(PageCalc &pc)
{
    // As the for-profit articles, with the profession after the name.
    pc.CopyPageZero(Write::Always, 0,
                    {G0::EntityName, G0::Profession, G0::City, G0::County, G0::EffectiveDate, G0::AuthorizedShares,
                     G0::ShareClass});
    // The articles formed the association under its first name.
    pc.Always(0, pc.EarliestEntityName());
    // The amounts print as amounts: "$10.00".
    pc.Always(7, ParValueText(pc.G(G0::ParValue)));
    pc.Always(8, DollarAmountText(pc.G(G0::StatedCapital)));
}

} // namespace brevane
