#include "calc/PageProcedures.h"

namespace brevane {

void Calc45(PageCalc &)
{
}

} // namespace brevane
