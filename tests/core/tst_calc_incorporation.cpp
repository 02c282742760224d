// Page procedures of the incorporation papers: the articles of incorporation
// (for-profit and professional association) and the proceedings of the
// incorporators, from the order and waiver to the election of a chairman pro tem.
#include "CalcFixture.h"
#include "TestSupport.h"
#include "core/calc/PageProcedures.h"
#include "core/forms/PageFacts.h"

#include <QtTest>

using namespace brevane;
using namespace brevane::test;

class tst_calc_incorporation : public QObject
{
    Q_OBJECT
private slots:
    void halfOfTheDayTypedWithTheTime_data();
    void halfOfTheDayTypedWithTheTime();
    void parValueAsTheArticlesStateIt_data();
    void parValueAsTheArticlesStateIt();
    void initTestCase() { UseUnitedStatesLocale(); }

    void pageZeroCopies_data();
    void pageZeroCopies();
    void orderAndWaiver_data();
    void orderAndWaiver();
    void orderAndWaiverUnreadableAmounts();
    void incorporatorNames_data();
    void incorporatorNames();
    void signatureSlots_data();
    void signatureSlots();
    void removedIncorporatorEmptiesSlotUnlessOverridden();
    void shareSubscription();
    void removedShareholderLeavesNothing();
    void waiverOfNoticeMark_data();
    void waiverOfNoticeMark();
    void overrides_data();
    void overrides();
    void crowdedPagesGrow_data();
    void crowdedPagesGrow();
};

namespace {

void fillPageZero(CalcClient &client)
{
    client.g({{0, "Acme Widgets, Inc."},
              {2, "Columbus"},
              {3, "OH"},
              {5, "Franklin"},
              {8, "1234567"},
              {12, "1/5/18"},
              {13, "1/6/18"},
              {14, "Purpose"},
              {15, "1,000"},
              {16, "Common"},
              {17, "2.5"},
              {18, "Preferred"},
              {19, "100 Main Street"},
              {20, "Suite 4"},
              {21, "Columbus, Ohio 43215"},
              {22, "Law office"},
              {23, "2/1/18"},
              {24, "10:00"},
              {25, "X"},
              {26, ""},
              {27, "1.5"},
              {28, "2"},
              {29, "Notice item 29"},
              {30, "Notice item 30"},
              {32, "Notice item 32"},
              {33, "3/1/18"},
              {34, "2:30"},
              {35, ""},
              {36, "X"},
              {37, "1/20/18"},
              {38, "1/21/18"},
              {39, "Carl Chair"},
              {40, "Secretary Pro Tem"},
              {70, "Sam Agent"},
              {71, "5 Agent Road"},
              {72, "Dublin"},
              {73, "43017"},
              {96, "Medicine"}});
}

QString numbered(const char *prefix, int i)
{
    return QString::fromUtf8(prefix) + QString::number(i);
}

// Appends a directory row with the given code and name (and further cells).
void addRow(CalcClient &client, const QString &code, const QString &name, int sharesColumnValue = -1)
{
    client.row({""});
    const int r = client.directory.RowCount() - 1;
    client.directory.SetCell(r, ColCode, code);
    client.directory.SetCell(r, ColName, name);
    if (sharesColumnValue >= 0)
        client.directory.SetCell(r, ColNoOfShares, QString::number(sharesColumnValue));
}

} // namespace

