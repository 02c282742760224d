#pragma once
// The commands that open the program's other windows: the directory
// worksheet, zoom, shrink font, preferences, help, PDF resources and the
// about box, and the switch that turns off the page fade.

#include "gui/common/Sender.h"

namespace brevane {

class TfrmMain;

class TDialogCommands
{
public:
    explicit TDialogCommands(TfrmMain &main)
        : main_(main)
    {}

    // Tree item "2 Directory Worksheet" and the toolbars' worksheet buttons.
    // Opens the Directory Worksheet with `row` selected.
    void DisplayDirectory(const TSender &sender, int row = 0);
    void ZoomClick();
    void ShrinkFontOnClick();
    void GraphicsAdapterClick();
    void PreferencesClick();
    void TableofContentsClick();
    void TutorialClick();
    void PDFClick();
    void AboutBoxClick();

private:
    TfrmMain &main_;
};

} // namespace brevane
