#include "calc/PageProcedures.h"

namespace brevane {

void Calc26(PageCalc &)
{
}

} // namespace brevane
