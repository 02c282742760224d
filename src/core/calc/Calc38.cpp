#include "calc/PageProcedures.h"

namespace brevane {

void Calc38(PageCalc &)
{
}

} // namespace brevane
