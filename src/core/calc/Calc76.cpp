#include "calc/PageProcedures.h"

namespace brevane {

void Calc76(PageCalc &)
{
}

} // namespace brevane
