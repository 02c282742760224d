// Assent of the shareholders to the adoption of the code of regulations.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc17(PageCalc &pc)
{
    pc.Guarded(0, pc.G(G0::City));
    // The shareholders assent at their first meeting.
    pc.Guarded(1, pc.DateOf(G0::OrderedMeetingDate));
    pc.Always(2, pc.EarliestEntityName());

    // The first nineteen subscribers of the share subscription (page 8, rows
    // of name, shares and class from answer 6), each with its shares.
    constexpr int subscriptionPage = 8;
    constexpr int subscribers = 19;
    // A business subscriber signs through its signer, on a line under its
    // row at 41 + 2i: the Directory Worksheet's row of that name says who.
    constexpr int firstSignerLine = 41;
    for (int i = 0; i < subscribers; ++i) {
        pc.Guarded(3 + 2 * i, pc.OtherPage(subscriptionPage, 6 + 3 * i));
        pc.Guarded(4 + 2 * i, pc.OtherPage(subscriptionPage, 7 + 3 * i));
        QString line;
        const QString name = pc.Get(3 + 2 * i).trimmed();
        for (const DirectoryRow &row : pc.Directory().Rows()) {
            if (!name.isEmpty() && HasRole(row, QLatin1Char('S')) && row[ColName].trimmed() == name) {
                line = BusinessSignerLine(row);
                break;
            }
        }
        pc.Always(firstSignerLine + 2 * i, line);
    }
}

} // namespace brevane
