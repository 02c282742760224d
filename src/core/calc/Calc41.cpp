// Articles of incorporation of a professional association (form 532C): the incorporators'
// signatures.
#include "calc/PageProcedures.h"

namespace brevane {

void Calc41(PageCalc &pc)
{
    // Three signer slots at answers 0 to 8, cleared and then filled from the
    // first three incorporators; the user's overridden texts stay.
    constexpr int signerSlots = 3;
    for (int k = 0; k < 3 * signerSlots; ++k)
        pc.Guarded(k, QString());

    int incorporator = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (incorporator >= signerSlots)
            break;
        if (HasRole(row, QLatin1Char('C')))
            pc.SignerRule(0, incorporator++, row);
    }
}

} // namespace brevane
