// The main window's other windows, each reached from its menu item, tree
// item or toolbar button: the directory worksheet (its rows reach the forms
// when it closes), shrink font, zoom, preferences, the Graphics Adapter
// Adjust switch, the help pages, PDF resources and the about box.
#include "GuiFixture.h"
#include "core/store/Answers.h"
#include "gui/app/MainMenus.h"
#include "gui/app/Navigation.h"
#include "gui/app/ToolbarPanel.h"
#include "gui/dialogs/TfrmAboutDlg.h"
#include "gui/dialogs/TfrmPreferenceDlg.h"
#include "gui/dialogs/TfrmShrinkFont.h"
#include "gui/dialogs/TfrmWindowScale.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/directory/TfrmDirectory.h"

#include <QAbstractButton>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace brevane;
using namespace brevane::test;

namespace {

// Runs `work` on the modal window of type T once it shows, then lets it go.
template <class T> void whenShown(std::function<void(T *)> work, bool *seen)
{
    QTimer::singleShot(0, [work, seen] {
        auto *dialog = dynamic_cast<T *>(QApplication::activeModalWidget());
        *seen = dialog != nullptr;
        if (dialog)
            work(dialog);
        else if (QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();
    });
}

void writePages(GuiFixture &fx)
{
    ComponentRecord label = Label("lblHeading", 0, 10, QStringLiteral("Heading"));
    label.Set(QStringLiteral("TextSettings.Font.Size"), StreamValue::Number(14));
    fx.WritePage(0, {label, Edit("edtName", 1000, 40)});
    // Order and waiver: answer 18 onward name the incorporators.
    fx.WritePage(7, {Edit("edtEntity", 1000, 10, QStringLiteral("EditOverrideable")), Label("lblFirst", 18, 40)});
}

} // namespace

class tst_mainwindow : public QObject
{
    Q_OBJECT
private slots:
    void directoryRowsReachTheForms();
    void directoryWithoutChangesLeavesTheClientClean();
    void shrinkFontRebuildsTheWorksheet();
    void zoomBuildsThePageAtTheNewScale();
    void preferencesSwitchTheToolbars();
    void graphicsAdapterAdjustIsChecked();
    void helpPagesAndDocuments();
    void aboutBox();
    void overrideButtonsSlideInAndPulse();
};

void tst_mainwindow::directoryRowsReachTheForms()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    w->Navigation().DisplayAPage(w->Invisible(700));
    bool seen = false;
    whenShown<TfrmDirectory>(
        [](TfrmDirectory *d) {
            d->cbxIncorporator->click();
            d->cbxIndividual->click();
            QTest::keyClicks(d->edtName, QStringLiteral("Ann Smith"));
            d->SaveEntry();
            d->close();
        },
        &seen);
    w->Menus().TreeItemClicked(w->Menus().TreeItemByText(QStringLiteral("2 Directory Worksheet")));
    QVERIFY(seen);
    QCOMPARE(w->Document().Directory().Cell(0, ColCode), QStringLiteral("CI"));
    QVERIFY(w->Document().IsModified());
    // The recalculation on closing filled the incorporators on the shown page.
    QCOMPARE(Control<QLabel>(*w, "lblFirst")->text(), QStringLiteral("Ann Smith"));
}

void tst_mainwindow::directoryWithoutChangesLeavesTheClientClean()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    bool seen = false;
    whenShown<TfrmDirectory>([](TfrmDirectory *d) { d->close(); }, &seen);
    QTest::mouseClick(w->Menus().Button("cbtnWorksheet"), Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(!w->Document().IsModified());
}

void tst_mainwindow::shrinkFontRebuildsTheWorksheet()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    w->Navigation().DisplayAPage(w->Invisible(700));
    bool seen = false;
    whenShown<TfrmShrinkFont>(
        [](TfrmShrinkFont *d) {
            d->ListBox1->setCurrentRow(3); // "1.5"
            d->accept();
        },
        &seen);
    Item(*w, "mnuShrinkFont")->trigger();
    QVERIFY(seen);
    QCOMPARE(w->FontShrink(), 1.5);
    QCOMPARE(w->CurrentPage, 0);
    QCOMPARE(Control(*w, "lblHeading")->font().pointSizeF(), (14 - 1.5) * 0.75);
}

