#include "calc/PageProcedures.h"

namespace brevane {

void Calc31(PageCalc &)
{
}

} // namespace brevane
