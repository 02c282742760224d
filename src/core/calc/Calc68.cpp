// Members' resolution (one page per continuation in use).
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

#include <QDate>

namespace brevane {

void Calc68(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::EntityName));
    pc.Guarded(2, pc.G(G0::City));
    // Taken at every run, in its long form: a resolution whose date the user
    // has not overridden shows the date of the latest run.
    pc.Guarded(3, ConvertDate(ShortDateText(QDate::currentDate())));
    // The first member, as the operating agreement's third page holds it.
    pc.Guarded(5, pc.OtherPage(59, 0));
    pc.Guarded(6, QStringLiteral("Manager"));
}

} // namespace brevane
