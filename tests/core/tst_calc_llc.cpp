// The limited liability company's papers: articles of organization,
// certificate of amendment, operating agreement, certificate of dissolution
// and the repeatable members' resolution.
#include "CalcFixture.h"
#include "TestSupport.h"
#include "core/forms/PageZero.h"

#include <QDate>
#include <QLocale>
#include <QtTest>

using namespace brevane;
using namespace brevane::test;

namespace {

// A client with every worksheet answer these papers read set to its own text.
void fillWorksheet(CalcClient &client)
{
    client.g({{0, "Acme LLC"},
              {2, "Columbus"},
              {8, "7654321"},
              {52, "Purpose item"},
              {53, "Duration item"},
              {54, "Address item"},
              {57, "Rep Person"},
              {59, "9 Rep Way"},
              {60, "Dayton"},
              {61, "OH"},
              {62, "45402"},
              {67, "Rep Signer"},
              {70, "Agent Ann"},
              {71, "5 Agent St"},
              {72, "Akron"},
              {73, "44308"}});
}

// Appends a directory row from its cells in column order.
void addRow(CalcClient &client, const QStringList &cells)
{
    client.directory.AddRow();
    const int r = client.directory.RowCount() - 1;
    for (int column = 0; column < cells.size(); ++column)
        client.directory.SetCell(r, column, cells[column]);
}

// A member row: code, name, cash mark, noncash mark, contribution, interest.
void addMember(CalcClient &client, const QString &code, const QString &name, const QString &cash = QString(),
               const QString &noncash = QString(), const QString &contribution = QString(),
               const QString &interest = QString())
{
    addRow(client, {code, name, "", "", "", "", "", cash, noncash, contribution, interest});
}

// Texts of the signer slots of a block: "business/line/printed" per slot.
QStringList slotTexts(const CalcClient &client, int page, int first, int count)
{
    QStringList texts;
    for (int s = 0; s < count; ++s) {
        const int b = first + 3 * s;
        texts << client.at(page, b) + "/" + client.at(page, b + 1) + "/" + client.at(page, b + 2);
    }
    return texts;
}

} // namespace

class tst_calc_llc : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }

    // Every answer copied from the worksheet: its value, and whether an
    // override survives runs.
    void copiedAnswers_data();
    void copiedAnswers();
    void amendmentItemsFollowTheirBoxes_data();
    void amendmentItemsFollowTheirBoxes();

    // Operating agreement.
    void membersJoined_data();
    void membersJoined();
    void cashContributions();
    void purposeEndsItsSentence_data();
    void purposeEndsItsSentence();
    void cashTableClearsAndKeepsOverrides();
    void noncashContributionsAndFirstPageItem();
    void firstMemberAndSignatures();
    void noMemberKeepsTexts();

    // Members' resolution.
    void resolutionsPerContinuation();

    // Representatives' signatures.
    void representativeBlocks_data();
    void representativeBlocks();

    // Failures.
    void nameAsOfThePapersDate_data();
    void nameAsOfThePapersDate();
    void soleMemberMarks_data();
    void soleMemberMarks();
    void manyCashMembers();
    void manySigningMembers();
};

