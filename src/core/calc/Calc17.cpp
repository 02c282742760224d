// Assent of the shareholders to the adoption of the code of regulations.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc17(PageCalc &pc)
{
    pc.Guarded(0, pc.G(G0::City));
    pc.Always(2, pc.G(G0::EntityName));

    // The first nineteen subscribers of the share subscription (page 8, rows
    // of name, shares and class from answer 6), each with its shares.
    constexpr int subscriptionPage = 8;
    constexpr int subscribers = 19;
    for (int i = 0; i < subscribers; ++i) {
        pc.Guarded(3 + 2 * i, pc.OtherPage(subscriptionPage, 6 + 3 * i));
        pc.Guarded(4 + 2 * i, pc.OtherPage(subscriptionPage, 7 + 3 * i));
    }
}

} // namespace brevane
