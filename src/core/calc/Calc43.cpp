// Reinstatement of a professional association (form 525B).
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc43(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::EntityName));
    pc.Always(1, pc.G(G0::CharterNo));
    // Two signer slots at answers 2 to 7, filled from the directory's
    // representatives only: this form takes no representative from the
    // worksheet.
    pc.RepresentativeBlock(2, 2, QString(), false);
}

} // namespace brevane
