#include "calc/PageProcedures.h"

namespace brevane {

void Calc41(PageCalc &)
{
}

} // namespace brevane
