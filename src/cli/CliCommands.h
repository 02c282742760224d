#pragma once
// What the commands of brevane-cli share: the exit status, the messages on
// standard error, reading a client and building its print document. Each
// command lives in a file of its own; main.cpp reads the options and
// dispatches.

#include "core/output/PdfExport.h"
#include "core/output/PrintSelection.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace brevane {

class ClientDocument;
class ClientFileLock;

namespace cli {

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;

// One line on standard error.
void PrintLine(const QString &text);

// Reads IN into the document's fresh store as it is saved. False (its reason
// on standard error) when the file cannot be read, is rejected or is damaged.
bool LoadClient(const QString &in, ClientDocument &client);

// Reads IN into the document's fresh store and runs one calculation. False
// (its reason on standard error) when the file cannot be read, is rejected or
// is damaged: a batch run never goes on from a part of a client. Also false
// when the calculation failed, unless `paperFailed` is given and only papers'
// page procedures failed: then true with *paperFailed set (the messages name
// the papers; a print job leaves them out).
bool LoadAndCalculate(const QString &in, ClientDocument &client, bool *paperFailed = nullptr);

// Takes "--as-of YYYY-MM-DD" out of the arguments into *asOf (left as it is
// without the option). ExitUsage, its reason on standard error, for a date
// that does not read.
int TakeAsOfOption(QStringList &args, QDate *asOf);

// The print selection the arguments name: boxes by name, and among them
// "--certificates 1,3,6-8" (the stock certificates to print; all outstanding
// without it), "--share-register [--as-of YYYY-MM-DD]" (the share register
// after the forms) and "--instructions" (the forms' filing instructions, as
// their own part at the end). ExitUsage, the reason on standard error, for a box or
// option that does not read.
int ReadSelection(const QStringList &args, PrintSelection *selection);

// Reads IN, calculates and builds the print document of the selection the
// arguments name (ReadSelection), titled with the entity's name and the
// forms when `titled`. ExitOk with the document, else the exit status, its
// reason on standard error; `out` names the file that is then not written.
// With `papersLeftOut`, a document from which only papers whose calculation
// failed were left out (their messages shown) is ExitOk too, with
// *papersLeftOut set: the caller writes the other papers and exits 1.
int BuildDocument(const QString &in, const QStringList &boxes, const QString &supportFolder, const QString &out,
                  bool titled, QString *document, bool *papersLeftOut = nullptr);

enum class OutputKind { Rtf, Pdf, Word, Json, Client };

// Whether a command reading IN may write OUT: never the input itself (under
// any name or link), never a client open in a window (`lock` holds OUT's lock
// from here until the command ends), a file of another kind only with
// `replaceOtherKind`. Standard output, pipes and devices are always written.
// ExitOk, else ExitFailed with the reason on standard error.
int ClaimOutput(const QString &in, const QString &out, OutputKind kind, bool replaceOtherKind, ClientFileLock &lock);

// brevane-cli pdf IN.cl1 OUT.pdf BOX [BOX ...]: the print document of the
// boxes converted to PDF by LibreOffice; docx IN.cl1 OUT.docx BOX [BOX ...]
// with `format` Word.
int PdfCommand(const QStringList &args, const QString &supportFolder, bool replaceOtherKind = false,
               PaperFormat format = PaperFormat::Pdf);
// brevane-cli pdf --out-dir DIR IN.cl1 [IN.cl1 ...] --boxes BOX [BOX ...]:
// DIR/<client file's base name>.pdf for each client, one LibreOffice for
// all. A client that fails is named and the others are still written.
int PdfBatchCommand(const QString &outFolder, const QStringList &clients, const QStringList &boxes,
                    const QString &supportFolder, bool replaceOtherKind = false);

// brevane-cli export IN.cl1 OUT.json: the client as JSON (docs/json-layout.md),
// every answer as saved, without a calculation.
int ExportCommand(const QStringList &args, bool replaceOtherKind = false);
// brevane-cli import IN.json OUT.cl1: the client file the JSON describes.
// JSON that is not a client, or holds anything wrong, is refused with every
// fault named, and nothing is written.
int ImportCommand(const QStringList &args, bool replaceOtherKind = false);

// brevane-cli list FOLDER: one tab-separated line per client file of the
// folder and its subfolders (file, name, kind, charter number, must-fix
// findings, next due date, state), after a heading line. ExitFailed when a
// client could not be read whole (it is listed, and named on standard error).
int ListCommand(const QStringList &args);

// brevane-cli calendar FOLDER|IN.cl1 [--ics OUT.ics] [--days N] [--from
// YYYY-MM-DD]: the due dates of the next N days (90 when not given) from
// today or the day given, one tab-separated line each (date, file, client,
// what is due, its legal source); with --ics also as an iCalendar file.
int CalendarCommand(QStringList args);

} // namespace cli
} // namespace brevane
