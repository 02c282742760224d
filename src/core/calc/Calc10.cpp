// Waiver of notice of the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc10(PageCalc &pc)
{
    pc.Guarded(0, pc.G(G0::City));
    pc.Always(1, pc.EarliestEntityName());
    // The meeting the incorporators order, at answers 2 to 7. Its AM/PM mark
    // (answer 7) is that of its own time: the notice's marks belong to the
    // time of the meeting named in the notice to shareholders and would put
    // that meeting's mark beside this one's time.
    pc.MeetingPlaceAndTime(Write::Always, 2, OrderedMeeting);

    // Rows of four answers from answer 9: the shareholder's name at 9 + 4i,
    // number of shares at 11 + 4i and, for a business, the line where its
    // signer signs for it at 12 + 4i. They are cleared in every row first,
    // so a shareholder taken out of the directory leaves nothing behind. A
    // shareholder beyond the page's 23 rows fails the procedure there.
    constexpr int firstRow = 9;
    const int lastAnswer = TAnswer::AnswerCount(pc.Page()) - 1;
    for (int k = firstRow; k + 3 <= lastAnswer; k += 4) {
        pc.Always(k, QString());
        pc.Always(k + 2, QString());
        pc.Always(k + 3, QString());
    }
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('S')))
            continue;
        pc.Always(firstRow + 4 * i, row[ColName]);
        pc.Always(firstRow + 4 * i + 2, ShareCountText(row[ColNoOfShares]));
        pc.Always(firstRow + 4 * i + 3, BusinessSignerLine(row));
        ++i;
    }
}

} // namespace brevane
