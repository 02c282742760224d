// Navigation: the page tree and the Display menu offer every page of the
// catalogue with its PageTag; Prior and Next walk the page sequences and the
// copies of repeatable pages; UpdateMenuItems keeps buttons and items in
// step; the tree marks the shown page; the window's scrolling keys.
#include "DocumentFill.h"
#include "GuiFixture.h"
#include "core/store/Answers.h"
#include "gui/app/MainMenus.h"
#include "gui/app/Navigation.h"
#include "gui/app/ToolbarPanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>

using namespace brevane;
using namespace brevane::test;

namespace {

bool visible(TfrmMain &w, const char *icon, const char *label)
{
    const bool a = w.Menus().IconBar->IsButtonVisible(w.Menus().Button(icon));
    const bool b = w.Menus().LabelBar->IsButtonVisible(w.Menus().Button(label));
    if (a != b)
        qWarning("%s and %s disagree", icon, label);
    return a && b;
}

// Prior or Next: always in its place, and enabled where there is a page to
// go to.
bool usable(TfrmMain &w, const char *icon, const char *label)
{
    if (!visible(w, icon, label))
        qWarning("%s is not in its place", icon);
    const bool a = w.Menus().Button(icon)->isEnabled();
    const bool b = w.Menus().Button(label)->isEnabled();
    if (a != b)
        qWarning("%s and %s disagree", icon, label);
    return visible(w, icon, label) && a && b;
}

// Pages with a tree item of their own (the repeatable pages have New, View
// and Delete instead).
QList<int> treePages()
{
    QList<int> pages;
    for (int p = 0; p <= 87; ++p) {
        const bool none = p == 6 || p == 48 || p == 49 || p == 53 || p == 56 || (p >= 69 && p <= 74);
        if (!none && !IsRepeatablePage(p))
            pages << p;
    }
    return pages;
}

} // namespace

class tst_navigation : public QObject
{
    Q_OBJECT
private slots:
    void onlyAChangeMarksTheClient_data();
    void onlyAChangeMarksTheClient();
    void priorAndNext_data();
    void priorAndNext();
    void buttonsWalkTheSequence();
    void buttonsWalkTheContinuations();
    void treeAndMenuOfferEveryPage();
    void displayMenuAndTreeShowTheSamePage();
    void menuShortcuts_data();
    void menuShortcuts();
    void hiddenItems();
    void treeMarksTheShownPage_data();
    void treeMarksTheShownPage();
    void branchesExpandAndStartExpanded();
    void scrollingKeys();
    void enteringAControlBringsItIntoView();
};

void tst_navigation::priorAndNext_data()
{
    QTest::addColumn<int>("pageTag");
    QTest::addColumn<int>("count"); // continuations in use of a repeatable page
    QTest::addColumn<int>("prior");
    QTest::addColumn<int>("next");
    QTest::newRow("540 page 2 leads to its instructions") << 2700 << 0 << 2600 << 8400;
    QTest::newRow("540 instructions end the form") << 8400 << 0 << 2700 << -1;
    QTest::newRow("532A first page") << 200 << 0 << -1 << 300;
    QTest::newRow("532A instructions") << 500 << 0 << 400 << -1;
    QTest::newRow("532C has no sequence") << 3900 << 0 << -1 << -1;
    QTest::newRow("532C page 2") << 4000 << 0 << -1 << -1;
    QTest::newRow("general information") << 0 << 0 << -1 << -1;
    QTest::newRow("533A to its print-only page") << 5200 << 0 << 5100 << 5300;
    QTest::newRow("operating agreement last page") << 6400 << 0 << 6300 << -1;
    QTest::newRow("521 page 3 to instructions") << 7900 << 0 << 7800 << 8300;
    QTest::newRow("stock certificate front") << 8600 << 0 << -1 << 8700;
    QTest::newRow("members resolution 2 of 4") << 6801 << 4 << 6800 << 6802;
    QTest::newRow("members resolution 3 of 4") << 6802 << 4 << 6801 << 6803;
    QTest::newRow("members resolution 4 of 4") << 6803 << 4 << 6802 << -1;
    QTest::newRow("bond, only copy") << 2500 << 1 << -1 << -1;
}

void tst_navigation::priorAndNext()
{
    QFETCH(int, pageTag);
    QFETCH(int, count);
    QFETCH(int, prior);
    QFETCH(int, next);
    TAnswer store;
    store.PgCt[PageOfTag(pageTag)] = count;
    QCOMPARE(TNavigation::PriorPageTag(pageTag, &store), prior);
    QCOMPARE(TNavigation::NextPageTag(pageTag, &store), next);
}

