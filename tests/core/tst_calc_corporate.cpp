// The corporation's later papers: generic minutes, share ledger, bond and
// corporate resolution (repeatable pages), the certificates of amendment and
// dissolution, the reinstatement forms and the front of the stock certificate.
#include "CalcFixture.h"
#include "TestSupport.h"
#include "core/store/Conversions.h"

#include <QDate>
#include <QLocale>
#include <QtTest>

using namespace brevane;
using namespace brevane::test;

namespace {

// A client with every worksheet answer these papers read set to its own text.
// Page-0 answers by number, each with its text.
using Officers = QList<std::pair<int, QString>>;

void fillWorksheet(CalcClient &client)
{
    client.g({{0, "Acme Corp"},
              {2, "Columbus"},
              {3, "OH"},
              {5, "Franklin"},
              {8, "1234567"},
              {9, "Vote of the shareholders"},
              {49, "Sue Clerk"},
              {57, "Rep Person"},
              {58, "President"},
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

class tst_calc_corporate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }

    // Every copied answer: its value, and whether an override survives runs.
    void copiedAnswers_data();
    void copiedAnswers();
    void stateWrittenOut_data();
    void stateWrittenOut();
    void dissolutionBoxTicksWithoutG9();
    void usersDatesTakeLongForm_data();
    void usersDatesTakeLongForm();

    // Repeatable pages.
    void minutesAndResolutionsPerContinuation();
    void ledgerPerContinuation();
    void bondsReadTheirOwnContinuation();
    void unreadableBondAmountLeavesWordsEmpty();

    // Incorporators.
    void incorporatorSignatures_data();
    void incorporatorSignatures();
    void removedIncorporatorEmptiesItsSlotUnlessOverridden();
    void dissolutionIncorporatorList();
    void dissolutionListOverrides();

    // Representatives.
    void representativeAddress_data();
    void representativeAddress();
    void reinstatementSignatures_data();
    void reinstatementSignatures();
    void professionalReinstatementSignatures_data();
    void professionalReinstatementSignatures();
    void overriddenSignerKeepsItsSlot();
    void dissolutionCertifier_data();
    void dissolutionCertifier();
    void incorporatorsSignOnlyTheirOwnAct_data();
    void incorporatorsSignOnlyTheirOwnAct();
};

void tst_calc_corporate::copiedAnswers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("guarded");

    QTest::newRow("23/0 name") << 23 << 0 << "Acme Corp" << false;
    QTest::newRow("23/2 city") << 23 << 2 << "Columbus" << true;
    QTest::newRow("23/5 secretary") << 23 << 5 << "Sue Clerk" << true;
    QTest::newRow("23/6 title") << 23 << 6 << "Secretary" << true;
    QTest::newRow("24/189 name") << 24 << 189 << "Acme Corp" << false;
    QTest::newRow("25/9 name") << 25 << 9 << "Acme Corp" << false;
    QTest::newRow("25/11 name") << 25 << 11 << "Acme Corp" << false;
    QTest::newRow("25/12 name") << 25 << 12 << "Acme Corp" << false;
    QTest::newRow("25/13 name") << 25 << 13 << "Acme Corp" << false;
    QTest::newRow("26/2 name") << 26 << 2 << "Acme Corp" << false;
    QTest::newRow("26/3 charter") << 26 << 3 << "1234567" << false;
    QTest::newRow("28/0 name") << 28 << 0 << "Acme Corp" << false;
    QTest::newRow("28/1 charter") << 28 << 1 << "1234567" << false;
    QTest::newRow("28/2 city") << 28 << 2 << "Columbus" << false;
    QTest::newRow("28/3 county") << 28 << 3 << "Franklin" << false;
    QTest::newRow("28/4 G9") << 28 << 4 << "Vote of the shareholders" << false;
    QTest::newRow("28/7 box") << 28 << 7 << "" << false;
    QTest::newRow("29/0 agent") << 29 << 0 << "Agent Ann" << false;
    QTest::newRow("29/1 street") << 29 << 1 << "5 Agent St" << false;
    QTest::newRow("29/2 city") << 29 << 2 << "Akron" << false;
    QTest::newRow("29/3 ZIP") << 29 << 3 << "44308" << false;
    QTest::newRow("29/4 agent") << 29 << 4 << "Agent Ann" << false;
    QTest::newRow("29/5 name") << 29 << 5 << "Acme Corp" << false;
    QTest::newRow("32/0 name") << 32 << 0 << "Acme Corp" << false;
    QTest::newRow("32/1 name") << 32 << 1 << "Acme Corp" << false;
    QTest::newRow("32/2 rep street") << 32 << 2 << "9 Rep Way" << true;
    QTest::newRow("32/3 rep city") << 32 << 3 << "Dayton" << true;
    QTest::newRow("32/4 rep state") << 32 << 4 << "OH" << true;
    QTest::newRow("32/5 rep ZIP") << 32 << 5 << "45402" << true;
    QTest::newRow("33/0 name") << 33 << 0 << "Acme Corp" << false;
    // The worksheet names a secretary and no president: she certifies.
    QTest::newRow("33/5 officer's title") << 33 << 5 << "Secretary" << true;
    QTest::newRow("33/6 officer") << 33 << 6 << "Sue Clerk" << true;
    QTest::newRow("34/0 state") << 34 << 0 << "Ohio" << true;
    QTest::newRow("34/1 county") << 34 << 1 << "Franklin" << true;
    QTest::newRow("34/2 certifier") << 34 << 2 << "Sue Clerk" << true;
    QTest::newRow("34/3 title") << 34 << 3 << "Secretary" << true;
    QTest::newRow("34/4 name") << 34 << 4 << "Acme Corp" << false;
    QTest::newRow("34/13 title") << 34 << 13 << "Secretary" << true;
    QTest::newRow("36/0 name") << 36 << 0 << "Acme Corp" << false;
    QTest::newRow("36/1 charter") << 36 << 1 << "1234567" << false;
    QTest::newRow("36/2 agent") << 36 << 2 << "Agent Ann" << false;
    QTest::newRow("36/3 street") << 36 << 3 << "5 Agent St" << false;
    QTest::newRow("36/4 city") << 36 << 4 << "Akron" << false;
    QTest::newRow("36/5 ZIP") << 36 << 5 << "44308" << false;
    QTest::newRow("37/0 agent") << 37 << 0 << "Agent Ann" << false;
    QTest::newRow("37/1 name") << 37 << 1 << "Acme Corp" << false;
    QTest::newRow("38/0 name") << 38 << 0 << "Acme Corp" << false;
    QTest::newRow("38/2 city") << 38 << 2 << "Columbus" << true;
    QTest::newRow("38/5 secretary") << 38 << 5 << "Sue Clerk" << true;
    QTest::newRow("38/6 title") << 38 << 6 << "Secretary" << true;
    QTest::newRow("43/0 name") << 43 << 0 << "Acme Corp" << false;
    QTest::newRow("43/1 charter") << 43 << 1 << "1234567" << false;
    QTest::newRow("86/4 name") << 86 << 4 << "Acme Corp" << false;
}

void tst_calc_corporate::copiedAnswers()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(QString, expected);
    QFETCH(bool, guarded);

