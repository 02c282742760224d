#include "gui/output/OutputCommands.h"

#include "core/check/ClientCheck.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/files/Folders.h"
#include "core/output/PdfExport.h"
#include "core/output/PrintJob.h"
#include "core/store/Answers.h"
#include "gui/check/TfrmCheckBeforePrint.h"
#include "gui/common/MainWindow.h"
#include "gui/dialogs/HelpCommands.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/output/FileSearch.h"
#include "gui/output/TfrmProgress.h"
#include "gui/output/TfrmSelectedForms.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/PageTransfer.h"
#include "platform/WordProcessor.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QRandomGenerator>
#include <QUrl>

#include <algorithm>

namespace brevane {

namespace {
// The file the print document is written to. The previous document may
// still be open in the word processor: where its file cannot be deleted the
// job takes a numbered name (as PrintDocumentPath does), and likewise where
// the word processor holds it open although the file could be replaced,
// since it would show its own copy of the earlier document again.
QString documentPath(const QString &folder)
{
    const QString plain = QDir(folder).filePath(QStringLiteral("send_temp.rtf"));
    if (!DocumentHeldOpen(plain))
        return PrintDocumentPath(folder);
    const int start = int(QRandomGenerator::global()->bounded(999));
    for (int k = 0; k < 999; ++k) {
        const QString candidate = QDir(folder).filePath(QStringLiteral("send_temp%1.rtf").arg((start + k) % 999));
        if (DocumentHeldOpen(candidate))
            continue;
        if (FreeDocumentPath(candidate))
            return candidate;
    }
    return PrintDocumentPath(folder);
}

} // namespace

QString TOutputCommands::clientKey()
{
    // A saved client by its file; a client not yet saved by its name too,
    // so that the next new client does not inherit its forms.
    const ClientDocument &client = main_.Document();
    const QFileInfo file(QString(client.FileName()).replace(QLatin1Char('\\'), QLatin1Char('/')));
    return file.isAbsolute() ? file.absoluteFilePath() : client.FileName() + QLatin1Char('\n') + client.ClientName();
}

WordProcessorChoice ChooseWordProcessor(bool wordDetected, bool forceWord, bool forceWordPad)
{
    if (forceWordPad)
        return WordProcessorChoice::WordPad;
    return wordDetected || forceWord ? WordProcessorChoice::Word : WordProcessorChoice::WordPad;
}

TOutputCommands::TOutputCommands(TMainWindow &main)
    : WordSearchFolders(WriterInstallFolders())
    , WordProgramNames(brevane::WriterProgramNames())
    , main_(main)
    , platformLauncher_(std::make_unique<WordProcessorLauncher>())
    , launcher_(platformLauncher_.get())
{}

TOutputCommands::~TOutputCommands() = default;

void TOutputCommands::SetLauncher(WordProcessorLauncher *launcher)
{
    launcher_ = launcher ? launcher : platformLauncher_.get();
}

void TOutputCommands::Message(const QString &text)
{
    UserDialogs::Current().Question(main_.Window(), QStringLiteral("Brevane"), text, QMessageBox::Ok, QMessageBox::Ok);
}

void TOutputCommands::PrintSelectedForms(const TSender &)
{
    SendToWordProcessor(TSender::Menu(0));
}

void TOutputCommands::SendToWordProcessor(const TSender &sender)
{
    if (!sender.IsMenuItem() && !sender.IsTreeItem() && !sender.IsCornerButton())
        return;
    PrintSelection selection;
    int result;
    {
        TfrmSelectedForms dialog(main_.CurrentPage, main_.Window());
        dialog.cbxOpenPdf->setChecked(main_.settings.openSavedPdf);
        // What the user typed last counts for the kind of business and the
        // client's name.
        main_.Transfer().ControlsToAnswers();
        const ClientDocument &client = main_.Document();
        if (client.Answers())
            dialog.SetEntity(EntityOfClient(*client.Answers(), client.Directory()));
        const QString key = clientKey();
        dialog.Restore(lastTicked_.value(key));
        result = dialog.exec();
        main_.settings.openSavedPdf = dialog.cbxOpenPdf->isChecked();
        selection = dialog.Selection();
        lastTicked_.insert(key, selection.checked);
    }
    if (result == TfrmSelectedForms::SaveAsPdfResult) {
        SaveAsPdf(selection);
        return;
    }
    if (result == TfrmSelectedForms::SaveAsWordResult) {
        SaveAsWord(selection);
        return;
    }
    if (result == QDialog::Accepted)
        PreviewPrint(selection);
}

void TOutputCommands::PreviewPrint(const PrintSelection &selection)
{
    QString document;
    if (!BuildDocument(selection, false, &document))
        return;

    const QString folder = main_.folders.tempFolder;
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder)) {
        // A folder the program makes for its documents is the user's alone.
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString path = documentPath(folder);
    QString error;
    if (!WritePrintDocument(path, document, &error, WriteMode::CreateNew)) {
        ShowError(msg::PrintDocumentNotWritten,
                  QDir::toNativeSeparators(path) + QStringLiteral(" (") + error + QLatin1Char(')'));
        return;
    }
    LaunchWordProcessor(path, folder);
}

