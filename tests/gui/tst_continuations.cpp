// The repeatable pages: New, View and Delete with the continuation picker,
// the limit of 100 copies, the Delete question, the copies moving down, and
// the View and Delete items following the count.
#include "DocumentFill.h"
#include "GuiFixture.h"
#include "core/store/Answers.h"
#include "gui/app/MainMenus.h"
#include "gui/app/Navigation.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/screens/ContinuationCommands.h"
#include "gui/screens/TfrmMultiple.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

using namespace brevane;
using namespace brevane::test;

namespace {

// Answers the continuation picker when it shows: the list position to pick,
// or -1 for Cancel.
struct PickerScript
{
    int pick = -1;
    bool shown = false;
    QStringList items;
    QString text;
    QString range;
    QString caption;

    void arm()
    {
        QTimer::singleShot(0, [this] {
            auto *picker = dynamic_cast<TfrmMultiple *>(QApplication::activeModalWidget());
            if (!picker)
                return;
            shown = true;
            caption = picker->windowTitle();
            text = picker->lblText->text();
            range = picker->lblRange->text();
            for (int i = 0; i < picker->ComboBox1->count(); ++i)
                items << picker->ComboBox1->itemText(i);
            if (pick < 0) {
                picker->btnCancel->click();
            } else {
                picker->ComboBox1->setCurrentIndex(pick);
                picker->btnOk->click();
            }
        });
    }
};

void writePages(GuiFixture &fx)
{
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    for (int page : RepeatablePages)
        fx.WritePage(page, {Edit("edtOwn", 1090, 10), Edit("edtOther", 1091, 40)});
}

// Continuation c of `page` holds "copy c" in answer 90 (and 200 where the
// page has it), with answer 91 overridden on copy 2.
void fillCopies(TfrmMain &w, int page, int count)
{
    FillDocument(w.Document(), [&](TAnswer &store, DirectoryTable &) {
        store.PgCt[page] = count;
        for (int c = 0; c < count; ++c) {
            store.SetText(page, c, 90, QStringLiteral("copy %1").arg(c));
            store.SetText(page, c, PageAnswerMax[page], QStringLiteral("last %1").arg(c));
            store.SetOvRide(page, c, 91, c == 2);
        }
    });
}

bool viewDeleteVisible(TfrmMain &w, int page)
{
    const bool menu = Item(w, QStringLiteral("mnuView%1").arg(page))->isVisible() &&
                      Item(w, QStringLiteral("mnuDelete%1").arg(page))->isVisible();
    const bool tree = !w.Menus().TreeItem(TreeItemKind::ViewForm, page * 100)->isHidden() &&
                      !w.Menus().TreeItem(TreeItemKind::DeleteForm, page)->isHidden();
    if (menu != tree)
        qWarning("menu and tree disagree for page %d", page);
    return menu && tree;
}

} // namespace

class tst_continuations : public QObject
{
    Q_OBJECT
private slots:
    void newShowsTheNewCopy_data();
    void newShowsTheNewCopy();
    void newStopsAtOneHundredCopies();
    void viewWithOneCopyShowsItWithoutPicker();
    void viewPicksAmongSeveral_data();
    void viewPicksAmongSeveral();
    void cancelInThePickerDoesNothing();
    void deleteMovesLaterCopiesDown();
    void deleteTheOnlyCopyHidesViewAndDelete();
    void deleteMovesEveryAnswerOfTheLedger();
    void deleteAnsweredNoKeepsEverything();
    void onlyMenuAndTreeItemsMayAsk();
};

void tst_continuations::newShowsTheNewCopy_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("fromTree");
    for (int page : RepeatablePages) {
        QTest::addRow("page %d from the menu", page) << page << false;
        QTest::addRow("page %d from the tree", page) << page << true;
    }
}

