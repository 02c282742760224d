// Page procedures of the first meetings: the code of regulations' first page,
// the first shareholders' meeting (assent, election of the board, certificate
// of inspectors) and the first directors' meeting (first page, election of
// officers, conclusion).
#include "CalcFixture.h"
#include "TestSupport.h"
#include "core/calc/PageProcedures.h"

#include <QtTest>

using namespace brevane;
using namespace brevane::test;

class tst_calc_firstmeetings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }

    void meetingAnswers_data();
    void meetingAnswers();
    void boardOfDirectors_data();
    void boardOfDirectors();
    void electionReadsChairmanAndFeedsCertificate();
    void subscribers_data();
    void subscribers();
    void subscriberLimits();
    void unreadableAmountPerShareReportedOnce();
    void regulationsNumberInWords_data();
    void regulationsNumberInWords();
    void overrides_data();
    void overrides();
};

namespace {

void fillPageZero(CalcClient &client)
{
    client.g({{0, "Acme Widgets, Inc."},
              {2, "Columbus"},
              {17, "2.5"},
              {33, "3/1/18"},
              {39, "Carl Chair"},
              {40, "Sam Scribe"},
              {43, "Inspector One"},
              {44, "Inspector Two"},
              {45, "Chair Person"},
              {46, "4/2/18"},
              {47, "Pat President"},
              {48, "Vic Vice"},
              {49, "Sue Secretary"},
              {50, "Tom Treasurer"},
              {51, "5/3/18"},
              {86, "Board room"},
              {87, "Second floor"},
              {89, "Inspectors' item"},
              {90, "4/1/18"},
              {91, "9:00"},
              {92, "X"},
              {93, ""},
              {94, "Item 94"},
              {97, "Item 97"}});
}

QString numbered(const char *prefix, int i)
{
    return QString::fromUtf8(prefix) + QString::number(i);
}

// Appends a row with the given code, name and share count.
void addRow(CalcClient &client, const QString &code, const QString &name, const QString &shares = QString())
{
    client.row({""});
    const int r = client.directory.RowCount() - 1;
    client.directory.SetCell(r, ColCode, code);
    client.directory.SetCell(r, ColName, name);
    client.directory.SetCell(r, ColNoOfShares, shares);
}

} // namespace

void tst_calc_firstmeetings::meetingAnswers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("expected");
    // Code of regulations, first page.
    QTest::newRow("12/0") << 12 << 0 << "Acme Widgets, Inc.";
    QTest::newRow("12/3") << 12 << 3 << "Acme Widgets, Inc.";
    QTest::newRow("12/4 adoption date") << 12 << 4 << "March 1, 2018";
    QTest::newRow("12/5 adoption date") << 12 << 5 << "March 1, 2018";
    // Assent.
    QTest::newRow("17/0 city") << 17 << 0 << "Columbus";
    QTest::newRow("17/2 name") << 17 << 2 << "Acme Widgets, Inc.";
    // Election of the board.
    QTest::newRow("18/0 chairman through the election page") << 18 << 0 << "Carl Chair";
    QTest::newRow("18/2") << 18 << 2 << "one";
    QTest::newRow("18/7 as answer 2") << 18 << 7 << "one";
    QTest::newRow("18/12") << 18 << 12 << "Item 94";
    QTest::newRow("18/13") << 18 << 13 << "Item 97";
    // Certificate of inspectors.
    QTest::newRow("19/0 city") << 19 << 0 << "Columbus";
    QTest::newRow("19/3 name") << 19 << 3 << "Acme Widgets, Inc.";
    QTest::newRow("19/5 meeting date") << 19 << 5 << "March 1, 2018";
    QTest::newRow("19/7 directors elected") << 19 << 7 << "Dana Director.";
    QTest::newRow("19/8") << 19 << 8 << "one";
    QTest::newRow("19/13 street and room") << 19 << 13 << "Inspectors' item, Board room";
    QTest::newRow("19/14") << 19 << 14 << "Second floor";
    QTest::newRow("19/16 directors' meeting date") << 19 << 16 << "April 1, 2018";
    QTest::newRow("19/17 time") << 19 << 17 << "9:00";
    QTest::newRow("19/18 AM mark") << 19 << 18 << "A";
    // The shareholders' meeting's officers pro tem sign its minutes.
    QTest::newRow("19/22 chairman pro tem") << 19 << 22 << "Carl Chair";
    QTest::newRow("19/23 presided") << 19 << 23 << "Carl Chair";
    QTest::newRow("19/24 secretary pro tem") << 19 << 24 << "Sam Scribe";
    QTest::newRow("19/27 certified") << 19 << 27 << "May 3, 2018";
    // Directors' meeting, first page.
    QTest::newRow("20/0") << 20 << 0 << "Acme Widgets, Inc.";
    QTest::newRow("20/1 date") << 20 << 1 << "April 1, 2018";
    QTest::newRow("20/2 street and room") << 20 << 2 << "Inspectors' item, Board room";
    QTest::newRow("20/22 time") << 20 << 22 << "9:00 A.M.";
    QTest::newRow("20/21") << 20 << 21 << "Second floor";
    QTest::newRow("20/15") << 20 << 15 << "Inspector One";
    QTest::newRow("20/16") << 20 << 16 << "Inspector Two";
    QTest::newRow("20/17") << 20 << 17 << "Chair Person";
    QTest::newRow("20/18 copied as typed") << 20 << 18 << "4/2/18";
    QTest::newRow("20/19 as answer 17") << 20 << 19 << "Chair Person";
    QTest::newRow("20/20 as answer 18") << 20 << 20 << "4/2/18";
    // Election of officers.
    QTest::newRow("21/0") << 21 << 0 << "Chair Person";
    QTest::newRow("21/1 president") << 21 << 1 << "Pat President";
    QTest::newRow("21/2") << 21 << 2 << "Vic Vice";
    QTest::newRow("21/3 secretary") << 21 << 3 << "Sue Secretary";
    QTest::newRow("21/4") << 21 << 4 << "Tom Treasurer";
    // Conclusion and certification.
    QTest::newRow("22/0") << 22 << 0 << "April 1, 2018";
    QTest::newRow("22/1") << 22 << 1 << "April 2, 2018";
    QTest::newRow("22/2") << 22 << 2 << "May 3, 2018";
    QTest::newRow("22/3 chairman") << 22 << 3 << "Inspector One";
    QTest::newRow("22/4 secretary") << 22 << 4 << "Inspector Two";
    QTest::newRow("22/5 corporation's secretary") << 22 << 5 << "Sue Secretary";
}

