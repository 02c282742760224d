// Biennial report, second page: the representative who signs it.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc46(PageCalc &pc)
{
    // Answer 11 is the representative business, answer 13 the person who
    // signs. An individual representative has no business line, so a
    // business chosen earlier is cleared rather than printed beside the
    // person. Neither type mark ticked leaves both as they are.
    if (pc.Ticked(G0::RepresentativeIsIndividual)) {
        pc.Guarded(11, QString());
        pc.Guarded(13, pc.G(G0::RepresentativeName));
        pc.Guarded(14, pc.G(G0::RepresentativeTitle));
    }
    if (pc.Ticked(G0::RepresentativeIsBusiness)) {
        pc.Guarded(11, pc.G(G0::RepresentativeName));
        pc.Guarded(13, pc.G(G0::RepresentativeSigner));
        pc.Guarded(14, QString());
    }
}

} // namespace brevane
