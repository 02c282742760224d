#include "core/store/Conversions.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
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

enum class DatePart { Day, Month, Year };

// The order of day, month and year in a short date format.
std::array<DatePart, 3> shortDateOrder(const QString &format)
{
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

// A character of a formatted number as the client file can keep it: the
// narrow and thin spaces some regions group digits with become the code
// page's no-break space, and the minus sign becomes "-".
QChar fileSafe(QChar c)
{
    switch (c.unicode()) {
    case 0x2007: // figure space
    case 0x2009: // thin space
    case 0x202F: // narrow no-break space
        return QChar(0x00A0);
    case 0x2212: // minus sign
        return QLatin1Char('-');
    default:
        return c;
    }
}

QString fileSafeText(QString text)
{
    for (QChar &c : text)
        c = fileSafe(c);
    return text;
}

bool isBlankOrGroupSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == 0x00A0 || u == 0x2007 || u == 0x2009 || u == 0x202F;
}

// A separator some region puts between groups of digits.
bool isGroupSpace(char16_t u)
{
    return u == 0x00A0 || u == 0x2007 || u == 0x2009 || u == 0x202F;
}

// The separators and the date order of one way of writing numbers and
// dates: the answer form (the United States form the papers print) or the
// region's. Asking QLocale for them is slow next to the conversions
// themselves (a print job converts thousands of answers), so the region's are
// read again only when the default locale has changed since the last call.
struct RegionalFormat
{
    QLocale locale;
    QLocale numbers; // with thousands separators even where the region omits them
    QString decimalPoint;
    QChar group;         // null when the separator is not one character
    bool commaIsDecimal; // a comma is the decimal separator, not a thousands one
    std::array<DatePart, 3> dateOrder;
    bool plainDigits = false; // groupedNumber() writes numbers as `numbers` does
};

// The value with `decimals` decimals, the point and a separator after every
// three whole digits: the usual way of writing numbers, done without QLocale.
QString groupedNumber(double value, int decimals, QChar point, QChar group)
{
    char digits[400];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, std::max(decimals, 0));
    if (written.ec != std::errc())
        return QString();
    const std::string_view text(digits, written.ptr - digits);
    const size_t sign = text.starts_with('-') ? 1 : 0;
    const size_t dot = std::min(text.find('.'), text.size());
    QString result;
    result.reserve(qsizetype(text.size() + text.size() / 3 + 1));
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == dot) {
            result += point;
            continue;
        }
        result += QLatin1Char(text[i]);
        if (i >= sign && i + 1 < dot && (dot - i - 1) % 3 == 0)
            result += group;
    }
    return result;
}

RegionalFormat formatOf(const QLocale &locale)
{
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString group = locale.groupSeparator();
    RegionalFormat format{locale,
                          numbers,
                          locale.decimalPoint(),
                          group.size() == 1 ? fileSafe(group.at(0)) : QChar(),
                          locale.decimalPoint() == QStringLiteral(","),
                          shortDateOrder(locale.dateFormat(QLocale::ShortFormat))};
    // Regions that write digits, signs or groups their own way keep
    // QLocale's formatting; the others take the quicker one.
    format.plainDigits = format.decimalPoint.size() == 1 && !format.group.isNull() && [&] {
        for (const double probe : {-1234567.891, 987654321.0, 12.0, 0.0, 100.0, 1000.0})
            for (const int decimals : {0, 2, 3})
                if (groupedNumber(probe, decimals, format.decimalPoint.at(0), format.group) !=
                    fileSafeText(numbers.toString(probe, 'f', decimals)))
                    return false;
        return true;
    }();
    return format;
}

// The form answers keep numbers and dates in, whatever the region: "1,234.50"
// and "3/1/2018".
const RegionalFormat &answerForm()
{
    static const RegionalFormat format = [] {
        RegionalFormat f = formatOf(QLocale(QLocale::English, QLocale::UnitedStates));
        f.dateOrder = {DatePart::Month, DatePart::Day, DatePart::Year};
        return f;
    }();
    return format;
}

// The region's own form: how the user types and reads numbers and dates.
const RegionalFormat &regional()
{
    thread_local std::optional<RegionalFormat> cached;
    const QLocale now;
    if (!cached || !(cached->locale == now))
        cached = formatOf(now);
    return *cached;
}

