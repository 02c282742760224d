#pragma once
// The Directory Worksheet's rows as a CSV file, for spreadsheets and other
// programs: one heading line, then one line per row (a field holding a
// comma, a quote or a line break is quoted, its quotes doubled).
//
// An import reads the whole file first and changes nothing while any row or
// column is bad: the user sees how the file's columns go into the
// worksheet's and every bad row by its line, and either all rows come in
// or none.

#include "core/store/DirectoryTable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace brevane {

// The rows as CSV: UTF-8 with a byte order mark (so that a spreadsheet reads
// it as UTF-8), comma separated, CR LF line ends, the headings of
// DirectoryColumnNames first. Every cell as the worksheet keeps it
// (amounts and numbers in the answer form), but a " | " (the worksheet's
// line break, as a memo keeps it) is a line break in the file.
QByteArray WriteDirectoryCsv(const DirectoryTable &rows);

// The most columns a file for the worksheet may have: it has 13, and a
// spreadsheet's export rarely more than a few dozen.
inline constexpr int MostCsvColumns = 100;

// One record of a CSV file and the line of the file it starts on (the
// heading is line 1).
struct CsvRecord
{
    int line = 0;
    QStringList fields; // at most MostCsvColumns + 1 are kept
    int fieldCount = 0; // how many the record has
};

// What is wrong with an import, by the line of the file; line 0 for what
// concerns the columns rather than a row.
struct CsvProblem
{
    int line = 0;
    QString what;
};

// A CSV file read for the Directory Worksheet, before anything changes.
class DirectoryCsvImport
{
public:
    // Reads the file's bytes: UTF-8 (a byte order mark is skipped), or
    // Windows-1252 when they are not UTF-8; fields separated by commas, or by
    // semicolons or tabs when the heading line holds those and no comma.
    // Blank lines are skipped. Each heading goes into the column it names
    // (DirectoryColumnOfHeading), a heading no column has into none, a second
    // heading for a column into none.
    explicit DirectoryCsvImport(const QByteArray &bytes);

    // The headings (the first MostCsvColumns + 1 of a wider file).
    const QStringList &Headings() const { return headings_; }
    const QList<CsvRecord> &Records() const { return records_; }

    // For each of the file's columns, the worksheet column it goes into, or
    // -1 for none. The user may change it before the import.
    QList<int> Mapping;

    // Everything that keeps the file out, in line order: a quoted field never
    // closed, a row with more or fewer fields than the headings, a Code with
    // a letter that is no role, a Cash or Noncash other than X, an amount, a
    // percentage or a number of shares that is not a number, two of the
    // file's columns going into one, no column going anywhere, more than
    // MostCsvColumns columns or more than MostImportedRows rows.
    QList<CsvProblem> Problems() const;
    // The problems as one text ("line 4: ...; line 9: ..."), at most ten named.
    QString ProblemText() const;
    // The rows the file gives under the mapping, one per record, each cell
    // as the client keeps it (KeptText: a line break becomes " | ");
    // columns nothing goes into stay empty. Only for an import without
    // problems.
    DirectoryTable Rows() const;

private:
    // Each heading into the column it names (the first one naming it).
    void mapHeadings();

    QStringList headings_; // at most MostCsvColumns + 1
    int headingCount_ = 0; // the columns of the heading line
    int recordCount_ = 0;  // the rows below it (at most MostImportedRows are kept)
    QList<CsvRecord> records_;
    QList<CsvProblem> structure_; // what reading the file found
};

// The worksheet after an import: the imported rows in place of the old ones
// (`replace`), or after them. Added to a worksheet holding only empty rows
// (a new client's one row), they take its place.
DirectoryTable WithImportedRows(const DirectoryTable &current, const DirectoryTable &imported, bool replace);

} // namespace brevane
