// Certificate of the inspectors of election at the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc19(PageCalc &pc)
{
    constexpr int boardPage = 18;
    pc.Guarded(0, pc.G(G0::City));
    pc.Guarded(3, pc.EarliestEntityName());
    pc.Guarded(5, pc.DateOf(G0::NoticeMeetingDate));
    pc.Guarded(7, pc.OtherPage(boardPage, 3)); // the directors elected
    pc.Guarded(8, pc.OtherPage(boardPage, 7));
    // The directors' meeting: the building or room where there is one, then
    // the street (13), the city (14), date, time and its mark (16 to
    // 18).
    pc.Guarded(13, pc.MeetingPlace(DirectorsMeeting));
    pc.Guarded(14, pc.G(G0::DirectorsMeetingCity));
    pc.Guarded(16, pc.DateOf(G0::DirectorsMeetingDate));
    pc.TimeOfDay(Write::Guarded, 17, G0::DirectorsMeetingTime, G0::DirectorsMeetingAm, G0::DirectorsMeetingPm);
    // Answers 9 and 10 of the election of the board are the user's own entries.
    pc.Guarded(20, pc.OtherPage(boardPage, 9));
    pc.Guarded(21, pc.OtherPage(boardPage, 10));
    // The shareholders' meeting is chaired and recorded by the officers pro
    // tem the incorporators appointed, who sign its minutes.
    pc.Guarded(22, pc.G(G0::ChairmanProTem));
    pc.Guarded(23, pc.G(G0::ChairmanProTem));
    pc.Guarded(24, pc.G(G0::SecretaryProTem));
    pc.Guarded(27, pc.DateOf(G0::MinutesCertifiedDate));
    // The inspectors print their names under their signatures.
    pc.Guarded(25, pc.G(G0::FirstInspector));
    pc.Guarded(26, pc.G(G0::SecondInspector));
}

} // namespace brevane
