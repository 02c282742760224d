// The override mechanism: a guarded computed answer keeps the user's value
// through later runs until the override is cancelled; an answer written on
// every run does not; every route runs the same toggle; the buttons follow
// the focused control; overrides survive saving and opening again.
#include "DocumentFill.h"
#include "GuiFixture.h"
#include "core/store/Answers.h"
#include "gui/app/MainMenus.h"
#include "gui/app/Navigation.h"
#include "gui/app/ToolbarPanel.h"
#include "gui/common/StyleBook.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/files/FileCommands.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/OverrideCommands.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>

using namespace brevane;
using namespace brevane::test;

namespace {

// Order and waiver (page 7): answer 0 is the entity's name, written on every
// run; answer 1 the meeting's city, kept while overridden.
void writePages(GuiFixture &fx)
{
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtCity", 1020, 40)});
    fx.WritePage(7, {Edit("edtEntity", 1000, 10, QStringLiteral("EditOverrideable")),
                     Edit("edtCity", 1001, 40, QStringLiteral("EditOverrideable")), Edit("edtPlain", 1030, 70),
                     Memo("memNote", 40, 100, QStringLiteral("MemoOverrideable")),
                     CheckBox("cbxFlag", 41, 200, QStringLiteral("CheckBoxOverrideable"))});
}

std::unique_ptr<TfrmMain> startOnPage7(GuiFixture &fx)
{
    writePages(fx);
    auto w = fx.Start(false);
    FillAnswer(w->Document(), 0, 0, 0, QStringLiteral("Acme Tools"));
    FillAnswer(w->Document(), 0, 0, 20, QStringLiteral("Columbus"));
    w->show();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("window not active");
    w->Navigation().DisplayAPage(w->Invisible(700));
    return w;
}

bool iconVisible(TfrmMain &w, const char *name)
{
    return w.Menus().IconBar->IsButtonVisible(w.Menus().Button(name));
}

bool labelVisible(TfrmMain &w, const char *name)
{
    return w.Menus().LabelBar->IsButtonVisible(w.Menus().Button(name));
}

} // namespace

class tst_override : public QObject
{
    Q_OBJECT
private slots:
    void guardedAnswerKeepsTheUsersValue();
    void answerWrittenOnEveryRunIsReplaced();
    void everyRouteToggles_data();
    void everyRouteToggles();
    void buttonsFollowTheFocusedControl();
    void plainFieldsAreNotOverridden();
    void memoAndCheckBoxToggleTheirStyles();
    void overrideSurvivesSaveAndOpen();
    void oneShortcutEverywhere();
    void calculatedFieldsExplainThemselves_data();
    void calculatedFieldsExplainThemselves();
};

void tst_override::guardedAnswerKeepsTheUsersValue()
{
    GuiFixture fx;
    auto w = startOnPage7(fx);
    auto *city = Control<QLineEdit>(*w, "edtCity");
    QCOMPARE(city->text(), QStringLiteral("Columbus"));
    QVERIFY(city->isReadOnly());

    QTest::mouseDClick(city, Qt::LeftButton);
    QVERIFY(!city->isReadOnly());
    QCOMPARE(StyleLookupOf(city), QStringLiteral("EDITOVERRIDDEN"));
    QVERIFY(w->Document().Answers()->OvRide(7, 0, 1));
    QCOMPARE(city->palette().color(QPalette::Text), QColor(Qt::red));

    TypeOver(city, QStringLiteral("Dayton"));
    QCOMPARE(w->Document().Answers()->Text(7, 0, 1), QStringLiteral("Dayton"));

    // Later runs, whatever their cause, keep the user's value.
    FillAnswer(w->Document(), 0, 0, 20, QStringLiteral("Toledo"));
    w->Calc().RefreshClick();
    QVERIFY(w->Calc().RecalculateWithCursor(true));
    city = Control<QLineEdit>(*w, "edtCity");
    QCOMPARE(city->text(), QStringLiteral("Dayton"));

    // Cancel Override brings the computed value back, read-only and black.
    Enter(city);
    Item(*w, "mnuCancelOverride")->trigger();
    QVERIFY(!w->Document().Answers()->OvRide(7, 0, 1));
    QCOMPARE(city->text(), QStringLiteral("Toledo"));
    QVERIFY(city->isReadOnly());
    QCOMPARE(StyleLookupOf(city), QStringLiteral("EDITOVERRIDEABLE"));
    QCOMPARE(city->palette().color(QPalette::Text), QColor(Qt::black));
}

