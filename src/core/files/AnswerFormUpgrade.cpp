#include "core/files/AnswerFormUpgrade.h"

#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"
#include "core/store/Conversions.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace brevane {

namespace {

enum class Mark { Unknown, Point, Comma }; // the decimal separator of the writer's region
enum class Order { Unknown, MonthFirst, DayFirst };

struct NumberReadings
{
    std::optional<double> point; // as "1,234.50"
    std::optional<double> comma; // as "1.234,50" or "1 234,50"
};

NumberReadings readNumber(const QString &text)
{
    NumberReadings r;
    r.point = ReadStrictNumber(text, QLatin1Char('.'), QStringLiteral(", "));
    r.comma = ReadStrictNumber(text, QLatin1Char(','), QStringLiteral(". "));
    if (!r.comma)
        r.comma = ReadStrictNumber(text, QLatin1Char(','), QStringLiteral(" "));
    return r;
}

struct DateReadings
{
    QDate monthFirst;
    QDate dayFirst;
};

// Three runs of digits with one separator; a two-digit year as the answer
// form reads it.
DateReadings readDate(const QString &text)
{
    DateReadings r;
    const QString t = text.trimmed();
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{1,2}-\\d{1,2}$"));
    if (iso.match(t).hasMatch()) {
        r.monthFirst = r.dayFirst = ReadShortDate(t);
        return r;
    }
    static const std::array<QChar, 3> separators = {QLatin1Char('/'), QLatin1Char('.'), QLatin1Char('-')};
    for (const QChar separator : separators) {
        const QStringList parts = t.split(separator);
        if (parts.size() != 3 && !(parts.size() == 4 && separator == QLatin1Char('.') && parts[3].isEmpty()))
            continue;
        bool ok[3] = {};
        const int a = parts[0].toInt(&ok[0]);
        const int b = parts[1].toInt(&ok[1]);
        parts[2].toInt(&ok[2]);
        if (!ok[0] || !ok[1] || !ok[2] || parts[0].size() > 2 || parts[1].size() > 2)
            return r;
        // The year as the answer form reads it, with the first two fields
        // in the answer form's order.
        const QDate asRead = ReadShortDate(QStringLiteral("%1/%2/%3").arg(a).arg(b).arg(parts[2]));
        const QDate year = asRead.isValid() ? asRead : ReadShortDate(QStringLiteral("1/1/%1").arg(parts[2]));
        if (!year.isValid())
            return r;
        if (separator != QLatin1Char('.'))
            r.monthFirst = QDate(year.year(), a, b);
        r.dayFirst = QDate(year.year(), b, a);
        return r;
    }
    return r;
}

struct Place
{
    QString *text;
    FieldKind kind;
    QString where;
};

// The region this computer reads in: its decimal separator and date order.
Mark regionMark()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? Mark::Comma : Mark::Point;
}

Order regionOrder()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    return format.indexOf(QLatin1Char('d')) < format.indexOf(QLatin1Char('M')) ? Order::DayFirst : Order::MonthFirst;
}

// A number written as a field of its kind writes it in the answer form.
QString answerFormText(FieldKind kind, double value)
{
    if (kind == FieldKind::Money)
        return Float2Dollar(value);
    if (kind != FieldKind::Percent && value == std::trunc(value) && std::fabs(value) < 1e15)
        return FormatNumber(value, 0);
    return QLocale::c().toString(value + 0.0, 'g', QLocale::FloatingPointShortest);
}

QString longDate(const QDate &date)
{
    return ConvertDate(ShortDateText(date));
}

} // namespace

