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
    pc.Guarded(0, pc.OtherPage(chairmanPage, 3)); // the chairman pro tem
    // The number of directors in words, lower case with the trailing blank of
    // the words ("three "); no director gives the empty text.
    pc.Guarded(1, NumberToWords(double(directors.size())).toLower());
    pc.Guarded(2, QStringLiteral("one"));
    // The nominees as a sentence names them: "Ann Lee, Ben Ortiz and Carla Ng."
    QString nominees = directors.join(QStringLiteral(", "));
    if (directors.size() > 1) {
        const qsizetype lastComma = nominees.size() - directors.last().size() - 2;
        nominees.replace(lastComma, 2, QStringLiteral(" and "));
    }
    if (!nominees.isEmpty())
        nominees += QLatin1Char('.');
    pc.Guarded(3, nominees);
    // Answer 2 as it now stands, the user's own text when overridden.
    pc.Guarded(7, pc.Get(2));
    pc.Guarded(12, pc.G(G0::FirstInspector));
    pc.Guarded(13, pc.G(G0::SecondInspector));
}

} // namespace brevane
