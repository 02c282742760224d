#include "calc/PageProcedures.h"

namespace brevane {

void Calc81(PageCalc &)
{
}

} // namespace brevane
