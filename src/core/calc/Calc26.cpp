// Certificate of amendment (form 540), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc26(PageCalc &pc)
{
    pc.Always(2, pc.G(0));
    pc.Always(3, pc.G(8));
}

} // namespace brevane
