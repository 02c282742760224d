// Operating agreement, second page: the members who contribute other than
// cash, and the item the user entered on the first page (answer 7 there).
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc58(PageCalc &pc)
{
    // A row for each member who contributes property or services, however
    // many (name, contribution, interest: answers 0, 1 and 2 in the first row).
    constexpr int name = 0, contribution = 1, interest = 2;
    for (int column : {name, contribution, interest})
        pc.ClearColumn(column, Write::Guarded);
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('M')) || row[ColNoncash] != QLatin1String("X"))
            continue;
        // An agreed value typed as a bare amount prints as the cash of the
        // first page does ("$35,000.00"); a description stays as typed.
        pc.Row(i, name, row[ColName], Write::Guarded);
        pc.Row(i, contribution, DollarAmountText(row[ColContribution]), Write::Guarded);
        pc.Row(i, interest, InterestText(row[ColInterest]), Write::Guarded);
        ++i;
    }

    pc.Guarded(30, pc.OtherPage(57, 7));
    pc.Guarded(31, pc.OtherPage(57, 7));
    pc.SoleMemberMark(34);
}

} // namespace brevane
