#pragma once
// The Override command: a computed answer the user takes over, or gives back.
// Every route (toolbar buttons, Options menu items, the page edits' pop-up
// menu, their keys, a double click on a computed field) runs the same
// toggle on the focused control.

#include "gui/common/Sender.h"

#include <QPointer>

class QKeyEvent;
class QWidget;

namespace brevane {

class TMainWindow;

class TOverrideCommands
{
public:
    explicit TOverrideCommands(TMainWindow &main)
        : main_(main)
    {}

    // The toggle for the focused control (or the page control that last had
    // the focus, when a menu or toolbar holds it).
    void OverrideClick(const TSender &sender);
    // Shows Override or Cancel Override for the control that just got the
    // focus, and says in the status bar what kind of answer it holds.
    void SetOverride(QWidget *control);
    // A key about to reach the focused control: typing into a calculated
    // field that takes none is explained in the status bar (never a
    // dialog). True when it was.
    bool ExplainRefusedTyping(QWidget *control, const QKeyEvent *key);

    // What the status bar says about a calculated field, one overridden,
    // and about typing into a calculated field.
    static QString CalculatedHint(const QWidget *control);
    static QString OverriddenHint(const QWidget *control);
    static QString RefusedTypingHint(const QWidget *control);

private:
    QWidget *targetControl(const TSender &sender) const;

    TMainWindow &main_;
    QPointer<QWidget> lastControl_;
};

} // namespace brevane
