#include "output/TemplateMerge.h"

#include "dialogs/ErrorCatalogue.h"
#include "files/LineText.h"
#include "output/RtfText.h"
#include "store/Answers.h"
#include "store/Conversions.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cmath>
#include <exception>

namespace brevane {

namespace {

const QString Underscores16 = QStringLiteral("________________");
const QString Underscores7 = QStringLiteral("_______");

// The size RTF gives text that names none (12 points).
constexpr int RtfDefaultFontSize = 24;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Reads a whole decimal integer (optional sign, digits only).
bool readInteger(QStringView text, int &value)
{
    if (text.isEmpty())
        return false;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return false;
    qint64 v = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        v = v * 10 + (text[i].unicode() - u'0');
        if (v > qint64(2147483648LL))
            return false;
    }
    v = negative ? -v : v;
    if (v > 2147483647LL || v < -2147483648LL)
        return false;
    value = int(v);
    return true;
}

bool readReal(QStringView text)
{
    bool ok = false;
    QLocale::c().toDouble(text, &ok);
    return ok;
}

// One line of a print data file: integer, integer, integer, real, real,
// real, integer, separated by blanks; the rest of the line is ignored.
bool readDataLine(const QString &line)
{
    const QList<QStringView> fields = QStringView(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<QStringView> numbers;
    for (QStringView field : fields) {
        // Tabs separate as blanks do.
        for (QStringView part : field.split(QLatin1Char('\t'), Qt::SkipEmptyParts)) {
            numbers.append(part);
            if (numbers.size() == 7)
                break;
        }
        if (numbers.size() == 7)
            break;
    }
    if (numbers.size() < 7)
        return false;
    int ignored = 0;
    return readInteger(numbers[0], ignored) && readInteger(numbers[1], ignored) && readInteger(numbers[2], ignored) &&
           readReal(numbers[3]) && readReal(numbers[4]) && readReal(numbers[5]) && readInteger(numbers[6], ignored);
}

QString coloured(const QString &text, bool overridden)
{
    if (!overridden || text.isEmpty())
        return text;
    return QStringLiteral("\\cf1 ") + text + QStringLiteral("\\cf0 ");
}

QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale;
}

} // namespace

bool IsKeepBlankPage(int page)
{
    switch (page) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 8:
    case 10:
    case 17:
    case 19:
    case 20:
    case 21:
    case 24:
    case 86:
    case 87:
    case 88:
        return true;
    default:
        break;
    }
    return (page >= 26 && page <= 37) || (page >= 39 && page <= 47) || (page >= 50 && page <= 58) ||
           (page >= 64 && page <= 67) || (page >= 75 && page <= 83);
}

bool IsZeroSuppressingPage(int page)
{
    return page == 21 || page == 24 || page == 57 || page == 58;
}

bool IsKindMark(QChar c)
{
    switch (c.unicode()) {
    case u'*':
    case u'<':
    case u'$':
    case u'#':
    case u'%':
    case u'&':
    case u'^':
    case u'+':
        return true;
    default:
        return false;
    }
}

TemplateMerge::TemplateMerge(const TAnswer *answers, const QString &dataFolder)
    : answers_(answers)
    , dataFolder_(dataFolder)
{}

QString TemplateMerge::DataFilePath(int page) const
{
    return AddPathDelimiter(dataFolder_) + QStringLiteral("PAGE") + QString::number(page) + QStringLiteral(".DAT");
}

bool TemplateMerge::CheckPrintDataFile(int page)
{
    const QString path = DataFilePath(page);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        ShowError(11120, path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowError(11120, path);
        return false;
    }
    for (const QString &line : SplitListText(Decode1252(bytes))) {
        if (line.trimmed().isEmpty())
            continue;
        if (!readDataLine(line)) {
            ShowError(21011);
            return false;
        }
    }
    return true;
}

