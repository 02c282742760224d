// Conclusion and certification of the first directors' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc22(PageCalc &pc)
{
    pc.Always(0, pc.DateOf(90));
    pc.Always(1, pc.DateOf(46));
    pc.Always(2, pc.DateOf(51));
}

} // namespace brevane
