#include "calc/PageProcedures.h"

namespace brevane {

void Calc18(PageCalc &)
{
}

} // namespace brevane
