#include "calc/PageProcedures.h"

namespace brevane {

void Calc34(PageCalc &)
{
}

} // namespace brevane
