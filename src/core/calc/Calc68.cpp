// Members' resolution (one page per continuation in use).
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc68(PageCalc &pc)
{
    pc.Guarded(2, pc.G(G0::City));
    // The day the members adopted it, in its long form; the certificate bears
    // it unless the user overrides it, never the day of printing.
    pc.Always(4, ConvertDate(pc.Get(4)));
    // The company acted under the name it had that day: a resolution to
    // change the name is adopted under the name it changes.
    pc.Always(0, pc.EntityNameOn(pc.Get(4)));
    pc.Guarded(3, pc.Get(4));
    // The first member, as the operating agreement's third page holds it, in
    // the capacity the agreement gives: a manager only where a manager
    // manages the company.
    pc.Guarded(5, pc.OtherPage(59, 0));
    const bool managerManaged = pc.OtherTicked(59, 3);
    const bool memberManaged = pc.OtherTicked(59, 2);
    pc.Guarded(6, managerManaged && !memberManaged ? QStringLiteral("Manager")
                  : memberManaged                  ? QStringLiteral("Managing Member")
                                                   : QStringLiteral("Member"));
}

} // namespace brevane