void tst_calc_firstmeetings::meetingAnswers()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(QString, expected);
    CalcClient client;
    fillPageZero(client);
    addRow(client, QStringLiteral("D"), QStringLiteral("Dana Director"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(page, answer), expected);
}

// The board as the shareholders elect it (page 18, and through it the
// certificate of inspectors) and as the directors' minutes list it (page 20,
// six places).
void tst_calc_firstmeetings::boardOfDirectors_data()
{
    QTest::addColumn<int>("directors");
    QTest::addColumn<QString>("inWords");
    QTest::newRow("none") << 0 << "";
    QTest::newRow("one") << 1 << "one ";
    QTest::newRow("three") << 3 << "three ";
    QTest::newRow("seven, six on the minutes") << 7 << "seven ";
    QTest::newRow("more than a hundred, all counted") << 105 << "one hundred five ";
}

void tst_calc_firstmeetings::boardOfDirectors()
{
    QFETCH(int, directors);
    QFETCH(QString, inWords);
    CalcClient client;
    fillPageZero(client);
    addRow(client, QStringLiteral("d"), QStringLiteral("Lower Case")); // no director
    addRow(client, QStringLiteral("SCI"), QStringLiteral("Not A Director"));
    QStringList names;
    for (int i = 0; i < directors; ++i) {
        addRow(client, i % 2 ? QStringLiteral("DOI") : QStringLiteral("D"), numbered("Director ", i));
        const int r = client.directory.RowCount() - 1;
        client.directory.SetCell(r, ColAddress, numbered("Street ", i));
        client.directory.SetCell(r, ColCity, numbered("City ", i));
        client.directory.SetCell(r, ColState, QStringLiteral("OH"));
        client.directory.SetCell(r, ColZIP, QStringLiteral("43215"));
        names << numbered("Director ", i);
    }
    // Places of a larger board must not keep their names.
    for (int k = 3; k <= 14; ++k)
        client.store.SetText(20, 0, k, QStringLiteral("stale"));

    QVERIFY(client.calculate());
    QCOMPARE(client.at(18, 1), inWords);
    QCOMPARE(client.at(18, 2), QStringLiteral("one"));
    // A sentence of names: "Director 1, Director 2 and Director 3."
    QString sentence = names.join(", ");
    if (directors > 1)
        sentence.replace(sentence.lastIndexOf(QStringLiteral(", ")), 2, QStringLiteral(" and "));
    if (directors > 0)
        sentence += QLatin1Char('.');
    QCOMPARE(client.at(18, 3), sentence);
    QCOMPARE(client.at(19, 7), sentence);
    if (directors == 3)
        QCOMPARE(sentence, QStringLiteral("Director 0, Director 1 and Director 2."));
    for (int k = 0; k < 6; ++k) {
        const bool listed = k < directors;
        QCOMPARE(client.at(20, 3 + 2 * k), listed ? names[k] : QString());
        QCOMPARE(client.at(20, 4 + 2 * k), listed ? QStringLiteral("Street %1, City %1, OH").arg(k) : QString());
    }
}

