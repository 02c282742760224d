#include "gui/app/Navigation.h"

#include "core/forms/FormCatalogue.h"
#include "core/store/Answers.h"
#include "core/store/Conversions.h"
#include "gui/app/MainMenus.h"
#include "gui/app/TfrmMain.h"
#include "gui/output/OutputCommands.h"
#include "gui/screens/OverrideCommands.h"
#include "gui/screens/PageBuilder.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>

namespace brevane {

namespace {

// The page `step` pages away in the page's Prior/Next sequence, or -1.
int stepInSequence(int page, int step)
{
    const QList<int> sequence = PageSequence(page);
    const qsizetype j = sequence.indexOf(page) + step;
    if (sequence.isEmpty() || j < 0 || j >= sequence.size())
        return -1;
    return sequence.at(j);
}

int stepPageTag(int pageTag, const TAnswer *store, int step)
{
    const int page = PageOfTag(pageTag);
    const int continuation = ContinuationOfTag(pageTag);
    if (IsRepeatablePage(page)) {
        const int count = store ? store->PgCt[page] : 0;
        const int next = continuation + step;
        if (next < 0 || next > count - 1)
            return -1;
        return MakePageTag(page, next);
    }
    const int next = stepInSequence(page, step);
    return next < 0 ? -1 : MakePageTag(next, 0);
}

} // namespace

int TNavigation::PriorPageTag(int pageTag, const TAnswer *store)
{
    return stepPageTag(pageTag, store, -1);
}

int TNavigation::NextPageTag(int pageTag, const TAnswer *store)
{
    return stepPageTag(pageTag, store, +1);
}

void TNavigation::DisplayAPage(const TSender &sender)
{
    if (!sender.IsMenuItem() && !sender.IsTreeItem())
        return;
    if (main_.CurrentPage != -1)
        main_.Transfer().ControlsToAnswers();
    main_.Pages().LoadPage(sender.Tag);
    UpdateMenuItems(sender);
}

void TNavigation::ExpandLevel(QTreeWidgetItem *item)
{
    if (item)
        item->setExpanded(true);
}

void TNavigation::PriorClick()
{
    if (main_.CurrentPage < 0)
        return;
    const int tag =
        PriorPageTag(MakePageTag(main_.CurrentPage, qMax(0, main_.CurrentContinuation)), main_.Document().Answers());
    if (tag >= 0)
        main_.ShowPage(tag);
}

void TNavigation::NextClick()
{
    if (main_.CurrentPage < 0)
        return;
    const int tag =
        NextPageTag(MakePageTag(main_.CurrentPage, qMax(0, main_.CurrentContinuation)), main_.Document().Answers());
    if (tag >= 0)
        main_.ShowPage(tag);
}

void TNavigation::UpdateMenuItems(const TSender &)
{
    const TAnswer *store = main_.Document().Answers();
    if (!store)
        return;
    TMainMenus &menus = main_.Menus();
    main_.UpdateCaption();
    if (main_.CurrentPage >= 0)
        menus.SetRefreshVisible(true);

    menus.Action("mnuForceWord")->setChecked(main_.settings.forceWord);
    menus.Action("mnuForceWordPad")->setChecked(main_.settings.forceWordPad);
    menus.Action("mnuGraphicsAdapter")->setChecked(main_.GraphicsAdapterAdjust);
    menus.Action("mnuFindWord")
        ->setText(main_.Output().FoundWordPath.isEmpty() ? QStringLiteral("F&ind Word")
                                                         : QStringLiteral("Find Word: FOUND"));

    bool prior = false;
    bool next = false;
    if (main_.CurrentPage >= 0) {
        const int tag = MakePageTag(main_.CurrentPage, qMax(0, main_.CurrentContinuation));
        prior = PriorPageTag(tag, store) >= 0;
        next = NextPageTag(tag, store) >= 0;
    }
    menus.SetPriorNextEnabled(prior, next);

    for (int page : RepeatablePages)
        menus.SetContinuationItemsVisible(page, store->PgCt[page] > 0);
}

void TNavigation::SelectPageTreeItem(int page)
{
    if (!PageSelectsTreeItem(page))
        return;
    QTreeWidgetItem *item = IsRepeatablePage(page) ? main_.Menus().TreeItem(TreeItemKind::ViewForm, page * 100)
                                                   : main_.Menus().TreeItem(TreeItemKind::Page, page * 100);
    if (item) {
        const QSignalBlocker block(main_.TreeView1);
        main_.TreeView1->setCurrentItem(item);
        item->setSelected(true);
    }
}

void TNavigation::ScrollOnEnter(QWidget *sender)
{
    main_.Override().SetOverride(sender);
    if (sender && main_.pnlMainForm->isAncestorOf(sender)) {
        QScrollBar *bar = main_.VertScrollBox1->verticalScrollBar();
        const int offset = bar->value();
        const int height = main_.VertScrollBox1->viewport()->height();
        const int top = sender->mapTo(main_.pnlMainForm, QPoint(0, 0)).y();
        if (offset + height < top || top < offset) {
            bar->setValue(top - height / 2);
            main_.VertScrollBox1->horizontalScrollBar()->setValue(0);
        }
    }
    UpdateMenuItems(TSender{SenderKind::Control, 0, sender});
}

bool TNavigation::KeyDown(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    QScrollBar *bar = main_.VertScrollBox1->verticalScrollBar();
    const int half = main_.VertScrollBox1->viewport()->height() / 2;

    if (mods == Qt::ControlModifier && key == Qt::Key_Home) {
        bar->setValue(0);
        main_.VertScrollBox1->horizontalScrollBar()->setValue(0);
        return true;
    }
    if (mods == Qt::ControlModifier && key == Qt::Key_End) {
        bar->setValue(main_.pnlMainForm->height());
        return true;
    }
    if (key == Qt::Key_PageUp) {
        bar->setValue(bar->value() - half);
        return true;
    }
    if (key == Qt::Key_PageDown) {
        bar->setValue(bar->value() + half);
        return true;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
    // A modifier pressed on its way to a combination (Ctrl+Home, Ctrl+S)
    // changes nothing by itself.
    if (key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt || key == Qt::Key_Meta ||
        key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_unknown)
        return false;

    // Enter on a tree item does what a click on it does.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && QApplication::focusWidget() == main_.TreeView1) {
        main_.Menus().TreeItemClicked(main_.TreeView1->currentItem());
        return true;
    }
    return false;
}

bool TNavigation::IsNavigationKey(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
        event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut))
        return false;
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_unknown:
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return false;
    default:
        // Ctrl+C, Ctrl+A and the other combinations select or copy;
        // the editing ones are told apart above.
        return (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    }
}

void TNavigation::Inserttoday()
{
    auto *edit = dynamic_cast<TEdit *>(PageControlOf(QApplication::focusWidget()));
    if (!edit || edit->isReadOnly())
        return;
    // The user's command: the date is typed for them.
    edit->setText(RegionalDateText(QDate::currentDate()));
    main_.Document().MarkEdited();
}

void TNavigation::MinimizeClick()
{
    main_.showMinimized();
}

} // namespace brevane
