// The recovery copy of unsaved work: written whole in its own folder, never
// over the client, found after the program that wrote it ended without
// saving, read back with every answer, and gone once saved or declined.
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/files/RecoveryCopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace brevane;

class tst_recoverycopy : public QObject
{
    Q_OBJECT
private slots:
    void leftBehindIsFoundWithEveryAnswer();
    void runningProgramsCopyIsNotOffered();
    void removedWhenSavedOrDeclined();
    void neverTheClientItself();
    void damagedCopyIsNotRestored();
};

namespace {

void fill(TAnswer &store, DirectoryTable &directory)
{
    store.SetText(0, 0, 0, QStringLiteral("Acme Tool Holdings"));
    store.SetText(1, 0, 11, QStringLiteral("Acme Tool Holdings"));
    store.SetText(0, 0, 12, QStringLiteral("3/1/2018"));
    directory.SetRowCount(2);
    directory.SetCell(0, ColName, QStringLiteral("Ann Lee"));
    directory.SetCell(1, ColName, QStringLiteral("Bo Ruiz"));
}

} // namespace

void tst_recoverycopy::leftBehindIsFoundWithEveryAnswer()
{
    QTemporaryDir folder;
    const QString copies = folder.filePath(QStringLiteral("data/recovery"));
    const QString client = folder.filePath(QStringLiteral("clients/acme.cl1"));
    TAnswer store;
    DirectoryTable directory;
    fill(store, directory);
    QString copyPath;
    {
        RecoveryCopy copy(copies);
        QVERIFY(copy.Write(client, QStringLiteral("Acme Tool Holdings"), store, directory));
        copyPath = copy.Path();
        QVERIFY(copyPath.startsWith(copies));
        // The program ends here without saving: the copy stays.
    }
    QVERIFY(!QFileInfo::exists(client));
    const QList<RecoveredClient> found = RecoveryCopy::Find(copies);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].copyPath, copyPath);
    QCOMPARE(found[0].clientPath, client);
    QVERIFY(qAbs(found[0].written.secsTo(QDateTime::currentDateTime())) < 3600);
    QCOMPARE(found[0].holds, QStringLiteral("Acme Tool Holdings: 3 answers, 2 directory rows"));

    TAnswer back;
    DirectoryTable backDirectory;
    QString problem;
    QVERIFY2(RecoveryCopy::Load(found[0].copyPath, back, backDirectory, &problem), qPrintable(problem));
    QCOMPARE(WriteClientFile(back, backDirectory), WriteClientFile(store, directory));
}

void tst_recoverycopy::runningProgramsCopyIsNotOffered()
{
    QTemporaryDir folder;
    TAnswer store;
    DirectoryTable directory;
    fill(store, directory);
    RecoveryCopy copy(folder.path());
    QVERIFY(copy.Write(QString(), QString(), store, directory));
    QVERIFY(RecoveryCopy::Find(folder.path()).isEmpty());
}

void tst_recoverycopy::removedWhenSavedOrDeclined()
{
    QTemporaryDir folder;
    TAnswer store;
    DirectoryTable directory;
    fill(store, directory);
    {
        RecoveryCopy saved(folder.path());
        QVERIFY(saved.Write(QString(), QString(), store, directory));
        QVERIFY(saved.Exists());
        saved.Remove();
        QVERIFY(!saved.Exists());
    }
    QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    {
        RecoveryCopy left(folder.path());
        QVERIFY(left.Write(QString(), QString(), store, directory));
    }
    const QList<RecoveredClient> found = RecoveryCopy::Find(folder.path());
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].holds, QStringLiteral("(no name yet): 3 answers, 2 directory rows"));
    RecoveryCopy::Discard(found[0].copyPath);
    QVERIFY(RecoveryCopy::Find(folder.path()).isEmpty());
    QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void tst_recoverycopy::neverTheClientItself()
{
    QTemporaryDir folder;
    TAnswer store;
    DirectoryTable directory;
    fill(store, directory);
    RecoveryCopy copy(folder.path());
    QVERIFY(copy.Write(QString(), QString(), store, directory));
    const QString client = copy.Path();
    QFile original(client);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray kept = original.readAll();
    original.close();
    store.SetText(0, 0, 0, QStringLiteral("Changed"));
    QString error;
    QVERIFY(!copy.Write(client, QString(), store, directory, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), kept);
}

void tst_recoverycopy::damagedCopyIsNotRestored()
{
    QTemporaryDir folder;
    TAnswer store;
    DirectoryTable directory;
    fill(store, directory);
    {
        RecoveryCopy copy(folder.path());
        QVERIFY(copy.Write(QString(), QString(), store, directory));
        QFile file(copy.Path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() / 2));
    }
    const QList<RecoveredClient> found = RecoveryCopy::Find(folder.path());
    QCOMPARE(found.size(), 1);
    TAnswer back;
    DirectoryTable backDirectory;
    QString problem;
    QVERIFY(!RecoveryCopy::Load(found[0].copyPath, back, backDirectory, &problem));
    QVERIFY2(problem.contains(QStringLiteral("ends early")), qPrintable(problem));
}

QTEST_MAIN(tst_recoverycopy)
#include "tst_recoverycopy.moc"
