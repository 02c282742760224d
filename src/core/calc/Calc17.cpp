// Assent of the shareholders to the adoption of the code of regulations.
#include "core/calc/PageProcedures.h"

#include <algorithm>

namespace brevane {

void Calc17(PageCalc &pc)
{
    pc.Guarded(0, pc.G(G0::City));
    // The shareholders assent at their first meeting.
    pc.Guarded(1, pc.DateOf(G0::OrderedMeetingDate));
    pc.Always(2, pc.EarliestEntityName());

    // Every subscriber of the share subscription (page 8, rows of name,
    // shares and class from answer 6), each with its shares (answers 3 and 4
    // in the first row).
    constexpr int subscriptionPage = 8;
    constexpr int name = 3, shares = 4;
    // A business subscriber signs through its signer, on the line in its
    // row's signature cell (41): the Directory Worksheet's row of that name
    // says who.
    constexpr int signerLine = 41;
    const int subscribers = pc.OtherRows(subscriptionPage, 6);
    const int kept = pc.KeptRows(name);
    for (int i = 0; i < std::max(subscribers, kept); ++i) {
        const QString subscriber = pc.OtherRow(subscriptionPage, i, 6);
        if (i >= kept && subscriber.trimmed().isEmpty())
            continue;
        pc.Row(i, name, subscriber, Write::Guarded);
        pc.Row(i, shares, pc.OtherRow(subscriptionPage, i, 7), Write::Guarded);
        QString line;
        const QString signer = pc.RowAt(i, name).trimmed();
        for (const DirectoryRow &row : pc.Directory().Rows()) {
            if (!signer.isEmpty() && HasRole(row, QLatin1Char('S')) && row[ColName].trimmed() == signer) {
                line = BusinessSignerLine(row);
                break;
            }
        }
        pc.Row(i, signerLine, line);
    }
}

} // namespace brevane
