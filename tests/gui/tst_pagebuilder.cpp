// The page builder: controls built from page screen files and bound by
// class, Tag, name and style; several images on one panel; help callouts;
// the focus Tag; font shrinking; the fade-in switch; missing and damaged
// files (11150, the window goes on working).
#include "DocumentFill.h"
#include "GuiFixture.h"
#include "core/store/Answers.h"
#include "gui/app/MainMenus.h"
#include "gui/app/Navigation.h"
#include "gui/common/StyleBook.h"
#include "gui/screens/PageBuilder.h"

#include <QFile>
#include <QLabel>
#include <QTreeWidget>

using namespace brevane;
using namespace brevane::test;

class tst_pagebuilder : public QObject
{
    Q_OBJECT
private slots:
    void bindsControlsByClassAndTag();
    void continuationTagReadsThePagesOneFile();
    void severalImagesShareOnePanel();
    void focusGoesToTheTaggedControl();
    void helpButtonsToggleTheirCallouts_data();
    void helpButtonsToggleTheirCallouts();
    void balloonCloses_data();
    void balloonCloses();
    void labelsShrinkByTheFontShrinkAmount();
    void runningTextClosesUpItsLine();
    void styleBookLooks_data();
    void styleBookLooks();
    void overrideableEditsStartReadOnly();
    void fadeInFollowsGraphicsAdapterAdjust();
    void badPageScreenFile_data();
    void badPageScreenFile();
};

void tst_pagebuilder::bindsControlsByClassAndTag()
{
    GuiFixture fx;
    fx.WritePage(0, {Label("lblStatic", 0, 10, QStringLiteral("Name of the entity")),
                     Label("lblAnswer", 12, 40, QStringLiteral("stored text")), Edit("edtName", 1000, 10),
                     Edit("edtUnbound", 7, 70), Memo("memPurpose", 3, 100), CheckBox("cbxBox", 4, 200),
                     CheckBox("cbxEstimate", 1005, 230)});
    MessageRecorder messages;
    auto w = fx.Start(false);
    const TAnswer *store = w->Document().Answers();
    FillAnswer(w->Document(), 0, 0, 0, QStringLiteral("Acme Tools"));
    FillAnswer(w->Document(), 0, 0, 12, QStringLiteral("first | second"));
    FillAnswer(w->Document(), 0, 0, 3, QStringLiteral("line one | line two"));
    FillAnswer(w->Document(), 0, 0, 4, QStringLiteral("X"));
    FillAnswer(w->Document(), 0, 0, 5, QStringLiteral("X"));
    FillAnswer(w->Document(), 0, 0, 7, QStringLiteral("never shown"));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));

    QCOMPARE(w->CurrentPage, 0);
    QCOMPARE(Control<QLabel>(*w, "lblStatic")->text(), QStringLiteral("Name of the entity"));
    QCOMPARE(Control<QLabel>(*w, "lblAnswer")->text(), QStringLiteral("first | second"));
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Acme Tools"));
    QCOMPARE(Control<QPlainTextEdit>(*w, "memPurpose")->toPlainText(), QStringLiteral("line one\nline two"));
    QVERIFY(Control<QCheckBox>(*w, "cbxBox")->isChecked());
    QCOMPARE(Control<QCheckBox>(*w, "cbxEstimate")->text(), QStringLiteral("EST"));

    // An unbound edit neither shows nor writes an answer.
    auto *unbound = Control<QLineEdit>(*w, "edtUnbound");
    QCOMPARE(unbound->text(), QString());
    unbound->setText(QStringLiteral("typed"));
    w->Transfer().ControlsToAnswers();
    QCOMPARE(store->Text(0, 0, 7), QStringLiteral("never shown"));
    QCOMPARE(store->Text(0, 0, 3), QStringLiteral("line one | line two"));
    QVERIFY(messages.numbers().isEmpty());
}

void tst_pagebuilder::continuationTagReadsThePagesOneFile()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    fx.WritePage(23, {Edit("edtDate", 1040, 10)});
    auto w = fx.Start();
    FillDocument(w->Document(), [&](TAnswer &answers, DirectoryTable &) { answers.PgCt[23] = 18; });
    FillAnswer(w->Document(), 23, 17, 40, QStringLiteral("meeting of the 17th copy"));
    w->Navigation().DisplayAPage(w->Invisible(2317));
    QCOMPARE(w->CurrentPage, 23);
    QCOMPARE(w->CurrentContinuation, 17);
    QCOMPARE(Control<QLineEdit>(*w, "edtDate")->text(), QStringLiteral("meeting of the 17th copy"));
}

