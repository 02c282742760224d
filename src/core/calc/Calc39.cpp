// Articles of incorporation of a professional association (form 532C), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc39(PageCalc &pc)
{
    // As the for-profit articles, with the profession (G96) after the name.
    int k = 0;
    for (int g : {0, 96, 2, 5, 14, 15, 16, 17, 18})
        pc.Always(k++, pc.G(g));
}

} // namespace brevane
