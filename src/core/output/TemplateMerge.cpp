#include "core/output/TemplateMerge.h"

#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/output/RtfText.h"
#include "core/store/Answers.h"
#include "core/store/Conversions.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

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

// Reads a whole decimal integer of a data line (optional sign, digits only).
bool readDataInteger(const char *begin, const char *end)
{
    const bool negative = begin < end && *begin == '-';
    if (begin < end && (*begin == '-' || *begin == '+'))
        ++begin;
    if (begin == end)
        return false;
    qint64 value = 0;
    for (; begin < end; ++begin) {
        if (*begin < '0' || *begin > '9')
            return false;
        value = value * 10 + (*begin - '0');
        if (value > 2147483647LL + (negative ? 1 : 0))
            return false;
    }
    return true;
}

// Reads a real of a data line: optional sign, digits with an optional point
// and fraction, an optional exponent.
bool readDataReal(const char *begin, const char *end)
{
    const auto digits = [&] {
        const char *from = begin;
        while (begin < end && *begin >= '0' && *begin <= '9')
            ++begin;
        return begin - from;
    };
    if (begin < end && (*begin == '-' || *begin == '+'))
        ++begin;
    qsizetype mantissa = digits();
    if (begin < end && *begin == '.') {
        ++begin;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (begin < end && (*begin == 'e' || *begin == 'E')) {
        ++begin;
        if (begin < end && (*begin == '-' || *begin == '+'))
            ++begin;
        if (digits() == 0)
            return false;
    }
    return begin == end;
}

// One line of a print data file: integer, integer, integer, real, real,
// real, integer, separated by blanks; the rest of the line is ignored. A
// line of blanks alone is no line.
bool readDataLine(const char *begin, const char *end)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    int field = 0;
    const char *p = begin;
    while (field < 7) {
        while (p < end && isBlank(*p))
            ++p;
        if (p == end)
            return field == 0;
        const char *token = p;
        while (p < end && !isBlank(*p))
            ++p;
        const bool real = field >= 3 && field <= 5;
        if (!(real ? readDataReal(token, p) : readDataInteger(token, p)))
            return false;
        ++field;
    }
    return true;
}

// An answer as a sentence prints it: without the blanks around it (the words
// of a number end in one), so that no double blank shows.
QString trimBlanks(const QString &answer)
{
    qsizetype from = 0, to = answer.size();
    while (from < to && answer[from] == QLatin1Char(' '))
        ++from;
    while (to > from && answer[to - 1] == QLatin1Char(' '))
        --to;
    return from == 0 && to == answer.size() ? answer : answer.mid(from, to - from);
}

QString coloured(const QString &text, bool overridden)
{
    if (!overridden || text.isEmpty())
        return text;
    return QStringLiteral("\\cf1 ") + text + QStringLiteral("\\cf0 ");
}

} // namespace

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
    if (rememberChecks_ && checkedDataFiles_.contains(page))
        return true;
    const QString path = DataFilePath(page);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        ShowError(msg::PrintDataUnreadable, path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowError(msg::PrintDataUnreadable, path);
        return false;
    }
    const char *data = bytes.constData();
    const char *end = data + bytes.size();
    while (data < end) {
        const char *lineEnd = data;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        if (!readDataLine(data, lineEnd)) {
            ShowError(msg::PrintDataLineUnreadable);
            return false;
        }
        data = lineEnd;
        if (data < end && *data == '\r')
            ++data;
        if (data < end && *data == '\n')
            ++data;
    }
    if (rememberChecks_)
        checkedDataFiles_.insert(page);
    return true;
}

bool TemplateMerge::MergeTemplatePage(QStringList &list, int page, int continuation)
{
    QString text = ListText(list);
    if (!MergeTemplatePageText(text, page, continuation))
        return false;
    list = SplitListText(text);
    return true;
}

bool TemplateMerge::MergeTemplatePageText(QString &text, int page, int continuation)
{
    if (!CheckPrintDataFile(page))
        return false;
    try {
        text_ = text;
        if (!MergeTemplateText(page, continuation)) {
            ShowError(msg::PrintDataUnreadable, DataFilePath(page));
            return false;
        }
        text = text_;
        return true;
    } catch (const std::exception &) {
        ShowError(msg::PrintDataUnreadable, DataFilePath(page));
        return false;
    }
}

