// Certificate of dissolution (form 561), the acknowledgement of the
// certifying signer's signature.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc34(PageCalc &pc)
{
    const QString &state = pc.G(G0::State);
    pc.Guarded(0, state.toUpper() == QLatin1String("OH") ? QStringLiteral("Ohio") : state);
    pc.Guarded(1, pc.G(G0::County));
    // The person who signed the certificate, as its signature page names them
    // (the user's own change there included).
    pc.Guarded(2, pc.OtherPage(33, 6));
    pc.Guarded(3, pc.OtherPage(33, 5));
    pc.Always(4, pc.G(G0::EntityName));
    pc.Guarded(13, pc.OtherPage(33, 5));
    // The user's own date, written in its long form.
    pc.Always(14, ConvertDate(pc.Get(14)));
}

} // namespace brevane
