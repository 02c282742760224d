#include "calc/PageProcedures.h"

namespace brevane {

void Calc25(PageCalc &)
{
}

} // namespace brevane
