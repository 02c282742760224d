#include "calc/PageProcedures.h"

namespace brevane {

void Calc54(PageCalc &)
{
}

} // namespace brevane
