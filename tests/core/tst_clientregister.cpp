// The client register over a folder of client files written as the program
// writes them: what each line shows, files that are damaged, not client
// files, unreadable or open in another window listed with their state, and
// a refresh after files change.
#include "CheckClient.h"
#include "TestSupport.h"
#include "core/check/ClientCheck.h"
#include "core/files/ClientFile.h"
#include "core/files/ClientLock.h"
#include "core/office/ClientRegister.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace brevane;
using namespace brevane::test;

namespace {

const QDate Today(2018, 2, 20);

using Plant = void (*)(CalcClient &);

QByteArray clientBytes(Plant plant)
{
    CalcClient c;
    plant(c);
    c.calculate();
    return WriteClientFile(c.store, c.directory);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

const ClientSummary *find(const QList<ClientSummary> &clients, const QString &relative)
{
    for (const ClientSummary &c : clients)
        if (c.relativePath == relative)
            return &c;
    return nullptr;
}

} // namespace

class tst_clientregister : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyFileIsListed();
    void lines_data();
    void lines();
    void lockLeftByAnEndedProgramHoldsNothing();
    void fileWithoutReadPermission();
    void mustFixCountsTheCheck();
    void mustFixCountsAfterCalculating();
    void refreshFollowsTheFolder();
    void missingFolder();

private:
    QTemporaryDir dir_;
    QString folder_;
    ClientFileLock heldHere_;
    QProcess other_;
};

void tst_clientregister::cleanupTestCase()
{
    other_.kill();
    other_.waitForFinished();
}

void tst_clientregister::initTestCase()
{
    UseUnitedStatesLocale();
    QVERIFY(dir_.isValid());
    folder_ = dir_.filePath(QStringLiteral("clients"));
    writeFile(folder_ + "/ridgeway.cl1", clientBytes(CompleteCorporation));
    writeFile(folder_ + "/dental/lakeside.cl1", clientBytes(CompleteAssociation));
    writeFile(folder_ + "/llc/maple row.CL1", clientBytes(CompleteCompany));
    // Cut in the middle of the page sections: what it holds is read.
    const QByteArray whole = clientBytes(CompleteCorporation);
    writeFile(folder_ + "/damaged.cl1", whole.left(whole.size() / 3));
    writeFile(folder_ + "/notes.cl1", "Meeting notes, not a client\r\n");
    // Open in a window of another program that still runs, and in this one.
    writeFile(folder_ + "/locked.cl1", clientBytes(CompleteCompany));
    other_.start(QStringLiteral("sleep"), {QStringLiteral("600")});
    QVERIFY(other_.waitForStarted());
    writeFile(ClientFileLock::LockPathOf(folder_ + "/locked.cl1"),
              QByteArray::number(other_.processId()) + "\nbrevane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    writeFile(folder_ + "/mine.cl1", clientBytes(CompleteCorporation));
    QCOMPARE(heldHere_.Take(folder_ + "/mine.cl1"), ClientFileLock::Result::Taken);
    // Neither the default client nor hidden files are clients of the office.
    writeFile(folder_ + "/default.cl1", clientBytes(CompleteCorporation));
    writeFile(folder_ + "/.backup.cl1", clientBytes(CompleteCorporation));
    writeFile(folder_ + "/readme.txt", "not a client");
}

void tst_clientregister::everyFileIsListed()
{
    ClientRegister office(folder_);
    QVERIFY(office.Refresh(Today));
    QStringList listed;
    for (const ClientSummary &c : office.Clients())
        listed << c.relativePath;
    QCOMPARE(listed, (QStringList{"damaged.cl1", "dental/lakeside.cl1", "llc/maple row.CL1", "locked.cl1", "mine.cl1",
                                  "notes.cl1", "ridgeway.cl1"}));
    QVERIFY(office.Folders().contains(QDir(folder_).absolutePath()));
    QVERIFY(office.Folders().contains(QDir(folder_ + "/dental").absolutePath()));
}

void tst_clientregister::lines_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("charter");
    QTest::addColumn<QString>("agent");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("counted"); // the check's count is known

    QTest::newRow("corporation") << "ridgeway.cl1"
                                 << "Ridgeway Tool Holdings, Inc."
                                 << "corporation"
                                 << ""
                                 << "Harold Quince"
                                 << "" << true;
    QTest::newRow("professional association in a subfolder") << "dental/lakeside.cl1"
                                                             << "Lakeside Dental Group, Inc."
                                                             << "professional association"
                                                             << ""
                                                             << ""
                                                             << "" << true;
    QTest::newRow("company, extension in capitals") << "llc/maple row.CL1"
                                                    << "Maple Row Bakery LLC"
                                                    << "LLC"
                                                    << ""
                                                    << ""
                                                    << "" << true;
    QTest::newRow("damaged: what it holds is shown") << "damaged.cl1"
                                                     << "Ridgeway Tool Holdings, Inc."
                                                     << "corporation"
                                                     << ""
                                                     << "Harold Quince"
                                                     << "damaged" << true;
    QTest::newRow("not a client file") << "notes.cl1"
                                       << ""
                                       << ""
                                       << ""
                                       << ""
                                       << "cannot be read" << false;
    QTest::newRow("open in another program") << "locked.cl1"
                                             << "Maple Row Bakery LLC"
                                             << "LLC"
                                             << ""
                                             << ""
                                             << "open elsewhere" << true;
    QTest::newRow("open in this program") << "mine.cl1"
                                          << "Ridgeway Tool Holdings, Inc."
                                          << "corporation"
                                          << ""
                                          << "Harold Quince"
                                          << "open here" << true;
}