bool TOutputCommands::BuildDocument(const PrintSelection &selection, bool titled, QString *document)
{
    // The displayed page's last entries count, and every answer is current.
    // A paper whose calculation failed is named and left out of the print
    // document, and the others print; any other failure prints nothing.
    if (const Outcome calculated = main_.Calc().RecalculateWithCursor(true); !calculated) {
        calculated.show();
        const TAnswer *answers = main_.Document().Answers();
        const bool onlyPapers = answers && !answers->PageFailures.isEmpty() &&
                                std::all_of(calculated.messages().cbegin(), calculated.messages().cend(),
                                            [](const OutcomeMessage &m) { return m.number == msg::CalculationFailed; });
        if (!onlyPapers)
            return false;
    }
    // What the State or a signer would reject is shown first.
    QStringList boxes;
    for (const QString &box : AllBoxes())
        if (selection.IsChecked(box))
            boxes << box;
    if (!CheckBeforePrint(main_, boxes))
        return false;
    ClientDocument &client = main_.Document();
    QString built;
    const Outcome outcome =
        titled ? client.BuildTitledPrintDocument(selection, main_.folders.Rtf(), main_.folders.Dat(), &built)
               : client.BuildPrintDocument(selection, main_.folders.Rtf(), main_.folders.Dat(), &built);
    outcome.show();
    // A page left out is named, and the pages that were built are shown;
    // with nothing built no document is written.
    if (document)
        *document = built;
    return !built.isEmpty();
}

PdfExport *TOutputCommands::PdfInProgress() const
{
    return pdf_ && pdf_->IsRunning() ? pdf_.get() : nullptr;
}

void TOutputCommands::SaveAsPdf(const PrintSelection &selection)
{
    savePapers(selection, PaperFormat::Pdf);
}

void TOutputCommands::SaveAsWord(const PrintSelection &selection)
{
    savePapers(selection, PaperFormat::Word);
}

