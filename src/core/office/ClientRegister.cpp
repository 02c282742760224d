#include "core/office/ClientRegister.h"

#include "core/check/ClientCheck.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/dialogs/Outcome.h"
#include "core/files/ClientFile.h"
#include "core/files/ClientLock.h"
#include "core/files/WholeFile.h"
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageZero.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace brevane {

namespace {

const QString DefaultClientName = QStringLiteral("default.cl1");

// What the reader said of a file it rejected, without the catalogue's
// number: "its first line does not name Brevane, so it is not a client file".
QString rejection(const Outcome &outcome, const QString &problem)
{
    for (const OutcomeMessage &message : outcome.messages())
        if (!message.detail.isEmpty())
            return message.detail;
    if (!problem.isEmpty())
        return problem;
    return outcome.messages().isEmpty() ? QString() : LookUpMessage(outcome.messages().first().number / 10);
}

} // namespace

QString ClientSummary::DisplayName() const
{
    const QString entity = name.trimmed();
    return entity.isEmpty() ? QFileInfo(path).completeBaseName() : entity;
}

QString ClientSummary::StateText() const
{
    switch (state) {
    case ClientFileState::Unreadable:
        return QStringLiteral("cannot be read");
    case ClientFileState::Damaged:
        return QStringLiteral("damaged");
    case ClientFileState::Ready:
        break;
    }
    if (openHere)
        return QStringLiteral("open here");
    return openElsewhere ? QStringLiteral("open elsewhere") : QString();
}

QString KindName(unsigned kind)
{
    switch (kind) {
    case ForProfitCorporation:
        return QStringLiteral("corporation");
    case ProfessionalAssociation:
        return QStringLiteral("professional association");
    case LimitedLiabilityCompany:
        return QStringLiteral("LLC");
    }
    return QString();
}

ClientSummary SummarizeClientFile(const QString &path, const QDate &today)
{
    ClientSummaryReader reader;
    return reader.Summarize(path, today);
}

ClientSummaryReader::ClientSummaryReader()
    : answers_(std::make_unique<TAnswer>())
{}

ClientSummaryReader::~ClientSummaryReader() = default;

void ClientSummaryReader::emptyStore()
{
    // The reader fills the lists of the copies a file counts, no others.
    TAnswer &store = *answers_;
    for (int p = 0; p < PageCount; ++p) {
        const int last = qMin(store.PgCt[p], PageContinuationMax[p]);
        for (int c = 0; c <= last; ++c)
            for (int k = 0; k <= PageAnswerMax[p]; ++k) {
                AnswerEntry &entry = store.Entry(p, c, k);
                entry.text.clear();
                entry.obj.OvRide = false;
            }
        store.PgCt[p] = 0;
    }
}

void ClientSummaryReader::LookAtLock(ClientSummary &summary)
{
    qint64 pid = 0;
    summary.openBy.clear();
    const bool held = ClientFileLock::IsOpenElsewhere(summary.path, &summary.openBy, &pid);
    summary.openHere = held && pid == QCoreApplication::applicationPid();
    summary.openElsewhere = held && !summary.openHere;
}

ClientSummary ClientSummaryReader::Summarize(const QString &path, const QDate &today)
{
    ClientSummary summary;
    const QFileInfo info(path);
    summary.path = info.absoluteFilePath();
    summary.relativePath = info.fileName();
    summary.lastSaved = info.lastModified();
    summary.size = info.size();
    LookAtLock(summary);

    QByteArray bytes;
    QString error;
    if (!ReadRegularFile(path, &bytes, &error)) {
        summary.state = ClientFileState::Unreadable;
        summary.problem = error;
        return summary;
    }
    struct Emptied
    {
        ClientSummaryReader &reader;
        ~Emptied() { reader.emptyStore(); }
    } emptied{*this};
    const std::unique_ptr<TAnswer> &answers = answers_;
    DirectoryTable directory;
    QString problem;
    bool read = false;
    Outcome messages;
    {
        // A register of hundreds of clients shows no message box per file:
        // what the reader says becomes the file's state.
        const MessageCollector collector;
        read = ReadClientFile(bytes, *answers, directory, &problem);
        messages = collector.outcome();
    }
    if (!read) {
        summary.state = ClientFileState::Unreadable;
        summary.problem = rejection(messages, problem);
        return summary;
    }
    if (!problem.isEmpty()) {
        summary.state = ClientFileState::Damaged;
        summary.problem = problem;
    }
    const auto g = [&](int answer) { return answers->Text(0, 0, answer).trimmed(); };
    summary.name = g(G0::EntityName);
    summary.charter = g(G0::CharterNo);
    summary.filingDate = g(G0::FilingDate);
    summary.agent = g(G0::AgentName);
    summary.dates = DatesOfClient(*answers, directory);
    summary.kind = summary.dates.kind;
    // Counted as the check panel and brevane-cli check count: calculated first.
    const QList<Finding> findings = CalculateAndCheck(*answers, directory, BoxesInUse(*answers, directory), today);
    summary.mustFix = int(std::count_if(findings.begin(), findings.end(),
                                        [](const Finding &f) { return f.severity == Severity::MustFix; }));
    summary.nextDue = NextDueDate(summary.dates, today);
    return summary;
}

QStringList ClientFilesIn(const QString &folder)
{
    QStringList files;
    const QDir top(folder);
    QDirIterator it(folder, {QStringLiteral("*.cl1")}, QDir::Files | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.fileName().startsWith(QLatin1Char('.')))
            continue;
        if (info.fileName().compare(DefaultClientName, Qt::CaseInsensitive) == 0 && QDir(info.absolutePath()) == top)
            continue;
        files << info.absoluteFilePath();
    }
    std::sort(files.begin(), files.end());
    return files;
}

