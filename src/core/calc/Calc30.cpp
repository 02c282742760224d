#include "calc/PageProcedures.h"

namespace brevane {

void Calc30(PageCalc &)
{
}

} // namespace brevane
