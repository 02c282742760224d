// Only regular files are read as client, settings or page screen files: a
// pipe, a device, a folder or a runaway file is refused at once with its
// reason, and the program goes on.
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/files/Settings.h"
#include "core/files/WholeFile.h"
#include "core/screens/ComponentReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace brevane;
using namespace brevane::test;

class tst_wholefile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void specialFilesAreRefused_data();
    void specialFilesAreRefused();
    void everyReaderRefusesAPipe();
    void replacingNeverWritesThroughASpecialFile_data();
    void replacingNeverWritesThroughASpecialFile();

private:
    // Makes the kind of file at `path`; false when this system cannot.
    static bool make(const QString &kind, const QString &path);
};

bool tst_wholefile::make(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("regular") || kind == QLatin1String("link to a regular file")) {
        QFile file(kind == QLatin1String("regular") ? path : path + QStringLiteral(".target"));
        if (!file.open(QIODevice::WriteOnly) || file.write("Brevane\r\n") != 9)
            return false;
        file.close();
        return kind == QLatin1String("regular") || QFile::link(file.fileName(), path);
    }
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("larger than the limit")) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(MaxReadFileSize + 1); // sparse: no disk used
    }
    if (kind == QLatin1String("endless device"))
        return QFile::link(QStringLiteral("/dev/zero"), path) && QFileInfo::exists(QStringLiteral("/dev/zero"));
#ifdef Q_OS_UNIX
    if (kind == QLatin1String("pipe"))
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
    return false;
}

void tst_wholefile::specialFilesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("reason");
    QTest::newRow("regular") << "regular" << true << "";
    QTest::newRow("link to a regular file") << "link to a regular file" << true << "";
    QTest::newRow("pipe") << "pipe" << false << "not a regular file";
    QTest::newRow("endless device") << "endless device" << false << "not a regular file";
    QTest::newRow("folder") << "folder" << false << "not a regular file";
    QTest::newRow("larger than the limit") << "larger than the limit" << false << "larger than 64 MB";
    QTest::newRow("missing") << "missing" << false << "No such file or directory";
}

void tst_wholefile::specialFilesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(bool, read);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("client.cl1"));
    if (kind != QLatin1String("missing") && !make(kind, path))
        QSKIP("this system cannot make such a file");
    QByteArray bytes;
    QString error;
    QCOMPARE(ReadRegularFile(path, &bytes, &error), read);
    QCOMPARE(error, reason);
    if (read)
        QCOMPARE(bytes, QByteArray("Brevane\r\n"));
}

void tst_wholefile::everyReaderRefusesAPipe()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    if (!make(QStringLiteral("pipe"), pipe))
        QSKIP("this system has no named pipes");
    MessageRecorder messages;

    TAnswer store;
    DirectoryTable rows;
    QString error;
    QVERIFY(!LoadClientFile(pipe, store, rows, &error));
    QCOMPARE(error, QStringLiteral("not a regular file"));

    ComponentStream stream;
    QVERIFY(!LoadComponentStream(pipe, stream));
    QCOMPARE(messages.numbers(), QList<int>{11150});

    QTemporaryDir settingsFolder;
    QVERIFY(make(QStringLiteral("pipe"), settingsFolder.filePath(QLatin1String(SettingsFileName))));
    Settings settings;
    settings.zoomFactor = 1.0;
    QVERIFY(!ReadSettings(settingsFolder.path(), settings, &error));
    QCOMPARE(error, QStringLiteral("not a regular file"));
    QCOMPARE(settings.zoomFactor, 1.0);
}

void tst_wholefile::replacingNeverWritesThroughASpecialFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("written");
    QTest::newRow("link to a regular file") << "link to a regular file" << true;
    QTest::newRow("link to a pipe") << "link to a pipe" << true;
    QTest::newRow("link to nothing") << "link to nothing" << true;
    QTest::newRow("pipe") << "pipe" << false;
    QTest::newRow("folder") << "folder" << false;
}

// A settings or client file that is a link to a device, a pipe or nothing
// is replaced by a regular file, and what it pointed to is not touched (a
// pipe stands in for a device here: as an administrator the test would
// otherwise replace a real one). A link to a regular file is written through.
void tst_wholefile::replacingNeverWritesThroughASpecialFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("brevane.ini"));
    const QString target = dir.filePath(QStringLiteral("target"));
    if (kind == "link to a regular file") {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old\n") == 4);
    } else if (kind == "link to a pipe" || kind == "pipe") {
        QVERIFY(mkfifo(QFile::encodeName(kind == "pipe" ? path : target).constData(), 0600) == 0);
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    }
    if (kind.startsWith(QLatin1String("link")))
        QVERIFY(QFile::link(target, path));
    QString error;
    QCOMPARE(ReplaceFile(path, "new\n", &error), written);
    if (!written) {
        QCOMPARE(error, QStringLiteral("not a regular file"));
        return;
    }
    QByteArray bytes;
    QVERIFY(ReadRegularFile(path, &bytes));
    QCOMPARE(bytes, QByteArray("new\n"));
    if (kind == "link to a regular file") {
        QVERIFY(QFileInfo(path).isSymLink());
        return;
    }
    QVERIFY(!QFileInfo(path).isSymLink());
    QCOMPARE(kind == "link to a pipe", QFileInfo::exists(target)); // the pipe stays a pipe; nothing is created
    if (kind == "link to a pipe")
        QVERIFY(!QFileInfo(target).isFile());
}

QTEST_GUILESS_MAIN(tst_wholefile)
#include "tst_wholefile.moc"