// Pages that copy page-0 answers (with the date conversion where it applies).
void tst_calc_incorporation::pageZeroCopies_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("expected");
    // Proceedings, first page: everything through the date conversion.
    QTest::newRow("1/0 date of the proceedings") << 1 << 0 << "January 5, 2018";
    QTest::newRow("1/1 name unchanged") << 1 << 1 << "Acme Widgets, Inc.";
    QTest::newRow("1/2 second date") << 1 << 2 << "January 6, 2018";
    QTest::newRow("1/3 charter number unchanged") << 1 << 3 << "1234567";
    // Articles, first pages: the par value as an amount, a stated capital
    // that is no number as typed.
    const QStringList page2 = {"Acme Widgets, Inc.", "Columbus", "Franklin", "Purpose", "1,000", "Common", "$2.50",
                               "Preferred"};
    for (int k = 0; k < page2.size(); ++k)
        QTest::addRow("2/%d", k) << 2 << k << page2[k];
    QStringList page39 = page2;
    page39.insert(1, QStringLiteral("Medicine"));
    for (int k = 0; k < page39.size(); ++k)
        QTest::addRow("39/%d", k) << 39 << k << page39[k];
    // Articles, statutory agent pages.
    const QStringList agent = {"Acme Widgets, Inc.", "Sam Agent",         "5 Agent Road", "Dublin", "43017",
                               "Sam Agent",          "Acme Widgets, Inc."};
    for (int page : {3, 40})
        for (int k = 0; k < agent.size(); ++k)
            QTest::addRow("%d/%d", page, k) << page << k << agent[k];
    // Notice to shareholders.
    QTest::newRow("9/0") << 9 << 0 << "Acme Widgets, Inc.";
    QTest::newRow("9/1 room and street") << 9 << 1 << "Notice item 32, Notice item 29";
    QTest::newRow("9/2") << 9 << 2 << "Notice item 30";
    QTest::newRow("9/4 meeting date") << 9 << 4 << "March 1, 2018";
    QTest::newRow("9/5 time") << 9 << 5 << "2:30";
    QTest::newRow("9/6 PM mark") << 9 << 6 << "P";
    QTest::newRow("9/7") << 9 << 7 << "January 20, 2018";
    QTest::newRow("9/8") << 9 << 8 << "January 21, 2018";
    // Waiver of notice.
    QTest::newRow("10/0 city") << 10 << 0 << "Columbus";
    QTest::newRow("10/1") << 10 << 1 << "Acme Widgets, Inc.";
    QTest::newRow("10/2 room and street") << 10 << 2 << "Law office, 100 Main Street";
    QTest::newRow("10/3") << 10 << 3 << "Suite 4";
    QTest::newRow("10/5 meeting date") << 10 << 5 << "February 1, 2018";
    QTest::newRow("10/6 time") << 10 << 6 << "10:00";
    QTest::newRow("10/7 mark of that time") << 10 << 7 << "A";
    // Election of a chairman pro tem.
    QTest::newRow("11/1 city") << 11 << 1 << "Columbus";
    QTest::newRow("11/2 date") << 11 << 2 << "January 6, 2018";
    QTest::newRow("11/3 chairman") << 11 << 3 << "Carl Chair";
    QTest::newRow("11/4") << 11 << 4 << "Secretary Pro Tem";
}

void tst_calc_incorporation::pageZeroCopies()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(QString, expected);
    CalcClient client;
    fillPageZero(client);
    QVERIFY(client.calculate());
    QCOMPARE(client.at(page, answer), expected);
}

void tst_calc_incorporation::orderAndWaiver_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0 name") << 0 << "Acme Widgets, Inc.";
    QTest::newRow("1 waiver's city and state") << 1 << "Suite 4, Columbus, Ohio 43215";
    QTest::newRow("2 date") << 2 << "January 5, 2018";
    QTest::newRow("3 name") << 3 << "Acme Widgets, Inc.";
    QTest::newRow("4 city and state, the state written out") << 4 << "Columbus, Ohio";
    QTest::newRow("5 name") << 5 << "Acme Widgets, Inc.";
    QTest::newRow("6 room and street") << 6 << "Law office, 100 Main Street";
    QTest::newRow("7") << 7 << "Suite 4";
    QTest::newRow("9 meeting date") << 9 << "February 1, 2018";
    QTest::newRow("10 time") << 10 << "10:00";
    QTest::newRow("11 AM mark") << 11 << "A";
    QTest::newRow("12 first amount in words, with its cents") << 12 << "One and 50/100 ";
    QTest::newRow("13 first amount") << 13 << "1.5";
    QTest::newRow("14 first amount times the shares subscribed") << 14 << "1,500.00";
    QTest::newRow("26 shares subscribed, not authorized") << 26 << "1,000";
    QTest::newRow("15 second amount in words") << 15 << "Two ";
    QTest::newRow("16 second amount") << 16 << "2";
    QTest::newRow("17 second amount times the shares subscribed") << 17 << "2,000.00";
    QTest::newRow("21 waiver's street") << 21 << "100 Main Street";
    QTest::newRow("25 signed on the written actions' date") << 25 << "January 6, 2018";
    QTest::newRow("22 meeting date") << 22 << "February 1, 2018";
    QTest::newRow("23 time") << 23 << "10:00";
    QTest::newRow("24 AM mark") << 24 << "A";
}

