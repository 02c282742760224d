#include "core/output/PrintJob.h"

#include "core/check/Finding.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/forms/PageFacts.h"
#include "core/ledger/ShareLedger.h"
#include "core/output/RegisterPaper.h"
#include "core/output/RtfText.h"
#include "core/output/TemplateMerge.h"
#include "core/store/Answers.h"
#include "core/store/Conversions.h"
#include "core/store/DirectoryTable.h"
#include "core/store/PageCatalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <utility>

namespace brevane {

namespace {

const QString HeaderMark = QStringLiteral("\\'b7");

QString templateFileName(int page)
{
    return QStringLiteral("page") + QString::number(page) + QStringLiteral(".rtf");
}

// Deletes line ends and blanks from the end of the text and the "}" before
// them; stops after one "}".
void dropClosingBrace(QString &text)
{
    while (!text.isEmpty()) {
        const QChar last = text.back();
        if (last != QLatin1Char('\r') && last != QLatin1Char('\n') && last != QLatin1Char(' ') &&
            last != QLatin1Char('}'))
            return;
        text.chop(1);
        if (last == QLatin1Char('}'))
            return;
    }
}

} // namespace

PrintJob::PrintJob(TAnswer &answers, const DirectoryTable &directory, TemplateMerge &merge,
                   const QString &templateFolder)
    : answers_(answers)
    , directory_(directory)
    , merge_(merge)
    , templateFolder_(templateFolder)
{}

QString PrintJob::TemplatePath(int page) const
{
    return AddPathDelimiter(templateFolder_) + templateFileName(page);
}

PrintBuildResult PrintJob::BuildPrintDocument(const PrintSelection &selection)
{
    document_.clear();
    firstPage_ = false;
    runningHeading_ = false;
    outstanding_.reset();
    merge_.SetAnswers(&answers_);
    merge_.TakeUnreadableDates();
    // Date entries that are no date print as typed; the job names them all
    // in one message when it ends, however it ends.
    struct DateReport
    {
        TemplateMerge &merge;
        ~DateReport()
        {
            if (const QStringList dates = merge.TakeUnreadableDates(); !dates.isEmpty())
                ShowError(msg::DatesUnreadable, dates.join(QStringLiteral("; ")));
        }
    } dateReport{merge_};
    // Templates and data files are read once for the job.
    struct JobFiles
    {
        PrintJob &job;
        explicit JobFiles(PrintJob &j)
            : job(j)
        {
            job.templates_.clear();
            job.merge_.RememberDataFileChecks(true);
        }
        ~JobFiles()
        {
            job.templates_.clear();
            job.merge_.RememberDataFileChecks(false);
        }
    } jobFiles(*this);

    bool anyChecked = false;
    std::array<bool, PageCount> handled{};
    // A page of one copy: the first opens the document, the others follow.
    const auto printPage = [this](int page) {
        if (firstPage_) {
            AppendTemplatePage(page, 0);
            return true;
        }
        return OpenDocument(page, 0, true) != Opened::Fatal;
    };
    for (const SelectionBox &box : SelectionBoxes()) {
        if (!selection.IsChecked(box.name))
            continue;
        anyChecked = true;
        for (int page : box.pages) {
            if (handled[page])
                continue;
            handled[page] = true;
            // A paper whose calculation could not complete would print
            // wrong or partial answers: it is left out, and said so.
            if (const auto failed = answers_.PageFailures.constFind(page); failed != answers_.PageFailures.cend()) {
                ShowError(msg::CalculationFailed, PaperName(page) + QStringLiteral(": ") + *failed +
                                                      QStringLiteral("; left out of the print document"));
                continue;
            }
            if (page == DirectoryWorksheetPage) {
                AppendDirectoryWorksheet();
            } else if (page == ledger::CertificatePage || page == ledger::CertificateBackPage) {
                if (!PrintCertificates(page, selection.certificates))
                    return PrintBuildResult::Failed;
            } else if (IsRepeatablePage(page)) {
                if (!PrintInstances(page))
                    return PrintBuildResult::Failed;
            } else if (!printPage(page)) {
                return PrintBuildResult::Failed;
            }
        }
    }
    if (selection.shareRegister) {
        anyChecked = true;
        AppendShareRegister(selection.registerAsOf);
    }
    // The instructions are not filed: they follow every paper that is.
    for (const SelectionBox &box : SelectionBoxes()) {
        if (!selection.instructions || !selection.IsChecked(box.name))
            continue;
        for (int page : box.instructions) {
            if (handled[page])
                continue;
            handled[page] = true;
            if (!printPage(page))
                return PrintBuildResult::Failed;
        }
    }
    if (!anyChecked)
        return PrintBuildResult::NothingChecked;
    return firstPage_ ? PrintBuildResult::Built : PrintBuildResult::NothingPrinted;
}

PrintJob::Opened PrintJob::OpenDocument(int page, int continuation, bool missingEndsJob)
{
    QString text;
    if (!TemplateText(page, text)) {
        ShowError(msg::PrintTemplateUnreadable, TemplatePath(page));
        return missingEndsJob ? Opened::Fatal : Opened::Skipped;
    }
    if (!merge_.MergeTemplatePageText(text, page, continuation))
        return Opened::Skipped;
    addPageText(text, page);
    return Opened::Yes;
}

bool PrintJob::addPageText(QString text, int layoutPage)
{
    // A page with a running heading (the heading of a table that continues
    // over its sheets) sets it for its own section; the section after it
    // would take it over, so that one clears it.
    const bool runningHeading = text.contains(QLatin1String("{\\header "));
    if (!firstPage_) {
        const qsizetype body = text.indexOf(HeaderMark);
        if (body >= 0)
            text.insert(body + HeaderMark.size(), PageStart(layoutPage, true));
        document_ = text;
        firstPage_ = true;
        runningHeading_ = runningHeading;
        return true;
    }
    // Without its header the page would open a second RTF document inside
    // this one.
    if (!StripTemplateHeader(text))
        return false;
    if (std::exchange(runningHeading_, runningHeading) && !runningHeading)
        text.prepend(QStringLiteral("{\\header\\pard\\plain\\fs2\\par}{\\headerf\\pard\\plain\\fs2\\par}"));
    text.prepend(PageStart(layoutPage, false));
    dropClosingBrace(text);
    dropClosingBrace(document_);
    document_ += text;
    document_ += QLatin1Char('}');
    return true;
}

void PrintJob::AppendShareRegister(const QDate &asOf)
{
    addPageText(ledger::RegisterPaper(answers_, ledger::RegisterAsOf(answers_, directory_, asOf, false)), ledger::Page);
}

bool PrintJob::PrintInstances(int page)
{
    const int count = std::clamp(answers_.PgCt[page], 1, PageContinuationMax[page] + 1);
    if (!firstPage_) {
        // Instance 0 opens the job; when it cannot, no instance of the page
        // can (they share template and data file), and the job goes on.
        if (OpenDocument(page, 0, false) != Opened::Yes)
            return true;
        for (int c = 1; c < count; ++c)
            AppendTemplatePage(page, c);
        return true;
    }
    AppendTemplatePage(page, 0);
    for (int c = 1; c < count; ++c)
        if (!AppendTemplatePage(page, c))
            return false;
    return true;
}

bool PrintJob::PrintCertificates(int page, const QList<int> &chosen)
{
    // The front and the back print the same certificates: the register is
    // read once a job.
    if (!outstanding_)
        outstanding_ = ledger::RegisterAsOf(answers_, directory_, QDate(), false).outstanding;
    QList<ledger::Certificate> certificates;
    for (const ledger::Certificate &c : *outstanding_)
        if (chosen.isEmpty() || chosen.contains(c.number))
            certificates << c;
    // A certificate asked for by number that is not outstanding would print
    // nothing, or blank: the job says which and prints no certificate.
    QStringList missing;
    for (int number : chosen)
        if (std::none_of(certificates.cbegin(), certificates.cend(),
                         [number](const ledger::Certificate &c) { return c.number == number; }))
            missing << QString::number(number);
    if (!missing.isEmpty()) {
        ShowError(msg::CertificateNotOutstanding, missing.join(QStringLiteral(", ")));
        return false;
    }
    // As any page that prints once: a template missing for the job's first
    // page ends the job; a later page that cannot be added is left out.
    bool fatal = false;
    const auto printOne = [this, page, &fatal]() -> bool {
        if (!firstPage_) {
            const Opened opened = OpenDocument(page, 0, true);
            fatal = opened == Opened::Fatal;
            return opened == Opened::Yes;
        }
        return AppendTemplatePage(page, 0);
    };
    if (certificates.isEmpty()) {
        printOne();
        return !fatal;
    }

    const int front = ledger::CertificatePage;
    std::vector<AnswerEntry> kept;
    for (int k = 0; k < TAnswer::AnswerCount(front); ++k)
        kept.push_back(answers_.Entry(front, 0, k));
    for (const ledger::Certificate &c : certificates) {
        for (int k = 0; k < TAnswer::AnswerCount(front); ++k)
            answers_.Entry(front, 0, k) = kept[size_t(k)];
        ledger::FillCertificate(answers_, c);
        // A page that cannot be added fails the same way for the others.
        if (!printOne())
            break;
    }
    for (int k = 0; k < TAnswer::AnswerCount(front); ++k)
        answers_.Entry(front, 0, k) = kept[size_t(k)];
    return !fatal;
}

bool PrintJob::AppendTemplatePage(int page, int continuation)
{
    const QString path = TemplatePath(page);
    QString pageText;
    if (!TemplateText(page, pageText)) {
        ShowError(msg::PrintPageTemplateUnusable, path);
        return false;
    }
    if (!merge_.MergeTemplatePageText(pageText, page, continuation))
        return false;
    if (!addPageText(pageText, page)) {
        ShowError(msg::PrintPageTemplateUnusable, path);
        return false;
    }
    return true;
}

bool PrintJob::TemplateText(int page, QString &text)
{
    const auto cached = templates_.constFind(page);
    if (cached != templates_.cend()) {
        text = *cached;
        return true;
    }
    QStringList lines;
    if (!ReadTextLines(TemplatePath(page), lines))
        return false;
    text = ListText(lines);
    templates_.insert(page, text);
    return true;
}

void PrintJob::AppendDirectoryWorksheet()
{
    const int rows = directory_.RowCount();
    const int pages = std::max(1, (rows + WorksheetRowsPerPage - 1) / WorksheetRowsPerPage);
    for (int k = 0; k < pages; ++k) {
        for (int a = 0; a < WorksheetRowsPerPage * 6; ++a)
            answers_.SetText(DirectoryWorksheetPage, 0, a, QString());
        const int first = k * WorksheetRowsPerPage;
        const int last = std::min(first + WorksheetRowsPerPage - 1, rows - 1);
        for (int r = first; r <= last; ++r)
            for (int column = 0; column < 6; ++column)
                answers_.SetText(DirectoryWorksheetPage, 0, 6 * (r - first) + column, directory_.Cell(r, column));
        const bool added = firstPage_ ? AppendTemplatePage(DirectoryWorksheetPage, 0)
                                      : OpenDocument(DirectoryWorksheetPage, 0, false) == Opened::Yes;
        // The other chunks would fail the same way.
        if (!added)
            return;
    }
}

QString PageStart(int page, bool first)
{
    const PageFacts &facts = FactsOfPage(page);
    if (!facts.isPrinted)
        return first ? QString() : QStringLiteral("\\page ");
    const int width = facts.landscape ? 15840 : 12240;
    const int height = facts.landscape ? 12240 : 15840;
    return QStringLiteral("%1\\sectd\\sbkpage\\pgwsxn%2\\pghsxn%3%4\\marglsxn%5\\margrsxn%6\\margtsxn%7\\margbsxn%8 ")
        .arg(first ? QString() : QStringLiteral("\\sect"))
        .arg(width)
        .arg(height)
        .arg(facts.landscape ? QStringLiteral("\\lndscpsxn") : QString())
        .arg(facts.margins[0])
        .arg(facts.margins[1])
        .arg(facts.margins[2])
        .arg(facts.margins[3]);
}

bool LoadTemplate(QStringList &list, const QString &folder, int page)
{
    const QString path = AddPathDelimiter(folder) + templateFileName(page);
    QStringList lines;
    if (!ReadTextLines(path, lines)) {
        ShowError(msg::PrintTemplateUnreadable, path);
        return false;
    }
    list = lines;
    return true;
}

bool StripTemplateHeader(QString &text)
{
    const qsizetype at = text.indexOf(HeaderMark);
    if (at < 0)
        return false;
    text.remove(0, at + HeaderMark.size());
    return true;
}

QString PrintDocumentPath(const QString &tempFolder)
{
    const QString path = AddPathDelimiter(tempFolder) + QStringLiteral("send_temp.rtf");
    if (FreeDocumentPath(path))
        return path;
    // The previous document is still open in the word processor.
    QString candidate;
    for (int attempt = 0; attempt < 100; ++attempt) {
        candidate =
            RemoveExtension(path) + QString::number(QRandomGenerator::global()->bounded(999)) + QStringLiteral(".rtf");
        if (FreeDocumentPath(candidate))
            break;
    }
    return candidate;
}

bool FreeDocumentPath(const QString &path)
{
    const QFileInfo info(path);
    return (!info.exists() && !info.isSymLink()) || QFile::remove(path);
}

bool WritePrintDocument(const QString &path, const QString &document, QString *error, WriteMode mode)
{
    return WriteAsciiFile(path, SplitListText(document), error, mode);
}

} // namespace brevane