// "-", digits, and "." with digits after it, the first and the last optional;
// at most 63 characters.
bool isPlainDecimal(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (n >= 64)
        return false;
    if (i < n && text[i] == QLatin1Char('-'))
        ++i;
    const qsizetype firstDigit = i;
    while (i < n && isAsciiDigit(text[i]))
        ++i;
    if (i == firstDigit)
        return false;
    if (i < n && text[i] == QLatin1Char('.')) {
        const qsizetype firstDecimal = ++i;
        while (i < n && isAsciiDigit(text[i]))
            ++i;
        if (i == firstDecimal)
            return false;
    }
    return i == n;
}

// Reads a cleaned entry as a real. The form's decimal separator is the only
// one accepted; the thousands separators are gone already.
bool parseReal(const QString &cleaned, double &value, const RegionalFormat &format)
{
    static const QLocale c = [] {
        QLocale locale = QLocale::c();
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        return locale;
    }();
    const QString &point = format.decimalPoint;
    if (point == QStringLiteral(".") && isPlainDecimal(cleaned)) {
        // The common entry: digits with at most one point and a sign. Both
        // readers give the nearest double; this one skips QLocale's copying.
        char latin[64];
        for (qsizetype i = 0; i < cleaned.size(); ++i)
            latin[i] = char(cleaned[i].unicode());
        return std::from_chars(latin, latin + cleaned.size(), value).ec == std::errc() && std::isfinite(value);
    }
    QString text = cleaned;
    if (point != QStringLiteral(".")) {
        if (text.contains(QLatin1Char('.')))
            return false;
        text.replace(point, QStringLiteral("."));
    }
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
    // Fixed notation of the largest and the smallest doubles fits.
    char digits[800];
    const auto written = std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed);
    if (written.ec != std::errc())
        return value + 0.0;
    const std::string_view text(digits, written.ptr - digits);
    const size_t point = text.find('.');
    if (point == std::string_view::npos || text.size() - point - 1 <= size_t(decimals))
        return value + 0.0;
    // The integer digits and the kept decimals, with room for a carry.
    std::string kept = "0";
    kept.append(text.substr(0, point));
    kept.append(text.substr(point + 1, decimals));
    if (text[point + 1 + decimals] >= '5') {
        for (size_t i = kept.size(); i-- > 0;) {
            if (kept[i] != '9') {
                ++kept[i];
                break;
            }
            kept[i] = '0';
        }
    }
    if (decimals > 0)
        kept.insert(kept.size() - decimals, 1, '.');
    double result = 0;
    std::from_chars(kept.data(), kept.data() + kept.size(), result);
    if (negative)
        result = -result;
    return result + 0.0; // no "-0"
}

// Deletes blanks, "$", "%", "(", ")", the thousands separators and "-"; an
// entry holding "(" or "-" gets one "-" in front of what is left.
QString removeCommasAndSigns(const QString &entry, const RegionalFormat &format)
{
    if (entry.isEmpty())
        return QString();
    const bool negative =
        entry.contains(QLatin1Char('(')) || entry.contains(QLatin1Char('-')) || entry.contains(QChar(0x2212));
    // A comma goes unless it is the form's decimal separator; the form's
    // thousands separator always goes.
    const bool commaIsDecimal = format.commaIsDecimal;
    const auto removed = [&](QChar c) {
        const char16_t u = c.unicode();
        return u == u' ' || u == u'$' || u == u'%' || u == u'(' || u == u')' || u == u'-' || u == 0x2212 ||
               isGroupSpace(u) || (u == u',' && !commaIsDecimal) || (!format.group.isNull() && c == format.group);
    };
    if (std::none_of(entry.begin(), entry.end(), removed))
        return entry;
    QString result;
    result.reserve(entry.size() + 1);
    if (negative)
        result += QLatin1Char('-');
    for (QChar c : entry) {
        if (!removed(c))
            result += c;
    }
    return result;
}

