#pragma once
// One print job: the pages of the checked boxes, merged with the client's
// answers and joined into one RTF document, the print document, which is then
// written in ASCII for the word processor.
//
// The first page of a job opens the document with its whole merged text,
// header included. Every later page is appended as "\page " + its merged body
// (everything after the header mark "\'b7"), and the document keeps exactly
// one closing "}" at its end. Templates are "page<N>.rtf" in the template
// folder.

#include "core/ledger/ShareLedger.h"
#include "core/output/PrintSelection.h"
#include "core/output/RtfText.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace brevane {

class TAnswer;
class DirectoryTable;
class TemplateMerge;

// Rows of the directory worksheet on one printed page (page 88).
inline constexpr int WorksheetRowsPerPage = 50;
inline constexpr int DirectoryWorksheetPage = 88;

enum class PrintBuildResult {
    Built,          // the print document holds the job
    NothingChecked, // no box was checked: nothing to print, no file to write
    NothingPrinted, // every page was left out (its message shown): no file to write
    Failed,         // the job ended on a failure (its message shown): no file to write
};

class PrintJob
{
public:
    // The job prints the answers of `answers` (whose page 88 it fills with the
    // directory rows) through `merge`, from templates in `templateFolder`.
    PrintJob(TAnswer &answers, const DirectoryTable &directory, TemplateMerge &merge, const QString &templateFolder);

    // Fills the print document from the checked boxes, box by box in the fixed
    // order, each box's pages in their order; a page asked for by two boxes
    // is printed once.
    PrintBuildResult BuildPrintDocument(const PrintSelection &selection);

    // Loads, merges and appends one page after the first. False (page left
    // out, message shown) when its template is missing, unreadable or has no
    // header mark (1113), or its merge fails.
    bool AppendTemplatePage(int page, int continuation);

    // Adds the directory worksheet pages: 50 rows a page, at least one page.
    void AppendDirectoryWorksheet();
    // Adds the share register on `asOf` (invalid: after the ledger's last
    // entry), in the ledger sheets' layout.
    void AppendShareRegister(const QDate &asOf);

    const QString &PrintDocument() const { return document_; }
    // The template folder + "page" + page + ".rtf".
    QString TemplatePath(int page) const;

private:
    enum class Opened { Yes, Skipped, Fatal };
    // Opens the print document with the page; a missing template ends the
    // job when `missingEndsJob`, otherwise the page is left out.
    Opened OpenDocument(int page, int continuation, bool missingEndsJob);
    // Opens the print document with a page's merged text (header and all),
    // or appends its body after the header mark, in the layout of
    // `layoutPage`. False (nothing added) for a later page without a header
    // mark.
    bool addPageText(QString text, int layoutPage);
    bool PrintInstances(int page);
    // The stock certificate's page once for each certificate of the share
    // ledger outstanding (or those chosen), filled for it; once as the page
    // holds it when the ledger has none. The page's answers are put back.
    bool PrintCertificates(int page, const QList<int> &chosen);
    // The text of the page's template (line ends CR LF). A job reads each
    // template once, however many instances and worksheet pages it prints.
    bool TemplateText(int page, QString &text);

    TAnswer &answers_;
    const DirectoryTable &directory_;
    TemplateMerge &merge_;
    QString templateFolder_;
    QHash<int, QString> templates_;
    std::optional<QList<ledger::Certificate>> outstanding_; // of the share ledger, once a job
    QString document_;
    bool firstPage_ = false;
    bool runningHeading_ = false; // the page added last sets a running heading
};

// The RTF codes that start a page of the print document in a section of its
// own, with the paper, orientation and margins its form source gives it, so
// that each form prints as it prints alone in any job: "\sectd" and the
// section's layout, preceded by the section break "\sect" for a page after
// the first. A page without a form source starts with "\page " after the
// first page and keeps the document's layout.
QString PageStart(int page, bool first);

// Loads folder + "page" + page + ".rtf" into the list. False (1114 shown) when
// it is missing or cannot be read.
bool LoadTemplate(QStringList &list, const QString &folder, int page);

// Deletes everything up to and including the first header mark "\'b7". False
// (nothing deleted) when the text has none.
bool StripTemplateHeader(QString &text);

// The file the print document is written to: "send_temp.rtf" in the temporary
// folder, after deleting the previous one; when that cannot be deleted (still
// open in the word processor), "send_temp" + a number from 0 to 998 + ".rtf",
// choosing a number whose file is free.
QString PrintDocumentPath(const QString &tempFolder);
// True when nothing is at the path, not even a link, once a leftover there
// has been deleted (a link is deleted itself, never what it points to).
bool FreeDocumentPath(const QString &path);

// Writes the print document in ASCII (CR LF line ends, "?" for a character
// outside ASCII). False with the system's error text in *error; nothing is
// left at the path then. The temporary document is written CreateNew.
bool WritePrintDocument(const QString &path, const QString &document, QString *error = nullptr,
                        WriteMode mode = WriteMode::Replace);

} // namespace brevane
