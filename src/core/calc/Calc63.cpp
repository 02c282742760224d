// Operating agreement, page 7: the mark that chooses the sections for a
// company of one member.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc63(PageCalc &pc)
{
    pc.SoleMemberMark(7);
}

} // namespace brevane
