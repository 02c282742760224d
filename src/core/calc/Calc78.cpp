#include "calc/PageProcedures.h"

namespace brevane {

void Calc78(PageCalc &)
{
}

} // namespace brevane
