// Generic minutes (one page per continuation in use).
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc23(PageCalc &pc)
{
    pc.Guarded(2, pc.G(G0::City));
    // The meeting's date, as the user typed it, in its long form; the
    // minutes are signed on that day unless the user overrides it, never on
    // the day they happen to be printed.
    pc.Always(9, ConvertDate(pc.Get(9)));
    // The corporation met under the name it had that day.
    pc.Always(0, pc.EntityNameOn(pc.Get(9)));
    pc.Guarded(3, pc.Get(9));
    pc.Guarded(5, pc.G(G0::Secretary));
    pc.Guarded(6, QStringLiteral("Secretary"));
}

} // namespace brevane
