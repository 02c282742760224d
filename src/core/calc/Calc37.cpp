// Reinstatement (form 525A), second page: the statutory agent and the
// representatives' signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc37(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::AgentName));
    pc.Always(1, pc.G(G0::EntityName));
    // Three signer slots at answers 2 to 10; a business representative signs
    // under its own name.
    pc.RepresentativeBlock(2, 3, pc.G(G0::RepresentativeName));
    pc.RepresentativeTitles(11, 3, 3);
}

} // namespace brevane
