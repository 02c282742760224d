#include "calc/PageProcedures.h"

namespace brevane {

void Calc37(PageCalc &)
{
}

} // namespace brevane
