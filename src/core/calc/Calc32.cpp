#include "calc/PageProcedures.h"

namespace brevane {

void Calc32(PageCalc &)
{
}

} // namespace brevane
