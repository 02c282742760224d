// Answers and controls: the formats of the edit kinds, leaving a field
// (reformat, store, recalculate, refill), check boxes and memos, and the
// modified flag: fills never set it, typing does, Tab moves never do.
#include "GuiFixture.h"
#include "core/store/Answers.h"
#include "core/store/Conversions.h"
#include "gui/app/Navigation.h"
#include "gui/screens/CalcCommands.h"

#include <QLabel>

using namespace brevane;
using namespace brevane::test;

class tst_transfers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }
    void displayText_data();
    void displayText();
    void exitText_data();
    void exitText();
    void percentAnswer_data();
    void percentAnswer();
    void leavingMoneyEditReformatsAndRecalculates();
    void regionsFormIsTypedAndShownAnswersKeepOne_data();
    void regionsFormIsTypedAndShownAnswersKeepOne();
    void checkBoxesAndMemosRoundTrip();
    void longAnswerIsNotCut();
    void typedLettersTheFileCannotKeep();
    void modifiedFlag_data();
    void modifiedFlag();
    void fillingKeepsModifiedFlagSet();
    void answerBeyondThePageStopsWith18047();
};

void tst_transfers::displayText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("shown");
    QTest::newRow("text as stored") << 1 << "  Acme | Tools" << 0 << "  Acme | Tools";
    QTest::newRow("money grouped") << 2 << "1234.5" << 0 << "1,234.50";
    QTest::newRow("money empty shows zero") << 2 << "" << 0 << "0.00";
    QTest::newRow("money negative") << 2 << "(1,234.5)" << 0 << "-1,234.50";
    QTest::newRow("money zero blank on page 21") << 2 << "" << 21 << "";
    QTest::newRow("money zero blank on page 57") << 2 << "0.00" << 57 << "";
    QTest::newRow("money not blank elsewhere on 58") << 2 << "3" << 58 << "3.00";
    QTest::newRow("percent") << 3 << "0.25" << 0 << "25.00%";
    QTest::newRow("percent zero blank on page 24") << 3 << "0" << 24 << "";
    QTest::newRow("whole number grouped") << 4 << "1234567.4" << 0 << "1,234,567";
    QTest::newRow("short whole as stored") << 5 << "12.7" << 0 << "12.7";
    QTest::newRow("kind above five shows nothing") << 6 << "12" << 0 << "";
}

void tst_transfers::displayText()
{
    QFETCH(int, kind);
    QFETCH(QString, answer);
    QFETCH(int, page);
    QFETCH(QString, shown);
    QCOMPARE(TPageTransfer::DisplayText(kind, answer, page), shown);
}

void tst_transfers::exitText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("text unchanged") << 1 << " 12 Main St "
                                    << " 12 Main St ";
    QTest::newRow("money") << 2 << "1234.5"
                           << "1,234.50";
    QTest::newRow("money with dollar sign") << 2 << "$1,000"
                                            << "1,000.00";
    QTest::newRow("percent") << 3 << "25"
                             << "25.00%";
    QTest::newRow("percent already shown") << 3 << "12.50%"
                                           << "12.50%";
    QTest::newRow("whole number") << 4 << "1234.5"
                                  << "1,235";
    QTest::newRow("short whole number") << 5 << "12.7"
                                        << "13";
}

void tst_transfers::exitText()
{
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QCOMPARE(TPageTransfer::ExitText(kind, typed), left);
}

void tst_transfers::percentAnswer_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("shown percentage") << "25.00%"
                                      << "0.25";
    QTest::newRow("empty stores zero") << ""
                                       << "0";
    // A field not yet left holds the digits as typed: all of them count.
    QTest::newRow("typed without sign") << "25"
                                        << "0.25";
    QTest::newRow("fraction of a percent") << "12.50%"
                                           << "0.125";
}

void tst_transfers::percentAnswer()
{
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QCOMPARE(TPageTransfer::AnswerText(3, shown), stored);
}

