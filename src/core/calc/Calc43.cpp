#include "calc/PageProcedures.h"

namespace brevane {

void Calc43(PageCalc &)
{
}

} // namespace brevane
