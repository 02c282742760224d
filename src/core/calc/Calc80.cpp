#include "calc/PageProcedures.h"

namespace brevane {

void Calc80(PageCalc &)
{
}

} // namespace brevane
