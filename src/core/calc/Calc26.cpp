// Certificate of amendment (form 540), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc26(PageCalc &pc)
{
    // The certificate is filed under the name of record: where it changes
    // the name, the name before it (answer 20, the user's).
    pc.Always(2, pc.EarliestEntityName());
    pc.Always(3, pc.G(G0::CharterNo));
}

} // namespace brevane