    MessageRecorder messages;
    CalcClient client;
    fillWorksheet(client);
    for (int p : {23, 24, 25, 38})
        client.store.PgCt[p] = 1;
    client.store.SetText(page, 0, answer, QStringLiteral("stale"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(page, answer), expected);

    checkOverrides(client, {{page, answer}}, guarded, expected);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(messages.numbers(), QList<int>());
}

void tst_calc_corporate::stateWrittenOut_data()
{
    QTest::addColumn<QString>("g3");
    QTest::addColumn<QString>("expected");
    QTest::newRow("OH") << "OH"
                        << "Ohio";
    QTest::newRow("lower-case oh") << "oh"
                                   << "Ohio";
    QTest::newRow("mixed case") << "Oh"
                                << "Ohio";
    QTest::newRow("already written out") << "Ohio"
                                         << "Ohio";
    QTest::newRow("other state") << "KY"
                                 << "KY";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_calc_corporate::stateWrittenOut()
{
    QFETCH(QString, g3);
    QFETCH(QString, expected);
    CalcClient client;
    client.g(3, g3);
    client.calculate();
    QCOMPARE(client.at(34, 0), expected);
}

void tst_calc_corporate::dissolutionBoxTicksWithoutG9()
{
    CalcClient client;
    client.overridden(28, 7, QString());
    client.calculate();
    QCOMPARE(client.at(28, 7), QStringLiteral("X"));
    client.g(9, QStringLiteral("any text"));
    client.calculate();
    QCOMPARE(client.at(28, 7), QString());
    QCOMPARE(client.at(28, 4), QStringLiteral("any text"));
}

void tst_calc_corporate::usersDatesTakeLongForm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("short date") << "3/4/21"
                                << "March 4, 2021";
    QTest::newRow("four-digit year") << "12/31/2019"
                                     << "December 31, 2019";
    QTest::newRow("not a date") << "upon filing"
                                << "upon filing";
    QTest::newRow("impossible date") << "2/29/2019"
                                     << "2/29/2019";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_calc_corporate::usersDatesTakeLongForm()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    CalcClient client;
    client.store.SetText(33, 0, 11, typed);
    client.overridden(34, 14, typed); // the rewrite ignores overrides
    for (int run = 0; run < 2; ++run) {
        client.calculate();
        QCOMPARE(client.at(33, 11), expected);
        QCOMPARE(client.at(34, 14), expected);
    }
}

void tst_calc_corporate::minutesAndResolutionsPerContinuation()
{
    CalcClient client;
    fillWorksheet(client);
    client.store.PgCt[23] = 3;
    client.store.PgCt[38] = 3;
    // Overrides in the first continuation protect only that continuation.
    client.overridden(23, 3, QStringLiteral("1/2/20"), 0);
    client.overridden(38, 5, QStringLiteral("Other Clerk"), 1);
    // Each copy is dated by its own meeting or adoption, written out.
    for (int c = 0; c < 3; ++c) {
        client.store.SetText(23, c, 9, QStringLiteral("3/%1/2027").arg(c + 1));
        client.store.SetText(38, c, 7, QStringLiteral("4/%1/2027").arg(c + 1));
    }
    // A continuation beyond those in use is never written.
    client.store.SetText(23, 3, 3, QStringLiteral("unused"));
    client.store.SetText(38, 3, 0, QStringLiteral("unused"));

    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(client.at(23, 0, c), QStringLiteral("Acme Corp"));
            QCOMPARE(client.at(23, 2, c), QStringLiteral("Columbus"));
            QCOMPARE(client.at(23, 9, c), QStringLiteral("March %1, 2027").arg(c + 1));
            QCOMPARE(client.at(23, 3, c), c == 0 ? QStringLiteral("1/2/20") : client.at(23, 9, c));
            QCOMPARE(client.at(23, 5, c), QStringLiteral("Sue Clerk"));
            QCOMPARE(client.at(23, 6, c), QStringLiteral("Secretary"));
            QCOMPARE(client.at(38, 0, c), QStringLiteral("Acme Corp"));
            QCOMPARE(client.at(38, 2, c), QStringLiteral("Columbus"));
            QCOMPARE(client.at(38, 7, c), QStringLiteral("April %1, 2027").arg(c + 1));
            QCOMPARE(client.at(38, 3, c), client.at(38, 7, c));
            QCOMPARE(client.at(38, 5, c), c == 1 ? QStringLiteral("Other Clerk") : QStringLiteral("Sue Clerk"));
            QCOMPARE(client.at(38, 6, c), QStringLiteral("Secretary"));
        }
        QCOMPARE(client.at(23, 3, 3), QStringLiteral("unused"));
        QCOMPARE(client.at(23, 0, 3), QString());
        QCOMPARE(client.at(38, 0, 3), QStringLiteral("unused"));
        QCOMPARE(client.at(38, 3, 3), QString());
    }
}