void tst_calc_llc::copiedAnswers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("continuation");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("guarded");

    struct Row
    {
        int page, answer, continuation;
        const char *expected;
        bool guarded;
    };
    const Row rows[] = {
        {50, 2, 0, "Acme LLC", false},
        {50, 3, 0, "Purpose item", true},
        {50, 4, 0, "Duration item.", true},
        {50, 5, 0, "Address item", true},
        {51, 0, 0, "Acme LLC", false},
        {51, 1, 0, "Agent Ann", false},
        {51, 2, 0, "5 Agent St", false},
        {51, 3, 0, "Akron", false},
        {51, 4, 0, "44308", false},
        {51, 5, 0, "Agent Ann", false},
        {51, 6, 0, "Acme LLC", false},
        {54, 4, 0, "Acme LLC", false},
        {54, 5, 0, "7654321", false},
        {54, 6, 0, "Acme LLC", true},
        {54, 7, 0, "Duration item.", true},
        {54, 9, 0, "Address item", true},
        {57, 1, 0, "Acme LLC", false},
        {57, 4, 0, "Acme LLC", false},
        {57, 5, 0, "Duration item.", false},
        {57, 6, 0, "Address item", false},
        {65, 3, 0, "Acme LLC", false},
        {65, 5, 0, "7654321", false},
        {65, 8, 0, "9 Rep Way", true},
        {65, 9, 0, "Dayton", true},
        {65, 10, 0, "OH", true},
        {65, 11, 0, "45402", true},
        {68, 0, 1, "Acme LLC", false},
        {68, 2, 1, "Columbus", true},
        {68, 6, 1, "Member", true}, // no management chosen in the agreement
    };
    for (const Row &r : rows) {
        const QByteArray name = "page " + QByteArray::number(r.page) + "/" + QByteArray::number(r.continuation) +
                                " answer " + QByteArray::number(r.answer);
        QTest::newRow(name.constData()) << r.page << r.answer << r.continuation << QString::fromUtf8(r.expected)
                                        << r.guarded;
    }
}

void tst_calc_llc::copiedAnswers()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(int, continuation);
    QFETCH(QString, expected);
    QFETCH(bool, guarded);

    CalcClient client;
    fillWorksheet(client);
    client.store.SetText(54, 0, 0, QStringLiteral("X"));
    client.store.SetText(54, 0, 2, QStringLiteral("X"));
    client.store.PgCt[68] = 2;
    MessageRecorder messages;
    QVERIFY(client.calculate());
    QCOMPARE(client.at(page, answer, continuation), expected);

    checkOverrides(client, {{page, answer, continuation}}, guarded, expected);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(messages.numbers().isEmpty());
}

void tst_calc_llc::amendmentItemsFollowTheirBoxes_data()
{
    QTest::addColumn<QString>("box0");
    QTest::addColumn<QString>("box2");
    QTest::addColumn<QStringList>("expected"); // answers 1, 3, 6, 7, 9

    QTest::newRow("neither box") << ""
                                 << "" << QStringList({"old", "old", "old", "old", "old"});
    // The effective dates (1, 3) are the filing's own: never copied from
    // the original articles' date on the worksheet.
    QTest::newRow("first box") << "X"
                               << "" << QStringList({"old", "old", "Acme LLC", "Duration item.", "Address item"});
    QTest::newRow("second box") << ""
                                << "X" << QStringList({"old", "old", "old", "old", "old"});
    QTest::newRow("lower-case x is not ticked") << "x"
                                                << "x" << QStringList({"old", "old", "old", "old", "old"});
}

void tst_calc_llc::amendmentItemsFollowTheirBoxes()
{
    QFETCH(QString, box0);
    QFETCH(QString, box2);
    QFETCH(QStringList, expected);

    CalcClient client;
    fillWorksheet(client);
    const QList<int> answers = {1, 3, 6, 7, 9};
    for (int k : answers)
        client.store.SetText(54, 0, k, QStringLiteral("old"));
    client.store.SetText(54, 0, 0, box0);
    client.store.SetText(54, 0, 2, box2);
    QVERIFY(client.calculate());

    QStringList got;
    for (int k : answers)
        got << client.at(54, k);
    QCOMPARE(got, expected);
    QCOMPARE(client.at(54, 4), QStringLiteral("Acme LLC"));
}

void tst_calc_llc::membersJoined_data()
{
    QTest::addColumn<QStringList>("codes"); // one row per code, named after its position
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("word");

    QTest::newRow("one member") << QStringList({"MI"}) << "Row0"
                                << "Member";
    QTest::newRow("two members") << QStringList({"MI", "D", "GMB"}) << "Row0 and Row2"
                                 << "Members";
    QTest::newRow("three members") << QStringList({"M", "M", "M"}) << "Row0, Row1 and Row2"
                                   << "Members";
    QTest::newRow("four members") << QStringList({"M", "M", "M", "M"}) << "Row0, Row1, Row2 and Row3"
                                  << "Members";
    QTest::newRow("lower-case code is no member") << QStringList({"m", "MI", "mi"}) << "Row1"
                                                  << "Member";
}