void tst_pagebuilder::severalImagesShareOnePanel()
{
    GuiFixture fx;
    QString error;
    QVERIFY(SaveComponentStream(
        fx.PagePath(0), {Page({Edit("edtFirst", 1000, 10)}, 700, 900), Page({Edit("edtSecond", 1001, 60)}, 820, 1300)},
        &error));
    auto w = fx.Start();
    QVERIFY(Control(*w, "edtFirst"));
    QVERIFY(Control(*w, "edtSecond"));
    QCOMPARE(w->pnlMainForm->size(), QSize(820, 1300));
}

void tst_pagebuilder::focusGoesToTheTaggedControl()
{
    GuiFixture fx;
    ComponentRecord group = PageControl("TGroupBox", "grpInner", 0, 10, 300, 400, 200);
    group.children = {Edit("edtInside", 1000, 30)};
    fx.WritePage(0, {Edit("edtOther", 1001, 10), group, Edit("edtDirect", 1000, 600)});
    ComponentRecord onlyInside = PageControl("TPanel", "pnlInner", 0, 10, 300, 400, 200);
    onlyInside.children = {Edit("edtInsideA", 1000, 30), Edit("edtInsideB", 1000, 60)};
    fx.WritePage(18, {onlyInside});
    auto w = fx.Start();
    // A matching control placed directly on the panel wins.
    QCOMPARE(QApplication::focusWidget(), Control(*w, "edtDirect"));
    // Inside one container the first match ends its walk.
    w->Navigation().DisplayAPage(w->Invisible(1800));
    QCOMPARE(QApplication::focusWidget(), Control(*w, "edtInsideA"));
}

void tst_pagebuilder::helpButtonsToggleTheirCallouts_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<bool>("toggles");
    QTest::newRow("upper case") << "btnHELPName" << true;
    QTest::newRow("mixed case") << "btnHelpName" << true;
    QTest::newRow("lower case") << "btnhelpname" << true;
    QTest::newRow("no help in the name") << "btnName" << false;
}

void tst_pagebuilder::helpButtonsToggleTheirCallouts()
{
    QFETCH(QString, buttonName);
    QFETCH(bool, toggles);
    GuiFixture fx;
    ComponentRecord callout = PageControl("TCalloutPanel", "calName", 0, 0, 30, 250, 120);
    callout.Set(QStringLiteral("Visible"), StreamValue::Boolean(false));
    callout.children = {Label("lblCallout", 0, 10, QStringLiteral("Type the name as it appears on the charter."))};
    ComponentRecord button = PageControl("TButton", buttonName, 0, 420, 10, 24, 24);
    button.children = {callout};
    fx.WritePage(0, {Edit("edtName", 1000, 10), button});
    auto w = fx.Start();
    auto *b = Control<QPushButton>(*w, buttonName);
    auto *panel = Control(*w, "calName");
    QVERIFY(b && panel);
    QVERIFY(!panel->isVisible());
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(panel->isVisible(), toggles);
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(!panel->isVisible());
}

void tst_pagebuilder::balloonCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape") << "escape" << true;
    QTest::newRow("click on another field") << "click elsewhere" << true;
    QTest::newRow("a field under it gets the focus") << "focus under" << true;
    QTest::newRow("another balloon opens") << "other balloon" << true;
    QTest::newRow("a click on the balloon itself") << "click balloon" << false;
    QTest::newRow("a field beside it gets the focus") << "focus beside" << false;
}

