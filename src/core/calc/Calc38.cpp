// Corporate resolution (one page per continuation in use).
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc38(PageCalc &pc)
{
    pc.Guarded(2, pc.G(G0::City));
    // The date of adoption in its long form; the secretary's certificate
    // bears it unless the user overrides it, never the day of printing,
    // which may come before the act it certifies.
    pc.Always(7, ConvertDate(pc.Get(7)));
    // The corporation acted under the name it had that day.
    pc.Always(0, pc.EntityNameOn(pc.Get(7)));
    pc.Guarded(3, pc.Get(7));
    pc.Guarded(5, pc.G(G0::Secretary));
    pc.Guarded(6, QStringLiteral("Secretary"));
}

} // namespace brevane
