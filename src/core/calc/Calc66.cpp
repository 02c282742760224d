// Certificate of dissolution of a limited liability company (form 562),
// second page: the authorized representatives' signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc66(PageCalc &pc)
{
    // Three signer slots at answers 0 to 8; a business representative signs
    // under its own name, as on the articles, so that the paper shows in what
    // capacity its signer signs.
    pc.RepresentativeBlock(0, 3, pc.G(G0::RepresentativeName));
}

} // namespace brevane
