// Certificate of amendment (form 540), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc26(PageCalc &pc)
{
    pc.Always(2, pc.G(G0::EntityName));
    pc.Always(3, pc.G(G0::CharterNo));
}

} // namespace brevane
