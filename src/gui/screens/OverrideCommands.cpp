#include "gui/screens/OverrideCommands.h"

#include "core/document/ClientDocument.h"
#include "core/store/Answers.h"
#include "gui/common/MainWindow.h"
#include "gui/common/StyleBook.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

#include <QApplication>
#include <QKeyEvent>

namespace brevane {

namespace {

bool overridden(const TPageControl *control)
{
    const QString style = control->StyleLookup();
    return style == QLatin1String(StyleName::EditOverridden) || style == QLatin1String(StyleName::MemoOverridden) ||
           style == QLatin1String(StyleName::CheckBoxOverridden);
}

// Edits and memos switch on a double click; check boxes only by the keys.
bool takesDoubleClick(const QWidget *control)
{
    return !dynamic_cast<const TCheckBox *>(PageControlOf(const_cast<QWidget *>(control)));
}

} // namespace

QString TOverrideCommands::CalculatedHint(const QWidget *control)
{
    return takesDoubleClick(control)
               ? QStringLiteral("Calculated from the worksheet \u2014 double-click or Ctrl+Alt+V to override")
               : QStringLiteral("Calculated from the worksheet \u2014 Ctrl+Alt+V to override");
}

QString TOverrideCommands::OverriddenHint(const QWidget *control)
{
    return takesDoubleClick(control)
               ? QStringLiteral("Overridden: your text is kept \u2014 double-click or Ctrl+Alt+U to calculate it again")
               : QStringLiteral("Overridden: your choice is kept \u2014 Ctrl+Alt+U to calculate it again");
}

QString TOverrideCommands::RefusedTypingHint(const QWidget *control)
{
    return QStringLiteral("This field takes no typing. ") + CalculatedHint(control) + QLatin1Char('.');
}

void TOverrideCommands::SetOverride(QWidget *widget)
{
    TPageControl *control = PageControlOf(widget);
    const bool bound =
        dynamic_cast<TEdit *>(control) || dynamic_cast<TMemo *>(control) || dynamic_cast<TCheckBox *>(control);
    if (!bound)
        return;
    // The field the focus comes back to (after a dialog, another window)
    // keeps the status line: it may say where a PDF went.
    const bool again = lastControl_ == widget;
    lastControl_ = widget;
    if (!TPageTransfer::HasOverrideStyle(control)) {
        main_.SetOverrideVisible(false, false);
        if (!again)
            main_.ShowStatus(QString());
        return;
    }
    bool isOverridden = overridden(control);
    // An edit shows its state by being editable.
    if (auto *edit = dynamic_cast<TEdit *>(control))
        isOverridden = !edit->isReadOnly();
    main_.SetOverrideVisible(!isOverridden, isOverridden);
    if (!again)
        main_.ShowStatus(isOverridden ? OverriddenHint(widget) : CalculatedHint(widget));
}

bool TOverrideCommands::ExplainRefusedTyping(QWidget *widget, const QKeyEvent *key)
{
    TPageControl *control = PageControlOf(widget);
    if (!control || !TPageTransfer::HasOverrideStyle(control) || !main_.pnlMainForm->isAncestorOf(widget))
        return false;
    bool readOnly = false;
    if (auto *edit = dynamic_cast<TEdit *>(control))
        readOnly = edit->isReadOnly();
    else if (auto *memo = dynamic_cast<TMemo *>(control))
        readOnly = memo->isReadOnly();
    if (!readOnly)
        return false;
    // Only what would change the text: a character, Backspace, Delete, or
    // a paste or cut.
    const bool edits = key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
                       key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
                       (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                        !key->text().isEmpty() && key->text().at(0).isPrint());
    if (!edits)
        return false;
    main_.ShowStatus(RefusedTypingHint(widget));
    return true;
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
    main_.ShowStatus(nowOverridden ? OverriddenHint(widget) : CalculatedHint(widget));
    // The buttons follow the control's look, filled from the answers.
    SetOverride(widget);
    if (widget->focusPolicy() != Qt::NoFocus)
        widget->setFocus(Qt::OtherFocusReason);
}

} // namespace brevane