void tst_continuations::newShowsTheNewCopy()
{
    QFETCH(int, page);
    QFETCH(bool, fromTree);
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    QVERIFY(!viewDeleteVisible(*w, page));
    // What the displayed page holds is stored before the new copy is shown.
    Control<QLineEdit>(*w, "edtName")->setText(QStringLiteral("Typed Before"));
    if (fromTree)
        w->Menus().TreeItemClicked(w->Menus().TreeItem(TreeItemKind::NewForm, page));
    else
        Item(*w, QStringLiteral("mnuNew%1").arg(page))->trigger();
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Typed Before"));
    QCOMPARE(w->Document().Answers()->PgCt[page], 1);
    QCOMPARE(w->CurrentPage, page);
    QCOMPARE(w->CurrentContinuation, 0);
    QVERIFY(viewDeleteVisible(*w, page));
    Item(*w, QStringLiteral("mnuNew%1").arg(page))->trigger();
    QCOMPARE(w->CurrentContinuation, 1);
}

void tst_continuations::newStopsAtOneHundredCopies()
{
    GuiFixture fx;
    writePages(fx);
    MessageRecorder messages;
    auto w = fx.Start();
    FillDocument(w->Document(), [&](TAnswer &answers, DirectoryTable &) { answers.PgCt[25] = 100; });
    Item(*w, "mnuNew25")->trigger();
    QCOMPARE(messages.numbers(), QList<int>{11860});
    QCOMPARE(w->Document().Answers()->PgCt[25], 100);
    QCOMPARE(w->CurrentPage, 0);
}

void tst_continuations::viewWithOneCopyShowsItWithoutPicker()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    fillCopies(*w, 38, 1);
    PickerScript picker;
    picker.arm();
    Item(*w, "mnuView38")->trigger();
    QVERIFY(!picker.shown);
    QCOMPARE(w->CurrentPage, 38);
    QCOMPARE(Control<QLineEdit>(*w, "edtOwn")->text(), QStringLiteral("copy 0"));
    QCoreApplication::processEvents();
}

void tst_continuations::viewPicksAmongSeveral_data()
{
    QTest::addColumn<int>("page");
    for (int page : RepeatablePages)
        QTest::addRow("page %d", page) << page;
}

void tst_continuations::viewPicksAmongSeveral()
{
    QFETCH(int, page);
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    fillCopies(*w, page, 3);
    w->Navigation().UpdateMenuItems(TSender::Menu(0));
    PickerScript picker;
    picker.pick = 1;
    picker.arm();
    w->Menus().TreeItemClicked(w->Menus().TreeItem(TreeItemKind::ViewForm, page * 100));
    QVERIFY(picker.shown);
    QCOMPARE(picker.caption, QStringLiteral("Multiple Form Selection Dialog"));
    // The text says what the list holds: the copies, by the number the
    // window caption gives the copy on screen.
    QCOMPARE(picker.text, QStringLiteral("Choose the copy to view."));
    QCOMPARE(picker.range, QStringLiteral("%1: copies 1 to 3").arg(QLatin1String(PageName[std::size_t(page)])));
    QCOMPARE(picker.items, (QStringList{"Copy 1 of 3", "Copy 2 of 3", "Copy 3 of 3"}));
    QCOMPARE(w->CurrentPage * 100 + w->CurrentContinuation, page * 100 + 1);
    QVERIFY(w->windowTitle().endsWith(
        QStringLiteral(" - %1, copy 2 of 3").arg(QLatin1String(PageName[std::size_t(page)]))));
    QCOMPARE(Control<QLineEdit>(*w, "edtOwn")->text(), QStringLiteral("copy 1"));
}

void tst_continuations::cancelInThePickerDoesNothing()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start();
    fillCopies(*w, 24, 3);
    PickerScript picker;
    picker.arm();
    Item(*w, "mnuView24")->trigger();
    QVERIFY(picker.shown);
    QCOMPARE(w->CurrentPage, 0);
    PickerScript again;
    again.arm();
    Item(*w, "mnuDelete24")->trigger();
    QVERIFY(again.shown);
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(w->Document().Answers()->PgCt[24], 3);
}