void tst_mainwindow::zoomBuildsThePageAtTheNewScale()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    const QRect before = Control(*w, "edtName")->geometry();
    bool seen = false;
    whenShown<TfrmWindowScale>(
        [](TfrmWindowScale *d) {
            d->SetValue(1.5);
            d->accept();
        },
        &seen);
    Item(*w, "mnuZoom")->trigger();
    QVERIFY(seen);
    QCOMPARE(w->ZoomFactor(), 1.5);
    const QRect after = Control(*w, "edtName")->geometry();
    QCOMPARE(after.top(), int(before.top() * 1.5));
    QCOMPARE(after.width(), int(before.width() * 1.5));
    // Page 0 is 2000 units high in the zoom table: 2000 * 1.5 * 1.1.
    QCOMPARE(w->pnlMainForm->height(), 3300);

    // At twice the size the window would be wider than the screen: it keeps
    // to the screen, with its menu bar and page tree on it.
    whenShown<TfrmWindowScale>(
        [](TfrmWindowScale *d) {
            d->SetValue(2.0);
            d->accept();
        },
        &seen);
    Item(*w, "mnuZoom")->trigger();
    QCOMPARE(w->ZoomFactor(), 2.0);
    const QRect screen = w->screen()->availableGeometry();
    const QRect frame = w->frameGeometry();
    QVERIFY2(frame.left() >= screen.left() && frame.right() <= screen.right(),
             qPrintable(QStringLiteral("window from x %1 to %2 on a screen from %3 to %4")
                            .arg(frame.left())
                            .arg(frame.right())
                            .arg(screen.left())
                            .arg(screen.right())));
}

void tst_mainwindow::preferencesSwitchTheToolbars()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    bool seen = false;
    whenShown<TfrmPreferenceDlg>(
        [](TfrmPreferenceDlg *d) {
            d->cbxShowLabelToolbar->click();
            d->close();
        },
        &seen);
    Item(*w, "mnuPreferences")->trigger();
    QVERIFY(seen);
    QVERIFY(!w->ShowLabelToolbar);
    QVERIFY(w->ShowIconToolbar);
    QVERIFY(!w->pnlCaptionButtonBar->isVisible());
    QVERIFY(w->pnlToolBar->isVisible());
}

void tst_mainwindow::graphicsAdapterAdjustIsChecked()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    w->GraphicsAdapterAdjust = false;
    Item(*w, "mnuGraphicsAdapter")->trigger();
    QVERIFY(w->GraphicsAdapterAdjust);
    QVERIFY(Item(*w, "mnuGraphicsAdapter")->isChecked());
    Item(*w, "mnuGraphicsAdapter")->trigger();
    QVERIFY(!w->GraphicsAdapterAdjust);
    QVERIFY(!Item(*w, "mnuGraphicsAdapter")->isChecked());
}

void tst_mainwindow::helpPagesAndDocuments()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start();
    Item(*w, "mnuTableOfContents")->trigger();
    Item(*w, "mnuTutorial")->trigger();
    QCOMPARE(dialogs.openedUrls.size(), 2);
    QVERIFY(dialogs.openedUrls[0].toString().endsWith(QStringLiteral("default.htm")));
    QVERIFY(dialogs.openedUrls[1].toString().endsWith(QStringLiteral("tutorial.htm")));
    Item(*w, "mnuPDF")->trigger(); // the file dialog is cancelled
    QCOMPARE(dialogs.asked, QStringList{"Open IRS Publication Dialog"});
    QCOMPARE(dialogs.openedUrls.size(), 2);
}

void tst_mainwindow::aboutBox()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    for (const char *item : {"mnuAbout", "mnuAppAbout"}) {
        bool seen = false;
        QString caption;
        whenShown<TfrmAboutDlg>(
            [&caption](TfrmAboutDlg *d) {
                caption = d->windowTitle();
                d->close();
            },
            &seen);
        Item(*w, item)->trigger();
        QVERIFY(seen);
        QCOMPARE(caption, QStringLiteral("About Brevane - Version 1.01"));
    }
}

void tst_mainwindow::overrideButtonsSlideInAndPulse()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    w->Navigation().DisplayAPage(w->Invisible(700));
    Enter(Control(*w, "edtEntity"));
    QAbstractButton *icon = w->Menus().Button("cbtnOverride");
    QAbstractButton *label = w->Menus().Button("btnOverride");
    const QPoint place = w->Menus().IconBar->Place(icon);
    QVERIFY(icon->x() > place.x());
    QVERIFY(label->x() > w->Menus().LabelBar->Place(label).x());
    QVERIFY(qobject_cast<QGraphicsOpacityEffect *>(icon->graphicsEffect()));
    QTRY_COMPARE_WITH_TIMEOUT(icon->pos(), place, 4000);
    // The image keeps pulsing while the button is shown.
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(icon->graphicsEffect());
    const qreal first = effect->opacity();
    QTRY_VERIFY_WITH_TIMEOUT(effect->opacity() != first, 3000);
}

QTEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
