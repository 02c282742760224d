#include "calc/PageProcedures.h"

namespace brevane {

void Calc33(PageCalc &)
{
}

} // namespace brevane