void tst_calc_incorporation::orderAndWaiver()
{
    QFETCH(int, answer);
    QFETCH(QString, expected);
    CalcClient client;
    fillPageZero(client);
    // 1,500 shares authorized, 1,000 of them subscribed ("600" typed without
    // a separator).
    client.g(15, QStringLiteral("1,500"));
    client.row({"S", "Ann", "", "", "", "", "", "", "", "", "", "600"})
        .row({"SI", "Ben", "", "", "", "", "", "", "", "", "", "400"});
    QVERIFY(client.calculate());
    QCOMPARE(client.at(7, answer), expected);
}

// A time typed with its half of the day ("4:00 p.m.") prints the half
// once, as the form's own mark: the time without it, the mark from it where
// no box is ticked; a ticked box decides.
void tst_calc_incorporation::halfOfTheDayTypedWithTheTime_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("am"); // G25
    QTest::addColumn<QString>("pm"); // G26
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("mark");
    QTest::newRow("p.m.") << "4:00 p.m."
                          << ""
                          << ""
                          << "4:00"
                          << "P";
    QTest::newRow("AM without points") << "9:30 AM"
                                       << ""
                                       << ""
                                       << "9:30"
                                       << "A";
    QTest::newRow("pm run on") << "10pm"
                               << ""
                               << ""
                               << "10"
                               << "P";
    QTest::newRow("a.m. with the PM box ticked") << "10:00 a.m."
                                                 << ""
                                                 << "X"
                                                 << "10:00"
                                                 << "P";
    QTest::newRow("no half typed") << "10:00"
                                   << "X"
                                   << ""
                                   << "10:00"
                                   << "A";
    QTest::newRow("words") << "noon"
                           << ""
                           << ""
                           << "noon"
                           << "";
}

void tst_calc_incorporation::halfOfTheDayTypedWithTheTime()
{
    QFETCH(QString, typed);
    QFETCH(QString, am);
    QFETCH(QString, pm);
    QFETCH(QString, time);
    QFETCH(QString, mark);
    CalcClient client;
    fillPageZero(client);
    client.g(24, typed).g(25, am).g(26, pm);
    QVERIFY(client.calculate());
    // The order and waiver names the time twice, the waiver of notice once.
    QCOMPARE(client.at(7, 10), time);
    QCOMPARE(client.at(7, 11), mark);
    QCOMPARE(client.at(7, 23), time);
    QCOMPARE(client.at(7, 24), mark);
    QCOMPARE(client.at(10, 6), time);
    QCOMPARE(client.at(10, 7), mark);
}

