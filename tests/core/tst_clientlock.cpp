// The lock beside an open client file: taken when free, refused while
// another window or program holds it (saying who), taken over when its
// holder is gone, and released when the window lets the file go.
#include "core/files/ClientLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace brevane;
using Result = ClientFileLock::Result;

namespace {

// The process number of a program that has ended.
qint64 endedProcess()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    if (!process.waitForStarted())
        return 0;
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The lock a program leaves when it ends without letting the file go: a lock
// file as this program writes it, naming a process that has ended.
bool leaveLockOfEndedProgram(const QString &client)
{
    QByteArray contents;
    {
        ClientFileLock lock;
        if (lock.Take(client) != Result::Taken)
            return false;
        QFile file(ClientFileLock::LockPathOf(client));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        contents = file.readAll();
    }
    const qint64 pid = endedProcess();
    if (pid <= 0)
        return false;
    contents = QByteArray::number(pid) + contents.mid(contents.indexOf('\n'));
    return writeFile(ClientFileLock::LockPathOf(client), contents);
}

} // namespace

class tst_clientlock : public QObject
{
    Q_OBJECT
private slots:
    void lockSitsBesideTheFile();
    void secondOpening_data();
    void secondOpening();
    void releasedWhenLetGoOrReplaced();
    void folderWithoutWriteAccess();
    void linksFindTheFilesOwnLock();
    void lockThatCannotBeALock_data();
    void lockThatCannotBeALock();
};

void tst_clientlock::lockSitsBesideTheFile()
{
    QCOMPARE(ClientFileLock::LockPathOf(QStringLiteral("/home/ana/clients/Acme Tools.cl1")),
             QStringLiteral("/home/ana/clients/.~Acme Tools.cl1.lock"));
}

// What a window finds when it opens a client file, by what is beside it.
void tst_clientlock::secondOpening_data()
{
    QTest::addColumn<QString>("beside");
    QTest::addColumn<int>("result");
    QTest::newRow("nothing") << "nothing" << int(Result::Taken);
    QTest::newRow("open in another window") << "held" << int(Result::HeldElsewhere);
    QTest::newRow("left by a program that ended") << "ended" << int(Result::Taken);
    QTest::newRow("unreadable lock, old") << "unreadable old" << int(Result::Taken);
    // Another program may be writing it this moment.
    QTest::newRow("unreadable lock, just made") << "unreadable new" << int(Result::HeldElsewhere);
}

void tst_clientlock::secondOpening()
{
    QFETCH(QString, beside);
    QFETCH(int, result);
    QTemporaryDir dir;
    const QString client = dir.filePath(QStringLiteral("acme.cl1"));
    const QString lockPath = ClientFileLock::LockPathOf(client);
    ClientFileLock other;
    if (beside == "held") {
        QCOMPARE(other.Take(client), Result::Taken);
    } else if (beside == "ended") {
        QVERIFY(leaveLockOfEndedProgram(client));
    } else if (beside.startsWith("unreadable")) {
        QVERIFY(writeFile(lockPath, QByteArray()));
        if (beside.endsWith("old")) {
            QFile file(lockPath);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
    }
    ClientFileLock lock;
    QString holder;
    QCOMPARE(int(lock.Take(client, &holder)), result);
    if (result == int(Result::Taken)) {
        QVERIFY(lock.Holds(client));
        QVERIFY(QFileInfo::exists(lockPath));
    } else {
        QVERIFY(!lock.Holds(client));
        QVERIFY(lock.LockedFile().isEmpty());
    }
    // Who holds it: the user, the computer and the process, as far as known.
    if (beside == "held") {
        QVERIFY2(holder.contains(QString::number(QCoreApplication::applicationPid())), qPrintable(holder));
        QVERIFY2(holder.contains(QFileInfo(lockPath).owner()), qPrintable(holder));
    }
}

void tst_clientlock::releasedWhenLetGoOrReplaced()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.cl1"));
    const QString second = dir.filePath(QStringLiteral("second.cl1"));
    ClientFileLock lock;
    QCOMPARE(lock.Take(first), Result::Taken);
    QCOMPARE(lock.Take(first), Result::Taken); // already held here
    // Taking another file's lock lets the first one go.
    QCOMPARE(lock.Take(second), Result::Taken);
    QVERIFY(!QFileInfo::exists(ClientFileLock::LockPathOf(first)));
    QVERIFY(QFileInfo::exists(ClientFileLock::LockPathOf(second)));
    ClientFileLock other;
    QCOMPARE(other.Take(first), Result::Taken);
    other.Release();
    // Moved with its window's document, the lock stays held.
    ClientFileLock moved = std::move(lock);
    QVERIFY(moved.Holds(second));
    QCOMPARE(other.Take(second), Result::HeldElsewhere);
    moved.Release();
    QVERIFY(!QFileInfo::exists(ClientFileLock::LockPathOf(second)));
    QCOMPARE(other.Take(second), Result::Taken);
}