void tst_calc_corporate::ledgerPerContinuation()
{
    CalcClient client;
    client.g(0, QStringLiteral("Acme Corp"));
    client.store.PgCt[24] = 3;
    client.overridden(24, 189, QStringLiteral("user"), 2);
    client.calculate();
    for (int c = 0; c < 3; ++c)
        QCOMPARE(client.at(24, 189, c), QStringLiteral("Acme Corp"));
    QCOMPARE(client.at(24, 189, 3), QString());

    // No ledger in use: nothing is written.
    client.store.PgCt[24] = 0;
    client.g(0, QStringLiteral("Renamed Inc"));
    client.calculate();
    QCOMPARE(client.at(24, 189, 0), QStringLiteral("Acme Corp"));
}

void tst_calc_corporate::bondsReadTheirOwnContinuation()
{
    CalcClient client;
    client.g(0, QStringLiteral("Acme Corp"));
    client.store.PgCt[25] = 3;
    const QStringList obligees = {"First Bank", "Second Bank", "Third Bank"};
    const QStringList amounts = {"1,500.00", "$20,000", "1000000.99"};
    const QStringList words = {"One Thousand Five Hundred ", "Twenty Thousand ", "One Million and 99/100 "};
    for (int c = 0; c < 3; ++c) {
        client.store.SetText(25, c, 0, obligees[c]);
        client.store.SetText(25, c, 3, amounts[c]);
    }
    client.overridden(25, 2, QStringLiteral("user words"), 1); // replaced: written every run
    client.store.SetText(25, 3, 0, QStringLiteral("Unused Bank"));
    client.store.SetText(25, 3, 3, QStringLiteral("5"));

    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(client.at(25, 2, c), words[c]);
            QCOMPARE(client.at(25, 18, c), obligees[c]);
            QCOMPARE(client.at(25, 0, c), obligees[c]);
            QCOMPARE(client.at(25, 3, c), amounts[c]);
        }
        QCOMPARE(client.at(25, 2, 3), QString());
        QCOMPARE(client.at(25, 18, 3), QString());
        QCOMPARE(client.at(25, 9, 3), QString());
    }
}

