// Articles of organization (form 533A), third page: the authorized
// representatives' signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc52(PageCalc &pc)
{
    // Three signer slots at answers 0 to 8; a business representative signs
    // under its own name.
    pc.RepresentativeBlock(0, 3, pc.G(G0::RepresentativeName));
}

} // namespace brevane