void TemplateMerge::RememberDataFileChecks(bool on)
{
    rememberChecks_ = on;
    checkedDataFiles_.clear();
}

qsizetype TemplateMerge::Length() const
{
    return head_.size() + text_.size() - cut_;
}

QChar TemplateMerge::At(qsizetype pos) const
{
    return pos < head_.size() ? head_[pos] : text_[cut_ + pos - head_.size()];
}

bool TemplateMerge::MergeTemplateText(int page, int continuation)
{
    ballot_ = FindBallotFont();
    wingdings_ = ballot_.isEmpty() ? FindWingdingsFont() : QString();
    // The working text is the scanned part (head_, final) followed by the
    // rest of text_ from cut_: each variable is deleted and its answer put
    // in place in one pass, without moving the rest of the page each time.
    head_.clear();
    head_.reserve(text_.size() + text_.size() / 2);
    cut_ = 0;
    tableRow_ = -1;
    struct Join
    {
        TemplateMerge &merge;
        ~Join()
        {
            merge.head_ += QStringView(merge.text_).mid(merge.cut_);
            merge.text_.swap(merge.head_);
            merge.head_.clear();
            merge.cut_ = 0;
        }
    } join{*this};

    for (;;) {
        // Line breaks removed below move characters: read the data anew.
        const QChar *d = text_.constData();
        // The last four characters never start a variable.
        const qsizetype limit = text_.size() - 4;
        qsizetype run = cut_;
        while (run < limit && d[run] != QLatin1Char('/') && d[run] != QLatin1Char('\\') && d[run] != QLatin1Char('{'))
            ++run;
        head_.append(d + cut_, run - cut_);
        cut_ = run;
        if (cut_ >= limit)
            break;
        const qsizetype p = head_.size();
        if (d[cut_] == QLatin1Char('{')) {
            // The merge's own marks all open so; any other group is text.
            static const QLatin1String ownMark("{\\*\\brevane");
            if (!QStringView(text_).mid(cut_).startsWith(ownMark) ||
                (!TakePrintIf(page, continuation) && !TakeRowMark() && !TakeGrowingTable(page, continuation)))
                head_ += d[cut_++];
            continue;
        }
        if (d[cut_] == QLatin1Char('\\')) {
            TrackFontSize(p);
            head_ += d[cut_++];
            continue;
        }
        RemoveLineBreaksAt(p + 1);
        if (p + 1 >= Length())
            break;
        const QChar kind = At(p + 1);
        if (!IsKindMark(kind)) {
            head_ += At(p);
            ++cut_;
            continue;
        }
        // Up to three digits and the closing "/"; line breaks between them go.
        qsizetype length = 0;
        bool ended = false;
        for (qsizetype k = 2; k <= 5; ++k) {
            RemoveLineBreaksAt(p + k);
            if (p + k >= Length()) {
                ended = true;
                break;
            }
            if (k >= 3 && At(p + k) == QLatin1Char('/')) {
                length = k + 1;
                break;
            }
            if (!isDigit(At(p + k)))
                break;
        }
        if (ended)
            break;
        if (length == 0) {
            // Not a variable: the text stays as it is.
            head_ += At(p);
            ++cut_;
            continue;
        }
        int number = 0;
        for (qsizetype k = 2; k < length - 1; ++k)
            number = number * 10 + (At(p + k).unicode() - u'0');
        if (!SubstituteVariable(page, continuation, number, kind, length))
            return false;
        if (kind == QLatin1Char('&')) {
            // The check mark sets and restores the font size; follow it.
            for (qsizetype q = p; q < head_.size() && q < Length() - 4; ++q)
                TrackFontSize(q);
        }
    }
    return true;
}

namespace {

// The end of the group that opens at `from` ("{"), after its closing brace;
// escaped braces and backslashes are text. -1 when it does not close.
qsizetype groupEnd(const QString &text, qsizetype from)
{
    int depth = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            ++i;
        } else if (c == QLatin1Char('{')) {
            ++depth;
        } else if (c == QLatin1Char('}') && --depth == 0) {
            return i + 1;
        }
    }
    return -1;
}

