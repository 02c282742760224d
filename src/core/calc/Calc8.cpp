// Share subscription: the shareholders and the shares each subscribes.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

#include <QStringList>

namespace brevane {

void Calc8(PageCalc &pc)
{
    pc.Always(0, pc.EarliestEntityName());
    // The price each subscriber pays a share: "$12.50".
    pc.Always(1, DollarAmountText(pc.G(G0::SharePrice)));

    // Rows of name, number of shares and class (answers 6, 7 and 8 in the
    // first row). Every kept row is cleared first, so a shareholder taken out
    // of the directory leaves neither a name nor a share count behind (the
    // share counts flow on into the assent and the election of officers).
    constexpr int name = 6, shares = 7, shareClass = 8;
    for (int column : {name, shares, shareClass})
        pc.ClearColumn(column);

    // One row per shareholder, however many there are.
    // A subscriber that is a business signs its line through a named person:
    // "Northfield Partners LLC, By: Evan Hart, its ______________".
    QStringList businessSigners;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (HasRole(row, QLatin1Char('S')) && HasRole(row, QLatin1Char('B')))
            businessSigners << row[ColName].trimmed() + QStringLiteral(", ") + BusinessSignerLine(row);
    }
    pc.Always(2, businessSigners.join(QStringLiteral("; ")));

    int i = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('S')))
            continue;
        pc.Row(i, name, row[ColName]);
        pc.Row(i, shares, ShareCountText(row[ColNoOfShares]));
        pc.Row(i, shareClass, row[ColClassOfShares]);
        ++i;
    }
}

} // namespace brevane