void tst_navigation::buttonsWalkTheSequence()
{
    GuiFixture fx;
    for (int page : {0, 26, 27, 84, 39, 40})
        fx.WritePage(page, {Edit(QStringLiteral("edtPage%1").arg(page), 1000, 10)});
    auto w = fx.Start();
    QVERIFY(!usable(*w, "cbtnPrior", "btnPrior") && !usable(*w, "cbtnNext", "btnNext"));
    Item(*w, "mnuPage27")->trigger();
    QVERIFY(usable(*w, "cbtnPrior", "btnPrior") && usable(*w, "cbtnNext", "btnNext"));
    QTest::mouseClick(w->Menus().Button("cbtnNext"), Qt::LeftButton);
    QCOMPARE(w->CurrentPage, 84);
    QVERIFY(usable(*w, "cbtnPrior", "btnPrior"));
    QVERIFY(!usable(*w, "cbtnNext", "btnNext"));
    QTest::mouseClick(w->Menus().Button("btnPrior"), Qt::LeftButton);
    QCOMPARE(w->CurrentPage, 27);
    Item(*w, "mnuPage39")->trigger();
    QVERIFY(!usable(*w, "cbtnPrior", "btnPrior") && !usable(*w, "cbtnNext", "btnNext"));
    Item(*w, "mnuPage40")->trigger();
    QVERIFY(!usable(*w, "cbtnPrior", "btnPrior") && !usable(*w, "cbtnNext", "btnNext"));
    // Greyed, not gone: the buttons after them keep their places.
    QVERIFY(visible(*w, "cbtnPrior", "btnPrior") && visible(*w, "cbtnNext", "btnNext"));
    const QPoint next = w->Menus().IconBar->Place(w->Menus().Button("cbtnNext"));
    Item(*w, "mnuPage27")->trigger();
    QCOMPARE(w->Menus().IconBar->Place(w->Menus().Button("cbtnNext")), next);
}

void tst_navigation::buttonsWalkTheContinuations()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    fx.WritePage(68, {Edit("edtResolution", 1090, 10)});
    auto w = fx.Start();
    for (int c = 0; c < 4; ++c)
        FillAnswer(w->Document(), 68, c, 90, QStringLiteral("resolution %1").arg(c + 1));
    FillDocument(w->Document(), [&](TAnswer &answers, DirectoryTable &) { answers.PgCt[68] = 4; });
    w->Navigation().DisplayAPage(w->Invisible(6801));
    QVERIFY(usable(*w, "cbtnPrior", "btnPrior") && usable(*w, "cbtnNext", "btnNext"));
    // What is typed on one copy stays with it.
    Control<QLineEdit>(*w, "edtResolution")->setText(QStringLiteral("edited second"));
    QTest::mouseClick(w->Menus().Button("cbtnNext"), Qt::LeftButton);
    QCOMPARE(w->CurrentContinuation, 2);
    QCOMPARE(Control<QLineEdit>(*w, "edtResolution")->text(), QStringLiteral("resolution 3"));
    QTest::mouseClick(w->Menus().Button("cbtnNext"), Qt::LeftButton);
    QCOMPARE(w->CurrentContinuation, 3);
    QVERIFY(!usable(*w, "cbtnNext", "btnNext"));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(w->Menus().Button("btnPrior"), Qt::LeftButton);
    QCOMPARE(w->CurrentContinuation, 0);
    QVERIFY(!usable(*w, "cbtnPrior", "btnPrior"));
    QCOMPARE(w->Document().Answers()->Text(68, 1, 90), QStringLiteral("edited second"));
}

