// Certificate of dissolution of a limited liability company (form 562),
// first page: the company and the representative's address.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc65(PageCalc &pc)
{
    pc.Always(3, pc.G(G0::EntityName));
    pc.Always(5, pc.G(G0::CharterNo));
    pc.Guarded(7, pc.G(G0::RepresentativeName));
    pc.RepresentativeAddress(Write::Guarded, 8);
}

} // namespace brevane
