#include "gui/screens/ContinuationCommands.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/store/Answers.h"
#include "gui/common/MainWindow.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/PageBuilder.h"
#include "gui/screens/PageTransfer.h"
#include "gui/screens/TfrmMultiple.h"

#include <exception>
#include <stdexcept>

namespace brevane {

namespace {

QString pageName(int page)
{
    return IsValidPage(page) ? QString::fromLatin1(PageName[size_t(page)]) : QString();
}

// The answers of the client open, for a repeatable page; throws otherwise.
TAnswer &repeatableAnswers(TAnswer *store, int page)
{
    if (!store || !IsRepeatablePage(page))
        throw std::runtime_error("not a repeatable page");
    return *store;
}

} // namespace

bool TContinuationCommands::pickCopy(int page, int count, bool forDelete, int &picked)
{
    picked = 0;
    return count >= 2 ? TfrmMultiple::Pick(main_.Window(), page, count,
                                           forDelete ? TfrmMultiple::Delete : TfrmMultiple::View, &picked)
                      : count == 1;
}

QString TContinuationCommands::DeleteName(int page)
{
    switch (page) {
    case 23:
        return QStringLiteral("Minutes");
    case 24:
        return QStringLiteral("Ledger");
    case 25:
        return QStringLiteral("Bond");
    default:
        return pageName(page);
    }
}

void TContinuationCommands::NewForm(const TSender &sender)
{
    if (!sender.IsMenuItem() && !sender.IsTreeItem()) {
        ShowError(msg::NewFormBadSender);
        return;
    }
    const int page = sender.Tag;
    try {
        TAnswer &store = repeatableAnswers(main_.Document().Answers(), page);
        const int count = store.PgCt[page];
        if (count >= PageContinuationMax[page] + 1) {
            ShowError(msg::ContinuationLimitReached);
            return;
        }
        store.PgCt[page] = count + 1;
        // What the displayed page holds goes to the store first; then every
        // computed answer, the new copy's included, is brought up to date.
        main_.Calc().Calculate(true);
        main_.Pages().LoadPage(MakePageTag(page, count));
        main_.UpdateMenuItems();
    } catch (const std::exception &) {
        ShowError(msg::NewFormFailed, pageName(page));
    }
}

void TContinuationCommands::ContinuationDlg(const TSender &sender)
{
    const int page = PageOfTag(sender.Tag);
    try {
        int picked = 0;
        if (!pickCopy(page, repeatableAnswers(main_.Document().Answers(), page).PgCt[page], false, picked))
            return;
        // Whatever the displayed page holds is kept before another is built.
        main_.Calc().Calculate(true);
        main_.Pages().LoadPage(MakePageTag(page, picked));
        main_.UpdateMenuItems();
    } catch (const std::exception &) {
        ShowError(msg::ContinuationNotShown);
    }
}

void TContinuationCommands::DeleteForm(const TSender &sender)
{
    if (!sender.IsMenuItem() && !sender.IsTreeItem()) {
        ShowError(msg::DeleteFormBadSender);
        return;
    }
    const int page = sender.Tag;
    const QString name = DeleteName(page);
    try {
        TAnswer &store = repeatableAnswers(main_.Document().Answers(), page);
        const int count = store.PgCt[page];
        int victim = 0;
        if (!pickCopy(page, count, true, victim))
            return;
        // The question names the copy that goes.
        const QMessageBox::StandardButton answer = UserDialogs::Current().Question(
            main_.Window(), QStringLiteral("Brevane"),
            QStringLiteral("Are You Sure You Want To Delete a %1 Page (copy %2 of %3)?").arg(name).arg(victim + 1).arg(count),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;

        // What the user typed on the displayed page is kept before the copies move.
        main_.Transfer().ControlsToAnswers();
        // The later copies move down one place with their override flags;
        // the last one is emptied.
        const int answers = PageAnswerMax[page];
        for (int c = victim; c <= count - 2; ++c)
            for (int i = 0; i <= answers; ++i)
                store.Entry(page, c, i) = store.Entry(page, c + 1, i);
        for (int i = 0; i <= answers; ++i)
            store.Entry(page, count - 1, i) = AnswerEntry{};
        store.PgCt[page] = count - 1;

        main_.Calc().Calculate(false);
        main_.UpdateMenuItems();
        // A copy of this page on screen that no longer exists gives way to
        // the last copy left, or to the General Information Worksheet.
        if (main_.CurrentPage == page && main_.CurrentContinuation >= count - 1) {
            const int tag = count - 1 > 0 ? MakePageTag(page, count - 2) : 0;
            main_.CurrentPage = -1; // nothing of the vanished copy is written back
            main_.ShowPage(tag);
        }
        main_.Document().Modified = true;
    } catch (const std::exception &) {
        ShowError(msg::DeleteFormFailed, name);
    }
}

} // namespace brevane
