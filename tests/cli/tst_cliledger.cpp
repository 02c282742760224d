// brevane-cli ledger: the register of the corporation of five subscribers
// before and after a transfer, on a day, and what it says of a faulty
// journal or a wrong option.
#include "CliRun.h"
#include "DocumentFill.h"
#include "LedgerClient.h"
#include "PaperClients.h"
#include "TestSupport.h"
#include "core/calc/Calculate.h"
#include "core/document/ClientDocument.h"
#include "core/document/LedgerCommands.h"
#include "core/files/ClientFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace brevane;
using namespace brevane::test;

class tst_cliledger : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void ledger_data();
    void ledger();
    void printRegisterAndCertificates_data();
    void printRegisterAndCertificates();

private:
    QTemporaryDir dir_;
    QString before_, after_, faulty_, company_;
};

void tst_cliledger::initTestCase()
{
    UseUnitedStatesLocale();
    QVERIFY2(QFileInfo::exists(CliProgram()), qPrintable(CliProgram()));
    ClientDocument client;
    FillDocument(client, [&](TAnswer &answers, DirectoryTable &rows) { FillLedgerClient(answers, rows); });
    QVERIFY(client.Recalculate().ok());
    before_ = dir_.filePath(QStringLiteral("before.cl1"));
    QVERIFY(client.Save(before_).ok());
    QVERIFY(ledger::RecordTransfer(client, {QDate(2019, 6, 15), 2, {{QStringLiteral("Erin Walsh"), 100}}}).ok());
    after_ = dir_.filePath(QStringLiteral("after.cl1"));
    QVERIFY(client.Save(after_).ok());
    // Certificate 2 cancelled a second time.
    QVERIFY(ledger::WriteJournalLines(
                client, {{QStringLiteral("8/1/2019"), QString(), QStringLiteral("Certificate cancelled"),
                          QStringLiteral("Ben Ortiz"), QStringLiteral("250"), QStringLiteral("2"), QString()}})
                .ok());
    faulty_ = dir_.filePath(QStringLiteral("faulty.cl1"));
    QVERIFY(client.Save(faulty_).ok());
    // A company: two members paying cash, a business bringing equipment.
    CalcClient company;
    CompanyWithEquipmentMember(company);
    company_ = dir_.filePath(QStringLiteral("company.cl1"));
    QVERIFY(SaveClientFile(company_, company.store, company.directory));
}

void tst_cliledger::ledger_data()
{
    QTest::addColumn<QString>("client"); // before, after, faulty or a path
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors"); // contained in standard error
    const QString first = QStringLiteral("Certificate  Holder                 Shares  Class\n"
                                         "1            Ann Lee                   400  common\n"
                                         "2            Ben Ortiz                 250  common\n"
                                         "3            Carla Ng                  150  common\n"
                                         "4            Dev Patel                 100  common\n"
                                         "5            Lakeshore Capital LLC     100  common\n"
                                         "Total outstanding: 1,000 shares\n"
                                         "Total authorized: 1,500 shares\n");
    const QString then = QStringLiteral("Certificate  Holder                 Shares  Class\n"
                                        "1            Ann Lee                   400  common\n"
                                        "3            Carla Ng                  150  common\n"
                                        "4            Dev Patel                 100  common\n"
                                        "5            Lakeshore Capital LLC     100  common\n"
                                        "6            Erin Walsh                100  common\n"
                                        "7            Ben Ortiz                 150  common\n"
                                        "Total outstanding: 1,000 shares\n"
                                        "Total authorized: 1,500 shares\n");
    const QString records = QStringLiteral("Shareholders of record\n");
    QTest::newRow("before the transfer") << "before" << QStringList() << 0 << records + first << "";
    QTest::newRow("after the transfer") << "after" << QStringList() << 0 << records + then << "";
    QTest::newRow("the day before it") << "after" << QStringList{"--as-of", "2019-06-14"} << 0
                                       << "Shareholders of record on June 14, 2019\n" + first << "";
    QTest::newRow("the day of it") << "after" << QStringList{"--as-of", "2019-06-15"} << 0
                                   << "Shareholders of record on June 15, 2019\n" + then << "";
    QTest::newRow("a certificate cancelled twice")
        << "faulty" << QStringList() << 1 << records + then
        << "brevane-cli: share ledger, sheet 1, line 9: certificate 2 is cancelled twice; it was cancelled on June "
           "15, 2019";
    QTest::newRow("a day that is no date") << "after" << QStringList{"--as-of", "2019-02-30"} << 2 << ""
                                           << "--as-of needs a date as YYYY-MM-DD";
    QTest::newRow("no such client") << "missing" << QStringList() << 1 << ""
                                    << "missing.cl1";
    QTest::newRow("a company's members")
        << "company" << QStringList() << 0
        << QStringLiteral("Members of record, as the Directory Worksheet gives them\n"
                          "Member                     Interest  Contribution                             In\n"
                          "Anna Baker                      45%  $6,000.00                                cash\n"
                          "Tom Reyes                       30%  $4,000.00                                cash\n"
                          "North Coast Equipment Co.       25%  Roasting equipment valued at $10,000.00  property\n"
                          "Members: 3\n"
                          "Total interest: 100%\n")
        << "";
    QTest::newRow("a company on a day") << "company" << QStringList{"--as-of", "2027-01-01"} << 2 << ""
                                        << "keeps no dates";
}

