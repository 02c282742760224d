// Certificate of amendment (form 540), first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc26(PageCalc &pc)
{
    pc.Always(2, pc.G(G0::EntityName));
    pc.Always(3, pc.G(G0::CharterNo));
    // A professional association amends its articles under the chapter of
    // professional associations, which leaves the rest to the general
    // corporation law.
    const bool association = !pc.G(G0::Profession).trimmed().isEmpty();
    pc.Always(12,
              association ? QStringLiteral("a professional association") : QStringLiteral("a corporation for profit"));
    pc.Always(13, association ? QStringLiteral("Chapters 1785 and 1701") : QStringLiteral("Chapter 1701"));
}

} // namespace brevane
