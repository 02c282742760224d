// Statutory agent update (form 521), second page: the parts of the record
// that change, as marked on the first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

namespace {

// A part of the record counts as marked when either check box of its pair on
// the first page is ticked.
bool Marked(const PageCalc &pc, int firstBox, int secondBox)
{
    const QLatin1String ticked("X");
    return pc.OtherPage(77, firstBox) == ticked || pc.OtherPage(77, secondBox) == ticked;
}

} // namespace

void Calc78(PageCalc &pc)
{
    const bool agentName = Marked(pc, 0, 2);
    const bool agentAddress = Marked(pc, 5, 7);
    const bool entityAddress = Marked(pc, 10, 12);

    pc.Always(0, agentName ? pc.G(G0::AgentName) : QString());
    pc.Always(1, agentName ? pc.G(G0::EntityName) : QString());

    pc.Always(3, agentAddress ? pc.G(G0::AgentStreet) : QString());
    pc.Always(4, agentAddress ? pc.G(G0::AgentCity) : QString());
    pc.Always(5, agentAddress ? pc.G(G0::AgentZip) : QString());
    // As the update's first page writes it; an unmarked section B is left
    // empty, its state too.
    pc.Always(6, agentAddress ? QStringLiteral("Ohio") : QString());

    pc.Always(7, entityAddress ? pc.G(G0::Street) : QString());
    pc.Always(8, entityAddress ? pc.G(G0::City) : QString());
    pc.Always(9, entityAddress ? pc.G(G0::State) : QString());
    pc.Always(10, entityAddress ? pc.G(G0::Zip) : QString());
}

} // namespace brevane
