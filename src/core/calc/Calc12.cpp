#include "calc/PageProcedures.h"

namespace brevane {

void Calc12(PageCalc &)
{
}

} // namespace brevane
