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

    // Rows of three answers from answer 6: name, number of shares, class.
    // Every answer of every row is cleared first, so a shareholder taken out
    // of the directory leaves neither a name nor a share count behind (the
    // share counts flow on into the assent and the election of officers).
    constexpr int firstRow = 6;
    const int lastAnswer = TAnswer::AnswerCount(pc.Page()) - 1;
    for (int k = firstRow; k <= lastAnswer; ++k)
        pc.Always(k, QString());

    // One row per shareholder, as many as the page holds (40); a further
    // shareholder runs past the page and fails the procedure there.
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
        pc.Always(firstRow + 3 * i, row[ColName]);
        pc.Always(firstRow + 3 * i + 1, ShareCountText(row[ColNoOfShares]));
        pc.Always(firstRow + 3 * i + 2, row[ColClassOfShares]);
        ++i;
    }
}

} // namespace brevane