void tst_calc_corporate::unreadableBondAmountLeavesWordsEmpty()
{
    MessageRecorder messages;
    CalcClient client;
    client.store.PgCt[25] = 2;
    client.store.SetText(25, 0, 3, QStringLiteral("ten dollars"));
    client.store.SetText(25, 0, 2, QStringLiteral("old words"));
    client.store.SetText(25, 1, 3, QStringLiteral("14"));
    QVERIFY(client.calculate()); // reported, not a failure of the run
    QCOMPARE(client.at(25, 2, 0), QString());
    QCOMPARE(client.at(25, 2, 1), QStringLiteral("Fourteen "));
    QCOMPARE(messages.numbers(), QList<int>({21202}));
}

void tst_calc_corporate::incorporatorSignatures_data()
{
    // Directory rows as "code:name:byname", the three slots as
    // "business/line/printed".
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("none") << QStringList() << QStringList({"//", "//", "//"});
    QTest::newRow("individual and business") << QStringList({"CI:Ann Lee:", "CB:Lee Holdings:Bob Signer"})
                                             << QStringList({"//Ann Lee", "Lee Holdings//Bob Signer", "//"});
    QTest::newRow("both I and B end as business")
        << QStringList({"CIB:Lee Holdings:Bob Signer"}) << QStringList({"Lee Holdings//Bob Signer", "//", "//"});
    QTest::newRow("neither I nor B takes a blank slot")
        << QStringList({"C:No Type:", "CI:Ann Lee:"}) << QStringList({"//", "//Ann Lee", "//"});
    QTest::newRow("other roles skipped") << QStringList({"DSI:Director Dan:", "RI:Rep Rita:", "CI:Ann Lee:"})
                                         << QStringList({"//Ann Lee", "//", "//"});
    QTest::newRow("lower-case codes are no incorporators")
        << QStringList({"ci:Lower Lou:", "cI:Mixed Max:", "CI:Ann Lee:"}) << QStringList({"//Ann Lee", "//", "//"});
    QTest::newRow("only the first three")
        << QStringList({"CI:One:", "CI:Two:", "CI:Three:", "CI:Four:", "CB:Five:Signer"})
        << QStringList({"//One", "//Two", "//Three"});
    QTest::newRow("empty name still takes its slot")
        << QStringList({"CI::", "CI:Ann Lee:"}) << QStringList({"//", "//Ann Lee", "//"});
}