// The mark the merge puts before each row of a growing table it writes.
const QLatin1String RowMarkOpening("{\\*\\brevanerow ");

} // namespace

bool TemplateMerge::TakeGrowingTable(int page, int continuation)
{
    const QLatin1String opening(GrowingTableOpening);
    if (!QStringView(text_).mid(cut_).startsWith(opening))
        return false;
    const qsizetype close = text_.indexOf(QLatin1Char('}'), cut_ + opening.size());
    if (close < 0)
        return false;
    const QStringList numbers =
        text_.mid(cut_ + opening.size(), close - cut_ - opening.size()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int first = -1, step = 0, kept = 0;
    bool ok = numbers.size() == 3;
    if (ok) {
        bool a = false, b = false, c = false;
        first = numbers[0].toInt(&a);
        step = numbers[1].toInt(&b);
        kept = numbers[2].toInt(&c);
        ok = a && b && c && first >= 0 && step > 0 && kept > 0;
    }
    const qsizetype end =
        ok && close + 1 < text_.size() && text_[close + 1] == QLatin1Char('{') ? groupEnd(text_, close + 1) : -1;
    if (end < 0)
        return false;
    const QStringView row = QStringView(text_).mid(close + 2, end - close - 3);
    const int rows = std::max(kept, answers_ ? answers_->TableRows(page, continuation, first) : 0);
    QString written;
    written.reserve((row.size() + 24) * rows + (text_.size() - end) + 24);
    for (int r = 0; r < rows; ++r) {
        written += RowMarkOpening;
        written += QString::number(r);
        written += QLatin1Char('}');
        written += row;
    }
    written += RowMarkOpening;
    written += QStringLiteral("-1}");
    written += QStringView(text_).mid(end);
    text_.swap(written);
    cut_ = 0;
    tableFirst_ = first;
    tableStep_ = step;
    tableKept_ = kept;
    return true;
}

bool TemplateMerge::TakeRowMark()
{
    if (!QStringView(text_).mid(cut_).startsWith(RowMarkOpening))
        return false;
    const qsizetype close = text_.indexOf(QLatin1Char('}'), cut_ + RowMarkOpening.size());
    if (close < 0)
        return false;
    bool ok = false;
    const int row =
        QStringView(text_).mid(cut_ + RowMarkOpening.size(), close - cut_ - RowMarkOpening.size()).toInt(&ok);
    if (!ok)
        return false;
    tableRow_ = row;
    cut_ = close + 1;
    return true;
}

bool TemplateMerge::CellOf(int page, int continuation, int number, const QString *&text, bool &overridden) const
{
    if (!answers_ || !TAnswer::HasList(page, continuation) || number < 0 || number > TAnswer::AnswerCount(page) - 1)
        return false;
    if (tableRow_ >= tableKept_) {
        text = &answers_->RowText(page, continuation, number, tableRow_);
        overridden = false;
        return true;
    }
    const int kept = tableRow_ > 0 ? number + tableStep_ * tableRow_ : number;
    if (kept > TAnswer::AnswerCount(page) - 1)
        return false;
    const AnswerEntry &entry = answers_->Entry(page, continuation, kept);
    text = &entry.text;
    overridden = entry.obj.OvRide;
    return true;
}

bool TemplateMerge::SubstituteVariable(int page, int continuation, int number, QChar kind, qsizetype length)
{
    RecordMergePosition(page, number);
    const QString *text = nullptr;
    bool overridden = false;
    if (!CellOf(page, continuation, number, text, overridden))
        return false;
    if (kind == QLatin1Char('^') && !IsDateText(*text)) {
        const QString unreadable =
            AnswerPlace(page, continuation, number) + QStringLiteral(": \"") + *text + QLatin1Char('"');
        if (!unreadableDates_.contains(unreadable))
            unreadableDates_.append(unreadable);
    }
    cut_ += length;
    const QString fill = TakeFillGroup();
    head_ += FormatAnswer(page, kind, *text, overridden, fill);
    // An answer that ends with its own period ("10:00 a.m.") ends the
    // sentence: the wording's period after it is not printed a second time.
    if (kind != QLatin1Char('&') && cut_ < text_.size() && text_[cut_] == QLatin1Char('.') &&
        trimBlanks(*text).endsWith(QLatin1Char('.')))
        ++cut_;
    return true;
}

bool TemplateMerge::TakePrintIf(int page, int continuation)
{
    const QLatin1String opening(PrintIfOpening);
    if (!QStringView(text_).mid(cut_).startsWith(opening))
        return false;
    qsizetype at = cut_ + opening.size();
    // "!N": the group prints only while answer N is empty.
    const bool unless = at < text_.size() && text_[at] == QLatin1Char('!');
    if (unless)
        ++at;
    int number = 0;
    while (at < text_.size() && isDigit(text_[at]) && number < 1000)
        number = number * 10 + (text_[at++].unicode() - u'0');
    if (at >= text_.size() || text_[at] != QLatin1Char('}'))
        return false;
    cut_ = at + 1;
    const QString *text = nullptr;
    bool overridden = false;
    bool empty = !CellOf(page, continuation, number, text, overridden) || text->trimmed().isEmpty();
    if (!empty) {
        // An amount or a count of zero holds nothing either: a money field
        // left empty shows, and may store, 0.00.
        const FieldFact *field = FactsOfPage(page).Field(number);
        const bool numberField = field && (field->kind == FieldKind::Money || field->kind == FieldKind::Whole ||
                                           field->kind == FieldKind::Percent);
        empty = numberField && ReadNumber(text->trimmed()) == std::optional<double>(0.0);
    }
    if (empty == unless || cut_ >= text_.size() || text_[cut_] != QLatin1Char('{'))
        return true;
    // The group that follows, to its closing brace.
    if (const qsizetype end = groupEnd(text_, cut_); end >= 0)
        cut_ = end;
    return true;
}

QString TemplateMerge::TakeFillGroup()
{
    const QLatin1String opening(FillGroupOpening);
    if (!QStringView(text_).mid(cut_).startsWith(opening))
        return QString();
    const qsizetype from = cut_ + opening.size();
    const qsizetype close = text_.indexOf(QLatin1Char('}'), from);
    if (close < 0)
        return QString();
    const QString line = text_.mid(from, close - from);
    cut_ = close + 1;
    return line;
}

QString TemplateMerge::FormatAnswer(int page, QChar kind, const QString &stored, bool overridden,
                                    const QString &fill) const
{
    const QString answer = kind == QLatin1Char('+') ? stored : trimBlanks(stored);
    if (answer.isEmpty() && !fill.isEmpty() && kind != QLatin1Char('&') && kind != QLatin1Char('+'))
        return fill;
    switch (kind.unicode()) {
    case u'*':
    case u'<':
        if (answer.isEmpty()) {
            if (FactsOfPage(page).keepBlank)
                return QString();
            return coloured(page == 0 ? Underscores7 : Underscores16, overridden);
        }
        if (page == 0 && answer == Underscores16)
            return coloured(Underscores7, overridden);
        return coloured(EscapeRtfText(answer), overridden);
    case u'$':
        if (answer.isEmpty())
            return FactsOfPage(page).zeroBlank ? QString() : coloured(QStringLiteral("0.00"), overridden);
        try {
            return coloured(Float2Dollar(Str2Float_2(answer)), overridden);
        } catch (const std::exception &) {
            return coloured(EscapeRtfText(answer), overridden);
        }
    case u'#': {
        if (answer.isEmpty())
            return FactsOfPage(page).zeroBlank ? QString() : coloured(QStringLiteral("0"), overridden);
        const QString cleaned = RemoveCommasAndSigns(answer);
        if (Str2Int(cleaned) == 0 && FactsOfPage(page).zeroBlank)
            return QString();
        try {
            const double whole = std::round(Str2Float_2(cleaned)) + 0.0;
            return coloured(TrimLeftStr(FormatNumber(whole, 0)), overridden);
        } catch (const std::exception &) {
            return coloured(EscapeRtfText(answer), overridden);
        }
    }
    case u'%':
        if (answer.isEmpty())
            return QString();
        try {
            return TrimLeftStr(FormatNumber(Str2Float_P(answer) * 100, 3)) + QLatin1Char('%');
        } catch (const std::exception &) {
            return EscapeRtfText(answer);
        }
    case u'&': {
        const bool ticked = stored == QLatin1String("X");
        if (!ballot_.isEmpty())
            return ballot_ + (ticked ? QStringLiteral("\\u9746?") : QStringLiteral("\\u9744?")) +
                   QStringLiteral("\\f0 ");
        // Before any "\fs" code has been read the size is unknown; the text
        // then returns to the size RTF gives text that names none.
        const int size = fontSize_ > 0 ? fontSize_ : RtfDefaultFontSize;
        return wingdings_ + QStringLiteral("\\fs20 ") + (ticked ? QLatin1Char('x') : QLatin1Char('o')) +
               QStringLiteral("\\fs") + QString::number(size) + QStringLiteral("\\f0 ");
    }
    case u'^':
        if (answer.isEmpty())
            return QString();
        return coloured(EscapeRtfText(IsDateText(answer) ? ConvertDate(answer) : answer), overridden);
    case u'+':
        if (answer.isEmpty())
            return QString();
        return coloured(BarsToRtfParagraphs(EscapeRtfText(answer)), overridden);
    default:
        return QString();
    }
}

QStringList TemplateMerge::TakeUnreadableDates()
{
    return std::exchange(unreadableDates_, QStringList());
}

template <typename Match> QString TemplateMerge::FindFontEntry(Match match) const
{
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
        if (from < text_.size() && match(text_.mid(from, to - from).toUpper()))
            return QStringLiteral("\\f") + number + QLatin1Char(' ');
        i = qMax(to, i + 1);
    }
    return QString();
}

