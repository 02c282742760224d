// Certificate of dissolution (form 561), the representative's statement.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc33(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::EntityName));
    pc.Guarded(5, pc.G(G0::RepresentativeTitle));
    pc.Guarded(6, pc.G(G0::RepresentativeName));
    pc.RepresentativeAddress(Write::Guarded, 7);
    // The user's own date, written in its long form.
    pc.Always(11, ConvertDate(pc.Get(11)));
}

} // namespace brevane
