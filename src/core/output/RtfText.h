#pragma once
// Text helpers of the document output: answer text made safe for RTF, the
// line list that holds a template or the print document, and the ASCII file
// the word processor opens.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace brevane {

// An answer as RTF text that prints exactly what the user typed and can never
// change the document's structure: "\", "{" and "}" are escaped; a character
// of Windows-1252 outside ASCII is written "\'XX" (hex digits in capitals, so
// that no answer ever spells the lower-case header mark "\'b7"); any other
// character as "\uN?" (one per UTF-16 unit, N a signed 16-bit number); a tab
// as "\tab "; a line break (CR LF, CR or LF) as " | ", the way a memo is
// stored. Other control characters are left out.
QString EscapeRtfText(const QString &answer);

// The text of a line list: every line followed by CR LF.
QString ListText(const QStringList &lines);
// Splits a text into lines at CR LF, CR or LF; a final line end starts no
// further line.
QStringList SplitListText(const QString &text);

// The bytes of a line list written in ASCII: every line followed by CR LF,
// every character outside ASCII written as "?".
QByteArray EncodeAsciiLines(const QStringList &lines);

// Writes the line list to `path` in ASCII. False with the system's error text
// in *error when the file cannot be written.
bool WriteAsciiFile(const QString &path, const QStringList &lines, QString *error = nullptr);

// Reads a text file as Windows-1252 into a line list. False when it cannot be
// read.
bool ReadTextLines(const QString &path, QStringList &lines);

} // namespace brevane