void tst_navigation::treeAndMenuOfferEveryPage()
{
    GuiFixture fx;
    auto w = fx.Start(false);
    TMainMenus &menus = w->Menus();
    const QList<int> treeOnly = {83, 84, 85, 87};
    for (int page : treePages()) {
        QTreeWidgetItem *item = menus.TreeItem(TreeItemKind::Page, page * 100);
        QVERIFY2(item, qPrintable(QStringLiteral("no tree item for page %1").arg(page)));
        QAction *action = menus.DisplayItem(page * 100);
        QCOMPARE(action != nullptr, !treeOnly.contains(page));
    }
    for (int page : {53, 56, 88}) {
        QVERIFY(!menus.TreeItem(TreeItemKind::Page, page * 100));
        QVERIFY(!menus.DisplayItem(page * 100));
    }
    for (int page : RepeatablePages) {
        QCOMPARE(TMainMenus::TagOf(menus.TreeItem(TreeItemKind::NewForm, page)), page);
        QVERIFY(menus.TreeItem(TreeItemKind::ViewForm, page * 100));
        QVERIFY(menus.TreeItem(TreeItemKind::DeleteForm, page));
        QCOMPARE(Item(*w, QStringLiteral("mnuNew%1").arg(page))->data().toInt(), page);
        QCOMPARE(Item(*w, QStringLiteral("mnuView%1").arg(page))->data().toInt(), page * 100);
        QCOMPARE(Item(*w, QStringLiteral("mnuDelete%1").arg(page))->data().toInt(), page);
    }
    // Texts as the tree shows them, a doubled ampersand shown once.
    QVERIFY(menus.TreeItemByText(QStringLiteral("Order & Waiver")));
    QCOMPARE(TMainMenus::KindOf(menus.TreeItemByText(QStringLiteral("2 Directory Worksheet"))),
             TreeItemKind::Directory);
    QCOMPARE(TMainMenus::KindOf(menus.TreeItemByText(QStringLiteral("4 Preview & Print"))), TreeItemKind::Print);
    QCOMPARE(menus.DisplayItem(100)->text(), QStringLiteral("Commencement"));
    QCOMPARE(menus.DisplayItem(2000)->text(), QStringLiteral("Commencement"));
    QCOMPARE(menus.DisplayItem(8600)->text(), QStringLiteral("Stock Certificate"));
}

void tst_navigation::displayMenuAndTreeShowTheSamePage()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    fx.WritePage(7, {Edit("edtEntity", 1000, 10)});
    auto w = fx.Start();
    Item(*w, "mnuPage7")->trigger();
    QCOMPARE(w->CurrentPage, 7);
    Item(*w, "mnuPage0")->trigger();
    QCOMPARE(w->CurrentPage, 0);
    QCOMPARE(Item(*w, "mnuPage0")->text(), QStringLiteral("General Information Worksheet"));
    w->Menus().TreeItemClicked(w->Menus().TreeItem(TreeItemKind::Page, 700));
    QCOMPARE(w->CurrentPage, 7);
    w->Menus().TreeItemClicked(w->Menus().TreeItemByText(QStringLiteral("1 General Information Worksheet")));
    QCOMPARE(w->CurrentPage, 0);
}

void tst_navigation::menuShortcuts_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("New") << "mnuNew"
                         << "&New" << QKeySequence(Qt::CTRL | Qt::Key_N);
    QTest::newRow("Close") << "mnuClose"
                           << "&Close" << QKeySequence(Qt::CTRL | Qt::Key_W);
    QTest::newRow("Open") << "mnuOpen"
                          << "&Open..." << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("Clients") << "mnuClients"
                             << "C&lients..." << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L);
    QTest::newRow("Save") << "mnuSave"
                          << "&Save" << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("Save As") << "mnuSaveAs"
                             << "Save &As..." << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    QTest::newRow("Print") << "mnuPrint"
                           << "&Preview and Print..." << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("Exit") << "mnuExit"
                          << "E&xit" << QKeySequence();
    QTest::newRow("Override") << "mnuOverride"
                              << "&Override" << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V);
    QTest::newRow("Cancel Override") << "mnuCancelOverride"
                                     << "&Cancel Override" << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_U);
    QTest::newRow("CL1 location") << "mnuDefaultCL1"
                                  << "&CL1 File Location" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1);
    QTest::newRow("Temporary RTF") << "mnuDefaultTempDir"
                                   << "Temporary RTF" << QKeySequence();
    QTest::newRow("Force Word") << "mnuForceWord"
                                << "&Force Word" << QKeySequence();
    QTest::newRow("Find Word") << "mnuFindWord"
                               << "F&ind Word" << QKeySequence();
    QTest::newRow("Force WordPad") << "mnuForceWordPad"
                                   << "Force &WordPad" << QKeySequence();
    QTest::newRow("Turn Off Page Fade") << "mnuGraphicsAdapter"
                                        << "Turn Off Page &Fade" << QKeySequence();
    QTest::newRow("Shrink Font") << "mnuShrinkFont"
                                 << "&Shrink Font" << QKeySequence();
    QTest::newRow("Insert Today") << "mnuInsertToday"
                                  << "Insert Today" << QKeySequence(Qt::CTRL | Qt::Key_T);
    QTest::newRow("Minimize") << "mnuMinimize"
                              << "&Minimize" << QKeySequence(Qt::CTRL | Qt::Key_M);
    QTest::newRow("Zoom") << "mnuZoom"
                          << "&Zoom..." << QKeySequence();
    QTest::newRow("Table of Contents") << "mnuTableOfContents"
                                       << "&Table of Contents" << QKeySequence(Qt::Key_F1);
    QTest::newRow("Tutorial") << "mnuTutorial"
                              << "T&utorial" << QKeySequence();
    QTest::newRow("PDF") << "mnuPDF"
                         << "&PDF Resources..." << QKeySequence();
    QTest::newRow("About") << "mnuAbout"
                           << "&About" << QKeySequence();
}