void tst_calc_llc::membersJoined()
{
    QFETCH(QStringList, codes);
    QFETCH(QString, names);
    QFETCH(QString, word);

    CalcClient client;
    fillWorksheet(client);
    for (int i = 0; i < codes.size(); ++i)
        addMember(client, codes[i], QStringLiteral("Row%1").arg(i));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(57, 2), names);
    QCOMPARE(client.at(57, 3), word);
}

void tst_calc_llc::purposeEndsItsSentence_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("articles");  // after "the company is formed is"
    QTest::addColumn<QString>("agreement"); // after "which its articles state:"
    QTest::newRow("as typed") << "To roast and sell coffee"
                              << "to roast and sell coffee."
                              << "To roast and sell coffee.";
    QTest::newRow("own period") << " the sale of bread. "
                                << "the sale of bread."
                                << "the sale of bread.";
    QTest::newRow("proper name kept") << "Ohio River tours"
                                      << "Ohio River tours."
                                      << "Ohio River tours.";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void tst_calc_llc::purposeEndsItsSentence()
{
    QFETCH(QString, typed);
    QFETCH(QString, articles);
    QFETCH(QString, agreement);
    CalcClient client;
    fillWorksheet(client);
    client.g(G0::LlcPurpose, typed);
    QVERIFY(client.calculate());
    QCOMPARE(client.at(50, 4), articles);
    QCOMPARE(client.at(57, 5), agreement);
}

void tst_calc_llc::cashContributions()
{
    CalcClient client;
    fillWorksheet(client);
    addMember(client, "MI", "Ann Cash", "X", "", "1,000.00", "50");
    addMember(client, "MI", "Lower Case", "x", "", "5.00", "5");
    addMember(client, "D", "Not A Member", "X", "", "7.00", "7");
    addMember(client, "MB", "Both Ways", "X", "X", "2,000.00", "");
    addMember(client, "m", "Lower Code", "X", "", "9.00", "9");
    addMember(client, "M", "Noncash Only", "", "X", "300.00", "10");
    MessageRecorder messages;
    QVERIFY(client.calculate());

    // "Lower Case" ticks neither box with an "X": a member who brings no
    // property is a cash member, not left out of both tables. An empty
    // interest prints nothing, not a lone "%". The cash is an amount in
    // dollars.
    const QStringList expected = {"Ann Cash",  "$1,000.00", "50%", "Lower Case", "$5.00", "5%",
                                  "Both Ways", "$2,000.00", ""};
    QStringList got;
    for (int k = 8; k < 17; ++k)
        got << client.at(57, k);
    QCOMPARE(got, expected);
    QVERIFY(messages.numbers().isEmpty());
}

void tst_calc_llc::cashTableClearsAndKeepsOverrides()
{
    CalcClient client;
    fillWorksheet(client);
    addMember(client, "M", "First", "X", "", "10", "40");
    addMember(client, "M", "Second", "X", "", "20", "60");
    QVERIFY(client.calculate());
    QCOMPARE(client.at(57, 11), QStringLiteral("Second"));

    // The second member leaves; the user's own interest of the first member
    // stays, the second row is cleared.
    client.directory.SetRowCount(1);
    client.overridden(57, 10, QStringLiteral("45%"));
    client.overridden(57, 2, QStringLiteral("The Sole Member"));
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(client.at(57, 8), QStringLiteral("First"));
        QCOMPARE(client.at(57, 10), QStringLiteral("45%"));
        QCOMPARE(client.at(57, 11), QString());
        QCOMPARE(client.at(57, 13), QString());
        QCOMPARE(client.at(57, 2), QStringLiteral("The Sole Member"));
    }
    // An override on the word "Member(s)" is replaced.
    client.overridden(57, 3, QStringLiteral("Owners"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(57, 3), QStringLiteral("Member"));
}