QString formatNumber(double value, int decimals, const RegionalFormat &format)
{
    if (!format.plainDigits || !(std::fabs(value) < 1e15) || decimals < 0 || decimals > 6 || (value < 0 && value > -1))
        return fileSafeText(format.numbers.toString(value, 'f', decimals));
    // QLocale rounds a value halfway between two results away from zero, the
    // quicker writer to the even one; near a half the slower one decides. So
    // does a negative value that rounds to zero, since how "-0" shows is
    // QLocale's.
    static constexpr double Scale[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    const double scaled = std::fabs(value) * Scale[decimals];
    if (std::fabs(scaled - std::floor(scaled) - 0.5) < 1e-6)
        return fileSafeText(format.numbers.toString(value, 'f', decimals));
    return groupedNumber(value, decimals, format.decimalPoint.at(0), format.group);
}

// The comma-decimal form with a point between thousands ("1.234,50").
const RegionalFormat &commaForm()
{
    static const RegionalFormat format = formatOf(QLocale(QLocale::German, QLocale::Germany));
    return format;
}

// Whether every `separator` in the entry stands before exactly three digits,
// as a thousands separator does.
bool separatesThousands(const QString &entry, QChar separator)
{
    for (qsizetype i = entry.indexOf(separator); i >= 0; i = entry.indexOf(separator, i + 1)) {
        qsizetype digits = 0;
        while (i + 1 + digits < entry.size() && isAsciiDigit(entry[i + 1 + digits]))
            ++digits;
        if (digits != 3)
            return false;
    }
    return true;
}

// The form an entry typed in the region is read in. Where the entry holds
// both a point and a comma the last of them is the decimal separator, since
// no region writes thousands after its decimals: "1,234.50" typed in a German
// region is the amount the papers print, as "1.234,50" is in an American
// one. A point that the region does not use, or that cannot stand between
// thousands ("1.5" in a German region), is a decimal point.
const RegionalFormat &typedForm(const QString &entry)
{
    const RegionalFormat &region = regional();
    const qsizetype point = entry.lastIndexOf(QLatin1Char('.'));
    const qsizetype comma = entry.lastIndexOf(QLatin1Char(','));
    if (point >= 0 && comma >= 0)
        return point > comma ? answerForm() : commaForm();
    if (point >= 0 && region.decimalPoint != QStringLiteral(".") &&
        (region.group != QLatin1Char('.') || !separatesThousands(entry, QLatin1Char('.'))))
        return answerForm();
    return region;
}

// Shared by the three real conversions: 0 for an empty entry, the routine's
// message and 0 for an entry that is not a number.
double entryToReal(const QString &entry, int decimals, int errorNumber)
{
    // Not parsed as "0.00": in a region whose decimal separator is a comma
    // and whose thousands separator is a space, that text is no number.
    if (entry.isEmpty())
        return 0.0;
    double value = 0;
    if (!parseReal(removeCommasAndSigns(entry, answerForm()), value, answerForm())) {
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
    // Twenty-one to ninety-nine take a hyphen, as amounts are written out.
    if (tens >= 2 && units > 0) {
        text += QStringView(TensWords[tens]).chopped(1);
        text += QLatin1Char('-');
    } else {
        text += TensWords[tens];
    }
    text += DigitWords[units];
}

const std::array<QString, 12> MonthNames = {
    QStringLiteral("January"),   QStringLiteral("February"), QStringLiteral("March"),    QStringLiteral("April"),
    QStringLiteral("May"),       QStringLiteral("June"),     QStringLiteral("July"),     QStringLiteral("August"),
    QStringLiteral("September"), QStringLiteral("October"),  QStringLiteral("November"), QStringLiteral("December"),
};

bool isDateSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.');
}

} // namespace

void UseSystemRegionalSettings()
{
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : system);
}

QString RemoveCommasAndSigns(const QString &entry)
{
    return removeCommasAndSigns(entry, answerForm());
}

double Str2Float_P(const QString &entry)
{
    return entryToReal(entry, -1, msg::NumberEntryUnreadable);
}

double Str2Float_2(const QString &entry)
{
    return entryToReal(entry, 2, msg::AmountEntryUnreadable);
}

double Str2Float_0(const QString &entry)
{
    return entryToReal(entry, 0, msg::WholeNumberEntryUnreadable);
}

std::optional<double> ReadNumber(const QString &entry)
{
    double value = 0;
    if (entry.trimmed().isEmpty() || !parseReal(removeCommasAndSigns(entry, answerForm()), value, answerForm()))
        return std::nullopt;
    return value;
}

std::optional<double> ReadRegionalNumber(const QString &entry)
{
    double value = 0;
    const RegionalFormat &form = typedForm(entry);
    if (entry.trimmed().isEmpty() || !parseReal(removeCommasAndSigns(entry, form), value, form))
        return std::nullopt;
    return value;
}

QString RegionalNumber(double value, int decimals, bool grouped)
{
    if (grouped)
        return TrimLeftStr(formatNumber(value, decimals, regional()));
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return TrimLeftStr(fileSafeText(locale.toString(value, 'f', decimals)));
}