void tst_transfers::leavingMoneyEditReformatsAndRecalculates()
{
    // The bond's amount (answer 3) is written out in words (answer 2).
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    fx.WritePage(25, {Edit("edtAmount", 2003, 10), Label("lblWords", 2, 40), Edit("edtObligee", 1004, 70)});
    auto w = fx.Start();
    w->Document().Answers()->PgCt[25] = 1;
    w->Navigation().DisplayAPage(w->Invisible(2500));
    auto *amount = Control<QLineEdit>(*w, "edtAmount");
    Enter(amount);
    amount->selectAll();
    QTest::keyClicks(amount, QStringLiteral("1234.5"));
    QTest::keyClick(amount, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Control(*w, "edtObligee"));
    QCOMPARE(amount->text(), QStringLiteral("1,234.50"));
    QCOMPARE(w->Document().Answers()->Text(25, 0, 3), QStringLiteral("1,234.50"));
    QCOMPARE(Control<QLabel>(*w, "lblWords")->text(),
             QStringLiteral("One Thousand Two Hundred Thirty-Four and 50/100 "));
    QVERIFY(w->Document().IsModified());
}

void tst_transfers::regionsFormIsTypedAndShownAnswersKeepOne_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("amount"); // typed, then shown
    QTest::addColumn<QString>("shownAmount");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("shownDate");
    QTest::newRow("Germany") << "de_DE"
                             << "1.234,5"
                             << "1.234,50"
                             << "1.3.2018"
                             << "01.03.2018";
    QTest::newRow("France") << "fr_FR"
                            << "1234,5" << QString::fromUtf8("1\u00a0234,50") << "1/3/2018"
                            << "01/03/2018";
    QTest::newRow("Sweden") << "sv_SE"
                            << "1 234,5" << QString::fromUtf8("1\u00a0234,50") << "2018-03-01"
                            << "2018-03-01";
}

// In a region of its own the user types and reads amounts and dates as the
// region writes them; the answers keep the form the papers print, and the
// calculations read them so.
void tst_transfers::regionsFormIsTypedAndShownAnswersKeepOne()
{
    QFETCH(QString, region);
    QFETCH(QString, amount);
    QFETCH(QString, shownAmount);
    QFETCH(QString, date);
    QFETCH(QString, shownDate);
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtFiled", 1012, 40)});
    fx.WritePage(25, {Edit("edtAmount", 2003, 10), Label("lblWords", 2, 40), Edit("edtObligee", 1004, 70)});
    auto w = fx.Start();
    // The program has started in the region (the fixture starts it in the
    // United States).
    QLocale::setDefault(QLocale(region));
    struct Back
    {
        ~Back() { UseUnitedStatesLocale(); }
    } back;
    MessageRecorder recorder;
    auto *filed = Control<QLineEdit>(*w, "edtFiled");
    Enter(filed);
    TypeOver(filed, date);
    QCOMPARE(filed->text(), shownDate);
    QCOMPARE(w->Document().Answers()->Text(0, 0, 12), QStringLiteral("3/1/2018"));
    w->Document().Answers()->PgCt[25] = 1;
    w->Navigation().DisplayAPage(w->Invisible(2500));
    auto *money = Control<QLineEdit>(*w, "edtAmount");
    Enter(money);
    TypeOver(money, amount);
    QCOMPARE(money->text(), shownAmount);
    QCOMPARE(w->Document().Answers()->Text(25, 0, 3), QStringLiteral("1,234.50"));
    QCOMPARE(Control<QLabel>(*w, "lblWords")->text(),
             QStringLiteral("One Thousand Two Hundred Thirty-Four and 50/100 "));
    // Leaving the field again as shown changes nothing.
    Enter(money);
    QTest::keyClick(money, Qt::Key_Tab);
    QCOMPARE(money->text(), shownAmount);
    QCOMPARE(w->Document().Answers()->Text(25, 0, 3), QStringLiteral("1,234.50"));
    QCOMPARE(recorder.numbers(), QList<int>());
}