void tst_calc_llc::noncashContributionsAndFirstPageItem()
{
    CalcClient client;
    fillWorksheet(client);
    for (int i = 0; i < 12; ++i)
        addMember(client, "MI", QStringLiteral("Giver %1").arg(i), "", "X", QStringLiteral("Tools %1").arg(i),
                  QString::number(i));
    addMember(client, "MI", "Cash Only", "X", "", "1.00", "1");
    client.store.SetText(57, 0, 7, QStringLiteral("First entry"));
    MessageRecorder messages;
    QVERIFY(client.calculate());

    // The first ten are listed, the eleventh and twelfth nowhere.
    QCOMPARE(client.at(58, 0), QStringLiteral("Giver 0"));
    QCOMPARE(client.at(58, 1), QStringLiteral("Tools 0"));
    QCOMPARE(client.at(58, 2), QStringLiteral("0%"));
    QCOMPARE(client.at(58, 27), QStringLiteral("Giver 9"));
    QCOMPARE(client.at(58, 29), QStringLiteral("9%"));
    QCOMPARE(client.at(58, 30), QStringLiteral("First entry"));
    QCOMPARE(client.at(58, 31), QStringLiteral("First entry"));
    QCOMPARE(client.at(58, 32), QString());
    QCOMPARE(client.at(58, 33), QString());
    QVERIFY(messages.numbers().isEmpty());

    // The user's entry on the first page reaches this page in the same run;
    // an overridden copy keeps the user's text.
    client.store.SetText(57, 0, 7, QStringLiteral("Second entry"));
    client.overridden(58, 31, QStringLiteral("Own text"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(58, 30), QStringLiteral("Second entry"));
    QCOMPARE(client.at(58, 31), QStringLiteral("Own text"));

    // Fewer such members: the rows they leave are cleared.
    client.directory.SetRowCount(1);
    QVERIFY(client.calculate());
    QCOMPARE(client.at(58, 0), QStringLiteral("Giver 0"));
    QCOMPARE(client.at(58, 3), QString());
    QCOMPARE(client.at(58, 29), QString());
}

void tst_calc_llc::firstMemberAndSignatures()
{
    CalcClient client;
    fillWorksheet(client);
    addMember(client, "D", "Director Only");
    addMember(client, "m", "Lower Code");
    addMember(client, "MI", "Ann First");
    addMember(client, "MB", "Bob Second");
    // A business member signs through its person.
    addRow(client, {"MB", "North Coast Equipment Co.", "", "", "", "", " Janet Sobczak "});
    addRow(client, {"MB", "Lakeside Holdings LLC", "", "", "", "", "Ray Ionescu, Managing Member"});
    QVERIFY(client.calculate());
    QCOMPARE(client.at(59, 0), QStringLiteral("Ann First"));
    QCOMPARE(client.at(64, 2), QString());
    QCOMPARE(client.at(64, 3), QStringLiteral("Ann First"));
    QCOMPARE(client.at(64, 4), QStringLiteral("Bob Second"));
    QCOMPARE(client.at(64, 5), QStringLiteral("North Coast Equipment Co., By: Janet Sobczak, its ______________"));
    QCOMPARE(client.at(64, 6), QStringLiteral("Lakeside Holdings LLC, By: Ray Ionescu, its Managing Member"));
    QCOMPARE(client.at(64, 7), QString());

    client.overridden(59, 0, QStringLiteral("Own First"));
    client.overridden(64, 4, QStringLiteral("Own Second"));
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(client.at(59, 0), QStringLiteral("Own First"));
        QCOMPARE(client.at(64, 3), QStringLiteral("Ann First"));
        QCOMPARE(client.at(64, 4), QStringLiteral("Own Second"));
    }
}

