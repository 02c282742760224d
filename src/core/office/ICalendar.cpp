#include "core/office/ICalendar.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace brevane {

namespace {

constexpr int MaxLineOctets = 75;

QString dateValue(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

// Stable for the same client file, kind of date and day.
QString uidOf(const OfficeDueDate &date)
{
    const QByteArray client =
        QCryptographicHash::hash(QFileInfo(date.clientPath).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("%1-%2-%3@brevane")
        .arg(dateValue(date.due.date))
        .arg(int(date.due.kind))
        .arg(QString::fromLatin1(client));
}

} // namespace

QString ICalendarText(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == QLatin1Char('\\') || ch == QLatin1Char(';') || ch == QLatin1Char(',')) {
            out += QLatin1Char('\\');
            out += ch;
        } else if (ch == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QStringLiteral("\\n");
        } else if (ch == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else if (ch.unicode() < 0x20 || ch.unicode() == 0x7f) {
            // Other control characters are not allowed in a text value.
            out += QLatin1Char(' ');
        } else {
            out += ch;
        }
    }
    return out;
}

QByteArray FoldedLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / MaxLineOctets * 3 + 2);
    qsizetype start = 0;
    int room = MaxLineOctets; // the first line has 75 octets, the others 74 after their blank
    while (bytes.size() - start > room) {
        qsizetype end = start + room;
        // Never between the bytes of one character: back to a lead byte.
        while (end > start && (uchar(bytes.at(end)) & 0xC0) == 0x80)
            --end;
        if (end == start)
            end = start + room;
        out.append(bytes.constData() + start, end - start);
        out.append("\r\n ");
        start = end;
        room = MaxLineOctets - 1;
    }
    out.append(bytes.constData() + start, bytes.size() - start);
    out.append("\r\n");
    return out;
}

QByteArray ICalendarOf(const QList<OfficeDueDate> &dates, const QDateTime &stamp)
{
    const QString stampValue = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray out;
    const auto line = [&out](const QString &text) { out += FoldedLine(text); };
    line(QStringLiteral("BEGIN:VCALENDAR"));
    line(QStringLiteral("VERSION:2.0"));
    line(QStringLiteral("PRODID:-//Tarnwick Hollow Software//Brevane//EN"));
    line(QStringLiteral("CALSCALE:GREGORIAN"));
    line(QStringLiteral("METHOD:PUBLISH"));
    line(QStringLiteral("X-WR-CALNAME:Brevane due dates"));
    for (const OfficeDueDate &date : dates) {
        line(QStringLiteral("BEGIN:VEVENT"));
        line(QStringLiteral("UID:") + uidOf(date));
        line(QStringLiteral("DTSTAMP:") + stampValue);
        line(QStringLiteral("DTSTART;VALUE=DATE:") + dateValue(date.due.date));
        line(QStringLiteral("DTEND;VALUE=DATE:") + dateValue(date.due.date.addDays(1)));
        line(QStringLiteral("SUMMARY:") + ICalendarText(date.clientName + QStringLiteral(": ") + date.due.title));
        line(QStringLiteral("DESCRIPTION:") +
             ICalendarText(date.due.help + QStringLiteral("\nSource: ") + date.due.source +
                           QStringLiteral("\nClient file: ") + date.clientPath));
        line(QStringLiteral("TRANSP:TRANSPARENT"));
        line(QStringLiteral("END:VEVENT"));
    }
    line(QStringLiteral("END:VCALENDAR"));
    return out;
}

} // namespace brevane
