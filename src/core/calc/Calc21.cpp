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

    // The first fifteen subscribers of the share subscription (page 8, rows
    // of name, shares and class from answer 6): name, consideration, shares.
    // The consideration is the price the subscribers pay; where the worksheet
    // gives none, the par value (shares without par value have only the
    // price). The amount per share is read once, so an unreadable one is
    // reported once a run rather than once a row.
    constexpr int subscriptionPage = 8;
    constexpr int subscribers = 15;
    const QString &price = pc.G(G0::SharePrice).trimmed().isEmpty() ? pc.G(G0::ParValue) : pc.G(G0::SharePrice);
    const double perShare = Str2Float_2(price);
    for (int i = 0; i < subscribers; ++i) {
        pc.Always(6 + 3 * i, pc.OtherPage(subscriptionPage, 6 + 3 * i));
        pc.Always(8 + 3 * i, pc.OtherPage(subscriptionPage, 7 + 3 * i));
        const double amount = Str2Int(pc.Get(8 + 3 * i)) * perShare;
        pc.Always(7 + 3 * i, amount > 0 ? QStringLiteral("$") + Float2Dollar(amount) : QString());
    }
}

} // namespace brevane
