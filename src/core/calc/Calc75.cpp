// Cover sheet sent with a filing: whom the Secretary of State returns it to.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc75(PageCalc &pc)
{
    pc.Guarded(0, pc.G(G0::RepresentativeName));
    // The person who acts for a business representative; an individual
    // representative has none.
    if (pc.Ticked(G0::RepresentativeIsBusiness))
        pc.Guarded(1, pc.G(G0::RepresentativeSigner));
    if (pc.Ticked(G0::RepresentativeIsIndividual))
        pc.Guarded(1, QString());
    pc.RepresentativeAddress(Write::Guarded, 2);
    pc.Guarded(6, pc.G(G0::RepresentativePhone));
    pc.Guarded(7, pc.G(G0::RepresentativeEmail));
}

} // namespace brevane