void tst_calc_corporate::incorporatorSignatures()
{
    QFETCH(QStringList, rows);
    QFETCH(QStringList, expected);
    CalcClient client;
    for (const QString &row : rows) {
        const QStringList cells = row.split(':');
        client.directory.AddRow();
        const int r = client.directory.RowCount() - 1;
        client.directory.SetCell(r, ColCode, cells[0]);
        client.directory.SetCell(r, ColName, cells[1]);
        client.directory.SetCell(r, ColByName, cells[2]);
    }
    // Stale texts of an earlier run are cleared.
    for (int page : {27, 31})
        for (int k = 0; k <= 8; ++k)
            client.store.SetText(page, 0, k, QStringLiteral("stale"));
    // Nothing is written past the third slot.
    for (int page : {27, 31})
        for (int k = 9; k <= 11; ++k)
            client.store.SetText(page, 0, k, QStringLiteral("not mine"));
    QVERIFY(client.calculate());
    QCOMPARE(slotTexts(client, 27, 0, 3), expected);
    QCOMPARE(slotTexts(client, 31, 0, 3), expected);
    QCOMPARE(slotTexts(client, 27, 9, 1), QStringList({"not mine/not mine/not mine"}));
    QCOMPARE(slotTexts(client, 31, 9, 1), QStringList({"not mine/not mine/not mine"}));
}

void tst_calc_corporate::removedIncorporatorEmptiesItsSlotUnlessOverridden()
{
    CalcClient client;
    client.row({"CI", "Ann Lee"}).row({"CI", "Bob Ray"});
    client.calculate();
    for (int page : {27, 31}) {
        QCOMPARE(client.at(page, 2), QStringLiteral("Ann Lee"));
        QCOMPARE(client.at(page, 5), QStringLiteral("Bob Ray"));
    }
    client.overridden(31, 5, QStringLiteral("Robert Ray"));
    client.directory.SetRowCount(1);
    for (int run = 0; run < 2; ++run) {
        client.calculate();
        QCOMPARE(client.at(27, 5), QString());
        QCOMPARE(client.at(31, 5), QStringLiteral("Robert Ray"));
        QCOMPARE(client.at(31, 2), QStringLiteral("Ann Lee"));
    }
    // The directory's incorporator does not replace the user's signer either.
    client.row({"CI", "Carl New"});
    client.calculate();
    QCOMPARE(client.at(27, 5), QStringLiteral("Carl New"));
    QCOMPARE(client.at(31, 5), QStringLiteral("Robert Ray"));
}

