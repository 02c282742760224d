#include "calc/PageProcedures.h"

namespace brevane {

void Calc4(PageCalc &)
{
}

} // namespace brevane
