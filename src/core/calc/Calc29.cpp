#include "calc/PageProcedures.h"

namespace brevane {

void Calc29(PageCalc &)
{
}

} // namespace brevane
