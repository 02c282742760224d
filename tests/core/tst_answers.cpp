// The page catalogue and the answer store.
#include "TestSupport.h"
#include "core/forms/PageFacts.h"
#include "core/store/Answers.h"
#include "core/store/PageCatalogue.h"

#include <QtTest>

using namespace brevane;

class tst_answers : public QObject
{
    Q_OBJECT
private slots:
    void catalogueLimits();
    void pageTag_data();
    void pageTag();
    void freshStoreIsEmpty();
    void accessOutsideListsThrows_data();
    void accessOutsideListsThrows();
    void overrideFlagIsPerAnswer();
    void worksheetPages_data();
    void worksheetPages();
};

void tst_answers::catalogueLimits()
{
    int lists = 0, answers = 0;
    for (int p = 0; p < PageCount; ++p) {
        QCOMPARE(PageContinuationMax[p], IsRepeatablePage(p) ? 99 : 0);
        lists += PageContinuationMax[p] + 1;
        answers += (PageContinuationMax[p] + 1) * (PageAnswerMax[p] + 1);
    }
    QCOMPARE(lists, 595);
    QCOMPARE(answers, 70470);
    QCOMPARE(PageAnswerMax[5], 150);
    QCOMPARE(PageAnswerMax[8], 125);
    QCOMPARE(PageAnswerMax[24], 200);
    QCOMPARE(PageAnswerMax[57], 200);
    QCOMPARE(PageAnswerMax[88], 300);
    QCOMPARE(PageAnswerMax[0], 100);
    QCOMPARE(QString(PageName[0]), QStringLiteral("General Information Worksheet"));
    QCOMPARE(QString(PageName[25]), QStringLiteral("Bond"));
    QCOMPARE(QString(PageName[85]), QStringLiteral("Reinstatement && Appointment of Agent (3)"));
    // A page with a form source has a name of its own; a free page number
    // is reserved.
    for (int p = 0; p < PageCount; ++p) {
        const bool named = QString(PageName[p]) != QLatin1String("RESERVED");
        QVERIFY2(named == FactsOfPage(p).hasSource, qPrintable(QStringLiteral("page %1: %2").arg(p).arg(PageName[p])));
    }
}

void tst_answers::pageTag_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("continuation");
    QTest::newRow("worksheet") << 0 << 0 << 0;
    QTest::newRow("articles page 2") << 300 << 3 << 0;
    QTest::newRow("bond view") << 2500 << 25 << 0;
    QTest::newRow("bond last copy") << 2599 << 25 << 99;
    QTest::newRow("page after bond") << 2600 << 26 << 0;
}

void tst_answers::pageTag()
{
    QFETCH(int, tag);
    QFETCH(int, page);
    QFETCH(int, continuation);
    QCOMPARE(PageOfTag(tag), page);
    QCOMPARE(ContinuationOfTag(tag), continuation);
    QCOMPARE(MakePageTag(page, continuation), tag);
}

void tst_answers::freshStoreIsEmpty()
{
    TAnswer store;
    QCOMPARE(store.TotalAnswers(), 70470);
    for (int p = 0; p < PageCount; ++p)
        QCOMPARE(store.PgCt[p], 0);
    QVERIFY(TAnswer::HasList(23, 99));
    QVERIFY(!TAnswer::HasList(26, 1));
    QVERIFY(store.Text(23, 99, 100).isEmpty());
    QVERIFY(store.Text(5, 0, 150).isEmpty());
    QVERIFY(store.Text(88, 0, 300).isEmpty());
    QVERIFY(!store.OvRide(24, 99, 200));
}

void tst_answers::accessOutsideListsThrows_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("continuation");
    QTest::addColumn<int>("answer");
    QTest::newRow("answer 101 of page 0") << 0 << 0 << 101;
    QTest::newRow("answer 126 of page 8") << 8 << 0 << 126;
    QTest::newRow("negative answer") << 1 << 0 << -1;
    QTest::newRow("continuation of a single page") << 26 << 1 << 0;
    QTest::newRow("continuation 100") << 23 << 100 << 0;
    QTest::newRow("page 100") << 100 << 0 << 0;
    QTest::newRow("negative page") << -1 << 0 << 0;
}

void tst_answers::accessOutsideListsThrows()
{
    QFETCH(int, page);
    QFETCH(int, continuation);
    QFETCH(int, answer);
    TAnswer store;
    QVERIFY_THROWS_EXCEPTION(AnswerRangeError, store.Text(page, continuation, answer));
    QVERIFY_THROWS_EXCEPTION(AnswerRangeError, store.SetText(page, continuation, answer, QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(AnswerRangeError, store.SetOvRide(page, continuation, answer, true));
}

void tst_answers::overrideFlagIsPerAnswer()
{
    TAnswer store;
    store.SetOvRide(23, 4, 10, true);
    store.SetText(23, 4, 10, QStringLiteral("mine"));
    QVERIFY(store.OvRide(23, 4, 10));
    QVERIFY(!store.OvRide(23, 3, 10));
    QVERIFY(!store.OvRide(23, 5, 10));
    QVERIFY(!store.OvRide(23, 4, 9));
    QVERIFY(!store.OvRide(23, 4, 11));
    QVERIFY(!store.OvRide(24, 4, 10));
    QVERIFY(store.Text(23, 3, 10).isEmpty());
    // The store never enforces the flag: writing always succeeds.
    store.SetText(23, 4, 10, QStringLiteral("calc"));
    QCOMPARE(store.Text(23, 4, 10), QStringLiteral("calc"));
}

void tst_answers::worksheetPages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    for (auto [rows, pages] : {std::pair{0, 0}, {1, 1}, {50, 1}, {51, 2}, {100, 2}, {101, 3}})
        QTest::addRow("%d rows", rows) << rows << pages;
}

void tst_answers::worksheetPages()
{
    QFETCH(int, rows);
    QFETCH(int, pages);
    QCOMPARE(TAnswer::NoOfWorksheetPages(rows), pages);
}

QTEST_GUILESS_MAIN(tst_answers)
#include "tst_answers.moc"
