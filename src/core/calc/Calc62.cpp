// Operating agreement, page 6: the mark that chooses the sections for a
// company of one member.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc62(PageCalc &pc)
{
    pc.SoleMemberMark(4);
}

} // namespace brevane
