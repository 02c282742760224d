#include "calc/PageProcedures.h"

namespace brevane {

void Calc55(PageCalc &)
{
}

} // namespace brevane