bool TemplateMerge::MergeTemplatePage(QStringList &list, int page, int continuation)
{
    if (!CheckPrintDataFile(page))
        return false;
    try {
        text_ = ListText(list);
        if (!MergeTemplateText(page, continuation)) {
            ShowError(11120, DataFilePath(page));
            return false;
        }
        list = SplitListText(text_);
        return true;
    } catch (const std::exception &) {
        ShowError(11120, DataFilePath(page));
        return false;
    }
}

bool TemplateMerge::MergeTemplateText(int page, int continuation)
{
    wingdings_ = FindWingdingsFont();
    qsizetype p = 0;
    // The last four characters never start a variable.
    while (p < text_.size() - 4) {
        TrackFontSize(p);
        if (text_[p] != QLatin1Char('/')) {
            ++p;
            continue;
        }
        RemoveLineBreaksAt(p + 1);
        if (p + 1 >= text_.size())
            break;
        const QChar kind = text_[p + 1];
        if (!IsKindMark(kind)) {
            ++p;
            continue;
        }
        // Up to three digits and the closing "/"; line breaks between them go.
        qsizetype length = 0;
        bool ended = false;
        for (qsizetype k = 2; k <= 5; ++k) {
            RemoveLineBreaksAt(p + k);
            if (p + k >= text_.size()) {
                ended = true;
                break;
            }
            if (k >= 3 && text_[p + k] == QLatin1Char('/')) {
                length = k + 1;
                break;
            }
            if (!isDigit(text_[p + k]))
                break;
        }
        if (ended)
            break;
        if (length == 0) {
            // Not a variable: the text stays as it is.
            ++p;
            continue;
        }
        int number = 0;
        for (qsizetype k = 2; k < length - 1; ++k)
            number = number * 10 + (text_[p + k].unicode() - u'0');
        qsizetype inserted = 0;
        if (!SubstituteVariable(page, continuation, number, kind, p, length, &inserted))
            return false;
        if (kind == QLatin1Char('&')) {
            // The check mark sets and restores the font size; follow it.
            for (qsizetype q = p; q < p + inserted && q < text_.size() - 4; ++q)
                TrackFontSize(q);
        }
        p += inserted;
    }
    return true;
}

bool TemplateMerge::SubstituteVariable(int page, int continuation, int number, QChar kind, qsizetype p,
                                       qsizetype length, qsizetype *inserted)
{
    RecordMergePosition(page, number);
    if (!answers_ || !TAnswer::HasList(page, continuation) || number > TAnswer::AnswerCount(page) - 1)
        return false;
    const AnswerEntry &entry = answers_->Entry(page, continuation, number);
    const QString text = FormatAnswer(page, kind, entry.text, entry.obj.OvRide);
    text_.replace(p, length, text);
    *inserted = text.size();
    return true;
}

QString TemplateMerge::FormatAnswer(int page, QChar kind, const QString &answer, bool overridden) const
{
    switch (kind.unicode()) {
    case u'*':
    case u'<':
        if (answer.isEmpty()) {
            if (IsKeepBlankPage(page))
                return QString();
            return coloured(page == 0 ? Underscores7 : Underscores16, overridden);
        }
        if (page == 0 && answer == Underscores16)
            return coloured(Underscores7, overridden);
        return coloured(EscapeRtfText(answer), overridden);
    case u'$':
        if (answer.isEmpty())
            return IsZeroSuppressingPage(page) ? QString() : coloured(QStringLiteral("0.00"), overridden);
        try {
            return coloured(Float2Dollar(Str2Float_2(RemoveCommasAndSigns(answer))), overridden);
        } catch (const std::exception &) {
            return coloured(EscapeRtfText(answer), overridden);
        }
    case u'#': {
        if (answer.isEmpty())
            return IsZeroSuppressingPage(page) ? QString() : coloured(QStringLiteral("0"), overridden);
        const QString cleaned = RemoveCommasAndSigns(answer);
        if (Str2Int(cleaned) == 0 && IsZeroSuppressingPage(page))
            return QString();
        try {
            const double whole = std::round(Str2Float_2(cleaned)) + 0.0;
            return coloured(TrimLeftStr(numberLocale().toString(whole, 'f', 0)), overridden);
        } catch (const std::exception &) {
            return coloured(EscapeRtfText(answer), overridden);
        }
    }
    case u'%':
        if (answer.isEmpty())
            return QString();
        try {
            return TrimLeftStr(numberLocale().toString(Str2Float_P(answer) * 100, 'f', 3)) + QLatin1Char('%');
        } catch (const std::exception &) {
            return EscapeRtfText(answer);
        }
    case u'&': {
        // Before any "\fs" code has been read the size is unknown; the text
        // then returns to the size RTF gives text that names none.
        const int size = fontSize_ > 0 ? fontSize_ : RtfDefaultFontSize;
        return wingdings_ + QStringLiteral("\\fs20 ") +
               (answer == QLatin1String("X") ? QLatin1Char('x') : QLatin1Char('o')) + QStringLiteral("\\fs") +
               QString::number(size) + QStringLiteral("\\f0 ");
    }
    case u'^':
        if (answer.isEmpty())
            return QString();
        return coloured(EscapeRtfText(CheckDateText(answer) ? ConvertDate(answer) : answer), overridden);
    case u'+':
        if (answer.isEmpty())
            return QString();
        return BarsToRtfParagraphs(EscapeRtfText(answer));
    default:
        return QString();
    }
}

