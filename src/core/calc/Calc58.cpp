// Operating agreement, second page: the members who contribute other than
// cash, and the item the user entered on the first page (answer 7 there).
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc58(PageCalc &pc)
{
    // Rows of three answers from answer 0 (name, contribution, interest), ten
    // rows; later such members are not listed.
    constexpr int rows = 10;
    for (int k = 0; k < 3 * rows; ++k)
        pc.Guarded(k, QString());
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (i >= rows)
            break;
        if (!HasRole(row, QLatin1Char('M')) || row[ColNoncash] != QLatin1String("X"))
            continue;
        pc.Guarded(3 * i, row[ColName]);
        // An agreed value typed as a bare amount prints as the cash of the
        // first page does ("$35,000.00"); a description stays as typed.
        pc.Guarded(3 * i + 1, DollarAmountText(row[ColContribution]));
        pc.Guarded(3 * i + 2, InterestText(row[ColInterest]));
        ++i;
    }

    pc.Guarded(30, pc.OtherPage(57, 7));
    pc.Guarded(31, pc.OtherPage(57, 7));
    pc.SoleMemberMark(34);
}

} // namespace brevane
