// Election of officers at the first directors' meeting, with the shares
// issued to each subscriber and the consideration paid for them.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc21(PageCalc &pc)
{
    pc.Guarded(0, pc.G(G0::Bank));
    pc.Always(1, pc.G(G0::President));
    pc.Always(2, pc.G(G0::VicePresident));
    pc.Always(3, pc.G(G0::Secretary));
    pc.Always(4, pc.G(G0::Treasurer));

    // Every subscriber of the share subscription (page 8, rows of name,
    // shares and class from answer 6): name, consideration, shares (answers
    // 6, 7 and 8 in the first row).
    // The consideration is the price the subscribers pay; where the worksheet
    // gives none, the par value (shares without par value have only the
    // price). The amount per share is read once, so an unreadable one is
    // reported once a run rather than once a row.
    constexpr int subscriptionPage = 8;
    constexpr int name = 6, consideration = 7, shares = 8;
    const QString &price = pc.G(G0::SharePrice).trimmed().isEmpty() ? pc.G(G0::ParValue) : pc.G(G0::SharePrice);
    const double perShare = Str2Float_2(price);
    for (int column : {name, consideration, shares})
        pc.ClearColumn(column);
    const int subscribers = pc.OtherRows(subscriptionPage, 6);
    for (int i = 0; i < subscribers; ++i) {
        const QString subscriber = pc.OtherRow(subscriptionPage, i, 6);
        if (subscriber.trimmed().isEmpty())
            continue;
        const QString subscribed = pc.OtherRow(subscriptionPage, i, 7);
        pc.Row(i, name, subscriber);
        pc.Row(i, shares, subscribed);
        const double amount = Str2Int(subscribed) * perShare;
        pc.Row(i, consideration, amount > 0 ? QStringLiteral("$") + Float2Dollar(amount) : QString());
    }
}

} // namespace brevane
