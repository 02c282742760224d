// Election of the board of directors at the first shareholders' meeting.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

#include <QStringList>

namespace brevane {

void Calc18(PageCalc &pc)
{
    // Every director of the directory, in directory order. There is no upper
    // limit: a board larger than any page lists is still counted and named in
    // full, so the number in words and the names always agree.
    QStringList directors;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (HasRole(row, QLatin1Char('D')))
            directors << row[ColName];
    }

    constexpr int chairmanPage = 11;
    pc.Guarded(0, pc.OtherPage(chairmanPage, 3));  // the chairman pro tem
    pc.Guarded(24, pc.OtherPage(chairmanPage, 4)); // and the secretary pro tem
    // The number of directors in words, lower case with the trailing blank of
    // the words ("three "); no director gives the empty text.
    pc.Guarded(1, NumberToWords(double(directors.size())).toLower());
    pc.Guarded(2, QStringLiteral("one"));
    // The nominees as a sentence names them: "Ann Lee, Ben Ortiz and Carla Ng."
    QString nominees = JoinAsSentence(directors);
    if (!nominees.isEmpty())
        nominees += QLatin1Char('.');
    pc.Guarded(3, nominees);
    // Answer 2 as it now stands, the user's own text when overridden.
    pc.Guarded(7, pc.Get(2));
    pc.Guarded(12, pc.G(G0::FirstInspector));
    pc.Guarded(13, pc.G(G0::SecondInspector));

    // The meeting these minutes record: the corporation (23), and the place,
    // city, date and time the notice to shareholders gives it (14 to 19).
    pc.Always(23, pc.EarliestEntityName());
    pc.FirstShareholdersMeeting(14);
    // Who attended: every shareholder of the Directory Worksheet with its
    // shares, in person unless the user overrides the list (20) and names
    // those represented by proxy (21, the user's own); and the shares
    // subscribed (22), of which a majority makes the quorum.
    QStringList present;
    qint64 subscribed = 0;
    for (const DirectoryRow &row : pc.Directory().Rows()) {
        if (!HasRole(row, QLatin1Char('S')))
            continue;
        const std::optional<double> shares = ReadNumber(row[ColNoOfShares]);
        subscribed += qint64(shares.value_or(0));
        const QString name = row[ColName].trimmed();
        present << (shares && *shares > 0 ? QStringLiteral("%1 (%2 shares)").arg(name, FormatNumber(*shares, 0))
                                          : name);
    }
    pc.Guarded(20, present.isEmpty() ? QString() : JoinAsSentence(present) + QLatin1Char('.'));
    pc.Always(22, subscribed > 0 ? FormatNumber(double(subscribed), 0) : QString());
}

} // namespace brevane
