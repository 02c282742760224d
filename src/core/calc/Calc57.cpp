#include "calc/PageProcedures.h"

namespace brevane {

void Calc57(PageCalc &)
{
}

} // namespace brevane
