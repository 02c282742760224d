#include "core/document/ClientDocument.h"

#include "core/calc/Calculate.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/dialogs/Outcome.h"
#include "core/files/ClientFile.h"
#include "core/files/RecoveryCopy.h"
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageZero.h"
#include "core/output/PdfExport.h"
#include "core/output/RegisterPaper.h"
#include "core/output/RtfText.h"

#include <QDir>
#include <QFileInfo>

#include <new>
#include <vector>

namespace brevane {

ClientDocument::ClientDocument(QObject *parent)
    : QObject(parent)
{
    // Without a store every later call fails with 18023 and says so.
    static_cast<void>(ResetAnswers());
}

ClientDocument::~ClientDocument() = default;

Outcome ClientDocument::ResetAnswers()
{
    answers_.reset();
    try {
        answers_ = std::make_unique<TAnswer>();
    } catch (const std::bad_alloc &) {
        return Outcome::failure(msg::AnswerStoreNotCreated);
    }
    return {};
}

Outcome ClientDocument::Clear()
{
    directory_ = DirectoryTable();
    SetFileName(QStringLiteral("Untitled.cl1"));
    SetModified(false);
    return ResetAnswers();
}

namespace {

// The detail of a message about the file at `path` and what was wrong with it.
QString aboutFile(const QString &path, const QString &problem)
{
    const QString file = QDir::toNativeSeparators(path);
    return problem.isEmpty() ? file : file + QStringLiteral(": ") + problem;
}

} // namespace

Outcome ClientDocument::Load(const QString &path)
{
    if (!answers_)
        return Outcome::failure(msg::AnswerStoreNotCreated);
    const MessageCollector collector;
    QString systemText;
    QString why;
    bool read = false;
    {
        // Whatever the reader reports names the file.
        const MessageAbout about(QDir::toNativeSeparators(path));
        read = LoadClientFile(path, *answers_, directory_, &systemText, &why);
    }
    Outcome outcome = collector.outcome();
    if (!read) {
        // The reader names a file that is not a client file or has an
        // unknown version; a file that cannot be read at all, or one that
        // breaks off in a malformed line, is named here with what was wrong.
        if (outcome.messages().isEmpty())
            outcome.fail(msg::ClientFileUnreadable, aboutFile(path, systemText.isEmpty() ? why : systemText));
        outcome.markFailed();
        return outcome;
    }
    // A file that ends early: what it holds is loaded, and the user is told.
    if (!why.isEmpty())
        outcome.note(msg::ClientFileDamaged, aboutFile(path, why));
    rememberDiskState(path);
    SetModified(false);
    return outcome;
}

QString ClientDocument::LoadProblem(const Outcome &loaded, const QString &path)
{
    const QString prefix = QDir::toNativeSeparators(path) + QStringLiteral(": ");
    for (const OutcomeMessage &message : loaded.messages())
        if ((message.number == msg::ClientFileUnreadable || message.number == msg::ClientFileDamaged) &&
            message.detail.startsWith(prefix))
            return message.detail.mid(prefix.size());
    return QString();
}

bool ClientDocument::Restore(const QString &copyPath, QString *problem)
{
    if (!answers_ || !RecoveryCopy::Load(copyPath, *answers_, directory_, problem))
        return false;
    SetFileName(QStringLiteral("Untitled.cl1"));
    SetModified(true);
    Q_EMIT DirectoryChanged();
    return true;
}

Outcome ClientDocument::Save(const QString &path, QString *error)
{
    QString why;
    if (!answers_ || !SaveClientFile(path, *answers_, directory_, &why)) {
        if (error)
            *error = why;
        return Outcome::failure(msg::ClientFileNotSaved,
                                QDir::toNativeSeparators(path) + QStringLiteral(" (") + why + QLatin1Char(')'));
    }
    rememberDiskState(path);
    SetModified(false);
    return {};
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

Outcome ClientDocument::Recalculate()
{
    if (!answers_)
        return {};
    Outcome outcome;
    {
        const MessageCollector collector;
        const Outcome run = Calculate(answers_.get(), directory_);
        // A conversion that could not read an answer is told, and the run
        // goes on with zero; only a failed page procedure fails the run.
        outcome = collector.outcome();
        outcome.add(run);
    }
    Q_EMIT AnswersChanged();
    return outcome;
}

void ClientDocument::SetFileName(const QString &path)
{
    if (fileName_ == path)
        return;
    fileName_ = path;
    Q_EMIT FileStateChanged();
}

void ClientDocument::SetModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    Q_EMIT FileStateChanged();
}

void ClientDocument::BindFile(ClientFileLock lock, bool readOnly)
{
    Lock = std::move(lock);
    if (readOnly_ == readOnly)
        return;
    readOnly_ = readOnly;
    Q_EMIT FileStateChanged();
}

void ClientDocument::StoreAnswer(int page, int copy, int answer, const QString &text)
{
    if (answers_)
        answers_->SetText(page, copy, answer, text);
}

Outcome ClientDocument::SetOverride(int page, int copy, int answer, bool overridden)
{
    if (!answers_)
        return Outcome::failure(msg::AnswerStoreNotCreated);
    try {
        if (answers_->OvRide(page, copy, answer) == overridden)
            return {};
    } catch (const AnswerRangeError &) {
        return Outcome::failure(msg::CalculationFailed, AnswerPlace(page, copy, answer), page, answer);
    }
    return Edit([=](TAnswer &answers, DirectoryTable &) {
        answers.SetOvRide(page, copy, answer, overridden);
        return Outcome();
    });
}

Outcome ClientDocument::SetDirectory(const DirectoryTable &rows)
{
    if (rows == directory_)
        return {};
    return Edit([&rows](TAnswer &, DirectoryTable &directory) {
        directory = rows;
        return Outcome();
    });
}

Outcome ClientDocument::Edit(const Change &change)
{
    if (!answers_)
        return Outcome::failure(msg::AnswerStoreNotCreated);
    const auto copiesBefore = answers_->PgCt;
    const DirectoryTable rowsBefore = directory_;
    Outcome outcome = change(*answers_, directory_);
    if (!outcome.ok())
        return outcome;
    SetModified(true);
    for (size_t page = 0; page < copiesBefore.size(); ++page)
        if (answers_->PgCt[page] != copiesBefore[page])
            Q_EMIT CopiesChanged(int(page));
    if (!(directory_ == rowsBefore))
        Q_EMIT DirectoryChanged();
    outcome.add(Recalculate());
    return outcome;
}

Outcome ClientDocument::Fill(const Change &fill)
{
    if (!answers_)
        return Outcome::failure(msg::AnswerStoreNotCreated);
    return fill(*answers_, directory_);
}

int ClientDocument::CopyCount(int page) const
{
    return answers_ && IsRepeatablePage(page) ? answers_->PgCt[size_t(page)] : 0;
}

Outcome ClientDocument::AddCopy(int page)
{
    const QString name = IsValidPage(page) ? QString::fromLatin1(PageName[size_t(page)]) : QString::number(page);
    if (!answers_ || !IsRepeatablePage(page))
        return Outcome::failure(msg::NewFormFailed, name, page);
    return Edit([page](TAnswer &answers, DirectoryTable &) { return AddCopyTo(answers, page); });
}

Outcome ClientDocument::AddCopyTo(TAnswer &answers, int page)
{
    if (!IsRepeatablePage(page)) {
        const QString name = IsValidPage(page) ? QString::fromLatin1(PageName[size_t(page)]) : QString::number(page);
        return Outcome::failure(msg::NewFormFailed, name, page);
    }
    const int count = answers.PgCt[size_t(page)];
    if (count >= PageContinuationMax[size_t(page)] + 1)
        return Outcome::failure(msg::ContinuationLimitReached, QString(), page);
    answers.PgCt[size_t(page)] = count + 1;
    return {};
}

Outcome ClientDocument::DeleteCopy(int page, int copy)
{
    const QString name = IsValidPage(page) ? QString::fromLatin1(PageName[size_t(page)]) : QString::number(page);
    const int count = CopyCount(page);
    if (copy < 0 || copy >= count)
        return Outcome::failure(msg::DeleteFormFailed, name, page);
    // A copy count beyond the store's lists (a damaged file) leaves the
    // copies as they are.
    if (!TAnswer::HasList(page, count - 1))
        return Outcome::failure(msg::DeleteFormFailed, name, page);
    // The later copies move down one place with their override flags; the
    // last place is emptied.
    return Edit([page, copy, count](TAnswer &store, DirectoryTable &) {
        const int answers = TAnswer::AnswerCount(page);
        for (int c = copy; c < count - 1; ++c)
            for (int i = 0; i < answers; ++i)
                store.Entry(page, c, i) = store.Entry(page, c + 1, i);
        for (int i = 0; i < answers; ++i)
            store.Entry(page, count - 1, i) = AnswerEntry{};
        store.PgCt[size_t(page)] = count - 1;
        return Outcome();
    });
}

bool LeavesPageOut(int number)
{
    switch (number) {
    case msg::CalculationFailed:
    case msg::PrintDataUnreadable:
    case msg::PrintDataLineUnreadable:
    case msg::PrintPageTemplateUnusable:
    case msg::PrintTemplateUnreadable:
    case msg::TemplateNumberUnreadable:
    case msg::TemplateNumberAtEnd:
        return true;
    default:
        return false;
    }
}

Outcome ClientDocument::BuildPrintDocument(const PrintSelection &selection, const QString &templateFolder,
                                           const QString &dataFolder, QString *document)
{
    if (document)
        document->clear();
    if (!answers_)
        return Outcome::failure(msg::AnswerStoreNotCreated);
    // The directory worksheet prints through the answers of page 88; they
    // are put back as they were when the job is done.
    constexpr int worksheetPage = 88;
    std::vector<AnswerEntry> worksheet;
    for (int k = 0; k < TAnswer::AnswerCount(worksheetPage); ++k)
        worksheet.push_back(answers_->Entry(worksheetPage, 0, k));

    Outcome outcome;
    PrintBuildResult result;
    {
        const MessageCollector collector;
        merge_.SetAnswers(answers_.get());
        merge_.SetDataFolder(dataFolder);
        PrintJob job(*answers_, directory_, merge_, templateFolder);
        result = job.BuildPrintDocument(selection);
        if (document && result == PrintBuildResult::Built)
            *document = job.PrintDocument();
        outcome = collector.outcome();
    }

    for (int k = 0; k < TAnswer::AnswerCount(worksheetPage); ++k)
        answers_->Entry(worksheetPage, 0, k) = worksheet[size_t(k)];

    if (result == PrintBuildResult::NothingChecked)
        outcome.fail(msg::NothingToPrint);
    // Nothing printed, the job ended on a failure, or a page was left out:
    // the papers are not what was asked for.
    bool pageLeftOut = false;
    for (const OutcomeMessage &message : outcome.messages())
        pageLeftOut = pageLeftOut || LeavesPageOut(message.number);
    if (result != PrintBuildResult::Built || pageLeftOut)
        outcome.markFailed();
    return outcome;
}

QString ClientDocument::ClientName() const
{
    const QString entity = answers_ ? answers_->Text(0, 0, G0::EntityName).simplified() : QString();
    if (!entity.isEmpty())
        return entity;
    return QFileInfo(QString(fileName_).replace(QLatin1Char('\\'), QLatin1Char('/'))).completeBaseName();
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
    if (selection.shareRegister)
        forms << ledger::RegisterPaperCaption();
    return forms;
}

Outcome ClientDocument::BuildTitledPrintDocument(const PrintSelection &selection, const QString &templateFolder,
                                                 const QString &dataFolder, QString *document)
{
    Outcome outcome = BuildPrintDocument(selection, templateFolder, dataFolder, document);
    if (document && !document->isEmpty()) {
        const QString entity = answers_ ? answers_->Text(0, 0, G0::EntityName) : QString();
        *document = WithDocumentTitle(*document, PdfTitle(entity, PrintedForms(selection)));
    }
    return outcome;
}

} // namespace brevane
