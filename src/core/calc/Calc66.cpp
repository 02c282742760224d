#include "calc/PageProcedures.h"

namespace brevane {

void Calc66(PageCalc &)
{
}

} // namespace brevane