// A help balloon goes when the user is done with it, and never two at once.
void tst_pagebuilder::balloonCloses()
{
    QFETCH(QString, how);
    QFETCH(bool, closes);
    GuiFixture fx;
    const auto helpButton = [](const char *button, const char *balloonName, double y) {
        ComponentRecord balloon = PageControl("TCalloutPanel", balloonName, 0, -250, 30, 250, 90);
        balloon.Set(QStringLiteral("Visible"), StreamValue::Boolean(false));
        balloon.children = {Label(QString::fromLatin1(balloonName) + "Text", 0, 10, QStringLiteral("What to type."))};
        ComponentRecord help = PageControl("TButton", button, 0, 420, y, 24, 24);
        help.children = {balloon};
        return help;
    };
    // edtUnder lies under the first balloon (x 170..420, y 40..130);
    // edtBeside is far from it.
    fx.WritePage(0, {Edit("edtName", 1000, 10), helpButton("btnHELP1", "calFirst", 10),
                     PageControl("TEdit", "edtUnder", 1001, 200, 80, 200, 24),
                     PageControl("TEdit", "edtBeside", 1002, 200, 400, 200, 24),
                     helpButton("btnHELP2", "calSecond", 300)});
    auto w = fx.Start();
    auto *first = Control<QPushButton>(*w, "btnHELP1");
    QWidget *balloon = Control(*w, "calFirst");
    QVERIFY(first && balloon);
    QTest::mouseClick(first, Qt::LeftButton);
    QVERIFY(balloon->isVisible());
    QVERIFY(w->Pages().BalloonOpen());

    if (how == QLatin1String("escape")) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else if (how == QLatin1String("click elsewhere")) {
        QTest::mouseClick(Control(*w, "edtBeside"), Qt::LeftButton);
    } else if (how == QLatin1String("focus under")) {
        Enter(Control(*w, "edtUnder"));
    } else if (how == QLatin1String("other balloon")) {
        QTest::mouseClick(Control(*w, "btnHELP2"), Qt::LeftButton);
        QVERIFY(Control(*w, "calSecond")->isVisible());
    } else if (how == QLatin1String("click balloon")) {
        QTest::mouseClick(Control(*w, "calFirstText"), Qt::LeftButton);
    } else if (how == QLatin1String("focus beside")) {
        Enter(Control(*w, "edtBeside"));
    }
    QCOMPARE(balloon->isVisible(), !closes);
    QCOMPARE(w->Pages().BalloonOpen(), how == QLatin1String("other balloon") || !closes);
}

void tst_pagebuilder::labelsShrinkByTheFontShrinkAmount()
{
    GuiFixture fx;
    ComponentRecord label = Label("lblBig", 0, 10, QStringLiteral("Heading"));
    label.Set(QStringLiteral("TextSettings.Font.Size"), StreamValue::Number(16));
    fx.WritePage(0, {label, Edit("edtName", 1000, 40)});
    auto w = fx.Start();
    const double full = Control(*w, "lblBig")->font().pointSizeF();
    w->settings.fontShrink = 1.5;
    w->Navigation().DisplayAPage(w->Invisible(0));
    QCOMPARE(Control(*w, "lblBig")->font().pointSizeF(), full - 1.5 * 0.75);
}

// Running text fits its words and values after every fill, and the rest
// of a line, a help button's balloon with it, moves left by the room they
// gave up; a value of a line with a tab stop, and the next line, stay.
void tst_pagebuilder::runningTextClosesUpItsLine()
{
    GuiFixture fx;
    const auto running = [](ComponentRecord r) {
        r.Set(QStringLiteral("AutoSize"), StreamValue::Boolean(true));
        return r;
    };
    ComponentRecord balloon = PageControl("TCalloutPanel", "clpHelp1", 0, -200, 22, 250, 80);
    balloon.Set(QStringLiteral("Visible"), StreamValue::Boolean(false));
    ComponentRecord help = PageControl("TButton", "btnHELP1x", 0, 532, 12, 20, 20);
    help.children = {balloon};
    fx.WritePage(0, {running(WithText(PageControl("TLabel", "lblOf", 0, 10, 10, 150), "Text", QStringLiteral("of"))),
                     running(PageControl("TLabel", "lblValue", 12, 164, 10, 300)),
                     WithText(PageControl("TLabel", "lblWere", 0, 468, 10, 60), "Text", QStringLiteral("were")), help,
                     WithText(PageControl("TLabel", "lblNextLine", 0, 468, 40, 60), "Text", QStringLiteral("filed")),
                     PageControl("TLabel", "lblTabbed", 13, 34, 70, 300),
                     WithText(PageControl("TLabel", "lblAtTab", 0, 338, 70, 60), "Text", QStringLiteral("date")),
                     Edit("edtName", 1000, 100)});
    auto w = fx.Start();
    QWidget *of = Control(*w, "lblOf");
    auto *shown = Control<QLabel>(*w, "lblValue");
    QWidget *were = Control(*w, "lblWere");
    QWidget *button = Control(*w, "btnHELP1x");
    QWidget *callout = Control(*w, "clpHelp1");
    QVERIFY(of && shown && were && button && callout);
    const int calloutToButton = callout->x() - button->x();
    const auto fill = [&](const QString &text) {
        FillAnswer(w->Document(), 0, 0, 12, text);
        FillAnswer(w->Document(), 0, 0, 13, text);
        w->Transfer().AnswersToControls();
    };

    fill(QStringLiteral("Acme Widgets, Inc."));
    QCOMPARE(of->width(), of->fontMetrics().horizontalAdvance(QStringLiteral("of")) + 2);
    QCOMPARE(shown->x(), of->x() + of->width() + 4);
    QCOMPARE(shown->width(), shown->fontMetrics().horizontalAdvance(shown->text()) + 2);
    QCOMPARE(were->x(), shown->x() + shown->width() + 4);
    QCOMPARE(button->x(), were->x() + 64);
    QCOMPARE(callout->x() - button->x(), calloutToButton);
    QCOMPARE(Control(*w, "lblNextLine")->x(), 468);
    QCOMPARE(Control(*w, "lblTabbed")->width(), 300);
    QCOMPARE(Control(*w, "lblAtTab")->x(), 338);

    // A longer value takes more of the room again; one longer than the room
    // keeps the room.
    fill(QStringLiteral("Acme Widgets and Precision Tools, Inc."));
    QCOMPARE(were->x(), shown->x() + shown->width() + 4);
    fill(QString(40, QLatin1Char('W')));
    QCOMPARE(shown->width(), 300);
    QCOMPARE(were->x(), shown->x() + 304);
    QCOMPARE(callout->x() - button->x(), calloutToButton);

    // An empty value keeps a few blanks' room.
    fill(QString());
    QCOMPARE(shown->width(), shown->fontMetrics().horizontalAdvance(QStringLiteral("    ")));
    QCOMPARE(were->x(), shown->x() + shown->width() + 4);
}

