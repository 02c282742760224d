#include "calc/PageProcedures.h"

namespace brevane {

void Calc50(PageCalc &)
{
}

} // namespace brevane
