#include "calc/PageProcedures.h"

namespace brevane {

void Calc10(PageCalc &)
{
}

} // namespace brevane
