// Work recovered after the program is killed: a real process types a
// client's name and a date, keeps its recovery copy and is killed with
// SIGKILL; the next start offers the copy with its client, time and what it
// holds, and restores every answer, untitled and modified. Declined, the
// copy is gone.
#include "GuiFixture.h"
#include "core/document/ClientDocument.h"
#include "core/files/RecoveryCopy.h"
#include "core/store/Answers.h"
#include "gui/app/Navigation.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/files/FileCommands.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace brevane;
using namespace brevane::test;

namespace {

const char ChildMode[] = "BREVANE_RECOVERY_CHILD";

void writePages(GuiFixture &fx)
{
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtCity", 1003, 40)});
    fx.WritePage(1, {Edit("edtDate", 1011, 10)});
}

} // namespace

class tst_recovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void typeAndWaitToBeKilled();
    void killedProgramsWorkIsOffered_data();
    void killedProgramsWorkIsOffered();

private:
    QTemporaryDir data_;
};

void tst_recovery::initTestCase()
{
    // The user's data folder of this test and of the process it kills.
    if (!qEnvironmentVariableIsSet(ChildMode))
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
}

// The process that is killed: runs only when the test starts it.
void tst_recovery::typeAndWaitToBeKilled()
{
    if (!qEnvironmentVariableIsSet(ChildMode))
        QSKIP("run by killedProgramsWorkIsOffered");
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start();
    w->Files().OfferRecoveredWork(); // nothing to offer; starts keeping the copy
    auto *name = Control<QLineEdit>(*w, "edtName");
    Enter(name);
    TypeOver(name, QStringLiteral("Ridgeway Tool Holdings"));
    auto *city = Control<QLineEdit>(*w, "edtCity");
    Enter(city);
    TypeOver(city, QStringLiteral("Dayton"));
    // Typing on in the city, not yet leaving it.
    Enter(city);
    city->end(false);
    QTest::keyClicks(city, QStringLiteral(", Ohio"));
    QVERIFY(w->Document().IsModified());
    w->Files().KeepRecoveryCopy(); // as the timer does
    std::printf("ready\n");
    std::fflush(stdout);
    QTest::qWait(60000);
}

void tst_recovery::killedProgramsWorkIsOffered_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("restored") << QMessageBox::Yes;
    QTest::newRow("declined") << QMessageBox::No;
}

void tst_recovery::killedProgramsWorkIsOffered()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ChildMode), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), data_.path());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("typeAndWaitToBeKilled")});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("ready") && child.waitForReadyRead(60000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.contains("ready"), said.constData());
    QCOMPARE(child.state(), QProcess::Running);
    child.kill(); // SIGKILL: no chance to save or clean up
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    const QList<RecoveredClient> left = RecoveryCopy::Find();
    QCOMPARE(left.size(), 1);
    QVERIFY(left[0].copyPath.startsWith(data_.path()));

    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start();
    dialogs.questionAnswers << answer;
    w->Files().OfferRecoveredWork();
    QCOMPARE(dialogs.asked.size(), 1);
    const QString offer = dialogs.asked.first();
    QVERIFY2(offer.contains(QStringLiteral("a client not yet saved")), qPrintable(offer));
    QVERIFY2(offer.contains(QStringLiteral("holds Ridgeway Tool Holdings: ")), qPrintable(offer));
    QVERIFY2(offer.contains(QString::number(left[0].written.date().year())), qPrintable(offer));
    if (answer == QMessageBox::No) {
        QVERIFY(RecoveryCopy::Find().isEmpty());
        QVERIFY(!w->Document().IsModified());
        QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QString());
        return;
    }
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Ridgeway Tool Holdings"));
    QCOMPARE(w->Document().Answers()->Text(0, 0, 3), QStringLiteral("Dayton, Ohio"));
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Ridgeway Tool Holdings"));
    QVERIFY(w->Document().IsModified());
    QVERIFY(TFileCommands::IsUntitled(w->Document().FileName()));
    // The restored work has a copy of its own while unsaved; the old one is gone.
    QVERIFY(!QFileInfo::exists(left[0].copyPath));
    w->Files().DropRecoveryCopy();
    QVERIFY(RecoveryCopy::Find().isEmpty());
}

QTEST_MAIN(tst_recovery)
#include "tst_recovery.moc"
