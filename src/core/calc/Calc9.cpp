// Notice of the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc9(PageCalc &pc)
{
    pc.Always(0, pc.G(0));
    pc.Always(1, pc.G(29));
    pc.Always(2, pc.G(30));
    pc.Always(3, pc.G(32));
    pc.Always(4, pc.DateOf(33));
    pc.Always(5, pc.G(34));
    pc.AmPm(6, 35, 36);
    pc.Always(7, pc.DateOf(37));
    pc.Always(8, pc.DateOf(38));

    // The incorporators sign from answer 9 on, one answer each, as many as
    // the page holds (92); a further incorporator fails the procedure there.
    // Every signer answer is cleared first, so an incorporator taken out of
    // the directory does not stay on the notice.
    constexpr int firstSigner = 9;
    const int lastAnswer = TAnswer::AnswerCount(pc.Page()) - 1;
    for (int k = firstSigner; k <= lastAnswer; ++k)
        pc.Always(k, QString());
    int k = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (HasRole(row, QLatin1Char('C')))
            pc.Always(firstSigner + k++, SigningName(row));
    }
}

} // namespace brevane
