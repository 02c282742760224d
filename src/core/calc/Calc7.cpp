// Order and waiver of notice of the incorporators' first meeting.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

namespace {

// "Ohio" where the worksheet writes the postal code, as the other papers
// name the state.
QString stateName(const QString &state)
{
    const QString s = state.trimmed();
    return s.compare(QLatin1String("OH"), Qt::CaseInsensitive) == 0 ? QStringLiteral("Ohio") : s;
}

// The parts of a place the client has given, a comma between them.
QString place(const QStringList &parts)
{
    QStringList given;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty())
            given << part.trimmed();
    return given.join(QStringLiteral(", "));
}

} // namespace

void Calc7(PageCalc &pc)
{
    pc.Always(0, pc.EarliestEntityName());
    // The waiver's place: the street, then the city and state, each once.
    pc.Guarded(1, place({pc.G(G0::OrderedMeetingCity), stateName(pc.G(G0::OrderedMeetingState))}));
    pc.Always(2, pc.DateOf(G0::FilingDate));
    pc.Always(3, pc.EarliestEntityName());
    pc.Guarded(4, place({pc.G(G0::City), stateName(pc.G(G0::State))}));
    // Signed on the day of the incorporators' written actions.
    pc.Always(25, pc.DateOf(G0::WrittenActionsDate));
    pc.Always(5, pc.EarliestEntityName());
    pc.MeetingPlaceAndTime(Write::Always, 6, OrderedMeeting);

    // The two amounts per share, in words and figures, and each times the
    // number of shares subscribed (the shareholders of the Directory
    // Worksheet): the shares authorized but not subscribed bring in nothing.
    // Each page-0 entry is read once, so an unreadable one is reported once
    // a run; a share count the check questions counts as none here.
    qint64 shares = 0;
    for (const DirectoryRow &row : pc.Directory().Rows())
        if (HasRole(row, QLatin1Char('S')))
            shares += qint64(ReadNumber(row[ColNoOfShares]).value_or(0));
    pc.Always(26, shares > 0 ? FormatNumber(double(shares), 0) : QString());
    const double first = Str2Float_2(pc.G(G0::SharePrice));
    const double second = Str2Float_2(pc.G(G0::StatedCapitalPerShare));
    pc.Guarded(12, AmountToWords(first));
    pc.Guarded(13, pc.G(G0::SharePrice));
    // A total of entries the client has not made yet is left to fill in,
    // not printed as $0.00.
    const bool sharesGiven = shares > 0;
    const auto total = [&](int price, double amount) {
        return sharesGiven && !pc.G(price).trimmed().isEmpty() ? Float2Dollar(double(shares) * amount) : QString();
    };
    pc.Guarded(14, total(G0::SharePrice, first));
    pc.Guarded(15, AmountToWords(second));
    pc.Guarded(16, pc.G(G0::StatedCapitalPerShare));
    pc.Guarded(17, total(G0::StatedCapitalPerShare, second));

    // Every incorporator signs, one a row.
    pc.IncorporatorRows(18);

    pc.Always(21, pc.G(G0::OrderedMeetingStreet).trimmed());
    pc.Always(22, pc.DateOf(G0::OrderedMeetingDate));
    pc.TimeOfDay(Write::Always, 23, G0::OrderedMeetingTime, G0::OrderedMeetingAm, G0::OrderedMeetingPm);
}

} // namespace brevane