void tst_calc_corporate::dissolutionIncorporatorList()
{
    CalcClient client;
    client.row({"D", "Director Dan", "1 Elm", "Kent", "OH", "44240"})
        .row({"ci", "Ann Lee", "1 Main St", "Columbus", "OH", "43215"})
        .row({"SC", "Bob Ray", "2 Oak Ave", "", "OH", "43085"})
        .row({"Cb", "Lee Holdings", "3 Pine Rd", "Dublin", "OH", "43017"})
        .row({"C", "Fourth Person", "4 Ash Ln", "Canton", "OH", "44702"});
    for (int k = 1; k <= 6; ++k)
        client.store.SetText(30, 0, k, QStringLiteral("stale"));
    client.store.SetText(30, 0, 7, QStringLiteral("not mine"));
    client.calculate();
    const QStringList expected = {"Ann Lee",      "1 Main St Columbus OH 43215", "Bob Ray", "2 Oak Ave  OH 43085",
                                  "Lee Holdings", "3 Pine Rd Dublin OH 43017"};
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(client.at(30, k), expected[k - 1]);
    QCOMPARE(client.at(30, 7), QStringLiteral("not mine"));
}

void tst_calc_corporate::dissolutionListOverrides()
{
    // The blanking keeps an override; the incorporators' own answers replace it.
    CalcClient client;
    client.row({"CI", "Ann Lee", "1 Main St", "Columbus", "OH", "43215"});
    client.overridden(30, 1, QStringLiteral("user name"));
    client.overridden(30, 3, QStringLiteral("user second"));
    client.store.SetText(30, 0, 5, QStringLiteral("stale"));
    for (int run = 0; run < 2; ++run) {
        client.calculate();
        QCOMPARE(client.at(30, 1), QStringLiteral("Ann Lee"));
        QCOMPARE(client.at(30, 2), QStringLiteral("1 Main St Columbus OH 43215"));
        QCOMPARE(client.at(30, 3), QStringLiteral("user second"));
        QCOMPARE(client.at(30, 5), QString());
    }
}

void tst_calc_corporate::representativeAddress_data()
{
    QTest::addColumn<QString>("g57");
    QTest::addColumn<QStringList>("codes"); // one directory row per code, its name the code
    QTest::addColumn<QStringList>("expected");
    const QStringList previous = {"old street", "old city", "old state", "old ZIP"};
    QTest::newRow("worksheet representative")
        << "Rep Person" << QStringList({"RI"}) << QStringList({"9 Rep Way", "Dayton", "OH", "45402"});
    QTest::newRow("first individual representative") << "" << QStringList({"R", "I", "RB", "IR", "RI"})
                                                     << QStringList({"IR street", "IR city", "IR state", "IR ZIP"});
    QTest::newRow("none keeps the previous address") << "" << QStringList({"R", "I", "RB"}) << previous;
    QTest::newRow("lower-case codes do not count") << "" << QStringList({"ri", "rI", "Ri"}) << previous;
}

void tst_calc_corporate::representativeAddress()
{
    QFETCH(QString, g57);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, expected);
    CalcClient client;
    fillWorksheet(client);
    client.g(57, g57);
    for (const QString &code : codes) {
        client.directory.AddRow();
        const int r = client.directory.RowCount() - 1;
        client.directory.SetCell(r, ColCode, code);
        client.directory.SetCell(r, ColAddress, code + " street");
        client.directory.SetCell(r, ColCity, code + " city");
        client.directory.SetCell(r, ColState, code + " state");
        client.directory.SetCell(r, ColZIP, code + " ZIP");
    }
    const QStringList previous = {"old street", "old city", "old state", "old ZIP"};
    for (int i = 0; i < 4; ++i)
        client.store.SetText(32, 0, 2 + i, previous[i]);
    QVERIFY(client.calculate());
    QCOMPARE(QStringList({client.at(32, 2), client.at(32, 3), client.at(32, 4), client.at(32, 5)}), expected);
}