// A client on a folder the user cannot write (a read-only share) opens
// without a lock.
void tst_clientlock::folderWithoutWriteAccess()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("shared"));
    QVERIFY(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(folder).isWritable() || writeFile(folder + QStringLiteral("/probe"), "x"))
        QSKIP("this user can write into any folder");
    ClientFileLock lock;
    QCOMPARE(lock.Take(folder + QStringLiteral("/acme.cl1")), Result::NotPossible);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Every name of one file (a link, a path through a linked folder) finds the
// one lock beside the file itself.
void tst_clientlock::linksFindTheFilesOwnLock()
{
    QTemporaryDir dir;
    const QString client = dir.filePath(QStringLiteral("acme.cl1"));
    QVERIFY(writeFile(client, "Brevane\r\n"));
    QVERIFY(QFile::link(client, dir.filePath(QStringLiteral("alias.cl1"))));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("elsewhere"))));
    QVERIFY(QFile::link(dir.path(), dir.filePath(QStringLiteral("elsewhere/clients"))));
    const QString throughFolder = dir.filePath(QStringLiteral("elsewhere/clients/acme.cl1"));
    QCOMPARE(ClientFileLock::LockPathOf(dir.filePath(QStringLiteral("alias.cl1"))), ClientFileLock::LockPathOf(client));
    QCOMPARE(ClientFileLock::LockPathOf(throughFolder), ClientFileLock::LockPathOf(client));
    ClientFileLock window;
    QCOMPARE(window.Take(client), Result::Taken);
    ClientFileLock other;
    QCOMPARE(other.Take(dir.filePath(QStringLiteral("alias.cl1"))), Result::HeldElsewhere);
    QCOMPARE(other.Take(throughFolder), Result::HeldElsewhere);
    QVERIFY(window.Holds(dir.filePath(QStringLiteral("alias.cl1"))));
}

void tst_clientlock::lockThatCannotBeALock_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("named");
    QTest::newRow("a folder") << "folder"
                              << "is a folder, not a lock file";
    QTest::newRow("a link to nothing") << "dangling"
                                       << "which does not exist, not a lock file";
    QTest::newRow("a link to a file") << "link"
                                      << "is a link to";
}

// What stands where the lock belongs cannot be a lock Brevane made: the
// answer says so, names it and what to do, and leaves it alone.
void tst_clientlock::lockThatCannotBeALock()
{
    QFETCH(QString, kind);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QString client = dir.filePath(QStringLiteral("acme.cl1"));
    QVERIFY(writeFile(client, "Brevane\r\n"));
    const QString lockPath = ClientFileLock::LockPathOf(client);
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(lockPath));
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), lockPath));
    } else {
        QVERIFY(writeFile(dir.filePath(QStringLiteral("notes.txt")), "notes"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("notes.txt")), lockPath));
    }
    ClientFileLock lock;
    QString holder;
    QCOMPARE(lock.Take(client, &holder), Result::Unusable);
    QVERIFY2(holder.contains(QDir::toNativeSeparators(lockPath)) && holder.contains(named) &&
                 holder.contains(QLatin1String("remove it")),
             qPrintable(holder));
    QVERIFY(!lock.Holds(client));
    QVERIFY(QFileInfo(lockPath).isSymLink() || QFileInfo(lockPath).isDir());
    if (kind == QLatin1String("link"))
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("notes.txt"))).size(), qint64(5));
}

QTEST_GUILESS_MAIN(tst_clientlock)
#include "tst_clientlock.moc"
