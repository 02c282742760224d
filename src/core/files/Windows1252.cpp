#include "core/files/Windows1252.h"

namespace brevane {

namespace {

// Windows-1252 bytes 0x80..0x9F, the undefined five as C1 controls.
constexpr char16_t High1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte that reads as `c`, or -1 when there is none.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (High1252[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString Decode1252(const char *data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar *d = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = static_cast<unsigned char>(data[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(High1252[b - 0x80]) : QChar(b);
    }
    return text;
}

char *Write1252(char *d, QStringView text)
{
    const qsizetype n = text.size();
    const char16_t *s = text.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        if (c < 0x80) {
            *d++ = char(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
            ++i;
            *d++ = '?';
        } else {
            const int b = byteOf(c);
            *d++ = b < 0 ? '?' : char(b);
        }
    }
    return d;
}

std::optional<QByteArray> Encode1252Exact(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *d = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i].unicode());
        if (b < 0)
            return std::nullopt;
        d[i] = char(b);
    }
    return out;
}

int Windows1252Byte(char16_t c)
{
    if (c < 0x100) // ASCII and the C1 controls, which stand for no character
        return c >= 0xA0 ? c : 0;
    const int b = byteOf(c);
    return b < 0 ? 0 : b;
}

} // namespace brevane