void tst_continuations::deleteMovesLaterCopiesDown()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    dialogs.questionAnswers << QMessageBox::Yes;
    auto w = fx.Start();
    fillCopies(*w, 25, 4);
    PickerScript picker;
    picker.pick = 1; // the second copy
    picker.arm();
    Item(*w, "mnuDelete25")->trigger();
    QCOMPARE(picker.text, QStringLiteral("Choose the copy to delete."));
    QCOMPARE(dialogs.asked, QStringList{"Brevane: Are You Sure You Want To Delete a Bond Page (copy 2 of 4)?"});
    const TAnswer &store = *w->Document().Answers();
    QCOMPARE(store.PgCt[25], 3);
    QCOMPARE(store.Text(25, 0, 90), QStringLiteral("copy 0"));
    QCOMPARE(store.Text(25, 1, 90), QStringLiteral("copy 2"));
    QCOMPARE(store.Text(25, 2, 90), QStringLiteral("copy 3"));
    QCOMPARE(store.Text(25, 3, 90), QString());
    // An override moves with its answer.
    QVERIFY(store.OvRide(25, 1, 91));
    QVERIFY(!store.OvRide(25, 2, 91));
    QVERIFY(w->Document().IsModified());
}

void tst_continuations::deleteTheOnlyCopyHidesViewAndDelete()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    dialogs.questionAnswers << QMessageBox::Yes;
    auto w = fx.Start();
    Item(*w, "mnuNew38")->trigger();
    QCOMPARE(w->CurrentPage, 38);
    PickerScript picker;
    picker.arm();
    Item(*w, "mnuDelete38")->trigger();
    QVERIFY(!picker.shown);
    QCOMPARE(dialogs.asked,
             QStringList{"Brevane: Are You Sure You Want To Delete a Corporate Resolution Page (copy 1 of 1)?"});
    QCOMPARE(w->Document().Answers()->PgCt[38], 0);
    QVERIFY(!viewDeleteVisible(*w, 38));
    // The copy on screen is gone; the General Information Worksheet shows.
    QCOMPARE(w->CurrentPage, 0);
    QCoreApplication::processEvents();
}

void tst_continuations::deleteMovesEveryAnswerOfTheLedger()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    dialogs.questionAnswers << QMessageBox::Yes;
    auto w = fx.Start();
    fillCopies(*w, 24, 2);
    PickerScript picker;
    picker.pick = 0;
    picker.arm();
    w->Menus().TreeItemClicked(w->Menus().TreeItem(TreeItemKind::DeleteForm, 24));
    QCOMPARE(dialogs.asked, QStringList{"Brevane: Are You Sure You Want To Delete a Ledger Page (copy 1 of 2)?"});
    QCOMPARE(w->Document().Answers()->Text(24, 0, 200), QStringLiteral("last 1"));
    QCOMPARE(w->Document().Answers()->Text(24, 1, 200), QString());
}

void tst_continuations::deleteAnsweredNoKeepsEverything()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    dialogs.questionAnswers << QMessageBox::No;
    auto w = fx.Start();
    fillCopies(*w, 23, 1);
    Item(*w, "mnuDelete23")->trigger();
    QCOMPARE(dialogs.asked, QStringList{"Brevane: Are You Sure You Want To Delete a Minutes Page (copy 1 of 1)?"});
    QCOMPARE(w->Document().Answers()->PgCt[23], 1);
    QCOMPARE(w->Document().Answers()->Text(23, 0, 90), QStringLiteral("copy 0"));
}

void tst_continuations::onlyMenuAndTreeItemsMayAsk()
{
    GuiFixture fx;
    writePages(fx);
    MessageRecorder messages;
    auto w = fx.Start();
    w->Continuations().NewForm(TSender::Button(23));
    w->Continuations().DeleteForm(TSender::Button(23));
    QCOMPARE(messages.numbers(), (QList<int>{11040, 11020}));
    QCOMPARE(w->Document().Answers()->PgCt[23], 0);
}

QTEST_MAIN(tst_continuations)
#include "tst_continuations.moc"
