#include "core/files/LineText.h"

#include "core/files/Windows1252.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace brevane {

void AppendLine1252(QByteArray &out, const QString &text)
{
    // Worst case: every character a line break written as " | ", plus CR LF.
    const qsizetype start = out.size();
    out.resize(start + 3 * text.size() + 2);
    char *const begin = out.data() + start;
    char *d = Write1252(begin, text);
    // CR and LF are bytes of their own, so the line breaks are found among the
    // bytes: each one (CR LF, CR or LF) becomes " | ".
    if (std::any_of(begin, d, [](char c) { return c == '\r' || c == '\n'; })) {
        const QByteArray line(begin, d - begin);
        d = begin;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c != '\r' && c != '\n') {
                *d++ = c;
                continue;
            }
            if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n')
                ++i;
            *d++ = ' ';
            *d++ = '|';
            *d++ = ' ';
        }
    }
    *d++ = '\r';
    *d++ = '\n';
    out.resize(d - out.constData());
}

namespace {

bool kept(char16_t c)
{
    return c < 0x80 || Windows1252Byte(c) != 0;
}

// Letters whose plain form is not a decomposition.
char16_t plainLetter(char16_t c)
{
    switch (c) {
    case u'\u0141':
        return u'L'; // Ł
    case u'\u0142':
        return u'l'; // ł
    case u'\u0110':
        return u'D'; // Đ
    case u'\u0111':
        return u'd'; // đ
    case u'\u0131':
        return u'i'; // dotless i
    default:
        return 0;
    }
}

} // namespace

QString FitWindows1252(const QString &text)
{
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return kept(c.unicode()); }))
        return text;
    QString fitted;
    fitted.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (kept(c.unicode())) {
            fitted += c;
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i; // one character outside the basic plane
            fitted += QLatin1Char('?');
            continue;
        }
        if (const char16_t plain = plainLetter(c.unicode())) {
            fitted += QChar(plain);
            continue;
        }
        // The base letter of a decomposed character, when the code page has it.
        const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
        if (decomposed.size() > 1 && kept(decomposed[0].unicode()) &&
            std::all_of(decomposed.cbegin() + 1, decomposed.cend(),
                        [](QChar m) { return m.category() == QChar::Mark_NonSpacing; }))
            fitted += decomposed[0];
        else
            fitted += QLatin1Char('?');
    }
    return fitted;
}

QByteArray Encode1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() + 2);
    AppendLine1252(out, text);
    out.chop(2);
    return out;
}

QString FormatReal23(double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    // d.ddddddddddddddE+xx with a point in every region: the C library's
    // formatting would follow the system's decimal comma.
    const QString text = QString::number(value, 'E', 14);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    const QChar expSign = text.at(e + 1);
    const int exponent = text.mid(e + 2).toInt();
    QString mantissa = text.left(e);
    if (!mantissa.startsWith(QLatin1Char('-')))
        mantissa.prepend(QLatin1Char(' '));
    return mantissa + QLatin1Char('E') + expSign + QStringLiteral("%1").arg(exponent, 4, 10, QLatin1Char('0'));
}

double ParseReal(const QString &text, bool *ok)
{
    bool parsed = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &parsed);
    if (ok)
        *ok = parsed && std::isfinite(value);
    return parsed ? value : 0.0;
}

LineReader::LineReader(QByteArray bytes)
    : bytes_(std::move(bytes))
{}

QString LineReader::ReadLine()
{
    const qsizetype n = bytes_.size();
    const char *d = bytes_.constData();
    if (pos_ >= n)
        ranOut_ = true;
    const qsizetype start = pos_;
    while (pos_ < n && d[pos_] != '\r' && d[pos_] != '\n')
        ++pos_;
    const qsizetype end = pos_;
    if (pos_ < n) {
        if (d[pos_] == '\r' && pos_ + 1 < n && d[pos_ + 1] == '\n')
            pos_ += 2;
        else
            ++pos_;
    }
    return end == start ? QString() : Decode1252(d + start, end - start);
}

void LineReader::SkipLine()
{
    ReadLine();
}

QByteArray LineReader::token(qsizetype maxLength)
{
    const qsizetype n = bytes_.size();
    const char *d = bytes_.constData();
    while (pos_ < n && (d[pos_] == ' ' || d[pos_] == '\t' || d[pos_] == '\r' || d[pos_] == '\n'))
        ++pos_;
    const qsizetype start = pos_;
    while (pos_ < n && d[pos_] != ' ' && d[pos_] != '\t' && d[pos_] != '\r' && d[pos_] != '\n')
        ++pos_;
    QByteArray result = bytes_.mid(start, qMin(pos_ - start, maxLength + 1));
    SkipLine(); // the rest of the number's line
    return result;
}

int LineReader::ReadInteger(bool *ok)
{
    const qsizetype n = bytes_.size();
    const char *d = bytes_.constData();
    while (pos_ < n && (d[pos_] == ' ' || d[pos_] == '\t' || d[pos_] == '\r' || d[pos_] == '\n'))
        ++pos_;
    if (pos_ >= n) { // the end of the data reads as 0
        ranOut_ = true;
        *ok = true;
        return 0;
    }
    // The run of non-blank characters must be an optional sign and at most
    // 32 characters of digits that fit an integer.
    const qsizetype start = pos_;
    bool negative = false;
    if (d[pos_] == '-' || d[pos_] == '+')
        negative = d[pos_++] == '-';
    const qsizetype digitsStart = pos_;
    long long value = 0;
    bool valid = true;
    while (pos_ < n && d[pos_] != ' ' && d[pos_] != '\t' && d[pos_] != '\r' && d[pos_] != '\n') {
        const char c = d[pos_++];
        if (c < '0' || c > '9' || pos_ - start > 32) {
            valid = false;
            continue;
        }
        if (value <= std::numeric_limits<int>::max())
            value = value * 10 + (c - '0');
    }
    const bool hasDigits = pos_ > digitsStart;
    SkipLine(); // the rest of the number's line
    if (negative)
        value = -value;
    *ok = valid && hasDigits && value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    return *ok ? int(value) : 0;
}

double LineReader::ReadReal(bool *ok)
{
    const QByteArray text = token(64);
    if (text.isEmpty()) {
        ranOut_ = ranOut_ || AtEnd();
        *ok = true;
        return 0.0;
    }
    return ParseReal(QString::fromLatin1(text), ok);
}

bool LineReader::FindLine(const QByteArray &line)
{
    const qsizetype n = bytes_.size();
    while (pos_ < n) {
        const qsizetype start = pos_;
        qsizetype end = start;
        while (end < n && bytes_[end] != '\r' && bytes_[end] != '\n')
            ++end;
        if (QByteArrayView(bytes_).sliced(start, end - start) == line)
            return true;
        pos_ = end < n && bytes_[end] == '\r' && end + 1 < n && bytes_[end + 1] == '\n' ? end + 2 : end + 1;
    }
    pos_ = n;
    return false;
}

qsizetype LineReader::RemainingLines() const
{
    const qsizetype n = bytes_.size();
    const char *d = bytes_.constData();
    qsizetype lines = 0;
    for (qsizetype p = pos_; p < n; ++p) {
        if (d[p] == '\n' || (d[p] == '\r' && (p + 1 >= n || d[p + 1] != '\n')))
            ++lines;
    }
    if (n > pos_ && d[n - 1] != '\n' && d[n - 1] != '\r')
        ++lines;
    return lines;
}

} // namespace brevane
