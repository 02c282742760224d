// Certificate of dissolution (form 561), the representative's acknowledgement.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc34(PageCalc &pc)
{
    const QString &state = pc.G(3);
    pc.Guarded(0, state.toUpper() == QLatin1String("OH") ? QStringLiteral("Ohio") : state);
    pc.Guarded(1, pc.G(5));
    pc.Guarded(2, pc.G(57));
    pc.Guarded(3, pc.G(58));
    pc.Always(4, pc.G(0));
    pc.Guarded(13, pc.G(58));
    // The user's own date, written in its long form.
    pc.Always(14, ConvertDate(pc.Get(14)));
}

} // namespace brevane