QStringList UpgradeToAnswerForm(TAnswer &store, DirectoryTable &directory)
{
    std::vector<Place> places;
    for (int p = 0; p < PageCount; ++p) {
        const PageFacts &facts = FactsOfPage(p);
        for (int c = 0; c <= qMin(store.PgCt[p], PageContinuationMax[p]); ++c) {
            for (const FieldFact &field : facts.fields) {
                if (field.kind != FieldKind::Money && field.kind != FieldKind::Percent &&
                    field.kind != FieldKind::Whole && field.kind != FieldKind::Short && field.kind != FieldKind::Date)
                    continue;
                if (field.answer < 0 || field.answer > PageAnswerMax[p])
                    continue;
                QString &text = store.Entry(p, c, field.answer).text;
                if (!text.trimmed().isEmpty())
                    places.push_back({&text, field.kind, AnswerPlace(p, c, field.answer)});
            }
        }
    }
    static const std::array<std::pair<int, const char *>, 3> columns = {std::pair{int(ColContribution), "Contribution"},
                                                                        std::pair{int(ColInterest), "Interest"},
                                                                        std::pair{int(ColNoOfShares), "No. of Shares"}};
    for (int row = 0; row < directory.RowCount(); ++row) {
        for (const auto &[column, name] : columns) {
            QString &text = directory.Rows()[row][column];
            if (!text.trimmed().isEmpty())
                places.push_back(
                    {&text, column == ColContribution ? FieldKind::Money : FieldKind::Short,
                     QStringLiteral("Directory Worksheet, row %1, %2").arg(row + 1).arg(QLatin1String(name))});
        }
    }

    // What the file shows of its writer's region.
    bool pointSeen = false, commaSeen = false, monthFirstSeen = false, dayFirstSeen = false;
    for (const Place &place : places) {
        if (place.kind == FieldKind::Date) {
            const DateReadings r = readDate(*place.text);
            monthFirstSeen |= r.monthFirst.isValid() && !r.dayFirst.isValid();
            dayFirstSeen |= r.dayFirst.isValid() && !r.monthFirst.isValid();
        } else {
            const NumberReadings r = readNumber(*place.text);
            pointSeen |= r.point && !r.comma;
            commaSeen |= r.comma && !r.point;
        }
    }
    const Mark mark = pointSeen == commaSeen ? Mark::Unknown : pointSeen ? Mark::Point : Mark::Comma;
    Order order = monthFirstSeen == dayFirstSeen ? Order::Unknown
                  : monthFirstSeen               ? Order::MonthFirst
                                                 : Order::DayFirst;
    // Regions that write a decimal comma write the day first; the United
    // States, whose forms these are, writes a decimal point and the month
    // first.
    if (order == Order::Unknown && !monthFirstSeen && !dayFirstSeen && mark != Mark::Unknown)
        order = mark == Mark::Comma ? Order::DayFirst : Order::MonthFirst;

    QStringList ambiguous;
    for (const Place &place : places) {
        QString &text = *place.text;
        if (place.kind == FieldKind::Date) {
            const DateReadings r = readDate(text);
            QDate date;
            if (r.monthFirst.isValid() && r.dayFirst.isValid() && r.monthFirst != r.dayFirst) {
                const Order chosen = order != Order::Unknown ? order : regionOrder();
                date = chosen == Order::MonthFirst ? r.monthFirst : r.dayFirst;
                if (order == Order::Unknown)
                    ambiguous << QStringLiteral("%1: \"%2\" read as %3").arg(place.where, text, longDate(date));
            } else {
                date = r.monthFirst.isValid() ? r.monthFirst : r.dayFirst;
            }
            if (date.isValid())
                text = ShortDateText(date);
            continue;
        }
        const NumberReadings r = readNumber(text);
        std::optional<double> value;
        if (r.point && r.comma && *r.point != *r.comma) {
            const Mark chosen = mark != Mark::Unknown ? mark : regionMark();
            value = chosen == Mark::Point ? r.point : r.comma;
            if (mark == Mark::Unknown)
                ambiguous << QStringLiteral("%1: \"%2\" read as %3")
                                 .arg(place.where, text, QLocale::c().toString(*value, 'g', 15));
        } else {
            value = r.point ? r.point : r.comma;
        }
        if (!value)
            continue;
        text = answerFormText(place.kind, *value);
    }
    return ambiguous;
}

} // namespace brevane
