// Waiver of notice of the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc10(PageCalc &pc)
{
    pc.Guarded(0, pc.G(2));
    pc.Always(1, pc.G(0));
    pc.Always(2, pc.G(19));
    pc.Always(3, pc.G(20));
    pc.Always(4, pc.G(22));
    pc.Always(5, pc.DateOf(23));
    pc.Always(6, pc.G(24));
    // The AM/PM mark printed beside the time of answer 6. That time is G24,
    // whose marks are G25 and G26; the marks G35 and G36 belong to the time
    // of the meeting named in the notice to shareholders and would put that
    // meeting's mark beside this one's time.
    pc.AmPm(7, 25, 26);

    // Rows of four answers from answer 9: the shareholder's name at 9 + 4i
    // and number of shares at 11 + 4i. Both are cleared in every row first,
    // so a shareholder taken out of the directory leaves nothing behind. A
    // shareholder beyond the page's 23 rows fails the procedure there.
    constexpr int firstRow = 9;
    const int lastAnswer = TAnswer::AnswerCount(pc.Page()) - 1;
    for (int k = firstRow; k + 2 <= lastAnswer; k += 4) {
        pc.Always(k, QString());
        pc.Always(k + 2, QString());
    }
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('S')))
            continue;
        pc.Always(firstRow + 4 * i, row[ColName]);
        pc.Always(firstRow + 4 * i + 2, row[ColNoOfShares]);
        ++i;
    }
}

} // namespace brevane
