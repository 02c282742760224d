#include "calc/PageProcedures.h"

namespace brevane {

void Calc19(PageCalc &)
{
}

} // namespace brevane
