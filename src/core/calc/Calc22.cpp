#include "calc/PageProcedures.h"

namespace brevane {

void Calc22(PageCalc &)
{
}

} // namespace brevane
