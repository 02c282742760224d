#pragma once
// The output commands of the main window: Preview and Print (the selection
// dialog, the print job and the hand-off of the document to the word
// processor), Save as PDF from the same dialog, the Force Word and Force WordPad switches, Find Word, and the
// removal of the temporary print documents when the program closes.

#include "core/output/PdfExport.h"
#include "core/output/PrintSelection.h"
#include "gui/common/Sender.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

class QProgressDialog;

namespace brevane {

class PdfExport;
class TMainWindow;
class WordProcessorLauncher;
struct PrintSelection;

enum class WordProcessorChoice { Word, WordPad };

// The word processor a print document opens in: Word when it was detected
// or Force Word is set, WordPad otherwise; Force WordPad wins over both.
WordProcessorChoice ChooseWordProcessor(bool wordDetected, bool forceWord, bool forceWordPad);

class TOutputCommands
{
public:
    explicit TOutputCommands(TMainWindow &main);
    ~TOutputCommands();

    // Every print command: toolbar buttons, tree item, menu items (Ctrl+P).
    void PrintSelectedForms(const TSender &sender);
    // One print job: the selection dialog, the recalculation, the print
    // document written to the temporary folder and opened in the word
    // processor. Runs for a menu item, a tree item or a button only.
    void SendToWordProcessor(const TSender &sender);
    // The selection's print document written to the temporary folder and
    // opened in the word processor (after the recalculation and the check).
    void PreviewPrint(const PrintSelection &selection);
    // The checked forms as one PDF: asks for its name (the client's name and
    // the date in the client file folder), and has LibreOffice convert the
    // print document while a progress window offers Cancel; the window keeps
    // working meanwhile. When the PDF is written and the option is on, it
    // opens in the desktop's viewer.
    void SaveAsPdf(const PrintSelection &selection);
    // "Save as Word document...": the same, as a .docx.
    void SaveAsWord(const PrintSelection &selection);
    // The conversion under way, else nullptr; its progress window.
    PdfExport *PdfInProgress() const;
    QProgressDialog *PdfProgress() const { return pdfProgress_; }

    // Opens the written document: its file name alone is the argument, the
    // temporary folder the working folder. 11550 when it cannot be started.
    void LaunchWordProcessor(const QString &document, const QString &folder);

    void ForceWordClick();
    void ForceWordPadClick();
    // Searches the usual install folders for the word processor; used again
    // while one is held, it forgets it without searching.
    void FindWordClick();

    // Whether the word processor that stands in for Word is installed.
    static bool WordInstalled();
    // Deletes the files matching `pattern` in `folder`; a file that cannot be
    // deleted is named in a warning and the others are still deleted.
    void DeleteTemps(const QString &folder, const QString &pattern);

    // Starts the word processors; nullptr puts back the platform's own.
    void SetLauncher(WordProcessorLauncher *launcher);

    QString FoundWordPath;         // held while Find Word has found one
    QStringList WordSearchFolders; // where Find Word looks, in order
    QStringList WordProgramNames;  // the file names it looks for

private:
    void Message(const QString &text);
    // The displayed page's last entries stored, every answer recalculated,
    // the print document of the selection built; false when there is none
    // (the reason shown).
    bool BuildDocument(const PrintSelection &selection, bool titled, QString *document);
    void PdfFinished(const QString &path, int result);
    // Save as PDF or Word document: the name asked for, then the conversion.
    void savePapers(const PrintSelection &selection, PaperFormat format);
    // The client the print dialog remembers its ticked forms for.
    QString clientKey();

    TMainWindow &main_;
    std::unique_ptr<WordProcessorLauncher> platformLauncher_;
    WordProcessorLauncher *launcher_ = nullptr;
    std::unique_ptr<PdfExport> pdf_;
    QProgressDialog *pdfProgress_ = nullptr;
    // The forms last ticked in the print dialog, by client (for this run).
    QHash<QString, CheckedBoxes> lastTicked_;
};

} // namespace brevane
