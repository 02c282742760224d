// brevane-cli check run as a user runs it: a real client file, the findings
// on standard output one a line, the exit status.
#include "CheckClient.h"
#include "TestSupport.h"
#include "core/files/ClientFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace brevane;
using namespace brevane::test;

class tst_clicheck : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void findings_data();
    void findings();
    void calculationThatCannotComplete();
    void damagedInputIsRefused();
    void unknownBox();

private:
    struct Result
    {
        int exitCode;
        QStringList lines; // standard output
        QString errors;
    };
    Result run(const QStringList &args);
    QString write(const QString &name, CalcClient &client);
    QString program_;
    QTemporaryDir dir_;
};

void tst_clicheck::initTestCase()
{
    UseUnitedStatesLocale();
    program_ = QString::fromLocal8Bit(qgetenv("BREVANE_BINARY_DIR")) + QStringLiteral("/src/cli/brevane-cli");
    QVERIFY2(QFileInfo::exists(program_), qPrintable(program_));
}

tst_clicheck::Result tst_clicheck::run(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(program_, QStringList{QStringLiteral("check")} + args);
    if (!process.waitForFinished(60000))
        return {-1, {}, QStringLiteral("timed out")};
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    return {process.exitCode(), out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QString tst_clicheck::write(const QString &name, CalcClient &client)
{
    const QString path = dir_.filePath(name);
    SaveClientFile(path, client.store, client.directory);
    return path;
}

void tst_clicheck::findings_data()
{
    QTest::addColumn<int>("faults");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines");
    // The user's words: the form, its own page, the field, the sentence;
    // the print boxes for the command line at the end.
    const QStringList three = {
        "Order & Waiver of Notice, page 1, \"Number of shares the corporation may issue\": the shareholders "
        "subscribe for 1,000 shares, more than the 900 authorized. (Also on Share Subscription.) "
        "[cbxPOC_OrderWaiver cbxPOC_ShareSubscription]",
        "Order & Waiver of Notice, page 1, \"Price per share paid by the subscribers\": the subscribers pay $10.00 a "
        "share, less than the par value of $12.50. (Also on Election of Officers.) "
        "[cbxPOC_OrderWaiver cbxElectionOfOfficers]",
        "532A, page 2 of 3, \"Street address in Ohio\": the statutory agent's address is a post-office box. "
        "[cbxForm532A]",
    };
    QTest::newRow("complete corporation") << 0 << QStringList() << 0 << QStringList();
    QTest::newRow("three faults, forms in use") << 3 << QStringList() << 1 << three;
    QTest::newRow("three faults, the articles alone") << 3 << QStringList{"cbxForm532A"} << 1 << three.mid(2);
    QTest::newRow("three faults, a form they leave alone") << 3 << QStringList{"cbxStockFront"} << 0 << QStringList();
}

void tst_clicheck::findings()
{
    QFETCH(int, faults);
    QFETCH(QStringList, boxes);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);
    CalcClient client;
    CompleteCorporation(client);
    if (faults) {
        client.g(G0::AuthorizedShares, QStringLiteral("900"));
        client.g(G0::ParValue, QStringLiteral("12.50"));
        client.g(G0::AgentStreet, QStringLiteral("P.O. Box 118"));
    }
    const Result result = run(QStringList{write(QStringLiteral("client.cl1"), client)} + boxes);
    QCOMPARE(result.lines, lines);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.errors, QString());
}

// A client with more shareholders than the waiver keeps on its page is
// checked whole: no calculation failure, nobody left off.
void tst_clicheck::calculationThatCannotComplete()
{
    CalcClient client;
    CrowdedCorporation(client);
    const Result result = run({write(QStringLiteral("crowded.cl1"), client)});
    QVERIFY2(result.lines.filter(QStringLiteral("could not complete")).isEmpty(),
             qPrintable(result.lines.join(QLatin1Char('\n'))));
    QVERIFY2(result.lines.filter(QStringLiteral("left off")).isEmpty(),
             qPrintable(result.lines.join(QLatin1Char('\n'))));
    QVERIFY2(!result.errors.contains(QStringLiteral("18047")), qPrintable(result.errors));
}

void tst_clicheck::damagedInputIsRefused()
{
    CalcClient client;
    CompleteCorporation(client);
    const QByteArray whole = WriteClientFile(client.store, client.directory);
    const QString in = dir_.filePath(QStringLiteral("cut.cl1"));
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(whole.left(whole.size() / 3));
    f.close();
    const Result result = run({in});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.lines.isEmpty());
    QVERIFY2(result.errors.contains(QStringLiteral("cut.cl1 is damaged: it ends early")), qPrintable(result.errors));
}

void tst_clicheck::unknownBox()
{
    CalcClient client;
    const QString in = write(QStringLiteral("empty.cl1"), client);
    Result result = run({in, QStringLiteral("cbxNoSuchForm")});
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.errors.contains(QStringLiteral("no selection box is called cbxNoSuchForm")));
    result = run({});
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.errors.contains(QStringLiteral("usage:")));
}

QTEST_GUILESS_MAIN(tst_clicheck)
#include "tst_clicheck.moc"
