#include "calc/PageProcedures.h"

namespace brevane {

void Calc17(PageCalc &)
{
}

} // namespace brevane
