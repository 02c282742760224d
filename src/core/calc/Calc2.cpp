#include "calc/PageProcedures.h"

namespace brevane {

void Calc2(PageCalc &)
{
}

} // namespace brevane
