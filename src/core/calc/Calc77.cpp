// Statutory agent update (form 521), first page: the entity and, when the
// agent's name changes, the new agent.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc77(PageCalc &pc)
{
    // The user's marks on this page: each part of the agent's record that
    // changes has a pair of check boxes, and either box of the pair marks it.
    // Answers 0 and 2 mark the agent's name.
    const QLatin1String ticked("X");
    const bool agentName = pc.Get(0) == ticked || pc.Get(2) == ticked;

    pc.Always(15, pc.G(G0::EntityName));
    pc.Always(16, pc.G(G0::CharterNo));
    pc.Always(18, agentName ? pc.G(G0::AgentName) : QString());
    pc.Always(19, agentName ? pc.G(G0::AgentStreet) : QString());
    pc.Always(20, agentName ? pc.G(G0::AgentCity) : QString());
    // An unmarked section A is left empty, its state too.
    pc.Always(21, agentName ? QStringLiteral("Ohio") : QString());
    pc.Always(22, agentName ? pc.G(G0::AgentZip) : QString());
}

} // namespace brevane
