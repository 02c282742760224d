#pragma once
// The Override command: a computed answer the user takes over, or gives back.
// Every route (toolbar buttons, Options menu items, the page edits' pop-up
// menu, their keys, a double click on a computed field) runs the same
// toggle on the focused control.

#include "gui/common/Sender.h"

#include <QPointer>

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
    // Shows Override or Cancel Override for the control that just got the focus.
    void SetOverride(QWidget *control);

private:
    QWidget *targetControl(const TSender &sender) const;

    TMainWindow &main_;
    QPointer<QWidget> lastControl_;
};

} // namespace brevane
