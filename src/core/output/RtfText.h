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

// The opening of a print template, up to and including the hidden header
// mark and the body's font: the RTF header with the templates' fonts (Times
// New Roman for the text, a symbol font for tick marks, Arial), their colour
// table, the paper (twips; `landscape` marks it so) and margins (left,
// right, top, bottom, twips), then "\v\'b7\v0\f0\fs<2 x fontPoints>".
QString PrintTemplateOpening(int paperWidth, int paperHeight, bool landscape, const int (&margins)[4], int fontPoints);

// The RTF document with `title` as its title ("{\\info{\\title ...}}" after
// the header's tables, where a word processor looks for it), which a PDF made
// from it carries. A document that has a title keeps it.
QString WithDocumentTitle(const QString &document, const QString &title);

// The text of a line list: every line followed by CR LF.
QString ListText(const QStringList &lines);
// Splits a text into lines at CR LF, CR or LF; a final line end starts no
// further line.
QStringList SplitListText(const QString &text);

// The bytes of a line list written in ASCII: every line followed by CR LF,
// every character outside ASCII written as "?".
QByteArray EncodeAsciiLines(const QStringList &lines);

// How a file is written: over what is there (following a link, as a path the
// user named), or as a new file that is never anything already at the path
// (the temporary print document: a link planted there is refused).
enum class WriteMode { Replace, CreateNew };

// Writes the line list to `path` in ASCII. The written bytes are synced to
// the disk and the file closed before it counts as written; on any failure
// (disk full, I/O error) no partial file is left behind. False with the
// system's error text in *error.
bool WriteAsciiFile(const QString &path, const QStringList &lines, QString *error = nullptr,
                    WriteMode mode = WriteMode::Replace);

// Reads a text file as Windows-1252 into a line list. False when it cannot be
// read.
bool ReadTextLines(const QString &path, QStringList &lines);

} // namespace brevane
