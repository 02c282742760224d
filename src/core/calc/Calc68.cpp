#include "calc/PageProcedures.h"

namespace brevane {

void Calc68(PageCalc &)
{
}

} // namespace brevane