void tst_calc_llc::noMemberKeepsTexts()
{
    CalcClient client;
    fillWorksheet(client);
    addMember(client, "MI", "Former Member");
    client.store.PgCt[68] = 1;
    QVERIFY(client.calculate());
    QCOMPARE(client.at(57, 3), QStringLiteral("Member"));
    QCOMPARE(client.at(68, 5), QStringLiteral("Former Member"));

    client.directory.SetCell(0, ColCode, QStringLiteral("D"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(57, 2), QString());
    QCOMPARE(client.at(57, 3), QStringLiteral("Member"));
    QCOMPARE(client.at(59, 0), QStringLiteral("Former Member"));
    QCOMPARE(client.at(64, 3), QStringLiteral("Former Member"));
    QCOMPARE(client.at(68, 5), QStringLiteral("Former Member"));
}

void tst_calc_llc::resolutionsPerContinuation()
{
    CalcClient client;
    fillWorksheet(client);
    addMember(client, "MI", "Ann First");
    client.store.PgCt[68] = 3;
    client.overridden(68, 6, QStringLiteral("Chair"), 1);
    client.overridden(68, 3, QStringLiteral("June 1, 2020"), 1);
    client.overridden(68, 0, QStringLiteral("Old Name"), 2);
    client.store.SetText(68, 3, 0, QStringLiteral("not in use"));
    // Each resolution is certified on the day the members adopted it; the
    // second's own date of certificate is the user's.
    for (int c = 0; c < 3; ++c)
        client.store.SetText(68, c, 4, QStringLiteral("5/%1/2026").arg(c + 10));
    // Who manages decides the capacity: here a manager.
    client.store.SetText(59, 0, 3, QStringLiteral("X"));

    QVERIFY(client.calculate());

    for (int c = 0; c < 3; ++c) {
        QCOMPARE(client.at(68, 0, c), QStringLiteral("Acme LLC"));
        QCOMPARE(client.at(68, 2, c), QStringLiteral("Columbus"));
        QCOMPARE(client.at(68, 5, c), QStringLiteral("Ann First"));
    }
    QCOMPARE(client.at(68, 4, 0), QStringLiteral("May 10, 2026"));
    QCOMPARE(client.at(68, 3, 0), QStringLiteral("May 10, 2026"));
    QCOMPARE(client.at(68, 3, 2), QStringLiteral("May 12, 2026"));
    QCOMPARE(client.at(68, 3, 1), QStringLiteral("June 1, 2020"));
    QCOMPARE(client.at(68, 6, 0), QStringLiteral("Manager"));
    QCOMPARE(client.at(68, 6, 1), QStringLiteral("Chair"));
    QCOMPARE(client.at(68, 6, 2), QStringLiteral("Manager"));
    // A continuation that is not in use is not calculated.
    QCOMPARE(client.at(68, 0, 3), QStringLiteral("not in use"));
    QCOMPARE(client.at(68, 5, 3), QString());

    // A new first member reaches every resolution in the same run.
    client.directory.SetCell(0, ColName, QStringLiteral("Ann Renamed"));
    client.overridden(68, 5, QStringLiteral("Own Member"), 2);
    QVERIFY(client.calculate());
    QCOMPARE(client.at(68, 5, 0), QStringLiteral("Ann Renamed"));
    QCOMPARE(client.at(68, 5, 1), QStringLiteral("Ann Renamed"));
    QCOMPARE(client.at(68, 5, 2), QStringLiteral("Own Member"));
}

void tst_calc_llc::representativeBlocks_data()
{
    QTest::addColumn<QString>("g55");
    QTest::addColumn<QString>("g56");
    QTest::addColumn<QStringList>("articles");  // page 52
    QTest::addColumn<QStringList>("companies"); // pages 55 and 66

    // The directory holds, in order: an individual R row, a lower-case r row
    // (no representative), a business R row and a further individual R row.
    const QString first = QStringLiteral("//Ind Rep");
    const QString business = QStringLiteral("Rep Biz LLC//Biz Signer");
    const QString third = QStringLiteral("//Late Rep");
    QTest::newRow("no mark") << ""
                             << ""                                    //
                             << QStringList({first, business, third}) //
                             << QStringList({first, business, third});
    QTest::newRow("individual mark") << ""
                                     << "X"                                            //
                                     << QStringList({"//Rep Person", first, business}) //
                                     << QStringList({"//Rep Person", first, business});
    QTest::newRow("business mark") << "X"
                                   << ""                                                       //
                                   << QStringList({"Rep Person//Rep Signer", first, business}) //
                                   << QStringList({"Rep Person//Rep Signer", first, business});
    QTest::newRow("both marks give business") << "X"
                                              << "X"                                                      //
                                              << QStringList({"Rep Person//Rep Signer", first, business}) //
                                              << QStringList({"Rep Person//Rep Signer", first, business});
}

void tst_calc_llc::representativeBlocks()
{
    QFETCH(QString, g55);
    QFETCH(QString, g56);
    QFETCH(QStringList, articles);
    QFETCH(QStringList, companies);

    CalcClient client;
    fillWorksheet(client);
    client.g(55, g55).g(56, g56);
    client.row({"RI", "Ind Rep"});
    client.row({"ri", "Lower Rep"});
    client.row({"MRB", "Rep Biz LLC", "", "", "", "", "Biz Signer"});
    client.row({"RI", "Late Rep"});
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(slotTexts(client, 52, 0, 3), articles);
        QCOMPARE(slotTexts(client, 55, 0, 3), companies);
        QCOMPARE(slotTexts(client, 66, 0, 3), companies);
    }

    // Overridden signer answers keep the user's texts through later runs.
    client.overridden(52, 5, QStringLiteral("Own Signer"));
    client.overridden(66, 2, QStringLiteral("Own Printed"));
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(client.at(52, 5), QStringLiteral("Own Signer"));
        QCOMPARE(client.at(66, 2), QStringLiteral("Own Printed"));
    }
}

