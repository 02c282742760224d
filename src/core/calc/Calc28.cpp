#include "calc/PageProcedures.h"

namespace brevane {

void Calc28(PageCalc &)
{
}

} // namespace brevane