void tst_cliledger::ledger()
{
    QFETCH(QString, client);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    const QString path = client == QLatin1String("before")    ? before_
                         : client == QLatin1String("after")   ? after_
                         : client == QLatin1String("faulty")  ? faulty_
                         : client == QLatin1String("company") ? company_
                                                              : dir_.filePath(client + QStringLiteral(".cl1"));
    const CliRun run = RunCli(QStringList{QStringLiteral("ledger"), path} + options);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.output, output);
    const QString &said = run.errors;
    if (errors.isEmpty())
        QCOMPARE(said, QString());
    else
        QVERIFY2(said.contains(errors), qPrintable(said));
}

// brevane-cli print with the share register and a choice of certificates
// among the boxes (the same options serve pdf and docx).
void tst_cliledger::printRegisterAndCertificates_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("printed"); // in order
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<QString>("errors");
    QTest::newRow("the register after the last entry")
        << QStringList{"--share-register"} << 0
        << QStringList{"SHARE REGISTER", "on June 15, 2019", "Erin Walsh", "Ben Ortiz", "Shares outstanding: 1,000."}
        << QStringList{"This certifies"} << "";
    QTest::newRow("the register on a day, after the resolution")
        << QStringList{"cbxMisc_CorporateResolution", "--share-register", "--as-of", "2019-06-14"} << 0
        << QStringList{"RESOLUTION", "SHARE REGISTER", "on June 14, 2019", "Ben Ortiz"} << QStringList{"Erin Walsh"}
        << "";
    QTest::newRow("two certificates chosen")
        << QStringList{"cbxStockFront", "--certificates", "7, 6"} << 0
        << QStringList{"This certifies that Erin Walsh", "This certifies that Ben Ortiz"}
        << QStringList{"This certifies that Ann Lee", "SHARE REGISTER"} << "";
    QTest::newRow("a cancelled certificate chosen")
        << QStringList{"cbxStockFront", "--certificates", "2"} << 1 << QStringList() << QStringList()
        << "3908-No stock certificate was printed";
    QTest::newRow("certificates that do not read")
        << QStringList{"cbxStockFront", "--certificates", "two"} << 2 << QStringList() << QStringList()
        << "3907-The certificates to print";
    QTest::newRow("a day without the register") << QStringList{"cbxStockFront", "--as-of", "2019-06-14"} << 2
                                                << QStringList() << QStringList() << "give --share-register too";
}

void tst_cliledger::printRegisterAndCertificates()
{
    QFETCH(QStringList, boxes);
    QFETCH(int, exitCode);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, absent);
    QFETCH(QString, errors);
    const QString out = dir_.filePath(QStringLiteral("papers.rtf"));
    QFile::remove(out);
    const CliRun run = RunCli(QStringList{QStringLiteral("print"), after_, out} + boxes);
    const QString &said = run.errors;
    QVERIFY2(run.exitCode == exitCode, qPrintable(said));
    if (exitCode != 0) {
        QVERIFY2(said.contains(errors), qPrintable(said));
        QVERIFY(!QFileInfo::exists(out));
        return;
    }
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString document = QString::fromLatin1(file.readAll());
    qsizetype at = 0;
    for (const QString &text : printed) {
        const qsizetype found = document.indexOf(text, at);
        QVERIFY2(found >= at, qPrintable(text));
        at = found;
    }
    for (const QString &text : absent)
        QVERIFY2(!document.contains(text), qPrintable(text));
}

QTEST_GUILESS_MAIN(tst_cliledger)
#include "tst_cliledger.moc"
