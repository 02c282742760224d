// Order and waiver of notice of the incorporators' first meeting.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc7(PageCalc &pc)
{
    const QString comma = QStringLiteral(", ");

    pc.Always(0, pc.G(0));
    pc.Guarded(1, pc.G(20));
    pc.Always(2, pc.DateOf(12));
    pc.Always(3, pc.G(0));
    pc.Guarded(4, pc.G(2) + comma + pc.G(3));
    pc.Always(5, pc.G(0));
    pc.Always(6, pc.G(19));
    pc.Always(7, pc.G(20));
    pc.Always(8, pc.G(22));
    pc.Always(9, pc.DateOf(23));
    pc.Always(10, pc.G(24));
    pc.AmPm(11, 25, 26);

    // The two amounts per share, in words and figures, and each times the
    // number of shares. Each entry is read once, so an unreadable one is
    // reported once a run.
    const int shares = Str2Int(pc.G(15));
    const double first = Str2Float_2(pc.G(27));
    const double second = Str2Float_2(pc.G(28));
    pc.Guarded(12, AmountToWords(first));
    pc.Guarded(13, pc.G(27));
    pc.Guarded(14, Float2Dollar(shares * first));
    pc.Guarded(15, AmountToWords(second));
    pc.Guarded(16, pc.G(28));
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

    pc.Always(21, pc.G(19) + comma + pc.G(20) + comma + pc.G(21));
    pc.Always(22, pc.DateOf(23));
    pc.Always(23, pc.G(24));
    pc.AmPm(24, 25, 26);
}

} // namespace brevane
