// Certificate of amendment (form 540), incorporators' signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc27(PageCalc &pc)
{
    pc.IncorporatorSignatures(3);
}

} // namespace brevane
