// Statutory agent update (form 521), third page: the authorized
// representatives' signatures.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc79(PageCalc &pc)
{
    // Two signer slots at answers 0 to 5; a business representative signs for
    // the entity itself.
    pc.RepresentativeBlock(0, 2, pc.G(G0::EntityName));
    pc.RepresentativeTitles(7, 2, 3);
}

} // namespace brevane
