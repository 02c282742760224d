#include "calc/PageProcedures.h"

namespace brevane {

void Calc8(PageCalc &)
{
}

} // namespace brevane
