// Conclusion and certification of the first directors' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc22(PageCalc &pc)
{
    pc.Always(0, pc.DateOf(G0::DirectorsMeetingDate));
    pc.Always(1, pc.DateOf(G0::FiscalYearEnd));
    pc.Always(2, pc.DateOf(G0::MinutesCertifiedDate));
    // Who signs: the meeting's chairman and secretary, then the secretary of
    // the corporation who certifies the minutes.
    pc.Always(3, pc.G(G0::DirectorsChairman));
    pc.Always(4, pc.G(G0::DirectorsSecretary));
    pc.Always(5, pc.G(G0::Secretary));
}

} // namespace brevane