ClientRegister::ClientRegister(const QString &folder)
    : folder_(folder)
{}

void ClientRegister::SetFolder(const QString &folder)
{
    if (folder == folder_)
        return;
    folder_ = folder;
    clients_.clear();
    folders_.clear();
}

bool ClientRegister::Refresh(const QDate &today)
{
    const QFileInfo top(folder_);
    if (folder_.isEmpty() || !top.isDir()) {
        clients_.clear();
        folders_.clear();
        return false;
    }
    // The counts and due dates move with the day: nothing is kept across one.
    QHash<QString, ClientSummary> known;
    if (today == today_)
        for (ClientSummary &client : clients_)
            known.insert(client.path, std::move(client));
    today_ = today;

    const QDir base(top.absoluteFilePath());
    ClientSummaryReader reader;
    QList<ClientSummary> clients;
    QStringList folders{base.absolutePath()};
    for (const QString &path : ClientFilesIn(base.absolutePath())) {
        const QFileInfo info(path);
        const auto was = known.constFind(path);
        ClientSummary summary;
        if (was != known.constEnd() && was->size == info.size() && was->lastSaved == info.lastModified()) {
            summary = *was;
            ClientSummaryReader::LookAtLock(summary);
        } else {
            summary = reader.Summarize(path, today);
        }
        summary.relativePath = base.relativeFilePath(path);
        const QString folder = info.absolutePath();
        if (!folders.contains(folder))
            folders << folder;
        clients << std::move(summary);
    }
    // Every subfolder is watched, also one without clients yet.
    QDirIterator dirs(base.absolutePath(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (dirs.hasNext()) {
        const QString dir = QFileInfo(dirs.next()).absoluteFilePath();
        if (!folders.contains(dir))
            folders << dir;
    }
    clients_ = std::move(clients);
    folders_ = std::move(folders);
    return true;
}

QList<OfficeDueDate> OfficeDueDates(const QList<ClientSummary> &clients, const QDate &from, const QDate &to)
{
    QList<OfficeDueDate> dates;
    for (const ClientSummary &client : clients) {
        if (client.state == ClientFileState::Unreadable)
            continue;
        for (const DueDate &due : DueDates(client.dates, from, to))
            dates << OfficeDueDate{client.path, client.DisplayName(), due};
    }
    std::stable_sort(dates.begin(), dates.end(),
                     [](const OfficeDueDate &a, const OfficeDueDate &b) { return a.due.date < b.due.date; });
    return dates;
}

} // namespace brevane