// What the client file cannot hold as typed is changed when the field is
// left, shown in the field, and reported once.
void tst_transfers::typedLettersTheFileCannotKeep()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtCity", 1002, 40), Memo("memNotes", 61, 100)});
    auto w = fx.Start();
    MessageRecorder recorder;
    auto *name = Control<QLineEdit>(*w, "edtName");
    Enter(name);
    name->selectAll();
    name->insert(QStringLiteral("\u0141\u00f3d\u017a Bakery")); // as typed or pasted
    QTest::keyClick(name, Qt::Key_Tab);
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("L\u00f3dz Bakery"));
    QCOMPARE(name->text(), QStringLiteral("L\u00f3dz Bakery"));
    QCOMPARE(recorder.numbers(), QList<int>{11190});
    // Leaving the next field does not report it again.
    TypeOver(Control<QLineEdit>(*w, "edtCity"), QStringLiteral("Dayton"));
    QCOMPARE(recorder.numbers(), QList<int>{11190});

    auto *memo = Control<QPlainTextEdit>(*w, "memNotes");
    Enter(memo);
    memo->setPlainText(QStringLiteral("Owner: Tr\u1ea7n\nsince 2019"));
    w->Transfer().ControlsToAnswers(); // a memo reaches the store at the next transfer
    QCOMPARE(w->Document().Answers()->Text(0, 0, 61), QStringLiteral("Owner: Tran | since 2019"));
    QCOMPARE(recorder.numbers(), (QList<int>{11190, 11190}));
}

void tst_transfers::checkBoxesAndMemosRoundTrip()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10), CheckBox("cbxLower", 60, 40), CheckBox("cbxEstimate", 1012, 70),
                     Memo("memLines", 61, 100)});
    auto w = fx.Start(false);
    TAnswer &store = *w->Document().Answers();
    store.SetText(0, 0, 60, QStringLiteral("x"));
    store.SetText(0, 0, 12, QStringLiteral("X"));
    store.SetText(0, 0, 61, QStringLiteral("first | second"));
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto *lower = Control<QCheckBox>(*w, "cbxLower");
    auto *estimate = Control<QCheckBox>(*w, "cbxEstimate");
    QVERIFY(!lower->isChecked()); // only an upper-case X ticks a box
    QVERIFY(estimate->isChecked());
    QCOMPARE(estimate->text(), QStringLiteral("EST"));
    QCOMPARE(Control<QPlainTextEdit>(*w, "memLines")->toPlainText(), QStringLiteral("first\nsecond"));

    estimate->setChecked(false);
    w->Calc().CalcOnExit(estimate);
    QCOMPARE(store.Text(0, 0, 12), QString());
    QCOMPARE(store.Text(0, 0, 60), QString());
    QCOMPARE(estimate->text(), QString());
    // A memo reaches the store at the next transfer, with its lines joined.
    w->Transfer().ControlsToAnswers();
    QCOMPARE(store.Text(0, 0, 61), QStringLiteral("first | second"));
}

// An answer longer than a line edit keeps by default (32,767 characters)
// is shown and stored whole.
void tst_transfers::longAnswerIsNotCut()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    auto w = fx.Start(false);
    TAnswer &store = *w->Document().Answers();
    const QString longText = QString(40000, QLatin1Char('a')) + QStringLiteral("end");
    store.SetText(0, 0, 0, longText);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text().size(), longText.size());
    w->Transfer().ControlsToAnswers();
    QCOMPARE(store.Text(0, 0, 0), longText);
}

void tst_transfers::modifiedFlag_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("modified");
    QTest::newRow("showing a page") << "display" << false;
    QTest::newRow("typing") << "type" << true;
    QTest::newRow("Tab from a computed field and back") << "tab" << false;
    QTest::newRow("Tab out of a money field that reformats") << "tab money" << false;
    // Moving the cursor changes no answer.
    QTest::newRow("Home in an edit") << "home" << false;
    QTest::newRow("Ctrl+Home") << "ctrl home" << false;
    QTest::newRow("Page Down") << "page down" << false;
    QTest::newRow("Insert Today in an edit") << "today" << true;
    QTest::newRow("Insert Today on a check box") << "today check" << false;
    QTest::newRow("clicking a check box") << "click check" << true;
    QTest::newRow("override") << "override" << true;
    QTest::newRow("refresh") << "refresh" << false;
}

