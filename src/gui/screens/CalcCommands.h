#pragma once
// The recalculation entry points of the main window: every recalculation of
// the program goes through one of these and the calculation driver.

#include "core/dialogs/Outcome.h"
#include "gui/common/Sender.h"

class QWidget;

namespace brevane {

class TMainWindow;

class TCalcCommands
{
public:
    explicit TCalcCommands(TMainWindow &main)
        : main_(main)
    {}

    // One run of the calculation driver over the store and the directory
    // rows, with the displayed page's controls as its transfer. What the run
    // reported (18047 naming the pages whose procedure failed) is for the
    // caller to show or act on.
    Outcome Calculate(bool componentTransfer);

    // Exit handler of every page edit and check box: reformat the field for
    // its edit kind, write the page to the store, calculate, refill.
    void CalcOnExit(QWidget *sender);
    // Recalculation with transfer and busy cursor for a menu item or a
    // toolbar button; what it reported is shown.
    void CompleteCalc(const TSender &sender);
    // A run with the busy cursor, the page's controls taken in first when
    // `transfer` is set.
    Outcome RecalculateWithCursor(bool transfer);
    // The Refresh buttons: recalculate, then rebuild the displayed page.
    void RefreshClick();

    // Set while CalcOnExit runs, so that a field left while a message of the
    // run is open starts no second run.
    bool ExitRecalculation = false;

private:
    TMainWindow &main_;
};

} // namespace brevane
