#include "calc/PageProcedures.h"

namespace brevane {

void Calc64(PageCalc &)
{
}

} // namespace brevane
