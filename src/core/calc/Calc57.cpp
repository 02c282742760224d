// Operating agreement, first page: the company, its members and the members
// who contribute cash.
#include "core/calc/PageProcedures.h"
#include "core/store/Conversions.h"

#include <QStringList>

namespace brevane {

void Calc57(PageCalc &pc)
{
    const QChar member = QLatin1Char('M');
    QStringList members;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (HasRole(row, member))
            members.append(row[ColName]);
    }

    // The agreement names the company as it was called on the day the
    // agreement took effect (answer 0, the user's).
    const QString company = pc.EntityNameOn(pc.Get(0));
    pc.Always(1, company);
    pc.Guarded(2, JoinAsSentence(members));
    // With no member the word keeps whatever it held.
    if (members.size() == 1)
        pc.Always(3, QStringLiteral("Member"));
    else if (members.size() > 1)
        pc.Always(3, QStringLiteral("Members"));
    pc.Always(4, company);
    // The purpose follows a colon: "... which its articles state: To roast and
    // sell coffee."
    pc.Always(5, PurposeClause(pc.G(G0::LlcPurpose), false));
    pc.Always(6, pc.G(G0::LlcProvisions));

    // Cash contributions: a row for each member who pays cash, however many
    // (name, the amount in dollars, interest: answers 8, 9 and 10 in the
    // first row). The kept rows are cleared first.
    constexpr int name = 8, amount = 9, interest = 10;
    for (int column : {name, amount, interest})
        pc.ClearColumn(column, Write::Guarded);
    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        // A member who brings no property pays in cash: one with neither box
        // ticked is listed here rather than left out of both tables.
        const bool cash = row[ColCash] == QLatin1String("X") || row[ColNoncash] != QLatin1String("X");
        if (!HasRole(row, member) || !cash)
            continue;
        pc.Row(i, name, row[ColName], Write::Guarded);
        pc.Row(i, amount, DollarAmountText(row[ColContribution]), Write::Guarded);
        pc.Row(i, interest, InterestText(row[ColInterest]), Write::Guarded);
        ++i;
    }
}

} // namespace brevane
