#include "core/files/ClientLock.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>

namespace brevane {

namespace {

// A lock whose holder cannot be read (left half written by a program that
// was stopped while making it) counts as left behind once it is this old;
// a younger one may be in the making by another program right now.
constexpr qint64 UnreadableLockAgeMs = 30 * 1000;

QString canonical(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

QString describeHolder(const QLockFile &lock, const QString &lockPath)
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program))
        return QString();
    QString who = QFileInfo(lockPath).owner();
    if (!host.isEmpty())
        who += (who.isEmpty() ? QString() : QStringLiteral(" on ")) + host;
    if (!program.isEmpty())
        who += QStringLiteral(", %1 process %2").arg(program).arg(pid);
    return who.startsWith(QLatin1Char(',')) ? who.mid(2) : who;
}

} // namespace

ClientFileLock::ClientFileLock() = default;
ClientFileLock::~ClientFileLock() = default;
ClientFileLock::ClientFileLock(ClientFileLock &&) noexcept = default;
ClientFileLock &ClientFileLock::operator=(ClientFileLock &&) noexcept = default;

QString ClientFileLock::LockPathOf(const QString &path)
{
    const QFileInfo file(path);
    return file.absolutePath() + QStringLiteral("/.~") + file.fileName() + QStringLiteral(".lock");
}

bool ClientFileLock::Holds(const QString &path) const
{
    return lock_ && file_ == canonical(path);
}

ClientFileLock::Result ClientFileLock::Take(const QString &path, QString *holder)
{
    if (Holds(path))
        return Result::Taken;
    const QString lockPath = LockPathOf(path);
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Only a holder that is gone makes a lock stale, never its age: a window
    // may keep a client open all day.
    lock->setStaleLockTime(0);
    bool taken = lock->tryLock(0);
    if (!taken && lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString program;
        const QDateTime made = QFileInfo(lockPath).lastModified();
        if (!lock->getLockInfo(&pid, &host, &program) && made.isValid() &&
            qAbs(made.msecsTo(QDateTime::currentDateTime())) > UnreadableLockAgeMs) {
            lock->removeStaleLockFile();
            taken = lock->tryLock(0);
        }
    }
    if (taken) {
        lock_ = std::move(lock);
        file_ = canonical(path);
        return Result::Taken;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return Result::NotPossible;
    if (holder)
        *holder = describeHolder(*lock, lockPath);
    return Result::HeldElsewhere;
}

void ClientFileLock::Release()
{
    lock_.reset(); // QLockFile removes its file when destroyed
    file_.clear();
}

} // namespace brevane
