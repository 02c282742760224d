// Multiple agent name and address change (form 526), second page: the
// representative who signs, on each line the user ticked on the first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc81(PageCalc &pc)
{
    // Answer k follows check box k of the first page. With neither type mark
    // ticked nothing is written.
    for (int k = 0; k < 2; ++k) {
        const bool wanted = pc.OtherPage(80, k) == QLatin1String("X");
        if (pc.Ticked(G0::RepresentativeIsIndividual))
            pc.Guarded(k, wanted ? pc.G(G0::RepresentativeName) : QString());
        if (pc.Ticked(G0::RepresentativeIsBusiness))
            pc.Guarded(k, wanted ? pc.G(G0::RepresentativeSigner) : QString());
    }
}

} // namespace brevane
