#include "calc/PageProcedures.h"

namespace brevane {

void Calc75(PageCalc &)
{
}

} // namespace brevane
