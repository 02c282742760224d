#include "calc/PageProcedures.h"

namespace brevane {

void Calc23(PageCalc &)
{
}

} // namespace brevane