void tst_navigation::menuShortcuts()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(QKeySequence, keys);
    GuiFixture fx;
    auto w = fx.Start(false);
    QAction *action = Item(*w, item);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut(), keys);
#ifndef Q_OS_WIN
    if (item == QLatin1String("mnuForceWord") || item == QLatin1String("mnuFindWord") ||
        item == QLatin1String("mnuForceWordPad"))
        return; // Windows only (hiddenItems)
#endif
    QVERIFY(action->isVisible());
}

void tst_navigation::hiddenItems()
{
    GuiFixture fx;
    auto w = fx.Start(false);
    QVERIFY(!Item(*w, "mnuDuplicate")->isVisible());
    QVERIFY(!Item(*w, "mnuOpenRecent")->isVisible());
    QVERIFY(!Item(*w, "mnuInvisible")->isVisible());
    QVERIFY(!w->Menus().mnuApplication->menuAction()->isVisible());
    QCOMPARE(Item(*w, "mnuQuit")->text(), QStringLiteral("Quit Brevane"));
    QCOMPARE(w->Menus().mnuOptions->title(), QStringLiteral("&Options"));
    // Preferences are in the Options menu as well.
    QVERIFY(w->Menus().mnuOptions->actions().contains(Item(*w, "mnuPreferences")));
    QVERIFY(Item(*w, "mnuPreferences")->isVisible());
    // Word and WordPad are offered only where they exist.
    for (const char *windowsOnly : {"mnuForceWord", "mnuFindWord", "mnuForceWordPad"}) {
#ifdef Q_OS_WIN
        QVERIFY2(Item(*w, windowsOnly)->isVisible(), windowsOnly);
#else
        QVERIFY2(!Item(*w, windowsOnly)->isVisible(), windowsOnly);
#endif
    }
    QStringList pop;
    for (QAction *a : w->Menus().popMain->actions())
        if (!a->isSeparator())
            pop << a->text();
    QCOMPARE(pop, (QStringList{"Override\tCtrl+Alt+V", "Cancel Override\tCtrl+Alt+U", "Expand Tree View",
                               "Collapse Tree View", "New\tCtrl+N", "Open\tCtrl+O", "Save\tCtrl+S", "Save As",
                               "Print Selected", "Send Selected"}));
}

void tst_navigation::treeMarksTheShownPage_data()
{
    QTest::addColumn<int>("pageTag");
    QTest::addColumn<QString>("selected"); // parent > item, empty for none
    QTest::newRow("page 7") << 700 << "Proceedings of Incorporators > Order & Waiver";
    QTest::newRow("a bond copy marks View") << 2502 << "Bond > View";
    QTest::newRow("operating agreement") << 5700 << "Operating Agreement > Page 1";
    QTest::newRow("540 instructions") << 8400 << "Certificate of Amendment (540) > Instructions";
    QTest::newRow("general information") << 0 << "";
    QTest::newRow("532C page") << 4000 << "";
}

void tst_navigation::treeMarksTheShownPage()
{
    QFETCH(int, pageTag);
    QFETCH(QString, selected);
    GuiFixture fx;
    auto w = fx.Start(false);
    FillDocument(w->Document(), [&](TAnswer &answers, DirectoryTable &) { answers.PgCt[25] = 3; });
    w->Navigation().DisplayAPage(w->Invisible(pageTag));
    const QList<QTreeWidgetItem *> items = w->TreeView1->selectedItems();
    if (selected.isEmpty()) {
        QVERIFY(items.isEmpty());
        return;
    }
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first()->parent()->text(0) + QStringLiteral(" > ") + items.first()->text(0), selected);
}

void tst_navigation::branchesExpandAndStartExpanded()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    auto w = fx.Start();
    TMainMenus &menus = w->Menus();
    for (const char *text :
         {"Follow These Steps", "3 Review Forms", "Corporation", "Limited Liability Company", "Miscellaneous"})
        QVERIFY2(menus.TreeItemByText(QLatin1String(text))->isExpanded(), text);
    QTreeWidgetItem *bond = menus.TreeItemByText(QStringLiteral("Bond"));
    QVERIFY(!bond->isExpanded());
    menus.TreeItemClicked(bond);
    QVERIFY(bond->isExpanded());
    menus.TreeItemClicked(bond);
    QVERIFY(bond->isExpanded());
    // Enter on an item works as a click.
    w->TreeView1->setFocus();
    w->TreeView1->setCurrentItem(menus.TreeItemByText(QStringLiteral("Cover Sheet")));
    QTest::keyClick(w->TreeView1, Qt::Key_Return);
    QCOMPARE(w->CurrentPage, 75);
    QVERIFY(!w->Document().IsModified());
}

