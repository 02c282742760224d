// The papers that go with or keep up a filing: biennial report, cover sheet,
// credit card authorization, statutory agent update and multiple agent update,
// and what the later filings (dissolutions, reinstatement) take from the
// worksheet.
#include "CalcFixture.h"
#include "TestSupport.h"

#include <QtTest>

using namespace brevane;
using namespace brevane::test;

namespace {

// A client with every worksheet answer these papers read set to its own text.
void fillWorksheet(CalcClient &client)
{
    client.g({{0, "Acme Corp"},   {1, "1 Main St"},        {2, "Columbus"},    {3, "OH"},
              {4, "43215"},       {8, "1234567"},          {12, "3/1/2018"},   {57, "Rep Person"},
              {59, "9 Rep Way"},  {60, "Dayton"},          {61, "OH"},         {62, "45402"},
              {63, "555-0100"},   {65, "rep@example.com"}, {67, "Rep Signer"}, {70, "Agent Ann"},
              {71, "5 Agent St"}, {72, "Akron"},           {73, "44308"},      {96, "Licensed profession"}});
}

QStringList answers(const CalcClient &client, int page, const QList<int> &indices)
{
    QStringList texts;
    for (int k : indices)
        texts << client.at(page, k);
    return texts;
}

} // namespace

class tst_calc_filingaids : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }

    // Every answer copied from the worksheet: its value, and whether an
    // override survives runs.
    void copiedAnswers_data();
    void copiedAnswers();

    // Statutory agent update.
    void agentUpdateMarks_data();
    void agentUpdateMarks();
    void agentUpdateSignatures_data();
    void agentUpdateSignatures();

    // Multiple agent update.
    void multipleAgentSigner_data();
    void multipleAgentSigner();

    // Representative on the biennial report, cover sheet and card.
    void representativeMarks_data();
    void representativeMarks();

    // Biennial report.
    void shareholdersListed();
    void professionPrintedWhateverItsBox();
};

void tst_calc_filingaids::copiedAnswers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("guarded");

    struct Row
    {
        int page, answer;
        const char *expected;
        bool guarded;
    };
    const Row rows[] = {
        {28, 5, "3/1/2018", true},    {44, 0, "Agent Ann", true},
        {44, 1, "5 Agent St", true},  {44, 2, "Akron", true},
        {44, 3, "44308", true},       {45, 2, "Licensed profession", false},
        {45, 3, "Acme Corp", true},   {45, 4, "1234567", true},
        {65, 7, "Rep Person", true},  {75, 0, "Rep Person", true},
        {75, 2, "9 Rep Way", true},   {75, 3, "Dayton", true},
        {75, 4, "OH", true},          {75, 5, "45402", true},
        {75, 6, "555-0100", true},    {75, 7, "rep@example.com", true},
        {76, 1, "9 Rep Way", true},   {76, 2, "Dayton", true},
        {76, 3, "OH", true},          {76, 4, "45402", true},
        {77, 15, "Acme Corp", false}, {77, 16, "1234567", false},
        {77, 18, "Agent Ann", false}, {77, 21, "Ohio", false},
        {78, 0, "Agent Ann", false},  {78, 1, "Acme Corp", false},
        {78, 7, "1 Main St", false},  {80, 6, "Agent Ann", false},
        {80, 7, "5 Agent St", false}, {80, 8, "Akron", false},
        {80, 9, "44308", false},
    };
    for (const Row &r : rows) {
        const QByteArray name = "page " + QByteArray::number(r.page) + " answer " + QByteArray::number(r.answer);
        QTest::newRow(name.constData()) << r.page << r.answer << QString::fromUtf8(r.expected) << r.guarded;
    }
}

