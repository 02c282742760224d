#include "calc/PageProcedures.h"

namespace brevane {

void Calc20(PageCalc &)
{
}

} // namespace brevane