void TOutputCommands::savePapers(const PrintSelection &selection, PaperFormat format)
{
    if (PdfInProgress())
        return;
    const bool word = format == PaperFormat::Word;
    const QString extension = word ? QStringLiteral(".docx") : QStringLiteral(".pdf");
    const QString kind = word ? QStringLiteral("Word document") : QStringLiteral("PDF");
    // Without LibreOffice the user learns it before choosing a name.
    const PdfSettings pdfSettings = PdfSettingsFromEnvironment();
    if (!PdfConverterInstalled(pdfSettings)) {
        ShowError(word ? msg::WordConverterMissing : msg::PdfConverterMissing);
        return;
    }
    QString document;
    if (!BuildDocument(selection, true, &document))
        return;

    QString folder = main_.settings.clientFolder.isEmpty() ? main_.folders.installRoot : main_.settings.clientFolder;
    QDir().mkpath(folder);
    QString offered = FileInFolder(folder, DefaultPdfFileName(main_.Document().ClientName(), QDate::currentDate()));
    if (word)
        offered = offered.chopped(4) + extension;
    QString path = UserDialogs::Current().SaveFileName(main_.Window(), QStringLiteral("Save as ") + kind, offered,
                                                       word ? QStringLiteral("Word Documents (*.docx)")
                                                            : QStringLiteral("PDF Files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(extension, Qt::CaseInsensitive)) {
        // The file dialog asked before replacing the name as typed, not this one.
        path += extension;
        if (QFileInfo::exists(path) &&
            UserDialogs::Current().Question(main_.Window(), QStringLiteral("Brevane"),
                                            QDir::toNativeSeparators(path) +
                                                QStringLiteral(" already exists. Do you want to replace it?"),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
    }

    // Through the program's converter process where it is installed, which
    // the paper view keeps loaded.
    pdf_ = std::make_unique<PdfExport>(pdfSettings, nullptr, main_.Converter());
    if (!pdf_->Start(document, path, format)) {
        pdf_.reset();
        return;
    }
    pdfProgress_ = new QProgressDialog(main_.Window());
    pdfProgress_->setObjectName(QStringLiteral("pdfProgress"));
    pdfProgress_->setWindowTitle(QStringLiteral("Save as ") + kind);
    pdfProgress_->setLabelText(
        (word ? QStringLiteral("Saving the selected forms as a Word document:\n%1\n\nLibreOffice takes a few "
                               "seconds for it.")
              : QStringLiteral("Saving the selected forms as a PDF:\n%1\n\nLibreOffice takes a few "
                               "seconds for it."))
            .arg(QFileInfo(path).fileName()));
    pdfProgress_->setCancelButtonText(QStringLiteral("Cancel"));
    pdfProgress_->setRange(0, 0); // no measure of how far: a busy bar
    pdfProgress_->setWindowModality(Qt::WindowModal);
    pdfProgress_->setMinimumDuration(0);
    pdfProgress_->setAutoClose(false);
    pdfProgress_->setAutoReset(false);
    QObject::connect(pdfProgress_, &QProgressDialog::canceled, pdf_.get(), &PdfExport::Cancel);
    QObject::connect(pdf_.get(), &PdfExport::Finished, pdfProgress_,
                     [this, path](PdfResult result) { PdfFinished(path, int(result)); });
    pdfProgress_->show();
}

void TOutputCommands::PdfFinished(const QString &path, int result)
{
    if (pdfProgress_) {
        pdfProgress_->close();
        pdfProgress_->deleteLater();
        pdfProgress_ = nullptr;
    }
    if (PdfResult(result) != PdfResult::Written)
        return;
    // Where the file went, and the way to it.
    const QString folder = QFileInfo(path).absolutePath();
    const bool word = path.endsWith(QLatin1String(".docx"), Qt::CaseInsensitive);
    main_.ShowStatus((word ? QStringLiteral("Saved as Word document: ") : QStringLiteral("Saved as PDF: ")) +
                         QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()),
                     QStringLiteral("Open Folder"), [folder] { OpenFolder(folder); });
    if (main_.settings.openSavedPdf && !word)
        OpenPdf(path);
}

void TOutputCommands::LaunchWordProcessor(const QString &document, const QString &folder)
{
    const QString name = QFileInfo(document).fileName();
    // A word processor that cannot start, or ends at once with an error,
    // leaves the user the document's path, so the document is never lost
    // from view.
    const QString path = QDir::toNativeSeparators(QFileInfo(document).absoluteFilePath());
    launcher_->FailedAtOnce = [path] { ShowError(msg::WordProcessorNotStarted, path); };
    int result;
    if (ChooseWordProcessor(main_.WordDetected, main_.settings.forceWord, main_.settings.forceWordPad) ==
        WordProcessorChoice::WordPad) {
        if (!launcher_->SetWordPadMargins())
            ShowError(msg::WordPadMarginsNotSet);
        result = launcher_->StartWordPad(name, folder);
    } else {
        result = launcher_->StartWord(name, folder);
    }
    if (result != ShellStarted && result != 0)
        ShowError(msg::WordProcessorNotStarted, path);
}

void TOutputCommands::ForceWordClick()
{
    main_.settings.forceWord = !main_.settings.forceWord;
}

void TOutputCommands::ForceWordPadClick()
{
    main_.settings.forceWordPad = !main_.settings.forceWordPad;
}

void TOutputCommands::FindWordClick()
{
    if (!FoundWordPath.isEmpty()) {
        FoundWordPath.clear();
        return;
    }
    TfrmProgress progress(main_.Window());
    progress.ShowNow(QStringLiteral("Please Wait. Searching for MS Word."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TFileSearch search;
    for (const QString &folder : WordSearchFolders)
        for (const QString &name : WordProgramNames)
            search.FindFileRecursive(folder, name);
    if (search.Found)
        FoundWordPath = search.FoundPath;
    progress.close();
    QApplication::restoreOverrideCursor();
    Message(search.Found ? QStringLiteral("Found Word installation.")
                         : QStringLiteral("Did not find Word installation."));
}

bool TOutputCommands::WordInstalled()
{
    return WriterInstalled();
}

void TOutputCommands::DeleteTemps(const QString &folder, const QString &pattern)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;
    QStringList left;
    for (const QString &name : dir.entryList(QStringList{pattern}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (!QFile::remove(dir.filePath(name)))
            left << name;
    }
    // One message names every document that stays.
    if (!left.isEmpty())
        Message(QStringLiteral("Unable to delete ") + left.join(QStringLiteral(", ")));
}

} // namespace brevane