void tst_calc_firstmeetings::electionReadsChairmanAndFeedsCertificate()
{
    // One run carries the chairman pro tem from page 0 through the chairman's
    // election (page 11) to the election of the board (page 18), and the
    // board's answers on to the certificate of inspectors (page 19).
    CalcClient client;
    fillPageZero(client);
    addRow(client, QStringLiteral("D"), QStringLiteral("Ann Lee"));
    addRow(client, QStringLiteral("DS"), QStringLiteral("Ben Roe"));
    client.store.SetText(18, 0, 9, QStringLiteral("for all"));
    client.store.SetText(18, 0, 10, QStringLiteral("against none"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(11, 3), QStringLiteral("Carl Chair"));
    QCOMPARE(client.at(18, 0), QStringLiteral("Carl Chair"));
    QCOMPARE(client.at(19, 7), QStringLiteral("Ann Lee and Ben Roe."));
    QCOMPARE(client.at(19, 20), QStringLiteral("for all"));
    QCOMPARE(client.at(19, 21), QStringLiteral("against none"));

    // A new chairman and the user's own term reach every page in the next run.
    client.g(39, QStringLiteral("Dora Chair"));
    client.overridden(18, 2, QStringLiteral("two"));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(18, 0), QStringLiteral("Dora Chair"));
    QCOMPARE(client.at(18, 2), QStringLiteral("two"));
    QCOMPARE(client.at(18, 7), QStringLiteral("two"));
    QCOMPARE(client.at(19, 8), QStringLiteral("two"));
}

// Subscribers as the share subscription (page 8) lists them, read by the
// assent (page 17) and the election of officers (page 21) in the same run.
void tst_calc_firstmeetings::subscribers_data()
{
    QTest::addColumn<QString>("shares");
    QTest::addColumn<QString>("perShare");
    QTest::addColumn<QString>("consideration");
    QTest::newRow("100 at 2.5") << "100"
                                << "2.5"
                                << "$250.00";
    QTest::newRow("thousands separators") << "1,000"
                                          << "1.25"
                                          << "$1,250.00";
    QTest::newRow("no shares") << ""
                               << "2.5"
                               << "";
    QTest::newRow("zero shares") << "0"
                                 << "2.5"
                                 << "";
    QTest::newRow("no amount per share") << "100"
                                         << ""
                                         << "";
}

void tst_calc_firstmeetings::subscribers()
{
    QFETCH(QString, shares);
    QFETCH(QString, perShare);
    QFETCH(QString, consideration);
    CalcClient client;
    fillPageZero(client);
    client.g(17, perShare);
    addRow(client, QStringLiteral("s"), QStringLiteral("Not A Subscriber"), QStringLiteral("5"));
    addRow(client, QStringLiteral("DS"), QStringLiteral("Ann Lee"), shares);
    QVERIFY(client.calculate());
    QCOMPARE(client.at(17, 3), QStringLiteral("Ann Lee"));
    QCOMPARE(client.at(17, 4), shares);
    QCOMPARE(client.at(17, 5), QString());
    QCOMPARE(client.at(21, 6), QStringLiteral("Ann Lee"));
    QCOMPARE(client.at(21, 7), consideration);
    QCOMPARE(client.at(21, 8), shares);
    QCOMPARE(client.at(21, 9), QString());
}

