#include "calc/PageProcedures.h"

namespace brevane {

void Calc36(PageCalc &)
{
}

} // namespace brevane