void tst_calc_incorporation::orderAndWaiverUnreadableAmounts()
{
    // Each unreadable amount is reported once and counts as 0; an unreadable
    // share count (the check names it) counts as no shares, without a message.
    CalcClient client;
    fillPageZero(client);
    client.g({{15, "many"}, {28, "two dollars"}});
    client.row({"S", "Ann", "", "", "", "", "", "", "", "", "", "1,000"})
        .row({"S", "Ben", "", "", "", "", "", "", "", "", "", "some"});
    MessageRecorder messages;
    PageCalc pc(client.store, client.directory, 7);
    Calc7(pc);
    QCOMPARE(messages.numbers(), QList<int>({21202}));
    QCOMPARE(client.at(7, 12), QStringLiteral("One and 50/100 "));
    QCOMPARE(client.at(7, 14), QStringLiteral("1,500.00"));
    QCOMPARE(client.at(7, 15), QString());
    QCOMPARE(client.at(7, 16), QStringLiteral("two dollars"));
    QCOMPARE(client.at(7, 17), QStringLiteral("0.00"));
}

// The incorporators' names on the order and waiver (first three only) and on
// the notice to shareholders (all of them).
void tst_calc_incorporation::incorporatorNames_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("page7"); // answers 18, 19, 20
    QTest::addColumn<QStringList>("page9"); // answers 9 to 13
    QTest::newRow("individual, business, both, neither")
        << QStringList({"CI", "CB", "CIB", "C"}) << QStringList({"Name 0", "By 1", "By 2"})
        << QStringList({"Name 0", "By 1", "By 2", "", ""});
    QTest::newRow("fourth incorporator only on the notice")
        << QStringList({"CI", "DCI", "SCI", "CI"}) << QStringList({"Name 0", "Name 1", "Name 2"})
        << QStringList({"Name 0", "Name 1", "Name 2", "Name 3", ""});
    QTest::newRow("lower-case and other roles are no incorporators")
        << QStringList({"ci", "DSI", "CI"}) << QStringList({"Name 2", "", ""})
        << QStringList({"Name 2", "", "", "", ""});
    QTest::newRow("no incorporator") << QStringList() << QStringList({"", "", ""}) << QStringList({"", "", "", "", ""});
}

void tst_calc_incorporation::incorporatorNames()
{
    QFETCH(QStringList, codes);
    QFETCH(QStringList, page7);
    QFETCH(QStringList, page9);
    CalcClient client;
    fillPageZero(client);
    // Names left over from a larger directory must not survive the run.
    for (int k = 9; k <= 13; ++k)
        client.store.SetText(9, 0, k, QStringLiteral("stale"));
    for (int k = 18; k <= 20; ++k)
        client.store.SetText(7, 0, k, QStringLiteral("stale"));
    for (int i = 0; i < codes.size(); ++i) {
        addRow(client, codes[i], numbered("Name ", i));
        client.directory.SetCell(i, ColByName, numbered("By ", i));
    }
    QVERIFY(client.calculate());
    QCOMPARE(QStringList({client.at(7, 18), client.at(7, 19), client.at(7, 20)}), page7);
    QStringList got9;
    for (int k = 9; k <= 13; ++k)
        got9 << client.at(9, k);
    QCOMPARE(got9, page9);
}

// The incorporators' signature slots of both kinds of articles.
void tst_calc_incorporation::signatureSlots_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("signerSlots"); // answers 0 to 8
    QTest::newRow("individual") << QStringList({"CI"}) << QStringList({"", "", "Name 0", "", "", "", "", "", ""});
    QTest::newRow("business") << QStringList({"CB"}) << QStringList({"Name 0", "", "By 0", "", "", "", "", "", ""});
    QTest::newRow("both end as business")
        << QStringList({"CIB"}) << QStringList({"Name 0", "", "By 0", "", "", "", "", "", ""});
    QTest::newRow("neither takes its slot but leaves it empty")
        << QStringList({"C", "CI"}) << QStringList({"", "", "", "", "", "Name 1", "", "", ""});
    QTest::newRow("first three of four, others skipped")
        << QStringList({"CI", "DI", "CB", "ci", "CI", "CI"})
        << QStringList({"", "", "Name 0", "Name 2", "", "By 2", "", "", "Name 4"});
}

