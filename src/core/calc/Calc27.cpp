// Certificate of amendment (form 540), incorporators' signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

// The incorporators sign only an amendment they adopted themselves: not one
// that page 26 says the directors or the shareholders adopted.
void Calc27(PageCalc &pc)
{
    pc.IncorporatorSignatures(3, !pc.OtherTicked(26, 1) && !pc.OtherTicked(26, 4));
}

} // namespace brevane
