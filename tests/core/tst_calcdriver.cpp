// The calculation driver and the building blocks the page procedures share.
#include "CalcFixture.h"
#include "TestSupport.h"
#include "core/calc/PageCalc.h"

#include <QtTest>

using namespace brevane;
using namespace brevane::test;

class tst_calcdriver : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }
    void roleTest_data();
    void roleTest();
    void amPm_data();
    void amPm();
    void signerRule_data();
    void signerRule();
    void representativeBlock_data();
    void representativeBlock();
    void representativeBlockIsStableAcrossRuns();
    void representativeSignsOnce_data();
    void representativeSignsOnce();
    void guardedWriteKeepsOverride();
};

void tst_calcdriver::roleTest_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("role");
    QTest::addColumn<bool>("has");
    QTest::addColumn<bool>("hasIgnoringCase");
    QTest::newRow("CDS has C") << "CDS"
                               << "C" << true << true;
    QTest::newRow("CDS has S") << "CDS"
                               << "S" << true << true;
    QTest::newRow("CDS lacks R") << "CDS"
                                 << "R" << false << false;
    QTest::newRow("cds lower case") << "cds"
                                    << "C" << false << true;
    QTest::newRow("empty code") << ""
                                << "C" << false << false;
    QTest::newRow("letter anywhere") << "DOSCMGIBR"
                                     << "R" << true << true;
}

void tst_calcdriver::roleTest()
{
    QFETCH(QString, code);
    QFETCH(QString, role);
    QFETCH(bool, has);
    QFETCH(bool, hasIgnoringCase);
    DirectoryRow row;
    row[ColCode] = code;
    QCOMPARE(HasRole(row, role.at(0)), has);
    QCOMPARE(HasRoleIgnoringCase(row, role.at(0)), hasIgnoringCase);
}

void tst_calcdriver::amPm_data()
{
    QTest::addColumn<QString>("am");
    QTest::addColumn<QString>("pm");
    QTest::addColumn<QString>("expected");
    QTest::newRow("AM") << "X"
                        << ""
                        << "A";
    QTest::newRow("PM") << ""
                        << "X"
                        << "P";
    QTest::newRow("both give PM") << "X"
                                  << "X"
                                  << "P";
    QTest::newRow("neither keeps mark") << ""
                                        << ""
                                        << "old";
    QTest::newRow("lower-case x is not ticked") << "x"
                                                << ""
                                                << "old";
}

void tst_calcdriver::amPm()
{
    QFETCH(QString, am);
    QFETCH(QString, pm);
    QFETCH(QString, expected);
    CalcClient client;
    client.g(25, am).g(26, pm);
    client.overridden(70, 5, QStringLiteral("old")); // AM/PM writes ignore overrides
    PageCalc pc(client.store, client.directory, 70);
    pc.AmPm(5, 25, 26);
    QCOMPARE(client.at(70, 5), expected == "old" ? QStringLiteral("old") : expected);
}

void tst_calcdriver::signerRule_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("slot");
    QTest::newRow("individual") << "CI" << QStringList({"", "", "Ann Lee"});
    QTest::newRow("business") << "CB" << QStringList({"Ann Lee", "", "Bob Signer"});
    QTest::newRow("both end as business") << "CIB" << QStringList({"Ann Lee", "", "Bob Signer"});
    QTest::newRow("neither leaves slot") << "C" << QStringList({"a", "b", "c"});
}

void tst_calcdriver::signerRule()
{
    QFETCH(QString, code);
    QFETCH(QStringList, slot);
    CalcClient client;
    client.row({"", "Ann Lee", "", "", "", "", "Bob Signer"});
    client.directory.SetCell(0, ColCode, code);
    for (int k = 0; k < 3; ++k)
        client.store.SetText(70, 0, 3 + k, QStringList({"a", "b", "c"})[k]);
    PageCalc pc(client.store, client.directory, 70);
    pc.SignerRule(0, 1, client.directory.Row(0));
    QCOMPARE(QStringList({client.at(70, 3), client.at(70, 4), client.at(70, 5)}), slot);
}

namespace {

// Runs the representative block of three slots from answer 10 of page 70 and
// gives each slot as "business/printed name".
QStringList representativeSlots(CalcClient &client)
{
    PageCalc pc(client.store, client.directory, 70);
    pc.RepresentativeBlock(10, 3, QStringLiteral("Acme Inc"));
    QStringList texts;
    for (int s = 0; s < 3; ++s)
        texts << client.at(70, 10 + 3 * s) + "/" + client.at(70, 12 + 3 * s);
    return texts;
}

} // namespace

