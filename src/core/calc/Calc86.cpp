#include "calc/PageProcedures.h"

namespace brevane {

void Calc86(PageCalc &)
{
}

} // namespace brevane