void tst_clientregister::lines()
{
    QFETCH(QString, file);
    ClientRegister office(folder_);
    QVERIFY(office.Refresh(Today));
    const ClientSummary *c = find(office.Clients(), file);
    QVERIFY(c);
    QTEST(c->name, "name");
    QTEST(KindName(c->kind), "kind");
    QTEST(c->StateText(), "state");
    QFETCH(bool, counted);
    QCOMPARE(c->mustFix >= 0, counted);
    QFETCH(QString, agent);
    if (!agent.isEmpty())
        QCOMPARE(c->agent, agent);
    QCOMPARE(c->lastSaved, QFileInfo(c->path).lastModified());
    if (c->state != ClientFileState::Ready)
        QVERIFY2(!c->problem.isEmpty(), "a damaged or unreadable file says what is wrong");
    if (c->state == ClientFileState::Unreadable)
        QCOMPARE(c->DisplayName(), QFileInfo(c->path).completeBaseName());
    if (file == QLatin1String("locked.cl1"))
        QVERIFY2(c->openBy.contains(QString::number(other_.processId())), qPrintable(c->openBy));
    if (file == QLatin1String("notes.cl1"))
        QVERIFY2(c->problem.contains(QLatin1String("not a client file")), qPrintable(c->problem));
}

void tst_clientregister::lockLeftByAnEndedProgramHoldsNothing()
{
#ifndef Q_OS_UNIX
    QSKIP("the holder's process is looked for on Unix only");
#else
    // A program that ended without closing the file: its process is gone.
    QProcess ended;
    ended.start(QStringLiteral("true"));
    QVERIFY(ended.waitForStarted());
    const qint64 gonePid = ended.processId();
    QVERIFY(ended.waitForFinished());
    const QString path = dir_.filePath(QStringLiteral("stale/left.cl1"));
    writeFile(path, clientBytes(CompleteCorporation));
    writeFile(ClientFileLock::LockPathOf(path),
              QByteArray::number(gonePid) + "\nbrevane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    QVERIFY(!ClientFileLock::IsOpenElsewhere(path));
    // The same lock from another computer: that program may still run.
    writeFile(ClientFileLock::LockPathOf(path), QByteArray::number(gonePid) + "\nbrevane\nanother-desk\n");
    QString holder;
    QVERIFY(ClientFileLock::IsOpenElsewhere(path, &holder));
    QVERIFY2(holder.contains(QLatin1String("another-desk")), qPrintable(holder));
#endif
}

void tst_clientregister::fileWithoutReadPermission()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        QSKIP("the superuser reads every file");
#endif
    QTemporaryDir dir;
    const QString path = dir.filePath("private.cl1");
    writeFile(path, clientBytes(CompleteCorporation));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    ClientRegister office(dir.path());
    QVERIFY(office.Refresh(Today));
    QCOMPARE(office.Clients().size(), 1);
    QCOMPARE(office.Clients().at(0).state, ClientFileState::Unreadable);
    QVERIFY(!office.Clients().at(0).problem.isEmpty());
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

void tst_clientregister::mustFixCountsTheCheck()
{
    // A complete client has nothing to fix; each planted fault adds one.
    QTemporaryDir dir;
    writeFile(dir.filePath("complete.cl1"), clientBytes(CompleteCorporation));
    writeFile(dir.filePath("box.cl1"), clientBytes([](CalcClient &c) {
                  CompleteCorporation(c);
                  c.g(G0::AgentStreet, QStringLiteral("P.O. Box 12"));
              }));
    writeFile(dir.filePath("two.cl1"), clientBytes([](CalcClient &c) {
                  CompleteCorporation(c);
                  c.g(G0::AgentStreet, QStringLiteral("P.O. Box 12"));
                  c.g(G0::AuthorizedShares, QStringLiteral("900"));
              }));
    ClientRegister office(dir.path());
    QVERIFY(office.Refresh(Today));
    QCOMPARE(find(office.Clients(), "complete.cl1")->mustFix, 0);
    QCOMPARE(find(office.Clients(), "box.cl1")->mustFix, 1);
    QCOMPARE(find(office.Clients(), "two.cl1")->mustFix, 2);
}

// The register counts what the check panel and brevane-cli check count:
// the client calculated first. A file saved with a stale derived answer
// has nothing to fix once calculated; one whose calculation cannot
// complete counts that as a finding, with the cause.
void tst_clientregister::mustFixCountsAfterCalculating()
{
    const auto saved = [](Plant plant, bool calculated) {
        CalcClient c;
        plant(c);
        if (calculated)
            c.calculate();
        return WriteClientFile(c.store, c.directory);
    };
    const Plant stale = [](CalcClient &c) {
        CompleteAssociation(c);
        c.calculate();
        c.store.SetText(7, 0, 17, QStringLiteral("15,000.00")); // the order's capital before the last change
    };
    const Plant crowded = &CrowdedCorporation;
    QTemporaryDir dir;
    writeFile(dir.filePath("stale.cl1"), saved(stale, false));
    writeFile(dir.filePath("crowded.cl1"), saved(crowded, false));
    ClientRegister office(dir.path());
    QVERIFY(office.Refresh(Today));
    for (const auto &[file, plant] : {std::pair{"stale.cl1", stale}, std::pair{"crowded.cl1", crowded}}) {
        CalcClient c;
        plant(c);
        const QList<Finding> checked = CalculateAndCheck(c.store, c.directory, BoxesInUse(c.store, c.directory), Today);
        const int mustFix = int(std::count_if(checked.begin(), checked.end(),
                                              [](const Finding &f) { return f.severity == Severity::MustFix; }));
        QCOMPARE(find(office.Clients(), file)->mustFix, mustFix);
    }
    QCOMPARE(find(office.Clients(), "stale.cl1")->mustFix, 0);
    // More shareholders than the waiver keeps on its page: the table grows,
    // and nothing about it must be fixed.
    QCOMPARE(find(office.Clients(), "crowded.cl1")->mustFix, 0);
}

void tst_clientregister::refreshFollowsTheFolder()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("a.cl1"), clientBytes(CompleteCorporation));
    writeFile(dir.filePath("b.cl1"), clientBytes(CompleteCompany));
    ClientRegister office(dir.path());
    QVERIFY(office.Refresh(Today));
    QCOMPARE(office.Clients().size(), 2);

    // a.cl1 saved again under a new name of the entity, b.cl1 removed, c.cl1 added.
    writeFile(dir.filePath("a.cl1"), clientBytes([](CalcClient &c) {
                  CompleteCorporation(c);
                  c.g(G0::EntityName, QStringLiteral("Ridgeway Tool Works, Inc."));
                  c.g(G0::CharterNo, QStringLiteral("4410021"));
              }));
    QVERIFY(QFile::remove(dir.filePath("b.cl1")));
    writeFile(dir.filePath("sub/c.cl1"), clientBytes(CompleteAssociation));
    QVERIFY(office.Refresh(Today));
    QCOMPARE(office.Clients().size(), 2);
    QCOMPARE(office.Clients().at(0).name, QStringLiteral("Ridgeway Tool Works, Inc."));
    QCOMPARE(office.Clients().at(0).charter, QStringLiteral("4410021"));
    QCOMPARE(office.Clients().at(1).relativePath, QStringLiteral("sub/c.cl1"));

    // A file becomes damaged: its state follows.
    const QByteArray whole = clientBytes(CompleteAssociation);
    writeFile(dir.filePath("sub/c.cl1"), whole.left(whole.size() / 2));
    QVERIFY(office.Refresh(Today));
    QCOMPARE(office.Clients().at(1).state, ClientFileState::Damaged);
}

void tst_clientregister::missingFolder()
{
    ClientRegister office(dir_.filePath(QStringLiteral("no such folder")));
    QVERIFY(!office.Refresh(Today));
    QVERIFY(office.Clients().isEmpty());
    ClientRegister file(folder_ + "/ridgeway.cl1");
    QVERIFY(!file.Refresh(Today));
}

QTEST_GUILESS_MAIN(tst_clientregister)
#include "tst_clientregister.moc"
