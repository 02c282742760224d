// Conclusion and certification of the first directors' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc22(PageCalc &pc)
{
    pc.Always(0, pc.DateOf(G0::DirectorsMeetingDate));
    pc.Always(1, pc.DateOf(G0::FiscalYearEnd));
    pc.Always(2, pc.DateOf(G0::MinutesCertifiedDate));
}

} // namespace brevane
