// Certificate of the inspectors of election at the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc19(PageCalc &pc)
{
    constexpr int boardPage = 18;
    pc.Guarded(0, pc.G(2));
    pc.Guarded(3, pc.G(0));
    pc.Guarded(5, pc.DateOf(33));
    pc.Guarded(7, pc.OtherPage(boardPage, 3)); // the directors elected
    pc.Guarded(8, pc.OtherPage(boardPage, 7));
    pc.Guarded(13, pc.G(86));
    pc.Guarded(14, pc.G(87));
    pc.Guarded(15, pc.G(89));
    pc.Guarded(16, pc.DateOf(90));
    pc.Guarded(17, pc.G(91));
    pc.AmPm(18, 92, 93);
    // Answers 9 and 10 of the election of the board are the user's own entries.
    pc.Guarded(20, pc.OtherPage(boardPage, 9));
    pc.Guarded(21, pc.OtherPage(boardPage, 10));
    pc.Guarded(22, pc.G(43));
    pc.Guarded(23, pc.G(43));
    pc.Guarded(24, pc.G(44));
}

} // namespace brevane
