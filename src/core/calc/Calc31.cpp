// Certificate of dissolution (form 561), incorporators' signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

// The same signature block as the certificate of amendment (page 27), written
// on this page.
void Calc31(PageCalc &pc)
{
    Calc27(pc);
}

} // namespace brevane