void tst_calc_firstmeetings::subscriberLimits()
{
    // Twenty subscribers: the assent lists nineteen, the election of officers
    // fifteen.
    CalcClient client;
    fillPageZero(client);
    for (int i = 0; i < 20; ++i)
        addRow(client, QStringLiteral("S"), numbered("Holder ", i), QString::number(10 + i));
    QVERIFY(client.calculate());
    QCOMPARE(client.at(17, 3 + 2 * 18), QStringLiteral("Holder 18"));
    QCOMPARE(client.at(17, 4 + 2 * 18), QStringLiteral("28"));
    QCOMPARE(client.at(17, 3 + 2 * 19), QString());
    QCOMPARE(client.at(21, 6 + 3 * 14), QStringLiteral("Holder 14"));
    QCOMPARE(client.at(21, 7 + 3 * 14), QStringLiteral("$60.00"));
    QCOMPARE(client.at(21, 8 + 3 * 14), QStringLiteral("24"));
    QCOMPARE(client.at(21, 6 + 3 * 15), QString());
}

void tst_calc_firstmeetings::unreadableAmountPerShareReportedOnce()
{
    CalcClient client;
    client.g(17, QStringLiteral("two fifty"));
    for (int i = 0; i < 3; ++i) {
        client.store.SetText(8, 0, 6 + 3 * i, numbered("Holder ", i));
        client.store.SetText(8, 0, 7 + 3 * i, QStringLiteral("100"));
    }
    MessageRecorder messages;
    PageCalc pc(client.store, client.directory, 21);
    Calc21(pc);
    QCOMPARE(messages.numbers(), QList<int>({21202}));
    QCOMPARE(client.at(21, 6), QStringLiteral("Holder 0"));
    QCOMPARE(client.at(21, 7), QString());
    QCOMPARE(client.at(21, 8), QStringLiteral("100"));
}

// Answer 7 of the code of regulations is the user's number; answer 6 is that
// number in words.
void tst_calc_firstmeetings::regulationsNumberInWords_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QList<int>>("messages");
    QTest::newRow("twelve") << "12"
                            << "twelve" << QList<int>();
    QTest::newRow("thousand") << "1,000"
                              << "one thousand" << QList<int>();
    QTest::newRow("empty") << ""
                           << "" << QList<int>();
    QTest::newRow("digits before a point") << "7.9"
                                           << "seven" << QList<int>({21212});
    QTest::newRow("no digits") << "none"
                               << "" << QList<int>({21212});
}

void tst_calc_firstmeetings::regulationsNumberInWords()
{
    QFETCH(QString, number);
    QFETCH(QString, words);
    QFETCH(QList<int>, messages);
    CalcClient client;
    client.store.SetText(12, 0, 7, number);
    client.store.SetText(12, 0, 6, QStringLiteral("stale"));
    MessageRecorder recorder;
    PageCalc pc(client.store, client.directory, 12);
    Calc12(pc);
    QCOMPARE(client.at(12, 6), words);
    QCOMPARE(client.at(12, 7), number);
    QCOMPARE(recorder.numbers(), messages);
}

// Guarded answers keep the user's override through two runs; the others are
// recomputed.
void tst_calc_firstmeetings::overrides_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("guarded");
    QTest::newRow("12/0 always") << 12 << 0 << false;
    QTest::newRow("12/6 always") << 12 << 6 << false;
    for (int k : {0, 3, 4, 5, 6})
        QTest::addRow("17/%d guarded", k) << 17 << k << true;
    QTest::newRow("17/2 always") << 17 << 2 << false;
    for (int k : {0, 1, 2, 3, 7, 12, 13})
        QTest::addRow("18/%d guarded", k) << 18 << k << true;
    for (int k : {0, 3, 5, 7, 8, 13, 14, 15, 16, 17, 20, 21, 22, 23, 24})
        QTest::addRow("19/%d guarded", k) << 19 << k << true;
    QTest::newRow("19/18 always mark") << 19 << 18 << false;
    for (int k : {0, 1, 3, 4, 18, 19, 21})
        QTest::addRow("20/%d always", k) << 20 << k << false;
    QTest::newRow("21/0 guarded") << 21 << 0 << true;
    for (int k : {1, 4, 6, 7, 8})
        QTest::addRow("21/%d always", k) << 21 << k << false;
    QTest::newRow("22/0 always") << 22 << 0 << false;
}

void tst_calc_firstmeetings::overrides()
{
    QFETCH(int, page);
    QFETCH(int, answer);
    QFETCH(bool, guarded);
    CalcClient client;
    fillPageZero(client);
    addRow(client, QStringLiteral("DS"), QStringLiteral("Ann Lee"), QStringLiteral("100"));
    checkOverrides(client, {{page, answer}}, guarded);
}

QTEST_GUILESS_MAIN(tst_calc_firstmeetings)
#include "tst_calc_firstmeetings.moc"
