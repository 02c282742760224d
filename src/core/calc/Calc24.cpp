#include "calc/PageProcedures.h"

namespace brevane {

void Calc24(PageCalc &)
{
}

} // namespace brevane