void tst_calc_filingaids::copiedAnswers()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(QString, expected);
    QFETCH(bool, guarded);

    CalcClient client;
    fillWorksheet(client);
    client.store.SetText(45, 0, 0, QStringLiteral("X"));
    client.store.SetText(77, 0, 0, QStringLiteral("X"));
    client.store.SetText(77, 0, 10, QStringLiteral("X"));
    MessageRecorder messages;
    QVERIFY(client.calculate());
    QCOMPARE(client.at(page, answer), expected);

    checkOverrides(client, {{page, answer}}, guarded, expected);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(messages.numbers().isEmpty());
}

void tst_calc_filingaids::agentUpdateMarks_data()
{
    QTest::addColumn<QList<int>>("ticked");    // boxes of page 77
    QTest::addColumn<QStringList>("newAgent"); // page 77 answers 18 to 22
    QTest::addColumn<QStringList>("changes");  // page 78 answers 0, 1, 3 to 10

    const QStringList noAgent = {"", "", "", "", ""}; // an unmarked section prints empty, without a state
    const QStringList agent = {"Agent Ann", "5 Agent St", "Akron", "Ohio", "44308"};
    const QStringList noName = {"", ""};
    const QStringList name = {"Agent Ann", "Acme Corp"};
    const QStringList noAgentAddress = {"", "", "", ""};
    const QStringList agentAddress = {"5 Agent St", "Akron", "44308", "Ohio"};
    const QStringList noEntityAddress = {"", "", "", ""};
    const QStringList entityAddress = {"1 Main St", "Columbus", "OH", "43215"};

    QTest::newRow("nothing marked") << QList<int>() << noAgent << noName + noAgentAddress + noEntityAddress;
    QTest::newRow("agent's name, first box") << QList<int>({0}) << agent << name + noAgentAddress + noEntityAddress;
    QTest::newRow("agent's name, second box") << QList<int>({2}) << agent << name + noAgentAddress + noEntityAddress;
    QTest::newRow("agent's address, first box")
        << QList<int>({5}) << noAgent << noName + agentAddress + noEntityAddress;
    QTest::newRow("agent's address, second box")
        << QList<int>({7}) << noAgent << noName + agentAddress + noEntityAddress;
    QTest::newRow("entity's address, first box")
        << QList<int>({10}) << noAgent << noName + noAgentAddress + entityAddress;
    QTest::newRow("entity's address, second box")
        << QList<int>({12}) << noAgent << noName + noAgentAddress + entityAddress;
    QTest::newRow("everything") << QList<int>({0, 2, 5, 7, 10, 12}) << agent << name + agentAddress + entityAddress;
}

void tst_calc_filingaids::agentUpdateMarks()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QStringList, newAgent);
    QFETCH(QStringList, changes);

    CalcClient client;
    fillWorksheet(client);
    // A previous run with every part marked, then the user's present marks:
    // what is no longer marked is cleared.
    for (int box : {0, 5, 10})
        client.store.SetText(77, 0, box, QStringLiteral("X"));
    QVERIFY(client.calculate());
    for (int box : {0, 5, 10})
        client.store.SetText(77, 0, box, QString());
    for (int box : ticked)
        client.store.SetText(77, 0, box, QStringLiteral("X"));
    // Every answer of these pages is recomputed, overridden or not.
    client.overridden(77, 20, QStringLiteral("user text"));
    client.overridden(78, 4, QStringLiteral("user text"));
    QVERIFY(client.calculate());

    QCOMPARE(answers(client, 77, {18, 19, 20, 21, 22}), newAgent);
    QCOMPARE(answers(client, 78, {0, 1, 3, 4, 5, 6, 7, 8, 9, 10}), changes);
}

void tst_calc_filingaids::agentUpdateSignatures_data()
{
    QTest::addColumn<QString>("g55");
    QTest::addColumn<QString>("g56");
    QTest::addColumn<QStringList>("expectedSlots"); // business/line/printed

    // The directory holds, in order: an individual R row, a lower-case r row
    // (no representative) and a business R row.
    const QString first = QStringLiteral("//Ind Rep");
    const QString business = QStringLiteral("Rep Biz LLC//Biz Signer");
    QTest::newRow("no mark") << ""
                             << "" << QStringList({first, business});
    QTest::newRow("individual mark") << ""
                                     << "X" << QStringList({"//Rep Person", first});
    QTest::newRow("business mark") << "X"
                                   << "" << QStringList({"Acme Corp//Rep Signer", first});
    QTest::newRow("both marks give business") << "X"
                                              << "X" << QStringList({"Acme Corp//Rep Signer", first});
}

