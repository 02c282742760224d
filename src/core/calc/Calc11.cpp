// Election of a chairman pro tem of the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc11(PageCalc &pc)
{
    pc.Guarded(1, pc.G(2));
    pc.Always(2, pc.DateOf(13));
    pc.Always(3, pc.G(39)); // the chairman pro tem, named again on the election of the board
    pc.Always(4, pc.G(40));
}

} // namespace brevane
