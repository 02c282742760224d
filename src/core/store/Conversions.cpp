#include "store/Conversions.h"

#include "dialogs/ErrorCatalogue.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace brevane {

namespace {

// The line end a memo gets back when it is shown or written for the platform.
#ifdef Q_OS_WIN
const QString PlatformLineEnd = QStringLiteral("\r\n");
#else
const QString PlatformLineEnd = QStringLiteral("\n");
#endif

const QString Bar = QStringLiteral(" | ");

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads a cleaned entry as a real. The regional decimal separator is the
// only one accepted; the thousands separators are gone already.
bool parseReal(const QString &cleaned, double &value)
{
    QString text = cleaned;
    const QString point = QLocale().decimalPoint();
    if (point != QStringLiteral(".")) {
        if (text.contains(QLatin1Char('.')))
            return false;
        text.replace(point, QStringLiteral("."));
    }
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    value = c.toDouble(text, &ok);
    // "inf" and "nan" are words, not amounts.
    return ok && std::isfinite(value);
}

// Rounds to `decimals` places, halves away from zero, working on the shortest
// decimal text of the value so that 2.675 becomes 2.68 as the user expects,
// not 2.67 as its nearest binary value would.
double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const bool negative = value < 0;
    QString digits = QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest);
    qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point < 0)
        return value + 0.0;
    QString intPart = digits.left(point);
    QString fraction = digits.mid(point + 1);
    if (fraction.size() <= decimals)
        return value + 0.0;
    const bool up = fraction.at(decimals) >= QLatin1Char('5');
    QString kept = intPart + fraction.left(decimals);
    if (up) {
        qsizetype i = kept.size() - 1;
        for (; i >= 0; --i) {
            if (kept[i] == QLatin1Char('9')) {
                kept[i] = QLatin1Char('0');
            } else {
                kept[i] = QChar(kept[i].unicode() + 1);
                break;
            }
        }
        if (i < 0)
            kept.prepend(QLatin1Char('1'));
    }
    QString rounded = kept.left(kept.size() - decimals);
    if (decimals > 0)
        rounded += QLatin1Char('.') + kept.right(decimals);
    double result = QLocale::c().toDouble(rounded);
    if (negative)
        result = -result;
    return result + 0.0; // no "-0"
}

// Shared by the three real conversions: 0 for an empty entry, the routine's
// message and 0 for an entry that is not a number.
double entryToReal(const QString &entry, int decimals, int errorNumber)
{
    const QString text = entry.isEmpty() ? QStringLiteral("0.00") : entry;
    double value = 0;
    if (!parseReal(RemoveCommasAndSigns(text), value)) {
        ShowError(errorNumber);
        return 0;
    }
    return decimals < 0 ? value : roundHalfAway(value, decimals);
}

const std::array<QString, 10> DigitWords = {
    QString(),
    QStringLiteral("One "),
    QStringLiteral("Two "),
    QStringLiteral("Three "),
    QStringLiteral("Four "),
    QStringLiteral("Five "),
    QStringLiteral("Six "),
    QStringLiteral("Seven "),
    QStringLiteral("Eight "),
    QStringLiteral("Nine "),
};

const std::array<QString, 10> TensWords = {
    QString(),
    QStringLiteral("Ten "),
    QStringLiteral("Twenty "),
    QStringLiteral("Thirty "),
    QStringLiteral("Forty "),
    QStringLiteral("Fifty "),
    QStringLiteral("Sixty "),
    QStringLiteral("Seventy "),
    QStringLiteral("Eighty "),
    QStringLiteral("Ninety "),
};

// Appends the words of one group of three digits (0..999).
void appendGroup(QString &text, int group)
{
    const int hundreds = group / 100;
    const int tens = group / 10 % 10;
    const int units = group % 10;
    if (hundreds > 0)
        text += DigitWords[hundreds] + QStringLiteral("Hundred ");
    text += TensWords[tens];
    text += DigitWords[units];
}

const std::array<QString, 12> MonthNames = {
    QStringLiteral("January"),   QStringLiteral("February"), QStringLiteral("March"),    QStringLiteral("April"),
    QStringLiteral("May"),       QStringLiteral("June"),     QStringLiteral("July"),     QStringLiteral("August"),
    QStringLiteral("September"), QStringLiteral("October"),  QStringLiteral("November"), QStringLiteral("December"),
};

enum class DatePart { Day, Month, Year };

