#include "calc/PageProcedures.h"

namespace brevane {

void Calc11(PageCalc &)
{
}

} // namespace brevane
