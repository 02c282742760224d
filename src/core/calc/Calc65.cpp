#include "calc/PageProcedures.h"

namespace brevane {

void Calc65(PageCalc &)
{
}

} // namespace brevane