void tst_calc_filingaids::agentUpdateSignatures()
{
    QFETCH(QString, g55);
    QFETCH(QString, g56);
    QFETCH(QStringList, expectedSlots);

    CalcClient client;
    fillWorksheet(client);
    client.g(55, g55).g(56, g56);
    client.row({"RI", "Ind Rep"});
    client.row({"ri", "Lower Rep"});
    client.row({"RB", "Rep Biz LLC", "", "", "", "", "Biz Signer"});
    client.row({"RI", "Late Rep"});
    client.store.SetText(79, 0, 6, QStringLiteral("beyond the block"));
    MessageRecorder messages;
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(answers(client, 79, {0, 1, 2}).join("/"), expectedSlots[0]);
        QCOMPARE(answers(client, 79, {3, 4, 5}).join("/"), expectedSlots[1]);
        QCOMPARE(client.at(79, 6), QStringLiteral("beyond the block"));
    }
    QVERIFY(messages.numbers().isEmpty());

    client.overridden(79, 5, QStringLiteral("Own Signer"));
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(client.at(79, 5), QStringLiteral("Own Signer"));
    }
}

void tst_calc_filingaids::multipleAgentSigner_data()
{
    QTest::addColumn<QString>("box0");
    QTest::addColumn<QString>("box1");
    QTest::addColumn<QStringList>("expected"); // page 81 answers 0 (signs in person) and 4 (signed for)

    // The statutory agent named on page 80 signs, whoever represents the
    // entity; only the block of the box ticked is filled.
    QTest::newRow("the agent in person") << "X"
                                         << "" << QStringList({"Agent Ann", ""});
    QTest::newRow("for a business agent") << ""
                                          << "X" << QStringList({"", "Agent Ann"});
    QTest::newRow("a lower-case x is no tick") << "x"
                                               << "" << QStringList({"", ""});
    QTest::newRow("neither box") << ""
                                 << "" << QStringList({"", ""});
}

void tst_calc_filingaids::multipleAgentSigner()
{
    QFETCH(QString, box0);
    QFETCH(QString, box1);
    QFETCH(QStringList, expected);

    CalcClient client;
    fillWorksheet(client);
    client.g(55, QStringLiteral("X")).g(56, QStringLiteral("X")); // the representative signs nothing here
    client.store.SetText(80, 0, 0, box0);
    client.store.SetText(80, 0, 1, box1);
    client.store.SetText(81, 0, 0, QStringLiteral("old"));
    client.store.SetText(81, 0, 1, QStringLiteral("Person For The Agent")); // the user's own
    QVERIFY(client.calculate());
    QCOMPARE(answers(client, 81, {0, 4}), expected);
    QCOMPARE(client.at(81, 1), QStringLiteral("Person For The Agent"));

    // The user's own text of the printed name stays.
    checkOverrides(client, {{81, 0}}, true);
}

void tst_calc_filingaids::representativeMarks_data()
{
    QTest::addColumn<QString>("g55");
    QTest::addColumn<QString>("g56");
    QTest::addColumn<QString>("business");  // page 46 answer 11
    QTest::addColumn<QString>("signer");    // page 46 answer 13
    QTest::addColumn<QString>("attention"); // page 75 answer 1
    QTest::addColumn<QString>("holder");    // page 76 answer 0

    // An individual representative clears the business line: a business
    // left from an earlier choice must not print beside a person's name.
    QTest::newRow("individual") << ""
                                << "X"
                                << ""
                                << "Rep Person"
                                << ""
                                << "Rep Person";
    QTest::newRow("business") << "X"
                              << ""
                              << "Rep Person"
                              << "Rep Signer"
                              << "Rep Signer"
                              << "Rep Signer";
    QTest::newRow("both marks") << "X"
                                << "X"
                                << "Rep Person"
                                << "Rep Signer"
                                << ""
                                << "Rep Person";
    QTest::newRow("neither keeps texts") << ""
                                         << ""
                                         << "old"
                                         << "old"
                                         << "old"
                                         << "old";
    QTest::newRow("lower-case x is not ticked") << "x"
                                                << "x"
                                                << "old"
                                                << "old"
                                                << "old"
                                                << "old";
}

