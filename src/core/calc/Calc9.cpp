// Notice of the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc9(PageCalc &pc)
{
    pc.Always(0, pc.EarliestEntityName());
    // The notice announces the meeting the incorporators ordered: where the
    // worksheet gives the notice no place or time of its own, it announces
    // the ordered meeting's, on the notice's own date where it has one.
    pc.FirstShareholdersMeeting(1);
    pc.Always(7, pc.DateOf(G0::NoticeDate));
    pc.Always(8, pc.DateOf(G0::NoticeMailingDate));

    // The incorporators sign from answer 9 on, one a row, however many there
    // are. Every kept signer answer is cleared first, so an incorporator
    // taken out of the directory does not stay on the notice.
    pc.IncorporatorRows(9);
}

} // namespace brevane
