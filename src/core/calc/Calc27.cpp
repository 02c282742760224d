// Certificate of amendment (form 540), incorporators' signatures.
#include "calc/PageProcedures.h"

namespace brevane {

// Three signer slots at answers 0 to 8 for the first three incorporators, in
// directory order; the certificate of dissolution (page 31) signs the same way.
void Calc27(PageCalc &pc)
{
    for (int k = 0; k <= 8; ++k)
        pc.Guarded(k, QString());
    int incorporator = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (incorporator > 2)
            break;
        if (!HasRole(row, QLatin1Char('C')))
            continue;
        pc.SignerRule(0, incorporator, row);
        ++incorporator;
    }
}

} // namespace brevane