void tst_calc_corporate::reinstatementSignatures_data()
{
    QTest::addColumn<QString>("g55");
    QTest::addColumn<QString>("g56");
    QTest::addColumn<int>("representatives");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("directory only") << ""
                                    << "" << 2 << QStringList({"//Rep 0", "Rep 1 LLC//Signer 1", "//"});
    QTest::newRow("individual on worksheet")
        << ""
        << "X" << 2 << QStringList({"//Rep Person", "//Rep 0", "Rep 1 LLC//Signer 1"});
    QTest::newRow("business on worksheet") << "X"
                                           << "" << 1 << QStringList({"Rep Person//Rep Signer", "//Rep 0", "//"});
    QTest::newRow("both marks end as business") << "X"
                                                << "X" << 0 << QStringList({"Rep Person//Rep Signer", "//", "//"});
    QTest::newRow("five representatives, three slots")
        << ""
        << "" << 5 << QStringList({"//Rep 0", "Rep 1 LLC//Signer 1", "//Rep 2"});
    QTest::newRow("lower-case x is no mark") << "x"
                                             << "x" << 1 << QStringList({"//Rep 0", "//", "//"});
}

namespace {
// Representatives alternate individual ("RI") and business ("RB"); a
// lower-case "ri" row and a non-representative row are mixed in and ignored.
void addRepresentatives(CalcClient &client, int count)
{
    client.row({"ri", "Lower Case Rep"}).row({"CDI", "Not A Rep"});
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        if (i % 2 == 0)
            client.row({"RI", ("Rep " + n).constData()});
        else
            client.row({"RB", ("Rep " + n + " LLC").constData(), "", "", "", "", ("Signer " + n).constData()});
    }
}
} // namespace

void tst_calc_corporate::reinstatementSignatures()
{
    QFETCH(QString, g55);
    QFETCH(QString, g56);
    QFETCH(int, representatives);
    QFETCH(QStringList, expected);
    CalcClient client;
    fillWorksheet(client);
    client.g(55, g55).g(56, g56);
    addRepresentatives(client, representatives);
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(slotTexts(client, 37, 2, 3), expected);
    }
    QCOMPARE(client.at(37, 18), QString()); // nothing past the third slot's title
    // The worksheet's representative, a person, signs with the title given
    // there; every other signer's capacity is written by hand.
    const bool person = g56 == QLatin1String("X") && g55.isEmpty();
    QCOMPARE(client.at(37, 11), person ? QStringLiteral("President") : QString());
    QCOMPARE(client.at(37, 14), QString());
    QCOMPARE(client.at(37, 17), QString());
}

void tst_calc_corporate::professionalReinstatementSignatures_data()
{
    QTest::addColumn<QString>("marks"); // G55 and G56, which this form ignores
    QTest::addColumn<int>("representatives");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("none") << "" << 0 << QStringList({"//", "//"});
    QTest::newRow("one") << "" << 1 << QStringList({"//Rep 0", "//"});
    QTest::newRow("three show the first two") << "" << 3 << QStringList({"//Rep 0", "Rep 1 LLC//Signer 1"});
    QTest::newRow("worksheet marks ignored") << "X" << 1 << QStringList({"//Rep 0", "//"});
}

void tst_calc_corporate::professionalReinstatementSignatures()
{
    QFETCH(QString, marks);
    QFETCH(int, representatives);
    QFETCH(QStringList, expected);
    CalcClient client;
    fillWorksheet(client);
    client.g(55, marks).g(56, marks);
    addRepresentatives(client, representatives);
    client.store.SetText(43, 0, 8, QStringLiteral("not mine"));
    QVERIFY(client.calculate());
    QCOMPARE(slotTexts(client, 43, 2, 2), expected);
    QCOMPARE(client.at(43, 8), QStringLiteral("not mine"));
}