// The text read strictly as a number written with `point` as the decimal
// separator and any of `groups` between thousands: a separator between
// thousands stands before exactly three digits and never after the decimals.
// Signs, "$", "%" and brackets around it are allowed.
std::optional<double> ReadStrictNumber(const QString &text, QChar point, const QString &groups)
{
    QString digits;
    bool negative = false;
    bool seenPoint = false;
    bool seenDigit = false;
    qsizetype i = 0;
    const QString t = text.trimmed();
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isAsciiDigit(c)) {
            digits += c;
            seenDigit = true;
        } else if (c == point && !seenPoint) {
            seenPoint = true;
            digits += QLatin1Char('.');
        } else if (groups.contains(c) || (groups.contains(QLatin1Char(' ')) && isBlankOrGroupSpace(c))) {
            // Never after the decimals, nor after a leading zero.
            if (seenPoint || !seenDigit || digits.startsWith(QLatin1Char('0')))
                return std::nullopt;
            qsizetype run = 0;
            while (i + 1 + run < t.size() && isAsciiDigit(t[i + 1 + run]))
                ++run;
            if (run != 3)
                return std::nullopt;
        } else if (c == QLatin1Char('-') || c == QLatin1Char('(') || c == QChar(0x2212)) {
            negative = true;
        } else if (c == QLatin1Char(')') || c == QLatin1Char('$') || c == QLatin1Char('%') || isBlankOrGroupSpace(c)) {
            // signs and blanks around the number
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(digits, &ok);
    if (!ok)
        return std::nullopt;
    return negative ? -value : value;
}

QString RegionalToAnswerForm(const QString &entry)
{
    if (!ReadRegionalNumber(entry))
        return entry;
    const RegionalFormat &form = typedForm(entry);
    if (&form == &answerForm())
        return entry;
    QString text = entry;
    for (QChar &c : text) {
        if (c == QLatin1Char(',') && form.commaIsDecimal)
            c = QLatin1Char('.');
        else if (c == form.group || (form.group == QChar(0x00A0) && isGroupSpace(c.unicode())))
            c = QLatin1Char(',');
        else if (form.decimalPoint.size() == 1 && c == form.decimalPoint.at(0))
            c = QLatin1Char('.');
    }
    return text;
}

QString AnswerFormToRegional(const QString &answer)
{
    const RegionalFormat &region = regional();
    if (region.decimalPoint == QStringLiteral(".") && region.group == QLatin1Char(','))
        return answer;
    QString text = answer;
    for (QChar &c : text) {
        if (c == QLatin1Char(','))
            c = region.group.isNull() ? QChar(0x00A0) : region.group;
        else if (c == QLatin1Char('.'))
            c = region.decimalPoint.at(0);
    }
    return text;
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
    ShowError(msg::IntegerEntryUnreadable, entry);
    // The leading digits, without their sign; a number beyond the integer
    // range gives 0.
    if (tooLarge || magnitude > std::numeric_limits<int>::max())
        return 0;
    return int(magnitude);
}

QString FileSafeNumberText(QString text)
{
    return fileSafeText(std::move(text));
}

QString FormatNumber(double value, int decimals)
{
    return formatNumber(value, decimals, answerForm());
}

QString Float2Dollar(double value)
{
    return TrimLeftStr(TrimStr(FormatNumber(roundHalfAway(value, 2), 2)));
}

QString DollarAmountText(const QString &entry)
{
    const std::optional<double> value = ReadNumber(entry.trimmed());
    return value ? QLatin1Char('$') + Float2Dollar(*value) : entry;
}

QString NumberToWords(double value)
{
    if (std::isnan(value) || value > 999999999.0) {
        ShowError(msg::NumberTooLargeForWords);
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
        ShowError(msg::NumberNotInWords);
        return QString();
    }
}

QString AmountToWords(double amount)
{
    // Whole dollars as words; cents, when there are any, in the form a
    // cheque or a deed writes them: "Twelve and 50/100 ".
    if (std::isnan(amount) || amount > 999999999.0 || amount < 0)
        return NumberToWords(amount);
    const qint64 cents = std::llround(amount * 100);
    const double dollars = double(cents / 100);
    if (cents % 100 == 0)
        return NumberToWords(dollars);
    const QString words = dollars >= 1 ? NumberToWords(dollars) : QStringLiteral("Zero ");
    return words + QStringLiteral("and %1/100 ").arg(cents % 100, 2, 10, QLatin1Char('0'));
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
        ShowError(msg::TeensNotConverted);
        return text;
    }
}

