// Articles of incorporation of a for-profit corporation (form 532A), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc2(PageCalc &pc)
{
    // Name, city, county, the articles items and the shares with their amount.
    int k = 0;
    for (int g : {0, 2, 5, 14, 15, 16, 17, 18})
        pc.Always(k++, pc.G(g));
}

} // namespace brevane
