// Credit card authorization sent with a filing: the card holder's name and
// billing address.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc76(PageCalc &pc)
{
    if (pc.Ticked(G0::RepresentativeIsBusiness))
        pc.Guarded(0, pc.G(G0::RepresentativeSigner));
    if (pc.Ticked(G0::RepresentativeIsIndividual))
        pc.Guarded(0, pc.G(G0::RepresentativeName));
    pc.RepresentativeAddress(Write::Guarded, 1);
}

} // namespace brevane