// A 543A that changes the name records the name before it and the day the
// change took effect; a members' resolution and the operating agreement bear
// the name of their own day, the articles and the 543A itself the first name.
void tst_calc_llc::nameAsOfThePapersDate_data()
{
    QTest::addColumn<QString>("former");     // page 54 answer 11
    QTest::addColumn<QString>("amendedOn");  // page 54 answer 3, the amendment's own later date
    QTest::addColumn<QString>("filedOn");    // page 54 answer 12
    QTest::addColumn<QString>("adoptedOn");  // the resolution's date
    QTest::addColumn<QString>("resolution"); // the name it prints
    QTest::newRow("before the filing") << "Old Name LLC"
                                       << ""
                                       << "10/2/2026"
                                       << "9/15/2026"
                                       << "Old Name LLC";
    QTest::newRow("on the day of filing") << "Old Name LLC"
                                          << ""
                                          << "10/2/2026"
                                          << "10/2/2026"
                                          << "Acme LLC";
    QTest::newRow("after the filing") << "Old Name LLC"
                                      << ""
                                      << "10/2/2026"
                                      << "11/3/2026"
                                      << "Acme LLC";
    QTest::newRow("before a later effective date") << "Old Name LLC"
                                                   << "11/1/2026"
                                                   << "10/2/2026"
                                                   << "10/15/2026"
                                                   << "Old Name LLC";
    QTest::newRow("not yet filed") << "Old Name LLC"
                                   << ""
                                   << ""
                                   << "11/3/2026"
                                   << "Old Name LLC";
    QTest::newRow("no change of name") << ""
                                       << ""
                                       << "10/2/2026"
                                       << "9/15/2026"
                                       << "Acme LLC";
    QTest::newRow("an undated resolution") << "Old Name LLC"
                                           << ""
                                           << "10/2/2026"
                                           << ""
                                           << "Acme LLC";
    QTest::newRow("a date that is none") << "Old Name LLC"
                                         << ""
                                         << "10/2/2026"
                                         << "soon"
                                         << "Acme LLC";
}

void tst_calc_llc::nameAsOfThePapersDate()
{
    QFETCH(QString, former);
    QFETCH(QString, amendedOn);
    QFETCH(QString, filedOn);
    QFETCH(QString, adoptedOn);
    QFETCH(QString, resolution);
    CalcClient client;
    fillWorksheet(client);
    addMember(client, "MI", "Ann");
    client.store.SetText(54, 0, 2, QStringLiteral("X"));
    client.store.SetText(54, 0, 3, amendedOn);
    client.store.SetText(54, 0, 11, former);
    client.store.SetText(54, 0, 12, filedOn);
    client.store.PgCt[68] = 1;
    client.store.SetText(68, 0, 4, adoptedOn);
    client.store.SetText(57, 0, 0, adoptedOn);
    MessageRecorder messages;
    QVERIFY(client.calculate());
    QCOMPARE(client.at(68, 0), resolution);
    QCOMPARE(client.at(57, 1), resolution);
    QCOMPARE(client.at(57, 4), resolution);
    // The articles and the certificate itself bear the name of record
    // before the change.
    const QString first = former.isEmpty() ? QStringLiteral("Acme LLC") : former;
    QCOMPARE(client.at(50, 2), first);
    QCOMPARE(client.at(51, 0), first);
    QCOMPARE(client.at(54, 4), first);
    QVERIFY(messages.numbers().isEmpty());
}