// The order of day, month and year in the regional short date format.
std::array<DatePart, 3> shortDateOrder()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    const qsizetype d = format.indexOf(QLatin1Char('d'));
    const qsizetype m = format.indexOf(QLatin1Char('M'));
    const qsizetype y = format.indexOf(QLatin1Char('y'));
    if (d < 0 || m < 0 || y < 0)
        return {DatePart::Month, DatePart::Day, DatePart::Year};
    std::array<std::pair<qsizetype, DatePart>, 3> parts = {std::pair{d, DatePart::Day}, std::pair{m, DatePart::Month},
                                                           std::pair{y, DatePart::Year}};
    std::sort(parts.begin(), parts.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    return {parts[0].second, parts[1].second, parts[2].second};
}

bool isDateSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.');
}

} // namespace

QString RemoveCommasAndSigns(const QString &entry)
{
    if (entry.isEmpty())
        return QString();
    const bool negative = entry.contains(QLatin1Char('(')) || entry.contains(QLatin1Char('-'));
    const QLocale locale;
    const QString group = locale.groupSeparator();
    // A comma goes unless it is the regional decimal separator; the regional
    // thousands separator always goes.
    const bool commaIsDecimal = locale.decimalPoint() == QStringLiteral(",");
    QString result;
    result.reserve(entry.size() + 1);
    for (QChar c : entry) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'$' || u == u'%' || u == u'(' || u == u')' || u == u'-')
            continue;
        if (u == u',' && !commaIsDecimal)
            continue;
        if (group.size() == 1 && c == group.at(0))
            continue;
        result += c;
    }
    if (negative)
        result.prepend(QLatin1Char('-'));
    return result;
}

double Str2Float_P(const QString &entry)
{
    return entryToReal(entry, -1, 21182);
}

double Str2Float_2(const QString &entry)
{
    return entryToReal(entry, 2, 21202);
}

double Str2Float_0(const QString &entry)
{
    return entryToReal(entry, 0, 21192);
}

