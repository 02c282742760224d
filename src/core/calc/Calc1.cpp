#include "calc/PageProcedures.h"

namespace brevane {

void Calc1(PageCalc &)
{
}

} // namespace brevane
