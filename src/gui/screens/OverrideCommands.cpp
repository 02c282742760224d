#include "gui/screens/OverrideCommands.h"

#include "core/document/ClientDocument.h"
#include "core/store/Answers.h"
#include "gui/common/MainWindow.h"
#include "gui/common/StyleBook.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

#include <QApplication>

namespace brevane {

namespace {

bool overridden(const TPageControl *control)
{
    const QString style = control->StyleLookup();
    return style == QLatin1String(StyleName::EditOverridden) || style == QLatin1String(StyleName::MemoOverridden) ||
           style == QLatin1String(StyleName::CheckBoxOverridden);
}

} // namespace

void TOverrideCommands::SetOverride(QWidget *widget)
{
    TPageControl *control = PageControlOf(widget);
    const bool bound =
        dynamic_cast<TEdit *>(control) || dynamic_cast<TMemo *>(control) || dynamic_cast<TCheckBox *>(control);
    if (!bound)
        return;
    lastControl_ = widget;
    if (!TPageTransfer::HasOverrideStyle(control)) {
        main_.SetOverrideVisible(false, false);
        return;
    }
    bool isOverridden = overridden(control);
    // An edit shows its state by being editable.
    if (auto *edit = dynamic_cast<TEdit *>(control))
        isOverridden = !edit->isReadOnly();
    main_.SetOverrideVisible(!isOverridden, isOverridden);
}

QWidget *TOverrideCommands::targetControl(const TSender &sender) const
{
    auto isBound = [](QWidget *w) {
        TPageControl *c = PageControlOf(w);
        return dynamic_cast<TEdit *>(c) || dynamic_cast<TMemo *>(c) || dynamic_cast<TCheckBox *>(c);
    };
    if (sender.kind == SenderKind::Control && isBound(qobject_cast<QWidget *>(sender.object)))
        return qobject_cast<QWidget *>(sender.object);
    QWidget *focus = QApplication::focusWidget();
    if (focus && main_.pnlMainForm->isAncestorOf(focus) && isBound(focus))
        return focus;
    // A menu or toolbar may hold the focus for the moment; the command is
    // meant for the page control the user was on.
    if ((sender.IsMenuItem() || sender.IsCornerButton()) && lastControl_ &&
        main_.pnlMainForm->isAncestorOf(lastControl_))
        return lastControl_;
    return nullptr;
}

void TOverrideCommands::OverrideClick(const TSender &sender)
{
    const TAnswer *store = main_.Document().Answers();
    QWidget *widget = targetControl(sender);
    TPageControl *control = PageControlOf(widget);
    // Only computed answers can be overridden: a plain input field, or no
    // page control at all, leaves every answer alone.
    if (!store || !control || !TPageTransfer::HasOverrideStyle(control) || main_.CurrentPage < 0)
        return;

    const bool nowOverridden = !overridden(control);
    const int k = TPageTransfer::AnswerIndexOf(control);
    // What the page holds counts; the document then sets the flag, marks
    // the client and recalculates, and the page is filled from the answers.
    main_.Transfer().ControlsToAnswers();
    main_.Document().SetOverride(main_.CurrentPage, qMax(0, main_.CurrentContinuation), k, nowOverridden).show();
    // The buttons follow the control's look, filled from the answers.
    SetOverride(widget);
    if (widget->focusPolicy() != Qt::NoFocus)
        widget->setFocus(Qt::OtherFocusReason);
}

} // namespace brevane
