#pragma once
// Line-oriented text files read by position (the client file and the
// settings file): Windows-1252 text on every platform, CR LF line ends, the
// 23-character scientific form for reals.

#include <QByteArray>
#include <QString>

namespace brevane {

// Text to Windows-1252 (Windows1252.h); characters the code page cannot hold
// become "?". Every line break (CR LF, CR or LF) becomes " | ", so a value
// never spans two lines of a file. AppendLine1252 ends the line with CR LF,
// Encode1252 gives the line without its end.
void AppendLine1252(QByteArray &out, const QString &text);
QByteArray Encode1252(const QString &text);

// The text as a client file can keep it. A character Windows-1252 lacks
// becomes its letter without the accent when the code page has that letter
// ("Nguyễn" gives "Nguyen", "Łódź" gives "Lódz"), otherwise "?". Line breaks
// and the characters the code page holds are kept.
QString FitWindows1252(const QString &text);

// " 1.01000000000000E+0000": sign position (blank or "-"), one digit, a point,
// 14 digits, "E", exponent sign and 4 exponent digits, whatever the locale.
QString FormatReal23(double value);
// Reads a real with the point as decimal separator, ignoring surrounding blanks.
double ParseReal(const QString &text, bool *ok);

// Reads a line file from memory, by position.
class LineReader
{
public:
    explicit LineReader(QByteArray bytes);

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    // The characters up to the line end; moves past it. Empty at the end.
    QString ReadLine();
    void SkipLine();
    // Skips blanks, tabs and line ends, takes the next run of non-blank
    // characters as the number, then moves past the rest of its line. At the
    // end of the data the number is 0. `ok` is false for a malformed number.
    int ReadInteger(bool *ok);
    double ReadReal(bool *ok);
    // Number of line ends from the current position to the end of the data
    // (a last line without a line end counts as a line).
    qsizetype RemainingLines() const;
    // Whether a read began at the end of the data: the file ended before
    // everything its layout promises was read.
    bool RanOut() const { return ranOut_; }
    // Where the next read begins, and going back there.
    qsizetype Position() const { return pos_; }
    void Rewind(qsizetype position) { pos_ = qBound(qsizetype(0), position, bytes_.size()); }
    // Moves to the start of the next line that reads `line` exactly (from
    // the current position on); false, and at the end, when none does.
    bool FindLine(const QByteArray &line);

private:
    QByteArray token(qsizetype maxLength);
    QByteArray bytes_;
    qsizetype pos_ = 0;
    bool ranOut_ = false;
};

} // namespace brevane