// Keys that move the cursor, the focus or the view leave the client clean,
// in a field and in the page tree; a changed answer marks it, and the
// caption shows the mark.
void tst_navigation::onlyAChangeMarksTheClient_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("modifies");
    const int none = Qt::NoModifier;
    QTest::newRow("Home in a field") << "field" << int(Qt::Key_Home) << none << false;
    QTest::newRow("End in a field") << "field" << int(Qt::Key_End) << none << false;
    QTest::newRow("Shift+Home selects") << "field" << int(Qt::Key_Home) << int(Qt::ShiftModifier) << false;
    QTest::newRow("Left in a field") << "field" << int(Qt::Key_Left) << none << false;
    QTest::newRow("Right in a field") << "field" << int(Qt::Key_Right) << none << false;
    QTest::newRow("Up in a field") << "field" << int(Qt::Key_Up) << none << false;
    QTest::newRow("Down in a field") << "field" << int(Qt::Key_Down) << none << false;
    QTest::newRow("Ctrl+C copies") << "field" << int(Qt::Key_C) << int(Qt::ControlModifier) << false;
    QTest::newRow("a lone Shift") << "field" << int(Qt::Key_Shift) << none << false;
    QTest::newRow("Escape") << "field" << int(Qt::Key_Escape) << none << false;
    QTest::newRow("Down in the tree") << "tree" << int(Qt::Key_Down) << none << false;
    QTest::newRow("Up in the tree") << "tree" << int(Qt::Key_Up) << none << false;
    QTest::newRow("End in the tree") << "tree" << int(Qt::Key_End) << none << false;
    QTest::newRow("a typed letter") << "field" << int(Qt::Key_X) << none << true;
    QTest::newRow("Backspace") << "field" << int(Qt::Key_Backspace) << none << true;
    QTest::newRow("space ticks a box") << "box" << int(Qt::Key_Space) << none << true;
}

void tst_navigation::onlyAChangeMarksTheClient()
{
    QFETCH(QString, where);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, modifies);
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10), CheckBox("cbxYes", 1001, 40)}, 900, 600);
    auto w = fx.Start();
    auto *name = Control<QLineEdit>(*w, "edtName");
    Enter(name);
    name->setText(QStringLiteral("Acme"));
    w->Document().SetModified(false);
    w->UpdateCaption();
    QVERIFY(!w->windowTitle().startsWith(QLatin1Char('*')));

    QWidget *target = name;
    if (where == QLatin1String("tree"))
        target = w->TreeView1;
    else if (where == QLatin1String("box"))
        target = Control<QCheckBox>(*w, "cbxYes");
    target->setFocus(Qt::TabFocusReason);
    if (where == QLatin1String("tree"))
        w->TreeView1->setCurrentItem(w->TreeView1->topLevelItem(0));
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w->Document().IsModified(), modifies);
    QTRY_COMPARE(w->windowTitle().startsWith(QLatin1Char('*')), modifies);
}

void tst_navigation::scrollingKeys()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtFar", 1001, 2900)}, 900, 3000);
    auto w = fx.Start();
    QScrollBar *bar = w->VertScrollBox1->verticalScrollBar();
    const int half = w->VertScrollBox1->viewport()->height() / 2;
    auto *name = Control(*w, "edtName");
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(name, Qt::Key_PageDown);
    QCOMPARE(bar->value(), half);
    QTest::keyClick(name, Qt::Key_PageUp, Qt::ShiftModifier);
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(name, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(bar->value(), bar->maximum());
    QTest::keyClick(name, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(bar->value(), 0);
    QVERIFY(!w->Document().IsModified());
}

void tst_navigation::enteringAControlBringsItIntoView()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtFar", 1001, 2000)}, 900, 3000);
    auto w = fx.Start();
    Enter(Control(*w, "edtFar"));
    QScrollBar *bar = w->VertScrollBox1->verticalScrollBar();
    const int height = w->VertScrollBox1->viewport()->height();
    QVERIFY(bar->value() <= 2000 && 2000 + 24 <= bar->value() + height);
    QVERIFY(!w->Document().IsModified());
}

QTEST_MAIN(tst_navigation)
#include "tst_navigation.moc"