void tst_calc_filingaids::representativeMarks()
{
    QFETCH(QString, g55);
    QFETCH(QString, g56);
    QFETCH(QString, business);
    QFETCH(QString, signer);
    QFETCH(QString, attention);
    QFETCH(QString, holder);

    CalcClient client;
    fillWorksheet(client);
    client.g(55, g55).g(56, g56);
    client.store.SetText(46, 0, 11, QStringLiteral("old"));
    client.store.SetText(46, 0, 13, QStringLiteral("old"));
    client.store.SetText(75, 0, 1, QStringLiteral("old"));
    client.store.SetText(76, 0, 0, QStringLiteral("old"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(46, 11), business);
    QCOMPARE(client.at(46, 13), signer);
    QCOMPARE(client.at(75, 1), attention);
    QCOMPARE(client.at(76, 0), holder);

    // Each is guarded: the user's texts stay through later runs.
    checkOverrides(client, {{46, 11}, {46, 13}, {75, 1}, {76, 0}}, true);
}

void tst_calc_filingaids::shareholdersListed()
{
    CalcClient client;
    fillWorksheet(client);
    client.row({"S", "Holder 0", "10 First St", "Columbus", "OH", "43215"});
    client.row({"s", "Lower Case", "1 Low St", "Kent", "OH", "44240"});
    client.row({"D", "Director Only", "2 Board St", "Kent", "OH", "44240"});
    for (int i = 1; i < 7; ++i) {
        const QByteArray name = "Holder " + QByteArray::number(i);
        client.row({"DSC", name.constData(), "Street", "Town", "OH", "45000"});
    }
    MessageRecorder messages;
    QVERIFY(client.calculate());

    QCOMPARE(client.at(45, 8), QStringLiteral("Holder 0"));
    QCOMPARE(client.at(45, 9), QStringLiteral("10 First St, Columbus, OH 43215"));
    QCOMPARE(client.at(45, 10), QStringLiteral("Holder 1"));
    QCOMPARE(client.at(45, 18), QStringLiteral("Holder 5"));
    QCOMPARE(client.at(45, 19), QStringLiteral("Street, Town, OH 45000"));
    // The seventh shareholder is not listed, and no message is shown.
    QCOMPARE(client.at(45, 20), QString());
    QVERIFY(messages.numbers().isEmpty());

    // Fewer shareholders: the rows they leave are cleared, the user's own
    // texts stay.
    client.directory.SetRowCount(4);
    client.overridden(45, 12, QStringLiteral("Own Holder"));
    client.overridden(45, 9, QStringLiteral("Own Address"));
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(answers(client, 45, {8, 9, 10, 11, 12, 13}),
                 QStringList({"Holder 0", "Own Address", "Holder 1", "Street, Town, OH 45000", "Own Holder", ""}));
    }
}

void tst_calc_filingaids::professionPrintedWhateverItsBox()
{
    // The report needs the profession; the box beside it does not hide it.
    CalcClient client;
    fillWorksheet(client);
    for (const QString &box : {QStringLiteral("X"), QString()}) {
        client.store.SetText(45, 0, 0, box);
        QVERIFY(client.calculate());
        QCOMPARE(client.at(45, 2), QStringLiteral("Licensed profession"));
    }
}

QTEST_GUILESS_MAIN(tst_calc_filingaids)
#include "tst_calc_filingaids.moc"
