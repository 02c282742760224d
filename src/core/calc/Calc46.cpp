#include "calc/PageProcedures.h"

namespace brevane {

void Calc46(PageCalc &)
{
}

} // namespace brevane