void tst_pagebuilder::styleBookLooks_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("text");
    QTest::newRow("EditOverrideable") << "EditOverrideable"
                                      << "azure"
                                      << "black";
    QTest::newRow("EditOverridden") << "EditOverridden"
                                    << "azure"
                                    << "red";
    QTest::newRow("EditReadOnly") << "EditReadOnly"
                                  << "cornsilk"
                                  << "black";
    QTest::newRow("EditGlobal") << "EditGlobal"
                                << "mistyrose"
                                << "black";
    QTest::newRow("NonEssentialEditStyle") << "NonEssentialEditStyle"
                                           << "#fcfcfc"
                                           << "blue";
    QTest::newRow("NonEssentialLabelStyle") << "NonEssentialLabelStyle"
                                            << ""
                                            << "blue";
    QTest::newRow("MemoOverrideable") << "MemoOverrideable"
                                      << "azure"
                                      << "black";
    QTest::newRow("MemoOverridden") << "MemoOverridden"
                                    << "azure"
                                    << "crimson";
    QTest::newRow("MemoReadOnly") << "MemoReadOnly"
                                  << "cornsilk"
                                  << "black";
    QTest::newRow("CheckBoxOverrideable") << "CheckBoxOverrideable"
                                          << ""
                                          << "black";
    QTest::newRow("CheckBoxOverridden") << "CheckBoxOverridden"
                                        << ""
                                        << "red";
    QTest::newRow("calloutpanelstyle") << "calloutpanelstyle"
                                       << "#fff8e1"
                                       << "#1a1a1a";
    QTest::newRow("WhiteText") << "WhiteText"
                               << ""
                               << "white";
    QTest::newRow("PinkPanel") << "PinkPanel"
                               << "pink"
                               << "";
    for (const char *name : {"MemoOverrideableX", "LabelStyle1", "Edit1LabelStyle1", "GroupBox1Style1",
                             "LightPurpleRectangle", "LightGreyRectangle", "LightSeaGreenRectangle", "midgrayrect"})
        QTest::newRow(name) << name << "*"
                            << "*";
}

void tst_pagebuilder::styleBookLooks()
{
    QFETCH(QString, style);
    QFETCH(QString, background);
    QFETCH(QString, text);
    const StyleLook *look = LookOf(style);
    QVERIFY(look);
    if (background != "*")
        QCOMPARE(look->background, background.isEmpty() ? QColor() : QColor::fromString(background));
    if (text != "*")
        QCOMPARE(look->text, text.isEmpty() ? QColor() : QColor::fromString(text));
    if (style.startsWith(QLatin1String("CheckBox"))) {
        QCOMPARE(look->checkMark, QColor(QStringLiteral("aqua")));
        QCOMPARE(look->fontPixelSize, 16);
    }
    if (style == "calloutpanelstyle")
        QCOMPARE(look->border, QColor::fromString("#8a6d3b"));
}

