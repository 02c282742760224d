// Articles of incorporation of a for-profit corporation (form 532A): the incorporators'
// signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc4(PageCalc &pc)
{
    pc.IncorporatorSignatures(3);
}

} // namespace brevane
