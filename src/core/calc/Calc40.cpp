#include "calc/PageProcedures.h"

namespace brevane {

void Calc40(PageCalc &)
{
}

} // namespace brevane
