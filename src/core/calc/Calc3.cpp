#include "calc/PageProcedures.h"

namespace brevane {

void Calc3(PageCalc &)
{
}

} // namespace brevane