void tst_calc_corporate::overriddenSignerKeepsItsSlot()
{
    // A signer the user typed into the first slot stays there, and the
    // directory's representatives take the following slots, run after run.
    CalcClient client;
    addRepresentatives(client, 3);
    client.overridden(37, 4, QStringLiteral("My Own Signer"));
    client.overridden(43, 4, QStringLiteral("My Own Signer"));
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(slotTexts(client, 37, 2, 3), QStringList({"//My Own Signer", "//Rep 0", "Rep 1 LLC//Signer 1"}));
        QCOMPARE(slotTexts(client, 43, 2, 2), QStringList({"//My Own Signer", "//Rep 0"}));
    }
    // An overridden answer inside a directory slot keeps the user's text.
    client.overridden(37, 10, QStringLiteral("Signer One"));
    client.calculate();
    QCOMPARE(slotTexts(client, 37, 2, 3), QStringList({"//My Own Signer", "//Rep 0", "Rep 1 LLC//Signer One"}));
}

void tst_calc_corporate::dissolutionCertifier_data()
{
    // Page-0 officers as "g=name" pairs (47 President, 48 Vice President, 49
    // Secretary); the expected name, title and street of page 33, and the
    // name and capacity the acknowledgment (page 34) repeats.
    QTest::addColumn<Officers>("officers");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("president, with a directory row")
        << Officers{{47, "Ann Lee"}, {49, "Sue Clerk"}} << QStringList{"Ann Lee", "President", "10 Elm Street"};
    QTest::newRow("vice president when no president")
        << Officers{{48, "Vic Vice"}, {49, "Sue Clerk"}} << QStringList{"Vic Vice", "Vice President", ""};
    QTest::newRow("no officer: the representative")
        << Officers{{49, ""}} << QStringList{"Rep Person", "President", "9 Rep Way"};
}

void tst_calc_corporate::dissolutionCertifier()
{
    QFETCH(Officers, officers);
    QFETCH(QStringList, expected);
    CalcClient client;
    fillWorksheet(client);
    for (const auto &[g, name] : officers)
        client.g(g, name);
    client.row({"DOSI", "Ann Lee", "10 Elm Street", "Dayton", "OH", "45402"});
    QVERIFY(client.calculate());
    QCOMPARE(QStringList({client.at(33, 6), client.at(33, 5), client.at(33, 7)}), expected);
    QCOMPARE(QStringList({client.at(34, 2), client.at(34, 3), client.at(34, 13)}),
             QStringList({expected[0], expected[1], expected[1]}));
    // The user's own signer on page 33 is the one the notary names.
    client.overridden(33, 6, QStringLiteral("Other Officer"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(34, 2), QStringLiteral("Other Officer"));
}

void tst_calc_corporate::incorporatorsSignOnlyTheirOwnAct_data()
{
    QTest::addColumn<int>("page");     // where the body that acted is ticked
    QTest::addColumn<int>("box");      // the box ticked there (-1: none)
    QTest::addColumn<bool>("signing"); // the incorporators' pages name them
    QTest::newRow("amendment, incorporators") << 26 << 0 << true;
    QTest::newRow("amendment, not said") << 26 << -1 << true;
    QTest::newRow("amendment, directors") << 26 << 1 << false;
    QTest::newRow("amendment, shareholders") << 26 << 4 << false;
    QTest::newRow("dissolution, incorporators") << 33 << 4 << true;
    QTest::newRow("dissolution, shareholders") << 33 << 2 << false;
    QTest::newRow("dissolution, directors") << 33 << 3 << false;
}

void tst_calc_corporate::incorporatorsSignOnlyTheirOwnAct()
{
    QFETCH(int, page);
    QFETCH(int, box);
    QFETCH(bool, signing);
    CalcClient client;
    client.row({"CI", "Ann Lee", "1 Main St", "Columbus", "OH", "43215"});
    if (box >= 0)
        client.store.SetText(page, 0, box, QStringLiteral("X"));
    QVERIFY(client.calculate());
    const QString name = signing ? QStringLiteral("Ann Lee") : QString();
    if (page == 26) {
        QCOMPARE(client.at(27, 2), name);
    } else {
        QCOMPARE(client.at(31, 2), name);
        QCOMPARE(client.at(30, 1), name);
    }
}

QTEST_GUILESS_MAIN(tst_calc_corporate)
#include "tst_calc_corporate.moc"
