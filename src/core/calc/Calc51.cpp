#include "calc/PageProcedures.h"

namespace brevane {

void Calc51(PageCalc &)
{
}

} // namespace brevane
