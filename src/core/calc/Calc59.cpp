#include "calc/PageProcedures.h"

namespace brevane {

void Calc59(PageCalc &)
{
}

} // namespace brevane
