#include "calc/PageProcedures.h"

namespace brevane {

void Calc7(PageCalc &)
{
}

} // namespace brevane
