// Order and waiver of notice of the incorporators' first meeting.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc7(PageCalc &pc)
{
    const QString comma = QStringLiteral(", ");

    pc.Always(0, pc.G(G0::EntityName));
    pc.Guarded(1, pc.G(G0::OrderedMeetingCity));
    pc.Always(2, pc.DateOf(G0::FilingDate));
    pc.Always(3, pc.G(G0::EntityName));
    // "Columbus, Ohio", as the other papers name the state.
    const QString state = pc.G(G0::State).trimmed();
    pc.Guarded(4, pc.G(G0::City) + comma +
                      (state.compare(QLatin1String("OH"), Qt::CaseInsensitive) == 0 ? QStringLiteral("Ohio") : state));
    pc.Always(5, pc.G(G0::EntityName));
    pc.MeetingPlaceAndTime(Write::Always, 6, OrderedMeeting);

    // The two amounts per share, in words and figures, and each times the
    // number of shares. Each entry is read once, so an unreadable one is
    // reported once a run.
    const int shares = Str2Int(pc.G(G0::AuthorizedShares));
    const double first = Str2Float_2(pc.G(G0::SharePrice));
    const double second = Str2Float_2(pc.G(G0::StatedCapitalPerShare));
    pc.Guarded(12, AmountToWords(first));
    pc.Guarded(13, pc.G(G0::SharePrice));
    pc.Guarded(14, Float2Dollar(shares * first));
    pc.Guarded(15, AmountToWords(second));
    pc.Guarded(16, pc.G(G0::StatedCapitalPerShare));
    pc.Guarded(17, Float2Dollar(shares * second));

    // The first three incorporators; later ones are not named on this page.
    constexpr int firstIncorporator = 18;
    constexpr int incorporators = 3;
    for (int k = 0; k < incorporators; ++k)
        pc.Always(firstIncorporator + k, QString());
    int k = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (k >= incorporators)
            break;
        if (HasRole(row, QLatin1Char('C')))
            pc.Always(firstIncorporator + k++, SigningName(row));
    }

    pc.Always(21, pc.G(G0::OrderedMeetingStreet) + comma + pc.G(G0::OrderedMeetingCity) + comma +
                      pc.G(G0::OrderedMeetingState));
    pc.Always(22, pc.DateOf(G0::OrderedMeetingDate));
    pc.Always(23, pc.G(G0::OrderedMeetingTime));
    pc.AmPm(24, G0::OrderedMeetingAm, G0::OrderedMeetingPm);
}

} // namespace brevane
