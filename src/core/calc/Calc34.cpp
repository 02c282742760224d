// Certificate of dissolution (form 561), the representative's acknowledgement.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc34(PageCalc &pc)
{
    const QString &state = pc.G(G0::State);
    pc.Guarded(0, state.toUpper() == QLatin1String("OH") ? QStringLiteral("Ohio") : state);
    pc.Guarded(1, pc.G(G0::County));
    pc.Guarded(2, pc.G(G0::RepresentativeName));
    pc.Guarded(3, pc.G(G0::RepresentativeTitle));
    pc.Always(4, pc.G(G0::EntityName));
    pc.Guarded(13, pc.G(G0::RepresentativeTitle));
    // The user's own date, written in its long form.
    pc.Always(14, ConvertDate(pc.Get(14)));
}

} // namespace brevane
