#include "calc/PageProcedures.h"

namespace brevane {

void Calc9(PageCalc &)
{
}

} // namespace brevane