QString TemplateMerge::FindWingdingsFont() const
{
    if (!text_.contains(QLatin1String("Wingdings")))
        return QString();
    const qsizetype table = text_.indexOf(QLatin1String("fonttbl"));
    if (table < 0)
        return QString();
    const qsizetype end = text_.size() - 4;
    qsizetype i = table + 7;
    while (i < end) {
        if (!(text_[i] == QLatin1Char('\\') && text_[i + 1] == QLatin1Char('f') && isDigit(text_[i + 2]))) {
            ++i;
            continue;
        }
        qsizetype j = i + 2;
        QString number;
        while (j < text_.size() && number.size() < 3 && isDigit(text_[j]))
            number += text_[j++];
        // The entry's name follows the character after the number.
        const qsizetype from = j + 1;
        qsizetype to = from;
        while (to < text_.size() && to - from < 100) {
            if (text_[to++] == QLatin1Char(';'))
                break;
        }
        if (from < text_.size() && text_.mid(from, to - from).toUpper().contains(QLatin1String("WINGDINGS")))
            return QStringLiteral("\\f") + number + QLatin1Char(' ');
        i = qMax(to, i + 1);
    }
    return QString();
}

void TemplateMerge::TrackFontSize(qsizetype p)
{
    // "\fs" and its first digit, all before the last three characters.
    if (p < 0 || p + 3 > text_.size() - 4)
        return;
    if (text_[p] == QLatin1Char('\\') && text_[p + 1] == QLatin1Char('f') && text_[p + 2] == QLatin1Char('s') &&
        isDigit(text_[p + 3]))
        fontSize_ = GetNumFromText(p + 3);
}

int TemplateMerge::GetNumFromText(qsizetype q)
{
    if (q < 0 || q >= text_.size() - 4) {
        ShowError(21070);
        return -1;
    }
    int value = -1;
    qsizetype end = q;
    while (end < text_.size()) {
        const QChar c = text_[end];
        // A line break ends the number as well: RTF writers break lines
        // after control words.
        if (c == QLatin1Char('\\') || c == QLatin1Char(' ') || c == QLatin1Char('{') || c == QLatin1Char('}') ||
            isLineBreak(c))
            break;
        ++end;
        int v = 0;
        if (!readInteger(QStringView(text_).mid(q, end - q), v)) {
            // Nothing longer reads either; keep the last number read.
            ShowError(21060);
            break;
        }
        value = v;
    }
    return value;
}

void TemplateMerge::RemoveLineBreaksAt(qsizetype p)
{
    if (p < 0)
        return;
    qsizetype n = 0;
    while (p + n < text_.size() && isLineBreak(text_[p + n]))
        ++n;
    if (n > 0)
        text_.remove(p, n);
}

} // namespace brevane