void tst_pagebuilder::overrideableEditsStartReadOnly()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    fx.WritePage(7, {Edit("edtComputed", 1001, 10, QStringLiteral("EditOverrideable")),
                     Edit("edtGlobal", 1002, 40, QStringLiteral("EditGlobal")),
                     Edit("edtNoFocus", 1003, 70, QStringLiteral("editreadonly"))});
    auto w = fx.Start();
    w->Navigation().DisplayAPage(w->Invisible(700));
    auto *computed = Control<QLineEdit>(*w, "edtComputed");
    QVERIFY(computed->isReadOnly());
    QCOMPARE(StyleLookupOf(computed), QStringLiteral("EDITOVERRIDEABLE"));
    QVERIFY(!Control<QLineEdit>(*w, "edtGlobal")->isReadOnly());
    QCOMPARE(Control(*w, "edtNoFocus")->focusPolicy(), Qt::NoFocus);
    // The style book gives the computed field its azure ground.
    QCOMPARE(computed->palette().color(QPalette::Base), QColor(QStringLiteral("azure")));
}

void tst_pagebuilder::fadeInFollowsGraphicsAdapterAdjust()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtCity", 1003, 40)});
    auto w = fx.Start();
    w->GraphicsAdapterAdjust = false;
    w->Navigation().DisplayAPage(w->Invisible(0));
    QVERIFY(w->Pages().FadeRunning());
    QCOMPARE(w->Pages().PageOpacity(), 0.0);
    // The page takes clicks while it fades in.
    auto *city = Control(*w, "edtCity");
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, city->mapTo(w.get(), QPoint(5, 5)));
    QVERIFY(city->hasFocus());
    QTRY_VERIFY_WITH_TIMEOUT(w->Pages().PageOpacity() > 0.0 && w->Pages().PageOpacity() < 1.0, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!w->Pages().FadeRunning(), 5000);
    QCOMPARE(w->Pages().PageOpacity(), 1.0);

    w->GraphicsAdapterAdjust = true;
    w->Navigation().DisplayAPage(w->Invisible(0));
    QVERIFY(!w->Pages().FadeRunning());
    QCOMPARE(w->Pages().PageOpacity(), 1.0);
}

void tst_pagebuilder::badPageScreenFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("bad signature") << QByteArray("XPF0\x07TLayout\x04Page\0\0", 20) << true;
    QByteArray good = WriteComponentStream(Page({Edit("edtName", 1000, 10), Edit("edtCity", 1001, 40)}));
    QTest::newRow("truncated") << good.left(good.size() - 8) << true;
    QTest::newRow("unknown value type") << good.replace("\x03Tag\x03", "\x03Tag\x63") << true;
    // Page 7's screen copied over page 0's: its fields name answers page 0
    // does not have. The generated screens name their page in their root.
    ComponentRecord other = Page({Edit("edtName", 1000, 10), Edit("edtShares", 1500, 40)});
    other.name = QStringLiteral("Page7");
    QTest::newRow("another page's screen") << WriteComponentStream(other) << true;
}

void tst_pagebuilder::badPageScreenFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    GuiFixture fx;
    fx.WritePage(1, {Edit("edtDate", 1000, 10)});
    if (exists) {
        QFile file(fx.PagePath(0));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    MessageRecorder messages;
    auto w = fx.Start(false);
    FillAnswer(w->Document(), 0, 0, 0, QStringLiteral("Acme"));
    w->Document().SetModified(true);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(messages.numbers(), QList<int>{11150});
    QVERIFY2(messages.messages().first().detail.startsWith(fx.PagePath(0)),
             qPrintable(messages.messages().first().detail));
    QCOMPARE(w->CurrentPage, 0);
    // The unsaved change is kept, and the caption marks it.
    QCOMPARE(w->windowTitle(), QStringLiteral("*Untitled.cl1"));
    QVERIFY(w->Document().IsModified());
    // Controls read before the damage stay unfilled.
    for (QLineEdit *edit : w->pnlMainForm->findChildren<QLineEdit *>())
        QCOMPARE(edit->text(), QString());
    // The window goes on working, and leaving the page blanks none of its answers.
    w->Navigation().DisplayAPage(w->Invisible(100));
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Acme"));
    QCOMPARE(w->CurrentPage, 1);
    QVERIFY(Control(*w, "edtDate"));
    QCOMPARE(messages.numbers(), QList<int>{11150});
}

QTEST_MAIN(tst_pagebuilder)
#include "tst_pagebuilder.moc"
