#include "calc/PageProcedures.h"

namespace brevane {

void Calc58(PageCalc &)
{
}

} // namespace brevane
