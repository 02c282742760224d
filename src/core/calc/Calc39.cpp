#include "calc/PageProcedures.h"

namespace brevane {

void Calc39(PageCalc &)
{
}

} // namespace brevane
