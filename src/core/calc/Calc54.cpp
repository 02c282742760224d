// Certificate of amendment of a limited liability company (form 543A), first
// page. Answers 0 and 2 are the user's check boxes choosing what the
// certificate amends; the items they govern are filled only while ticked.
// The dates the restatement (1) and the amendment (3) take effect are the
// user's own: they belong to this filing, never to the original articles.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc54(PageCalc &pc)
{
    const bool firstBox = pc.Get(0) == QLatin1String("X");
    // The certificate is filed under the name of record: where it changes
    // the name, the name before it (answer 11, the user's).
    pc.Always(4, pc.EarliestEntityName());
    pc.Always(5, pc.G(G0::CharterNo));
    if (firstBox) {
        pc.Guarded(6, pc.G(G0::EntityName));
        pc.Guarded(7, PurposeClause(pc.G(G0::LlcPurpose), true));
        pc.Guarded(9, pc.G(G0::LlcProvisions));
    }
}

} // namespace brevane