void tst_transfers::modifiedFlag()
{
    QFETCH(QString, action);
    QFETCH(bool, modified);
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtShares", 4090, 40), CheckBox("cbxAm", 25, 70),
                     Edit("edtDate", 1012, 100)});
    fx.WritePage(7, {Edit("edtEntity", 1000, 10, QStringLiteral("EditOverrideable")),
                     Edit("edtPlace", 1001, 40, QStringLiteral("EditOverrideable")),
                     Edit("edtCapital", 2013, 70, QStringLiteral("EditOverrideable"))});
    auto w = fx.Start(false);
    w->Document().Answers()->SetText(0, 0, 0, QStringLiteral("Acme"));
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto *name = Control<QLineEdit>(*w, "edtName");
    QCOMPARE(QApplication::focusWidget(), name);
    QVERIFY(!w->Document().IsModified());

    if (action == "display") {
        w->Navigation().DisplayAPage(w->Invisible(700));
        w->Navigation().DisplayAPage(w->Invisible(0));
    } else if (action == "type") {
        QTest::keyClicks(name, QStringLiteral(" Inc"));
    } else if (action == "tab") {
        w->Navigation().DisplayAPage(w->Invisible(700));
        auto *entity = Control(*w, "edtEntity");
        Enter(entity);
        QTest::keyClick(entity, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Control(*w, "edtPlace"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), entity);
    } else if (action == "tab money") {
        auto *shares = Control<QLineEdit>(*w, "edtShares");
        shares->setText(QStringLiteral("1500.4")); // as a file would leave it
        w->Document().SetModified(false);
        Enter(shares);
        QTest::keyClick(shares, Qt::Key_Tab);
        QCOMPARE(shares->text(), QStringLiteral("1,500"));
    } else if (action == "home") {
        QTest::keyClick(name, Qt::Key_Home);
    } else if (action == "ctrl home") {
        QTest::keyClick(name, Qt::Key_Home, Qt::ControlModifier);
    } else if (action == "page down") {
        QTest::keyClick(name, Qt::Key_PageDown);
    } else if (action == "today") {
        Enter(Control(*w, "edtDate"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(Control<QLineEdit>(*w, "edtDate")->text(), RegionalDateText(QDate::currentDate()));
    } else if (action == "today check") {
        auto *check = Control<QCheckBox>(*w, "cbxAm");
        Enter(check);
        QTest::keyClick(check, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!check->isChecked());
    } else if (action == "click check") {
        QTest::mouseClick(Control(*w, "cbxAm"), Qt::LeftButton, {}, QPoint(8, 10));
        QVERIFY(Control<QCheckBox>(*w, "cbxAm")->isChecked());
    } else if (action == "override") {
        w->Navigation().DisplayAPage(w->Invisible(700));
        QTest::mouseDClick(Control(*w, "edtPlace"), Qt::LeftButton);
    } else if (action == "refresh") {
        w->Calc().RefreshClick();
    }
    QCOMPARE(w->Document().IsModified(), modified);
}

void tst_transfers::fillingKeepsModifiedFlagSet()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    auto w = fx.Start();
    w->Document().SetModified(true);
    w->Navigation().DisplayAPage(w->Invisible(0));
    QVERIFY(w->Calc().RecalculateWithCursor(true));
    QVERIFY(w->Document().IsModified());
}

// Page 0's own screen (its root names page 0) with a field bound beyond the
// page's answers: a fault of that one field, reported as the calculation's
// 18047 while the rest of the page works. A screen naming another page is
// not page 0's file at all (11150, tst_pagebuilder).
void tst_transfers::answerBeyondThePageStopsWith18047()
{
    GuiFixture fx;
    ComponentRecord page = Page({Edit("edtName", 1000, 10), Edit("edtBeyond", 1500, 40)});
    page.name = QStringLiteral("Page0");
    QString error;
    QVERIFY2(SaveComponentStream(fx.PagePath(0), {page}, &error), qPrintable(error));
    MessageRecorder messages;
    auto w = fx.Start();
    QVERIFY(messages.numbers().contains(18047));
    QVERIFY(!messages.numbers().contains(11150));
    // The controls before the faulty one were still filled and written.
    messages.clear();
    Control<QLineEdit>(*w, "edtName")->setText(QStringLiteral("Acme"));
    w->Transfer().ControlsToAnswers();
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Acme"));
    QCOMPARE(messages.numbers(), QList<int>{18047});
}

QTEST_MAIN(tst_transfers)
#include "tst_transfers.moc"
