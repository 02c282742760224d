// Biennial report, second page: the representative who signs it.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc46(PageCalc &pc)
{
    // Answer 11 is the representative business, answer 13 the person who
    // signs. An individual representative has no business line, so a
    // business chosen earlier is cleared rather than printed beside the
    // person. Neither type mark ticked leaves both as they are.
    if (pc.Ticked(56)) {
        pc.Guarded(11, QString());
        pc.Guarded(13, pc.G(57));
    }
    if (pc.Ticked(55)) {
        pc.Guarded(11, pc.G(57));
        pc.Guarded(13, pc.G(67));
    }
}

} // namespace brevane