void tst_calcdriver::representativeBlock_data()
{
    QTest::addColumn<QString>("g55");
    QTest::addColumn<QString>("g56");
    QTest::addColumn<int>("rRows");
    QTest::addColumn<QStringList>("expectedSlots"); // 3 slots, printed name (or business) per slot
    // Slot texts are shown as business/printed.
    QTest::newRow("no mark, two R rows") << ""
                                         << "" << 2 << QStringList({"/R0", "/R1", "/"});
    QTest::newRow("individual mark") << ""
                                     << "X" << 2 << QStringList({"/Rep Person", "/R0", "/R1"});
    QTest::newRow("business mark") << "X"
                                   << "" << 1 << QStringList({"Acme Inc/Rep Signer", "/R0", "/"});
    QTest::newRow("both marks give business") << "X"
                                              << "X" << 0 << QStringList({"Acme Inc/Rep Signer", "/", "/"});
    QTest::newRow("more R rows than slots") << ""
                                            << "" << 5 << QStringList({"/R0", "/R1", "/R2"});
}

void tst_calcdriver::representativeBlock()
{
    QFETCH(QString, g55);
    QFETCH(QString, g56);
    QFETCH(int, rRows);
    QFETCH(QStringList, expectedSlots);
    CalcClient client;
    client.g(55, g55).g(56, g56).g(57, QStringLiteral("Rep Person")).g(67, QStringLiteral("Rep Signer"));
    client.row({"D", "Not a representative"});
    for (int i = 0; i < rRows; ++i) {
        const QByteArray name = "R" + QByteArray::number(i);
        client.row({"RI", name.constData()});
    }
    QCOMPARE(representativeSlots(client), expectedSlots);
}

void tst_calcdriver::representativeBlockIsStableAcrossRuns()
{
    // The user's own signer in slot 0 (overridden) keeps the slot; the
    // directory's representatives go to the next slots, run after run.
    CalcClient client;
    client.overridden(70, 12, QStringLiteral("My Own Signer"));
    client.row({"RI", "First Rep"}).row({"RB", "Rep Business", "", "", "", "", "Signs For It"});
    for (int run = 0; run < 2; ++run) {
        PageCalc pc(client.store, client.directory, 70);
        pc.RepresentativeBlock(10, 3, QString());
        QCOMPARE(client.at(70, 12), QStringLiteral("My Own Signer"));
        QCOMPARE(client.at(70, 15), QStringLiteral("First Rep"));
        QCOMPARE(client.at(70, 16), QStringLiteral("Rep Business"));
        QCOMPARE(client.at(70, 18), QStringLiteral("Signs For It"));
    }
}

void tst_calcdriver::representativeSignsOnce_data()
{
    QTest::addColumn<QString>("g55");
    QTest::addColumn<QString>("g56");
    QTest::addColumn<QStringList>("rows"); // code|name|signs for a business
    QTest::addColumn<QStringList>("expectedSlots");
    QTest::newRow("the page-0 representative again, other case and blanks")
        << ""
        << "X" << QStringList{"RI| rep PERSON ", "RI|Other"} << QStringList({"/Rep Person", "/Other", "/"});
    QTest::newRow("the page-0 business's signer again")
        << "X"
        << "" << QStringList{"RI|Rep Signer", "RB|Acme Inc|Someone"} << QStringList({"Acme Inc/Rep Signer", "/", "/"});
    QTest::newRow("one person in two rows")
        << ""
        << "" << QStringList{"RI|Ann", "DRI|ann", "RI|Ben"} << QStringList({"/Ann", "/Ben", "/"});
    QTest::newRow("a person who also signs for a business")
        << ""
        << "" << QStringList{"RI|Ann", "RB|North Co|Ann", "RI|Ben"} << QStringList({"/Ann", "/Ben", "/"});
}

void tst_calcdriver::representativeSignsOnce()
{
    // A person fills one signer slot of a paper, however often the client
    // names them a representative.
    QFETCH(QString, g55);
    QFETCH(QString, g56);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, expectedSlots);
    CalcClient client;
    client.g(55, g55).g(56, g56).g(57, QStringLiteral("Rep Person")).g(67, QStringLiteral("Rep Signer"));
    for (const QString &row : rows) {
        const QStringList cells = row.split(QLatin1Char('|'));
        client.row({});
        const int r = client.directory.RowCount() - 1;
        client.directory.SetCell(r, ColCode, cells[0]);
        client.directory.SetCell(r, ColName, cells[1]);
        client.directory.SetCell(r, ColByName, cells.value(2));
    }
    QCOMPARE(representativeSlots(client), expectedSlots);
}

void tst_calcdriver::guardedWriteKeepsOverride()
{
    CalcClient client;
    client.overridden(70, 1, QStringLiteral("user"));
    PageCalc pc(client.store, client.directory, 70);
    pc.Guarded(1, QStringLiteral("calc"));
    pc.Guarded(2, QStringLiteral("calc"));
    QCOMPARE(client.at(70, 1), QStringLiteral("user"));
    QCOMPARE(client.at(70, 2), QStringLiteral("calc"));
    pc.Always(1, QStringLiteral("calc"));
    QCOMPARE(client.at(70, 1), QStringLiteral("calc"));
}

QTEST_GUILESS_MAIN(tst_calcdriver)
#include "tst_calcdriver.moc"
