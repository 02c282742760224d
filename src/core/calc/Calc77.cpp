#include "calc/PageProcedures.h"

namespace brevane {

void Calc77(PageCalc &)
{
}

} // namespace brevane
