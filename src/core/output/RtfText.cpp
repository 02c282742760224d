#include "output/RtfText.h"

#include "files/LineText.h"

#include <QFile>
#include <QFileInfo>

namespace brevane {

namespace {

// Unicode characters of the Windows-1252 bytes 0x80..0x9F (0 where the code
// page defines no character).
constexpr char16_t High1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The Windows-1252 byte of a character outside ASCII, or 0 when the code page
// does not hold it.
int byte1252(char16_t c)
{
    if (c >= 0xA0 && c <= 0xFF)
        return c;
    for (int i = 0; i < 32; ++i)
        if (High1252[i] != 0 && High1252[i] == c)
            return 0x80 + i;
    return 0;
}

const char HexDigits[] = "0123456789ABCDEF";

} // namespace

QString EscapeRtfText(const QString &answer)
{
    // Most answers are plain text that needs nothing.
    bool plain = true;
    for (QChar ch : answer) {
        const char16_t c = ch.unicode();
        if (c < 0x20 || c >= 0x7F || c == u'\\' || c == u'{' || c == u'}') {
            plain = false;
            break;
        }
    }
    if (plain)
        return answer;
    QString out;
    out.reserve(answer.size() + answer.size() / 4 + 8);
    const QChar *s = answer.constData();
    const qsizetype n = answer.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i].unicode();
        switch (c) {
        case u'\\':
            out += QLatin1String("\\\\");
            continue;
        case u'{':
            out += QLatin1String("\\{");
            continue;
        case u'}':
            out += QLatin1String("\\}");
            continue;
        case u'\t':
            out += QLatin1String("\\tab ");
            continue;
        case u'\r':
            if (i + 1 < n && s[i + 1] == u'\n')
                ++i;
            out += QLatin1String(" | ");
            continue;
        case u'\n':
            out += QLatin1String(" | ");
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0))
            continue; // control characters print nothing
        if (c < 0x80) {
            out += QChar(c);
            continue;
        }
        if (const int b = byte1252(c)) {
            out += QLatin1String("\\'");
            out += QLatin1Char(HexDigits[b >> 4]);
            out += QLatin1Char(HexDigits[b & 15]);
            continue;
        }
        out += QLatin1String("\\u");
        out += QString::number(int(qint16(c)));
        out += QLatin1Char('?');
    }
    return out;
}

QString ListText(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

QStringList SplitListText(const QString &text)
{
    QStringList lines;
    const QChar *s = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && s[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QByteArray EncodeAsciiLines(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString &line : lines) {
        for (QChar c : line)
            bytes.append(c.unicode() < 0x80 ? char(c.unicode()) : '?');
        bytes.append("\r\n", 2);
    }
    return bytes;
}

bool WriteAsciiFile(const QString &path, const QStringList &lines, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = EncodeAsciiLines(lines);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        file.close();
        return false;
    }
    file.close();
    return true;
}

bool ReadTextLines(const QString &path, QStringList &lines)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    lines = SplitListText(Decode1252(bytes));
    return true;
}

} // namespace brevane
