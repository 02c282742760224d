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

    // A row for each shareholder, however many: the name (answer 9 in the
    // first row), the number of shares (11) and, for a business, the line in
    // its signature cell where its signer signs for it (12). The date signed
    // (10) is the user's. The kept rows are cleared first, so a shareholder
    // taken out of the directory leaves nothing behind.
    constexpr int name = 9, shares = 11, signerLine = 12;
    for (int column : {name, shares, signerLine})
        pc.ClearColumn(column);
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('S')))
            continue;
        pc.Row(i, name, row[ColName]);
        pc.Row(i, shares, ShareCountText(row[ColNoOfShares]));
        pc.Row(i, signerLine, BusinessSignerLine(row));
        ++i;
    }
}

} // namespace brevane
