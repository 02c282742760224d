#pragma once
// The Windows-1252 code page: the 8-bit text of the client file, the settings
// file, the print data and the strings of the page screen files.
//
// Every byte reads as its own character: 0x00..0x7F and 0xA0..0xFF as the
// character of the same number, 0x80..0x9F as the code page's characters
// there, and the five bytes it leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) as the C1 controls of the same number, as Windows itself reads them.
// So every byte survives a read and write unchanged.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace brevane {

QString Decode1252(const char *data, qsizetype size);
inline QString Decode1252(const QByteArray &bytes)
{
    return Decode1252(bytes.constData(), bytes.size());
}

// Writes the bytes of the text from `d` on, which has room for text.size()
// bytes, and returns the end of what it wrote. A character the code page
// lacks becomes "?" (one "?" for a character outside the basic plane).
char *Write1252(char *d, QStringView text);
// The bytes of the text, or nullopt when the code page lacks any of its
// characters.
std::optional<QByteArray> Encode1252Exact(QStringView text);

// The Windows-1252 byte of a character outside ASCII, or 0 when the code page
// holds no character for it (also for the five bytes it leaves undefined).
int Windows1252Byte(char16_t c);

} // namespace brevane