QString TemplateMerge::FindWingdingsFont() const
{
    if (!text_.contains(QLatin1String("Wingdings")))
        return QString();
    return FindFontEntry([](const QString &name) { return name.contains(QLatin1String("WINGDINGS")); });
}

QString TemplateMerge::FindBallotFont() const
{
    return FindFontEntry([](const QString &name) {
        return name.contains(QLatin1String("DEJAVU SANS")) && !name.contains(QLatin1String("DEJAVU SANS MONO"));
    });
}

void TemplateMerge::TrackFontSize(qsizetype p)
{
    // "\fs" and its first digit, all before the last three characters.
    if (p < 0 || p + 3 > Length() - 4)
        return;
    if (At(p) == QLatin1Char('\\') && At(p + 1) == QLatin1Char('f') && At(p + 2) == QLatin1Char('s') &&
        isDigit(At(p + 3)))
        fontSize_ = GetNumFromText(p + 3);
}

int TemplateMerge::GetNumFromText(qsizetype q)
{
    const qsizetype length = Length();
    if (q < 0 || q >= length - 4) {
        ShowError(msg::TemplateNumberAtEnd);
        return -1;
    }
    int value = -1;
    QString digits;
    for (qsizetype end = q; end < length; ++end) {
        const QChar c = At(end);
        // A line break ends the number as well: RTF writers break lines
        // after control words.
        if (c == QLatin1Char('\\') || c == QLatin1Char(' ') || c == QLatin1Char('{') || c == QLatin1Char('}') ||
            isLineBreak(c))
            break;
        digits += c;
        int v = 0;
        if (!readInteger(digits, v)) {
            // Nothing longer reads either; keep the last number read.
            ShowError(msg::TemplateNumberUnreadable);
            break;
        }
        value = v;
    }
    return value;
}

void TemplateMerge::RemoveLineBreaksAt(qsizetype p)
{
    if (p < head_.size())
        return; // the scanned part holds no variable to mend
    const qsizetype at = cut_ + p - head_.size();
    qsizetype n = 0;
    while (at + n < text_.size() && isLineBreak(text_[at + n]))
        ++n;
    if (n == 0)
        return;
    if (at - cut_ > 8) {
        text_.remove(at, n);
        return;
    }
    // Moves the few characters between the scan position and the line
    // breaks over them.
    QChar *d = text_.data();
    for (qsizetype k = at - 1; k >= cut_; --k)
        d[k + n] = d[k];
    cut_ += n;
}

} // namespace brevane
