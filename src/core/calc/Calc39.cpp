// Articles of incorporation of a professional association (form 532C), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc39(PageCalc &pc)
{
    // As the for-profit articles, with the profession after the name.
    pc.CopyPageZero(Write::Always, 0,
                    {G0::EntityName, G0::Profession, G0::City, G0::County, G0::EffectiveDate, G0::AuthorizedShares,
                     G0::ShareClass, G0::ParValue, G0::StatedCapital});
}

} // namespace brevane