void tst_override::answerWrittenOnEveryRunIsReplaced()
{
    GuiFixture fx;
    auto w = startOnPage7(fx);
    auto *entity = Control<QLineEdit>(*w, "edtEntity");
    QTest::mouseDClick(entity, Qt::LeftButton);
    TypeOver(entity, QStringLiteral("Other Name"));
    QVERIFY(w->Document().Answers()->OvRide(7, 0, 0));
    QCOMPARE(entity->text(), QStringLiteral("Acme Tools"));
}

void tst_override::everyRouteToggles_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("icon toolbar") << "icon";
    QTest::newRow("label toolbar") << "label";
    QTest::newRow("Options menu, both items") << "menu";
    QTest::newRow("Options menu shortcuts") << "menu keys";
    QTest::newRow("pop-up menu items") << "popup";
    QTest::newRow("Override and Cancel Override keys") << "both keys";
    QTest::newRow("double click") << "double click";
}

void tst_override::everyRouteToggles()
{
    QFETCH(QString, route);
    GuiFixture fx;
    auto w = startOnPage7(fx);
    auto *city = Control<QLineEdit>(*w, "edtCity");
    Enter(city);
    auto toggle = [&](bool on) {
        if (route == "icon")
            QTest::mouseClick(w->Menus().Button(on ? "cbtnOverride" : "cbtnCancelOverride"), Qt::LeftButton);
        else if (route == "label")
            QTest::mouseClick(w->Menus().Button(on ? "btnOverride" : "btnCancelOverride"), Qt::LeftButton);
        else if (route == "menu")
            Item(*w, on ? "mnuCancelOverride" : "mnuOverride")->trigger(); // either item toggles
        else if (route == "menu keys")
            QTest::keyClick(city, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
        else if (route == "popup")
            Item(*w, on ? "popOverride" : "popCancelOverride")->trigger();
        else if (route == "both keys")
            QTest::keyClick(city, on ? Qt::Key_V : Qt::Key_U, Qt::ControlModifier | Qt::AltModifier);
        else
            QTest::mouseDClick(city, Qt::LeftButton);
    };
    toggle(true);
    QVERIFY(w->Document().Answers()->OvRide(7, 0, 1));
    QVERIFY(!city->isReadOnly());
    QVERIFY(w->Document().IsModified());
    toggle(false);
    QVERIFY(!w->Document().Answers()->OvRide(7, 0, 1));
    QVERIFY(city->isReadOnly());
}

void tst_override::buttonsFollowTheFocusedControl()
{
    GuiFixture fx;
    auto w = startOnPage7(fx);
    auto *city = Control<QLineEdit>(*w, "edtCity");
    Enter(city);
    QVERIFY(iconVisible(*w, "cbtnOverride") && labelVisible(*w, "btnOverride"));
    QVERIFY(!iconVisible(*w, "cbtnCancelOverride") && !labelVisible(*w, "btnCancelOverride"));
    QVERIFY(Item(*w, "popOverride")->isVisible());
    QVERIFY(!Item(*w, "popCancelOverride")->isVisible());

    QTest::mouseDClick(city, Qt::LeftButton);
    QVERIFY(!iconVisible(*w, "cbtnOverride") && !labelVisible(*w, "btnOverride"));
    QVERIFY(iconVisible(*w, "cbtnCancelOverride") && labelVisible(*w, "btnCancelOverride"));
    QVERIFY(Item(*w, "popCancelOverride")->isVisible());

    // A plain input hides both.
    Enter(Control(*w, "edtPlain"));
    QVERIFY(!iconVisible(*w, "cbtnOverride") && !iconVisible(*w, "cbtnCancelOverride"));
    QVERIFY(!labelVisible(*w, "btnOverride") && !labelVisible(*w, "btnCancelOverride"));
}

void tst_override::plainFieldsAreNotOverridden()
{
    GuiFixture fx;
    auto w = startOnPage7(fx);
    Enter(Control(*w, "edtPlain"));
    Item(*w, "mnuOverride")->trigger();
    QVERIFY(!w->Document().Answers()->OvRide(7, 0, 30));
    QCOMPARE(StyleLookupOf(Control(*w, "edtPlain")), QString());
    QVERIFY(!w->Document().IsModified());
}

void tst_override::memoAndCheckBoxToggleTheirStyles()
{
    GuiFixture fx;
    auto w = startOnPage7(fx);
    auto *memo = Control<QPlainTextEdit>(*w, "memNote");
    QVERIFY(memo->isReadOnly());
    Enter(memo);
    Item(*w, "mnuOverride")->trigger();
    QVERIFY(w->Document().Answers()->OvRide(7, 0, 40));
    QCOMPARE(StyleLookupOf(memo), QStringLiteral("MEMOOVERRIDDEN"));
    QVERIFY(!memo->isReadOnly());

    auto *check = Control(*w, "cbxFlag");
    Enter(check);
    Item(*w, "mnuOverride")->trigger();
    QVERIFY(w->Document().Answers()->OvRide(7, 0, 41));
    QCOMPARE(StyleLookupOf(check), QStringLiteral("CHECKBOXOVERRIDDEN"));
    QVERIFY(iconVisible(*w, "cbtnCancelOverride"));
}

void tst_override::overrideSurvivesSaveAndOpen()
{
    GuiFixture fx;
    TestDialogs dialogs;
    auto w = startOnPage7(fx);
    auto *city = Control<QLineEdit>(*w, "edtCity");
    QTest::mouseDClick(city, Qt::LeftButton);
    TypeOver(city, QStringLiteral("Dayton"));
    const QString path = fx.Path(QStringLiteral("acme.cl1"));
    dialogs.fileAnswers << path;
    QVERIFY(w->Files().SaveAsClick());

    w->Files().NewClick(TSender::Menu(0));
    QVERIFY(!w->Document().Answers()->OvRide(7, 0, 1));
    w->Files().ReOpenClick(0);
    QCOMPARE(w->Document().FileName(), path);
    w->Navigation().DisplayAPage(w->Invisible(700));
    city = Control<QLineEdit>(*w, "edtCity");
    QVERIFY(w->Document().Answers()->OvRide(7, 0, 1));
    QCOMPARE(city->text(), QStringLiteral("Dayton"));
    QVERIFY(!city->isReadOnly());
    QCOMPARE(StyleLookupOf(city), QStringLiteral("EDITOVERRIDDEN"));
}

QTEST_MAIN(tst_override)
#include "tst_override.moc"

// The pop-up offers Override with the Options menu's keys, and no others.
void tst_override::oneShortcutEverywhere()
{
    GuiFixture fx;
    auto w = startOnPage7(fx);
    for (const auto &[popup, menu] :
         {std::pair{"popOverride", "mnuOverride"}, {"popCancelOverride", "mnuCancelOverride"}})
        QCOMPARE(Item(*w, popup)->text().section(QLatin1Char('\t'), 1),
                 Item(*w, menu)->shortcut().toString(QKeySequence::NativeText));
    // Ctrl+E is the field's own key again, not a second Override.
    auto *city = Control<QLineEdit>(*w, "edtCity");
    Enter(city);
    QTest::keyClick(city, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!w->Document().Answers()->OvRide(7, 0, 1));
}

void tst_override::calculatedFieldsExplainThemselves_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("calculated edit") << "edtCity";
    QTest::newRow("calculated memo") << "memNote";
}