void tst_calc_incorporation::signatureSlots()
{
    QFETCH(QStringList, codes);
    QFETCH(QStringList, signerSlots);
    CalcClient client;
    for (int page : {4, 41})
        for (int k = 0; k < 9; ++k)
            client.store.SetText(page, 0, k, QStringLiteral("stale"));
    for (int i = 0; i < codes.size(); ++i) {
        addRow(client, codes[i], numbered("Name ", i));
        client.directory.SetCell(i, ColByName, numbered("By ", i));
    }
    QVERIFY(client.calculate());
    for (int page : {4, 41}) {
        QStringList got;
        for (int k = 0; k < 9; ++k)
            got << client.at(page, k);
        QCOMPARE(got, signerSlots);
    }
}

void tst_calc_incorporation::removedIncorporatorEmptiesSlotUnlessOverridden()
{
    CalcClient client;
    addRow(client, QStringLiteral("CI"), QStringLiteral("Ann Lee"));
    addRow(client, QStringLiteral("CI"), QStringLiteral("Ben Roe"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(4, 5), QStringLiteral("Ben Roe"));
    client.overridden(41, 5, QStringLiteral("Ben Roe, by hand"));

    client.directory.SetRowCount(1);
    for (int run = 0; run < 2; ++run) {
        QVERIFY(client.calculate());
        QCOMPARE(client.at(4, 2), QStringLiteral("Ann Lee"));
        QCOMPARE(client.at(4, 5), QString());
        QCOMPARE(client.at(41, 5), QStringLiteral("Ben Roe, by hand"));
    }
}

void tst_calc_incorporation::shareSubscription()
{
    CalcClient client;
    fillPageZero(client);
    client.row({"SI", "Ann Lee", "", "", "", "", "", "", "", "", "", "100", "Common"});
    client.row({"s", "Not A Holder", "", "", "", "", "", "", "", "", "", "5", "Common"});
    client.row({"D", "Director Only"});
    // A count typed without its separator prints with it, as every other
    // count of the papers does.
    client.row({"DSB", "Lee Holdings", "", "", "", "", "", "", "", "", "", "2500", "Preferred"});
    QVERIFY(client.calculate());
    const QStringList expected = {"Ann Lee", "100", "Common", "Lee Holdings", "2,500", "Preferred", "", "", ""};
    QStringList got;
    for (int k = 6; k < 15; ++k)
        got << client.at(8, k);
    QCOMPARE(got, expected);
    QCOMPARE(client.at(8, 0), QStringLiteral("Acme Widgets, Inc."));
    // The waiver of notice lists the same shareholders with their shares.
    QCOMPARE(QStringList({client.at(10, 9), client.at(10, 11), client.at(10, 13), client.at(10, 15), client.at(10, 17),
                          client.at(10, 19)}),
             QStringList({"Ann Lee", "100", "Lee Holdings", "2,500", "", ""}));
}

void tst_calc_incorporation::removedShareholderLeavesNothing()
{
    // Twenty shareholders, then all but the first leave the directory: no
    // name, share count or class of a former shareholder stays on the
    // subscription or the waiver of notice, nor on the pages that read the
    // subscription.
    CalcClient client;
    for (int i = 0; i < 20; ++i) {
        client.row({"S", "", "", "", "", "", "", "", "", "", "", "10", "Common"});
        client.directory.SetCell(i, ColName, numbered("Holder ", i));
    }
    QVERIFY(client.calculate());
    QCOMPARE(client.at(8, 6 + 3 * 19), QStringLiteral("Holder 19"));
    QCOMPARE(client.at(10, 9 + 4 * 19), QStringLiteral("Holder 19"));

    client.directory.SetRowCount(1);
    QVERIFY(client.calculate());
    QCOMPARE(client.at(8, 6), QStringLiteral("Holder 0"));
    for (int k = 9; k < 6 + 3 * 20; ++k)
        QVERIFY2(client.at(8, k).isEmpty(), qPrintable(QStringLiteral("page 8 answer %1").arg(k)));
    for (int i = 1; i < 20; ++i) {
        QVERIFY(client.at(10, 9 + 4 * i).isEmpty());
        QVERIFY(client.at(10, 11 + 4 * i).isEmpty());
    }
    QCOMPARE(QStringList({client.at(17, 5), client.at(17, 6)}), QStringList({"", ""}));
    QCOMPARE(QStringList({client.at(21, 9), client.at(21, 10), client.at(21, 11)}), QStringList({"", "", ""}));
}

// The mark beside the waiver's time (G24) is that time's own mark (G25, G26);
// the notice meeting's marks (G35, G36) do not reach it.
void tst_calc_incorporation::waiverOfNoticeMark_data()
{
    QTest::addColumn<QString>("g25");
    QTest::addColumn<QString>("g26");
    QTest::addColumn<QString>("g35");
    QTest::addColumn<QString>("g36");
    QTest::addColumn<QString>("expected");
    QTest::newRow("AM, notice meeting PM") << "X"
                                           << ""
                                           << ""
                                           << "X"
                                           << "A";
    QTest::newRow("PM, notice meeting AM") << ""
                                           << "X"
                                           << "X"
                                           << ""
                                           << "P";
    QTest::newRow("neither keeps the mark") << ""
                                            << ""
                                            << "X"
                                            << "X"
                                            << "earlier";
}

void tst_calc_incorporation::waiverOfNoticeMark()
{
    QFETCH(QString, g25);
    QFETCH(QString, g26);
    QFETCH(QString, g35);
    QFETCH(QString, g36);
    QFETCH(QString, expected);
    CalcClient client;
    client.g(25, g25).g(26, g26).g(35, g35).g(36, g36);
    client.store.SetText(10, 0, 7, QStringLiteral("earlier"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(10, 7), expected);
    QCOMPARE(client.at(7, 11), expected == "earlier" ? QString() : expected);
}

// Guarded answers keep the user's override through two runs; the others are
// recomputed.
void tst_calc_incorporation::overrides_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("guarded");
    for (int k : {1, 4, 12, 13, 14, 15, 16, 17})
        QTest::addRow("7/%d guarded", k) << 7 << k << true;
    for (int k : {0, 2, 3, 9, 11, 18, 21, 24})
        QTest::addRow("7/%d always", k) << 7 << k << false;
    QTest::newRow("4/0 guarded empty business") << 4 << 0 << true;
    QTest::newRow("4/2 guarded printed name") << 4 << 2 << true;
    QTest::newRow("4/5 guarded empty slot") << 4 << 5 << true;
    QTest::newRow("41/2 guarded printed name") << 41 << 2 << true;
    QTest::newRow("10/0 guarded city") << 10 << 0 << true;
    QTest::newRow("11/1 guarded city") << 11 << 1 << true;
    QTest::newRow("1/1 always") << 1 << 1 << false;
    QTest::newRow("2/0 always") << 2 << 0 << false;
    QTest::newRow("3/1 always") << 3 << 1 << false;
    QTest::newRow("39/8 always") << 39 << 8 << false;
    QTest::newRow("40/6 always") << 40 << 6 << false;
    QTest::newRow("8/0 always") << 8 << 0 << false;
    QTest::newRow("8/7 always shares") << 8 << 7 << false;
    QTest::newRow("9/6 always mark") << 9 << 6 << false;
    QTest::newRow("9/9 always incorporator") << 9 << 9 << false;
    QTest::newRow("10/7 always mark") << 10 << 7 << false;
    QTest::newRow("10/11 always shares") << 10 << 11 << false;
    QTest::newRow("11/3 always chairman") << 11 << 3 << false;
}

void tst_calc_incorporation::overrides()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(bool, guarded);
    CalcClient client;
    fillPageZero(client);
    client.row({"CIS", "Ann Lee", "", "", "", "", "", "", "", "", "", "100", "Common"});
    checkOverrides(client, {{page, answer}}, guarded);
}

