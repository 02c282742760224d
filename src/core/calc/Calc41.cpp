// Articles of incorporation of a professional association (form 532C): the incorporators'
// signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc41(PageCalc &pc)
{
    pc.IncorporatorSignatures(3);
}

} // namespace brevane
