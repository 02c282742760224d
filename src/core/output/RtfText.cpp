#include "core/output/RtfText.h"

#include "core/files/WholeFile.h"
#include "core/files/Windows1252.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace brevane {

namespace {

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
        if (const int b = Windows1252Byte(c)) {
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

QString WithDocumentTitle(const QString &document, const QString &title)
{
    if (!document.startsWith(QLatin1String("{\\rtf")) || document.contains(QLatin1String("{\\info")))
        return document;
    static const QStringList tables = {QStringLiteral("{\\fonttbl"),   QStringLiteral("{\\filetbl"),
                                       QStringLiteral("{\\colortbl"),  QStringLiteral("{\\stylesheet"),
                                       QStringLiteral("{\\listtable"), QStringLiteral("{\\listoverridetable"),
                                       QStringLiteral("{\\revtbl"),    QStringLiteral("{\\*")};
    // The information group goes after the last of them: "{\\rtf1", its
    // control words, then the tables, each a group of its own, perhaps with
    // control words between them.
    qsizetype at = 1;
    qsizetype place = -1;
    for (;;) {
        while (at < document.size()) {
            if (document.at(at).isSpace()) {
                ++at;
            } else if (document.at(at) == QLatin1Char('\\') && at + 1 < document.size() &&
                       document.at(at + 1).isLetter()) {
                ++at;
                while (at < document.size() && document.at(at).isLetter())
                    ++at;
                if (at < document.size() && document.at(at) == QLatin1Char('-'))
                    ++at;
                while (at < document.size() && document.at(at).isDigit())
                    ++at;
            } else {
                break;
            }
        }
        if (place < 0)
            place = at; // a header without tables
        bool table = false;
        for (const QString &start : tables)
            table = table || QStringView(document).mid(at).startsWith(start);
        if (!table)
            break;
        // Skip the whole group, escaped braces included.
        int depth = 0;
        for (; at < document.size(); ++at) {
            const QChar c = document.at(at);
            if (c == QLatin1Char('\\')) {
                ++at;
            } else if (c == QLatin1Char('{')) {
                ++depth;
            } else if (c == QLatin1Char('}') && --depth == 0) {
                ++at;
                break;
            }
        }
        if (depth != 0)
            return document; // a header that never closes: left as it is
        place = at;
    }
    QString out = document;
    out.insert(place, QStringLiteral("{\\info{\\title ") + EscapeRtfText(title) + QStringLiteral("}}\r\n"));
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

bool WriteAsciiFile(const QString &path, const QStringList &lines, QString *error, WriteMode mode)
{
    // A file the user named is replaced only once the new one is whole: a
    // full disk keeps the old document. Only a device or a pipe (standard
    // output) is written in place.
    const QFileInfo target(path);
    if (mode == WriteMode::Replace && (target.isFile() || !target.exists()))
        return ReplaceFile(path, EncodeAsciiLines(lines), error);
    QFile file(path);
    const QIODevice::OpenMode how = mode == WriteMode::CreateNew ? QIODevice::WriteOnly | QIODevice::NewOnly
                                                                 : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!file.open(how)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = EncodeAsciiLines(lines);
    bool written = WriteAllBytes(file, bytes, error);
#ifdef Q_OS_UNIX
    // A full disk or a failing device may show only when the data reaches
    // it. A pipe or a terminal (brevane-cli writing to standard output) has
    // nothing to sync.
    if (written && QFileInfo(path).isFile() && ::fsync(file.handle()) != 0) {
        written = false;
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
    }
#endif
    file.close();
    if (written && file.error() != QFileDevice::NoError) {
        written = false;
        if (error)
            *error = file.errorString();
    }
    // What was written in part goes; a device or a link's target stays.
    const QFileInfo left(path);
    if (!written && left.isFile() && !left.isSymLink())
        file.remove();
    return written;
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

QString PrintTemplateOpening(int paperWidth, int paperHeight, bool landscape, const int (&margins)[4], int fontPoints)
{
    QString rtf;
    rtf += QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\r\n");
    rtf += QStringLiteral("{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
                          "{\\f1\\fnil\\fcharset0 DejaVu Sans{\\*\\falt Segoe UI Symbol};}"
                          "{\\f2\\fswiss\\fcharset0 Arial;}}\r\n");
    rtf += QStringLiteral("{\\colortbl;\\red192\\green0\\blue0;}\r\n");
    rtf += QStringLiteral("\\paperw%1\\paperh%2%3")
               .arg(paperWidth)
               .arg(paperHeight)
               .arg(landscape ? QStringLiteral("\\landscape") : QString());
    rtf += QStringLiteral("\\margl%1\\margr%2\\margt%3\\margb%4\\widowctrl\r\n")
               .arg(margins[0])
               .arg(margins[1])
               .arg(margins[2])
               .arg(margins[3]);
    // The header mark, hidden; the body turns hidden text off again.
    rtf += QStringLiteral("\\v\\'b7\\v0\\f0\\fs") + QString::number(fontPoints * 2) + QStringLiteral("\r\n");
    return rtf;
}

} // namespace brevane
