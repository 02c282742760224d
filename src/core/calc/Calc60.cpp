// Operating agreement, page 4: the mark that chooses the sections for a
// company of one member.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc60(PageCalc &pc)
{
    pc.SoleMemberMark(7);
}

} // namespace brevane