namespace {

// A date of three runs of digits in the given order, or ISO.
QDate readDate(const QString &text, const std::array<DatePart, 3> &order, bool dotsAllowed)
{
    const QString s = text.trimmed();
    // Three runs of digits with one kind of separator between them; only
    // runs of up to four digits can be part of a date.
    std::array<int, 3> numbers{};
    std::array<int, 3> lengths{};
    QChar separator;
    int field = 0;
    for (QChar c : s) {
        if (isAsciiDigit(c)) {
            if (++lengths[field] <= 4)
                numbers[field] = numbers[field] * 10 + (c.unicode() - u'0');
        } else if (isDateSeparator(c) && (dotsAllowed || c != QLatin1Char('.')) && field < 2 && lengths[field] > 0 &&
                   (separator.isNull() || c == separator)) {
            separator = c;
            ++field;
        } else {
            return QDate();
        }
    }
    if (field != 2 || lengths[2] == 0)
        return QDate();
    // The ISO form (2018-04-02) is never a regional short date: its year
    // comes first with four digits.
    if (separator == QLatin1Char('-') && lengths[0] == 4 && lengths[1] <= 2 && lengths[2] <= 2)
        return QDate(numbers[0], numbers[1], numbers[2]);
    int day = 0, month = 0, year = 0;
    for (int k = 0; k < 3; ++k) {
        const int number = numbers[k];
        switch (order[k]) {
        case DatePart::Day:
            if (lengths[k] > 2)
                return QDate();
            day = number;
            break;
        case DatePart::Month:
            if (lengths[k] > 2)
                return QDate();
            month = number;
            break;
        case DatePart::Year:
            if (lengths[k] == 4) {
                year = number;
            } else if (lengths[k] == 2) {
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

} // namespace

QDate ReadShortDate(const QString &text)
{
    // A date with points is written day first by every region that writes
    // one; read month first it would be another day.
    return readDate(text, answerForm().dateOrder, false);
}

namespace {

// A date written out in English, month first: the month's name or its first
// three letters in any case, the day, a comma or none, one blank and the
// four-digit year ("April 2, 2018", "Apr 2, 2018", "April 2 2018").
QDate readLongDate(QStringView text)
{
    const qsizetype space = text.indexOf(u' ');
    if (space < 3 || space > 9)
        return {};
    const QStringView name = text.left(space);
    int month = 0;
    for (int m = 0; m < 12 && month == 0; ++m)
        if (name.compare(MonthNames[m], Qt::CaseInsensitive) == 0 ||
            name.compare(QStringView(MonthNames[m]).left(3), Qt::CaseInsensitive) == 0)
            month = m + 1;
    if (month == 0)
        return {};
    QStringView rest = text.mid(space + 1);
    int day = 0;
    int digits = 0;
    while (digits < 2 && digits < rest.size() && rest[digits].isDigit())
        day = day * 10 + rest[digits++].digitValue();
    if (digits == 0)
        return {};
    rest = rest.mid(digits);
    if (rest.startsWith(u','))
        rest = rest.mid(1);
    if (!rest.startsWith(u' '))
        return {};
    rest = rest.mid(1);
    if (rest.size() != 4 || !std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.isDigit(); }))
        return {};
    // A day the month does not have gives an invalid date.
    return QDate(rest.toInt(), month, day);
}

} // namespace

QDate ReadWrittenDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QDate shortDate = ReadShortDate(trimmed);
    if (shortDate.isValid())
        return shortDate;
    return readLongDate(trimmed);
}

QDate ReadRegionalDate(const QString &text)
{
    return readDate(text, regional().dateOrder, true);
}

QString ConvertDate(const QString &text)
{
    const QDate date = ReadShortDate(text);
    if (!date.isValid())
        return text;
    return MonthNames[date.month() - 1] + QLatin1Char(' ') + QString::number(date.day()) + QStringLiteral(", ") +
           QString::number(date.year());
}

QString ShortDateText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QString RegionalDateText(const QDate &date)
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return QLocale().toString(date, format);
}

QString DateOnExit(const QString &text)
{
    const QDate date = ReadRegionalDate(text);
    return date.isValid() ? RegionalDateText(date) : text;
}

bool IsDateText(const QString &text)
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
    return false;
}

bool CheckDateText(const QString &text)
{
    if (IsDateText(text))
        return true;
    ShowError(msg::DateUnreadable);
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
