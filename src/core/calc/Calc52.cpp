#include "calc/PageProcedures.h"

namespace brevane {

void Calc52(PageCalc &)
{
}

} // namespace brevane
