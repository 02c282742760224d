#include "calc/PageProcedures.h"

namespace brevane {

void Calc21(PageCalc &)
{
}

} // namespace brevane