// However many shareholders and incorporators a client has, every page
// calculates in one run without a message: the rows a page keeps hold the
// first of them, the rows of the run the others, and the pages that read
// the subscription read all of its rows.
void tst_calc_incorporation::crowdedPagesGrow_data()
{
    QTest::addColumn<int>("shareholders");
    QTest::addColumn<int>("incorporators");
    QTest::newRow("pages full") << 23 << 92;
    QTest::newRow("24 shareholders") << 24 << 1;
    QTest::newRow("26 shareholders") << 26 << 1;
    QTest::newRow("41 shareholders") << 41 << 1;
    QTest::newRow("93 incorporators") << 1 << 93;
    QTest::newRow("100 shareholders") << 100 << 3;
}

void tst_calc_incorporation::crowdedPagesGrow()
{
    QFETCH(int, shareholders);
    QFETCH(int, incorporators);
    CalcClient client;
    fillPageZero(client);
    for (int i = 0; i < shareholders; ++i)
        addRow(client, QStringLiteral("S"), numbered("Holder ", i), 10);
    for (int i = 0; i < incorporators; ++i)
        addRow(client, QStringLiteral("CI"), numbered("Founder ", i));

    MessageRecorder messages;
    QVERIFY(client.calculate());
    QVERIFY(messages.numbers().isEmpty());
    QVERIFY(client.store.PageFailures.isEmpty());

    // Row `row` of the table of `column` on `page`, kept or of the run.
    const auto cell = [&](int page, int column, int row) {
        const TableFact *table = FactsOfPage(page).TableOf(column);
        return row < table->count ? client.at(page, column + table->step * row)
                                  : client.store.RowText(page, 0, column, row);
    };
    const int last = shareholders - 1;
    const QString holder = numbered("Holder ", last);
    QCOMPARE(cell(8, 6, last), holder); // subscription
    QCOMPARE(cell(8, 7, last), QStringLiteral("10"));
    QCOMPARE(cell(10, 9, last), holder); // waiver
    QCOMPARE(cell(10, 11, last), QStringLiteral("10"));
    QCOMPARE(cell(17, 3, last), holder);                                              // assent
    QCOMPARE(cell(21, 6, last), holder);                                              // acceptance of subscriptions
    QCOMPARE(cell(21, 7, last), QStringLiteral("$15.00"));                            // 10 shares at the price of $1.50
    QCOMPARE(cell(9, 9, incorporators - 1), numbered("Founder ", incorporators - 1)); // notice
    QCOMPARE(cell(11, 5, incorporators - 1), numbered("Founder ", incorporators - 1)); // officers pro tem
    QCOMPARE(cell(7, 18, incorporators - 1), numbered("Founder ", incorporators - 1)); // order and waiver
    // Nobody past the last.
    QVERIFY(cell(10, 9, shareholders).isEmpty());
    QCOMPARE(client.at(39, 0), QStringLiteral("Acme Widgets, Inc."));
    QCOMPARE(client.at(41, 2), QStringLiteral("Founder 0"));
}

void tst_calc_incorporation::parValueAsTheArticlesStateIt_data()
{
    QTest::addColumn<QString>("par");
    QTest::addColumn<QString>("printed");
    QTest::newRow("empty") << ""
                           << "No par value";
    QTest::newRow("zero, as the money field shows an empty one") << "0.00"
                                                                 << "No par value";
    QTest::newRow("ten") << "10"
                         << "$10.00";
}

void tst_calc_incorporation::parValueAsTheArticlesStateIt()
{
    QFETCH(QString, par);
    QFETCH(QString, printed);
    CalcClient client;
    client.g(G0::ParValue, par);
    QVERIFY(client.calculate());
    QCOMPARE(client.at(2, 6), printed);
    QCOMPARE(client.at(39, 7), printed);
}

QTEST_GUILESS_MAIN(tst_calc_incorporation)
#include "tst_calc_incorporation.moc"
