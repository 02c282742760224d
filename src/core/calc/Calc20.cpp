// Minutes of the first directors' meeting, first page.
#include "core/calc/PageProcedures.h"

namespace brevane {

void Calc20(PageCalc &pc)
{
    pc.Always(0, pc.EarliestEntityName());
    pc.Always(1, pc.DateOf(G0::DirectorsMeetingDate));
    // The building or room where the worksheet gives one, then the street.
    pc.Always(2, pc.MeetingPlace(DirectorsMeeting));
    pc.Always(21, pc.G(G0::DirectorsMeetingCity));
    // The time of day with its A.M. or P.M.; nothing where no time is given.
    // A half of the day typed with the time counts where no box is ticked.
    const TypedTime typed = SplitTypedTime(pc.G(G0::DirectorsMeetingTime));
    const QString mark = pc.Ticked(G0::DirectorsMeetingAm)   ? QStringLiteral("A")
                         : pc.Ticked(G0::DirectorsMeetingPm) ? QStringLiteral("P")
                                                             : typed.half;
    const QString half = mark.isEmpty() ? QString() : QLatin1Char(' ') + mark + QStringLiteral(".M.");
    pc.Always(22, typed.time.isEmpty() ? QString() : typed.time + half);

    // Every director, each with name and address (street, city, state; no
    // ZIP code): answers 3 and 4 in the first row.
    constexpr int name = 3, address = 4;
    pc.ClearColumn(name);
    pc.ClearColumn(address);
    int k = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('D')))
            continue;
        pc.Row(k, name, row[ColName]);
        pc.Row(k, address,
               row[ColAddress] + QStringLiteral(", ") + row[ColCity] + QStringLiteral(", ") + row[ColState]);
        ++k;
    }

    pc.Always(15, pc.G(G0::DirectorsChairman));
    pc.Always(16, pc.G(G0::DirectorsSecretary));
    pc.Always(17, pc.G(G0::Bank));
    pc.Always(18, pc.G(G0::FiscalYearEnd));
    pc.Always(19, pc.Get(17));
    pc.Always(20, pc.Get(18));
}

} // namespace brevane
