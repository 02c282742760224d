#include "core/files/RecoveryCopy.h"

#include "core/files/ClientFile.h"
#include "core/files/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>

#include <algorithm>

namespace brevane {

namespace {

const QByteArray Heading = "Brevane recovery copy";
const QString Suffix = QStringLiteral(".recovery");

QString lockPathOf(const QString &copyPath)
{
    return copyPath + QStringLiteral(".lock");
}

// The heading's four lines; false when the bytes do not begin with them.
bool readHeading(const QByteArray &bytes, RecoveredClient *found, qsizetype *clientStart)
{
    QList<QByteArray> lines;
    qsizetype at = 0;
    while (lines.size() < 5) {
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            return false;
        lines << bytes.mid(at, end - at);
        at = end + 1;
    }
    if (lines[0] != Heading)
        return false;
    found->clientPath = QUrl::fromPercentEncoding(lines[1]);
    found->written = QDateTime::fromString(QString::fromLatin1(lines[2]), Qt::ISODateWithMs);
    found->holds = QUrl::fromPercentEncoding(lines[3]);
    if (!found->written.isValid() || lines[4] != "-")
        return false;
    *clientStart = at;
    return true;
}

// How many answers hold something, as the copy says what it holds.
int filledAnswers(const TAnswer &store)
{
    int filled = 0;
    for (int p = 0; p < PageCount; ++p)
        for (int c = 0; c <= store.PgCt[p] && c <= PageContinuationMax[p]; ++c)
            for (int k = 0; k <= PageAnswerMax[p]; ++k)
                if (!store.Entry(p, c, k).text.isEmpty())
                    ++filled;
    return filled;
}

} // namespace

RecoveryCopy::RecoveryCopy(QString folder)
    : folder_(std::move(folder))
{}

RecoveryCopy::~RecoveryCopy() = default;

QString RecoveryCopy::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

bool RecoveryCopy::Write(const QString &clientPath, const QString &entityName, const TAnswer &store,
                         const DirectoryTable &directory, QString *error)
{
    if (path_.isEmpty()) {
        if (!QDir().mkpath(folder_)) {
            if (error)
                *error = QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder_));
            return false;
        }
        path_ = QDir(folder_).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + Suffix);
        lock_ = std::make_unique<QLockFile>(lockPathOf(path_));
        lock_->setStaleLockTime(0);
        lock_->tryLock(0);
    }
    // Never the client itself, whatever path it was given.
    if (!clientPath.isEmpty() && QFileInfo(clientPath).absoluteFilePath() == QFileInfo(path_).absoluteFilePath()) {
        if (error)
            *error = QStringLiteral("the recovery copy cannot be the client file");
        return false;
    }
    const QString name = entityName.isEmpty() ? QStringLiteral("(no name yet)") : entityName;
    const int rows = directory.RowCount();
    const QString holds = QStringLiteral("%1: %2 answers, %3 directory %4")
                              .arg(name)
                              .arg(filledAnswers(store))
                              .arg(rows)
                              .arg(rows == 1 ? QStringLiteral("row") : QStringLiteral("rows"));
    QByteArray bytes = Heading + '\n';
    bytes += QUrl::toPercentEncoding(clientPath, "/") + '\n';
    bytes += QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    bytes += QUrl::toPercentEncoding(holds, " :,()") + '\n';
    bytes += "-\n";
    bytes += WriteClientFile(store, directory);
    return ReplaceFile(path_, bytes, error);
}

void RecoveryCopy::Remove()
{
    if (path_.isEmpty())
        return;
    QFile::remove(path_);
    lock_.reset(); // removes the lock file
    path_.clear();
}

bool RecoveryCopy::Exists() const
{
    return !path_.isEmpty() && QFileInfo::exists(path_);
}

QList<RecoveredClient> RecoveryCopy::Find(const QString &folder)
{
    QList<RecoveredClient> found;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*") + Suffix}, QDir::Files);
    for (const QFileInfo &file : files) {
        // A copy whose lock a running program holds is that program's.
        QLockFile lock(lockPathOf(file.filePath()));
        lock.setStaleLockTime(0); // however old, a running program's lock holds
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        QFile copy(file.filePath());
        if (!copy.open(QIODevice::ReadOnly))
            continue;
        RecoveredClient client;
        qsizetype start = 0;
        if (!readHeading(copy.read(64 * 1024), &client, &start))
            continue;
        client.copyPath = file.filePath();
        found << client;
    }
    std::sort(found.begin(), found.end(),
              [](const RecoveredClient &a, const RecoveredClient &b) { return a.written > b.written; });
    return found;
}

bool RecoveryCopy::Load(const QString &copyPath, TAnswer &store, DirectoryTable &directory, QString *problem)
{
    QByteArray bytes;
    if (!ReadRegularFile(copyPath, &bytes, problem))
        return false;
    RecoveredClient client;
    qsizetype start = 0;
    if (!readHeading(bytes, &client, &start)) {
        if (problem)
            *problem = QStringLiteral("it is not a recovery copy");
        return false;
    }
    QString damage;
    if (!ReadClientFile(bytes.mid(start), store, directory, &damage) || !damage.isEmpty()) {
        if (problem)
            *problem = damage.isEmpty() ? QStringLiteral("its client cannot be read") : damage;
        return false;
    }
    return true;
}

void RecoveryCopy::Discard(const QString &copyPath)
{
    QFile::remove(copyPath);
    QFile::remove(lockPathOf(copyPath));
}

} // namespace brevane