// A calculated field says what it is when entered; typing into it is
// refused with a word in the status bar, never a dialog; an input field
// says nothing; a legend names the colours.
void tst_override::calculatedFieldsExplainThemselves()
{
    QFETCH(QString, field);
    GuiFixture fx;
    MessageRecorder messages;
    auto w = startOnPage7(fx);
    QWidget *control = Control(*w, field);
    Enter(control);
    QCOMPARE(w->StatusText(),
             QStringLiteral("Calculated from the worksheet \u2014 double-click or Ctrl+Alt+V to override"));
    const auto shown = [control] {
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            return edit->text();
        return qobject_cast<QPlainTextEdit *>(control)->toPlainText();
    };
    const QString before = shown();
    QTest::keyClicks(control, QStringLiteral("xy"));
    QTest::keyClick(control, Qt::Key_Backspace);
    QCOMPARE(w->StatusText(), TOverrideCommands::RefusedTypingHint(control));
    QVERIFY(w->StatusText().startsWith(QStringLiteral("This field takes no typing.")));
    QCOMPARE(shown(), before);
    QVERIFY(messages.numbers().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!w->Document().IsModified());

    // Overridden, it takes typing and says how to give it back.
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(w->StatusText().startsWith(QStringLiteral("Overridden")));
    QTest::keyClicks(control, QStringLiteral("z"));
    QVERIFY(w->StatusText().startsWith(QStringLiteral("Overridden")));

    Enter(Control(*w, "edtPlain"));
    QCOMPARE(w->StatusText(), QString());
    auto *legend = w->findChild<QWidget *>(QStringLiteral("FieldLegend"));
    QVERIFY(legend && legend->isVisible());
    QStringList kinds;
    for (QLabel *swatch : legend->findChildren<QLabel *>())
        kinds << swatch->text();
    QCOMPARE(kinds, (QStringList{"Your entry", "Calculated", "Overridden", "Fixed"}));
}
