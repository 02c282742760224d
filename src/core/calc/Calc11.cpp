// Election of a chairman pro tem of the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc11(PageCalc &pc)
{
    pc.Guarded(1, pc.G(G0::City));
    pc.Always(2, pc.DateOf(G0::WrittenActionsDate));
    pc.Always(3, pc.G(G0::ChairmanProTem)); // the chairman pro tem, named again on the election of the board
    pc.Always(4, pc.G(G0::SecretaryProTem));
    // Each incorporator signs the appointment under their own name, one a
    // row, however many there are.
    pc.IncorporatorRows(5);
}

} // namespace brevane
