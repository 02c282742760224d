// Notice of the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc9(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::EntityName));
    // The notice announces the meeting the incorporators ordered: where the
    // worksheet gives the notice no place or time of its own, it announces
    // the ordered meeting's, on the notice's own date where it has one.
    const bool ownPlace = !pc.G(G0::NoticeMeetingStreet).trimmed().isEmpty() ||
                          !pc.G(G0::NoticeMeetingCity).trimmed().isEmpty() ||
                          !pc.G(G0::NoticeMeetingTime).trimmed().isEmpty();
    pc.MeetingPlaceAndTime(Write::Always, 1, ownPlace ? NoticeMeeting : OrderedMeeting);
    if (!ownPlace && !pc.G(G0::NoticeMeetingDate).trimmed().isEmpty())
        pc.Always(4, pc.DateOf(G0::NoticeMeetingDate));
    pc.Always(7, pc.DateOf(G0::NoticeDate));
    pc.Always(8, pc.DateOf(G0::NoticeMailingDate));

    // The incorporators sign from answer 9 on, one a row, however many there
    // are. Every kept signer answer is cleared first, so an incorporator
    // taken out of the directory does not stay on the notice.
    pc.IncorporatorRows(9);
}

} // namespace brevane