int Str2Int(const QString &entry)
{
    if (entry.isEmpty())
        return 0;
    const QString cleaned = RemoveCommasAndSigns(entry);
    qsizetype i = 0;
    bool negative = false;
    if (i < cleaned.size() && (cleaned[i] == QLatin1Char('-') || cleaned[i] == QLatin1Char('+'))) {
        negative = cleaned[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype firstDigit = i;
    qint64 magnitude = 0;
    bool tooLarge = false;
    for (; i < cleaned.size() && isAsciiDigit(cleaned[i]); ++i) {
        magnitude = magnitude * 10 + (cleaned[i].unicode() - u'0');
        if (magnitude > qint64(std::numeric_limits<int>::max()) + 1) {
            tooLarge = true;
            magnitude = 0;
        }
    }
    const bool whole = i == cleaned.size() && i > firstDigit;
    if (whole && !tooLarge) {
        const qint64 value = negative ? -magnitude : magnitude;
        if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
            return int(value);
    }
    ShowError(21212, entry);
    // The leading digits, without their sign; a number beyond the integer
    // range gives 0.
    if (tooLarge || magnitude > std::numeric_limits<int>::max())
        return 0;
    return int(magnitude);
}

QString Float2Dollar(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return TrimLeftStr(TrimStr(locale.toString(roundHalfAway(value, 2), 'f', 2)));
}

QString NumberToWords(double value)
{
    if (std::isnan(value) || value > 999999999.0) {
        ShowError(21260);
        return QString();
    }
    if (value < 1)
        return QString();
    try {
        const int whole = int(value); // the fraction is dropped, never rounded
        const int millions = whole / 1000000;
        const int thousands = whole / 1000 % 1000;
        const int units = whole % 1000;
        QString text;
        appendGroup(text, millions);
        if (millions != 0) {
            text += QStringLiteral("Million ");
            text = ConvertTeens(text);
        }
        appendGroup(text, thousands);
        if (thousands != 0) {
            text += QStringLiteral("Thousand ");
            text = ConvertTeens(text);
        }
        appendGroup(text, units);
        return ConvertTeens(text);
    } catch (...) {
        ShowError(21270);
        return QString();
    }
}

QString AmountToWords(double amount)
{
    return NumberToWords(amount);
}

QString ConvertTeens(const QString &text)
{
    static const std::array<QString, 9> Patterns = {
        QStringLiteral("Ten One"),   QStringLiteral("Ten Two"),   QStringLiteral("Ten Three"),
        QStringLiteral("Ten Four"),  QStringLiteral("Ten Five"),  QStringLiteral("Ten Six"),
        QStringLiteral("Ten Seven"), QStringLiteral("Ten Eight"), QStringLiteral("Ten Nine"),
    };
    static const std::array<QString, 9> Teens = {
        QStringLiteral("Eleven"),    QStringLiteral("Twelve"),   QStringLiteral("Thirteen"),
        QStringLiteral("Fourteen"),  QStringLiteral("Fifteen"),  QStringLiteral("Sixteen"),
        QStringLiteral("Seventeen"), QStringLiteral("Eighteen"), QStringLiteral("Nineteen"),
    };
    try {
        for (size_t k = 0; k < Patterns.size(); ++k) {
            const qsizetype at = text.indexOf(Patterns[k]);
            if (at >= 0)
                return text.left(at) + Teens[k] + text.mid(at + Patterns[k].size());
        }
        return text;
    } catch (...) {
        ShowError(21010);
        return text;
    }
}

QDate ReadShortDate(const QString &text)
{
    const QString s = text.trimmed();
    // Three runs of digits with one kind of separator between them.
    std::array<QString, 3> fields;
    QChar separator;
    int field = 0;
    for (QChar c : s) {
        if (isAsciiDigit(c)) {
            fields[field] += c;
        } else if (isDateSeparator(c) && field < 2 && !fields[field].isEmpty() &&
                   (separator.isNull() || c == separator)) {
            separator = c;
            ++field;
        } else {
            return QDate();
        }
    }
    if (field != 2)
        return QDate();
    int day = 0, month = 0, year = 0;
    const std::array<DatePart, 3> order = shortDateOrder();
    for (int k = 0; k < 3; ++k) {
        const QString &digits = fields[k];
        const int number = digits.toInt();
        switch (order[k]) {
        case DatePart::Day:
            if (digits.size() > 2)
                return QDate();
            day = number;
            break;
        case DatePart::Month:
            if (digits.size() > 2)
                return QDate();
            month = number;
            break;
        case DatePart::Year:
            if (digits.size() == 4) {
                year = number;
            } else if (digits.size() == 2) {
                // The hundred years that start fifty years before this one.
                const int first = QDate::currentDate().year() - 50;
                year = first / 100 * 100 + number;
                if (year < first)
                    year += 100;
            } else {
                return QDate();
            }
            break;
        }
    }
    const QDate date(year, month, day);
    return date.isValid() ? date : QDate();
}

QString ConvertDate(const QString &text)
{
    const QDate date = ReadShortDate(text);
    if (!date.isValid())
        return text;
    return MonthNames[date.month() - 1] + QLatin1Char(' ') + QString::number(date.day()) + QStringLiteral(", ") +
           QString::number(date.year());
}

bool CheckDateText(const QString &text)
{
    static const std::array<QString, 12> Abbreviations = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec"),
    };
    if (text.isEmpty() || ReadShortDate(text).isValid())
        return true;
    for (const QString &abbreviation : Abbreviations) {
        if (text.contains(abbreviation))
            return true;
    }
    ShowError(21180);
    return false;
}

QString TrimStr(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString TrimLeftStr(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && (text[start].unicode() <= u' ' || text[start].category() == QChar::Other_Control))
        ++start;
    return text.mid(start);
}

QString LineBreaksToBars(const QString &memo)
{
    // A memo pasted from another platform may end its lines with a lone LF
    // or CR; every kind of line end becomes one bar.
    QString line = memo;
    line.replace(QStringLiteral("\r\n"), Bar);
    line.replace(QLatin1Char('\r'), Bar);
    line.replace(QLatin1Char('\n'), Bar);
    return line;
}

QString BarsToLineBreaks(const QString &line)
{
    return QString(line).replace(Bar, PlatformLineEnd);
}

QString BarsToRtfParagraphs(const QString &line)
{
    return QString(line).replace(Bar, QStringLiteral("\\par "));
}

QString AddPathDelimiter(const QString &folder)
{
    const QChar separator = QDir::separator();
    if (folder.isEmpty() || folder.back() != separator)
        return folder + separator;
    return folder;
}

QString RemoveTrailingDelimiter(const QString &folder)
{
    if (folder.endsWith(QLatin1Char('\\')))
        return folder.chopped(1);
#ifndef Q_OS_WIN
    if (folder.endsWith(QLatin1Char('/')))
        return folder.chopped(1);
#endif
    return folder;
}

QString RemoveExtension(const QString &fileName)
{
    // Only a dot in the last part of a path starts an extension: a folder
    // such as "j.smith" must not cut the path short.
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator =
        std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    if (dot < 0 || dot < separator)
        return fileName;
    return fileName.left(dot);
}

} // namespace brevane
