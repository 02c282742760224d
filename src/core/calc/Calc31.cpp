// Certificate of dissolution (form 561), incorporators' signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

// The incorporators sign only a dissolution they made themselves: not one
// that page 33 says the shareholders or the directors authorized.
void Calc31(PageCalc &pc)
{
    pc.IncorporatorSignatures(3, !pc.OtherTicked(33, 2) && !pc.OtherTicked(33, 3));
}

} // namespace brevane
