#include "core/document/ClientDocument.h"

#include "core/calc/Calculate.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/files/ClientFile.h"
#include "core/forms/PageZero.h"
#include "core/output/PdfExport.h"
#include "core/output/RtfText.h"

#include <QDir>
#include <QFileInfo>

#include <new>
#include <vector>

namespace brevane {

ClientDocument::ClientDocument(QObject *parent)
    : QObject(parent)
{
    ResetAnswers();
}

ClientDocument::~ClientDocument() = default;

bool ClientDocument::ResetAnswers()
{
    answers_.reset();
    try {
        answers_ = std::make_unique<TAnswer>();
    } catch (const std::bad_alloc &) {
        ShowError(msg::AnswerStoreNotCreated);
        return false;
    }
    return true;
}

bool ClientDocument::Load(const QString &path, QString *error, QString *problem)
{
    // Whatever the reader reports names the file.
    const MessageAbout about(QDir::toNativeSeparators(path));
    if (!answers_ || !LoadClientFile(path, *answers_, directory_, error, problem))
        return false;
    rememberDiskState(path);
    return true;
}

bool ClientDocument::Save(const QString &path, QString *error)
{
    if (!answers_ || !SaveClientFile(path, *answers_, directory_, error))
        return false;
    rememberDiskState(path);
    return true;
}

void ClientDocument::rememberDiskState(const QString &path)
{
    const QFileInfo file(path);
    diskPath_ = file.absoluteFilePath();
    diskModified_ = file.lastModified();
    diskSize_ = file.size();
}

bool ClientDocument::ChangedOnDisk(const QString &path) const
{
    const QFileInfo file(path);
    if (file.absoluteFilePath() != diskPath_ || !file.exists())
        return false;
    return file.lastModified() != diskModified_ || file.size() != diskSize_;
}

bool ClientDocument::Recalculate()
{
    if (!answers_)
        return true;
    const bool ok = Calculate(answers_.get(), directory_);
    Q_EMIT AnswersChanged();
    return ok;
}

PrintBuildResult ClientDocument::BuildPrintDocument(const PrintSelection &selection, const QString &templateFolder,
                                                    const QString &dataFolder, QString *document)
{
    if (!answers_)
        return PrintBuildResult::Failed;
    // The directory worksheet prints through the answers of page 88; they
    // are put back as they were when the job is done.
    constexpr int worksheetPage = 88;
    std::vector<AnswerEntry> worksheet;
    for (int k = 0; k < TAnswer::AnswerCount(worksheetPage); ++k)
        worksheet.push_back(answers_->Entry(worksheetPage, 0, k));

    merge_.SetAnswers(answers_.get());
    merge_.SetDataFolder(dataFolder);
    PrintJob job(*answers_, directory_, merge_, templateFolder);
    const PrintBuildResult result = job.BuildPrintDocument(selection);
    if (document)
        *document = job.PrintDocument();

    for (int k = 0; k < TAnswer::AnswerCount(worksheetPage); ++k)
        answers_->Entry(worksheetPage, 0, k) = worksheet[size_t(k)];
    return result;
}

QString ClientDocument::ClientName() const
{
    const QString entity = answers_ ? answers_->Text(0, 0, G0::EntityName).simplified() : QString();
    if (!entity.isEmpty())
        return entity;
    return QFileInfo(QString(FileName).replace(QLatin1Char('\\'), QLatin1Char('/'))).completeBaseName();
}

QStringList ClientDocument::PrintedForms(const PrintSelection &selection)
{
    QStringList forms;
    for (const SelectionBox &box : SelectionBoxes()) {
        if (!selection.IsChecked(box.name))
            continue;
        QString form = QString(box.caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
        // "Page 1" and "Front" say which form only with their section or tab.
        if (form.startsWith(QLatin1String("Page ")) || box.section.isEmpty()) {
            const QString where = box.section.isEmpty() ? SelectionTabCaption(box.tab) : box.section;
            form = QString(where).replace(QStringLiteral("&&"), QStringLiteral("&")) + QStringLiteral(", ") + form;
        }
        if (!forms.contains(form))
            forms << form;
    }
    return forms;
}

PrintBuildResult ClientDocument::BuildTitledPrintDocument(const PrintSelection &selection,
                                                          const QString &templateFolder, const QString &dataFolder,
                                                          QString *document)
{
    const PrintBuildResult result = BuildPrintDocument(selection, templateFolder, dataFolder, document);
    if (result == PrintBuildResult::Built && document) {
        const QString entity = answers_ ? answers_->Text(0, 0, G0::EntityName) : QString();
        *document = WithDocumentTitle(*document, PdfTitle(entity, PrintedForms(selection)));
    }
    return result;
}

} // namespace brevane
