// Generic minutes (one page per continuation in use).
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

#include <QDate>

namespace brevane {

void Calc23(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::EntityName));
    pc.Guarded(2, pc.G(G0::City));
    // Taken at every run: minutes whose date the user has not overridden show
    // the date of the latest run.
    pc.Guarded(3, ShortDateText(QDate::currentDate()));
    pc.Guarded(5, pc.G(G0::Secretary));
    pc.Guarded(6, QStringLiteral("Secretary"));
}

} // namespace brevane
