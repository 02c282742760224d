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

namespace brevane {

bool TContinuationCommands::pickCopy(int page, int count, bool forDelete, int &picked)
{
    picked = 0;
    return count >= 2 ? TfrmMultiple::Pick(main_.Window(), page, count,
                                           forDelete ? TfrmMultiple::Delete : TfrmMultiple::View, &picked)
                      : count == 1;
}

void TContinuationCommands::NewForm(const TSender &sender)
{
    if (!sender.IsMenuItem() && !sender.IsTreeItem()) {
        ShowError(msg::NewFormBadSender);
        return;
    }
    const int page = sender.Tag;
    // What the displayed page holds goes to the answers first; the document
    // then brings every computed answer, the new copy's included, up to date.
    main_.Transfer().ControlsToAnswers();
    const Outcome added = main_.Document().AddCopy(page);
    added.show();
    if (added.has(msg::ContinuationLimitReached) || added.has(msg::NewFormFailed))
        return;
    main_.ShowPage(MakePageTag(page, main_.Document().CopyCount(page) - 1));
}

void TContinuationCommands::ContinuationDlg(const TSender &sender)
{
    const int page = PageOfTag(sender.Tag);
    try {
        if (!IsRepeatablePage(page) || !main_.Document().Answers()) {
            ShowError(msg::ContinuationNotShown);
            return;
        }
        int picked = 0;
        if (!pickCopy(page, main_.Document().CopyCount(page), false, picked))
            return;
        // Whatever the displayed page holds is kept (and calculated with)
        // before another is built.
        main_.Calc().Calculate(true).show();
        main_.ShowPage(MakePageTag(page, picked));
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
    const QString name = PageDeleteName(page);
    if (!IsRepeatablePage(page) || !main_.Document().Answers()) {
        ShowError(msg::DeleteFormFailed, name);
        return;
    }
    const int count = main_.Document().CopyCount(page);
    int victim = 0;
    if (!pickCopy(page, count, true, victim))
        return;
    // The question names the copy that goes.
    const QMessageBox::StandardButton answer =
        UserDialogs::Current().Question(main_.Window(), QStringLiteral("Brevane"),
                                        QStringLiteral("Are You Sure You Want To Delete a %1 Page (copy %2 of %3)?")
                                            .arg(name)
                                            .arg(victim + 1)
                                            .arg(count),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;

    // What the user typed on the displayed page is kept before the copies move.
    main_.Transfer().ControlsToAnswers();
    const Outcome deleted = main_.Document().DeleteCopy(page, victim);
    deleted.show();
    if (deleted.has(msg::DeleteFormFailed))
        return;
    // A copy of this page on screen that no longer exists gives way to
    // the last copy left, or to the General Information Worksheet.
    if (main_.CurrentPage == page && main_.CurrentContinuation >= count - 1) {
        const int tag = count - 1 > 0 ? MakePageTag(page, count - 2) : 0;
        main_.CurrentPage = -1; // nothing of the vanished copy is written back
        main_.ShowPage(tag);
    }
}

} // namespace brevane