// The operating agreement's pages print the sections for a sole member while
// the Directory Worksheet has exactly one member.
void tst_calc_llc::soleMemberMarks_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("mark");
    QTest::newRow("one member") << QStringList{"MI"} << "X";
    QTest::newRow("one member among other rows") << QStringList{"RI", "MB", "GI"} << "X";
    QTest::newRow("two members") << QStringList{"MI", "MI"} << "";
    QTest::newRow("no member") << QStringList{"RI"} << "";
}

void tst_calc_llc::soleMemberMarks()
{
    QFETCH(QStringList, codes);
    QFETCH(QString, mark);
    CalcClient client;
    fillWorksheet(client);
    for (const QString &code : codes)
        addMember(client, code, QStringLiteral("Row ") + code);
    // A mark left from an earlier run goes when the members change.
    client.store.SetText(62, 0, 4, QStringLiteral("X"));
    QVERIFY(client.calculate());
    for (const auto &[page, answer] : {std::pair{58, 34}, {60, 7}, {62, 4}, {63, 7}})
        QCOMPARE(client.at(page, answer), mark);
}

void tst_calc_llc::manyCashMembers()
{
    // The page keeps 64 members with cash (answers 8 to 199); the 65th is a
    // row of the run, and every later page is calculated.
    CalcClient client;
    fillWorksheet(client);
    for (int i = 0; i < 65; ++i)
        addMember(client, "MI", QStringLiteral("Cash %1").arg(i), "X", "", "1.00", "1");
    client.store.PgCt[68] = 1;
    MessageRecorder messages;
    QVERIFY(client.calculate());
    QVERIFY(messages.numbers().isEmpty());
    QCOMPARE(client.at(57, 197), QStringLiteral("Cash 63"));
    QCOMPARE(client.at(57, 199), QStringLiteral("1%"));
    QCOMPARE(client.store.RowText(57, 0, 8, 64), QStringLiteral("Cash 64"));
    QCOMPARE(client.store.RowText(57, 0, 10, 64), QStringLiteral("1%"));
    QCOMPARE(client.store.TableRows(57, 0, 8), 65);
    QVERIFY(client.at(57, 200).isEmpty());
    QCOMPARE(client.at(59, 0), QStringLiteral("Cash 0"));
    QCOMPARE(client.at(64, 67), QStringLiteral("Cash 64"));
    QCOMPARE(client.at(68, 5), QStringLiteral("Cash 0"));

    // A member taken out leaves no row behind.
    client.directory.SetRowCount(64);
    QVERIFY(client.calculate());
    QVERIFY(client.store.RowText(57, 0, 8, 64).isEmpty());
    QCOMPARE(client.store.TableRows(57, 0, 8), 0);
}

void tst_calc_llc::manySigningMembers()
{
    // The signature page keeps 98 members (answers 3 to 100); the 99th signs
    // on a row of the run.
    CalcClient client;
    fillWorksheet(client);
    for (int i = 0; i < 99; ++i)
        addMember(client, "M", QStringLiteral("Member %1").arg(i), "", "X");
    MessageRecorder messages;
    QVERIFY(client.calculate());
    QVERIFY(messages.numbers().isEmpty());
    QCOMPARE(client.at(64, 100), QStringLiteral("Member 97"));
    QCOMPARE(client.store.RowText(64, 0, 3, 98), QStringLiteral("Member 98"));
    QCOMPARE(client.store.RowText(58, 0, 0, 98), QStringLiteral("Member 98"));
    QCOMPARE(client.at(65, 3), QStringLiteral("Acme LLC"));
}

QTEST_GUILESS_MAIN(tst_calc_llc)
#include "tst_calc_llc.moc"
