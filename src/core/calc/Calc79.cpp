#include "calc/PageProcedures.h"

namespace brevane {

void Calc79(PageCalc &)
{
}

} // namespace brevane
