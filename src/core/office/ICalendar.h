#pragma once
// The office's due dates as an iCalendar file (RFC 5545) that a calendar
// program imports: one all-day event per date, its summary naming the client
// and what is due, its description the legal source and what the law says.
// Lines end in CR LF and are folded at 75 octets; the text is UTF-8.

#include "core/office/ClientRegister.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace brevane {

// The calendar of `dates`, stamped with `stamp` (the time it is made, UTC).
// An event's UID stays the same for the same client, kind and day, so that
// a calendar importing the file again updates its events instead of adding
// them twice.
QByteArray ICalendarOf(const QList<OfficeDueDate> &dates, const QDateTime &stamp);

// A text value with the backslash, semicolon, comma and line breaks escaped.
QString ICalendarText(const QString &text);
// One content line, folded: no line longer than 75 octets, each
// continuation starting with a blank, a UTF-8 character never cut; the
// result ends in CR LF.
QByteArray FoldedLine(const QString &line);

} // namespace brevane
