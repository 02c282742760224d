#include "calc/PageProcedures.h"

namespace brevane {

void Calc27(PageCalc &)
{
}

} // namespace brevane
