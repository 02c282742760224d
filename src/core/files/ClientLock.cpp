#include "core/files/ClientLock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace brevane {

namespace {

// A lock whose holder cannot be read (left half written by a program that
// was stopped while making it) counts as left behind once it is this old;
// a younger one may be in the making by another program right now.
constexpr qint64 UnreadableLockAgeMs = 30 * 1000;

// The file itself, whatever link or alias names it.
QString canonical(const QString &path)
{
    const QFileInfo info(path);
    const QString real = info.canonicalFilePath();
    return real.isEmpty() ? info.absoluteFilePath() : real;
}

// What stands at the lock's place when it cannot be a lock Brevane made (a
// plain file): empty when it can.
QString notALock(const QString &lockPath)
{
    const QFileInfo info(lockPath);
    const QString shown = QDir::toNativeSeparators(lockPath);
    QString what;
    if (info.isSymLink())
        what = info.exists() ? QStringLiteral("%1 is a link to %2, not a lock file")
                                   .arg(shown, QDir::toNativeSeparators(info.symLinkTarget()))
                             : QStringLiteral("%1 is a link to %2, which does not exist, not a lock file")
                                   .arg(shown, QDir::toNativeSeparators(info.symLinkTarget()));
    else if (info.isDir())
        what = QStringLiteral("%1 is a folder, not a lock file").arg(shown);
    else if (info.exists() && !info.isFile())
        what = QStringLiteral("%1 is not a lock file").arg(shown);
    if (what.isEmpty())
        return what;
    return what + QStringLiteral(". Brevane's locks are plain files: remove it (no Brevane keeps a lock there), then "
                                 "open the client again");
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
    const QFileInfo file(canonical(path));
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
    if (const QString what = notALock(lockPath); !what.isEmpty()) {
        if (holder)
            *holder = what;
        return Result::Unusable;
    }
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

bool ClientFileLock::IsOpenElsewhere(const QString &path, QString *holder, qint64 *holderPid)
{
    const QString lockPath = LockPathOf(path);
    if (!QFileInfo::exists(lockPath))
        return false;
    const QLockFile lock(lockPath);
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program)) {
        // Half written by a program that is making it right now, or left
        // so by one that was stopped: held while it is young, as Take sees it.
        const QDateTime made = QFileInfo(lockPath).lastModified();
        if (!made.isValid() || qAbs(made.msecsTo(QDateTime::currentDateTime())) > UnreadableLockAgeMs)
            return false;
    }
#ifdef Q_OS_UNIX
    // A holder on this computer that no longer runs left the lock behind.
    if (pid > 0 && host == QSysInfo::machineHostName() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
#endif
    if (holder)
        *holder = describeHolder(lock, lockPath);
    if (holderPid)
        *holderPid = pid;
    return true;
}

void ClientFileLock::Release()
{
    lock_.reset(); // QLockFile removes its file when destroyed
    file_.clear();
}

} // namespace brevane
