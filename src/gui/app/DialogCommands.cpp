#include "app/DialogCommands.h"

#include "app/Navigation.h"
#include "app/TfrmMain.h"

namespace brevane {

// HOOK: the directory worksheet (TfrmDirectory) and the auxiliary dialogs
// (TfrmWindowScale, TfrmShrinkFont, TfrmPreferenceDlg, TfrmAboutDlg, the help
// and PDF commands) are wired here as they arrive.

void TDialogCommands::DisplayDirectory(const TSender &)
{
    // HOOK: TfrmDirectory
}

void TDialogCommands::ZoomClick()
{
    // HOOK: TfrmWindowScale
}

void TDialogCommands::ShrinkFontOnClick()
{
    // HOOK: TfrmShrinkFont
}

void TDialogCommands::GraphicsAdapterClick()
{
    main_.GraphicsAdapterAdjust = !main_.GraphicsAdapterAdjust;
    main_.Navigation().UpdateMenuItems(TSender::Menu(0));
}

void TDialogCommands::PreferencesClick()
{
    // HOOK: TfrmPreferenceDlg
}

void TDialogCommands::TableofContentsClick()
{
    // HOOK: help pages
}

void TDialogCommands::TutorialClick()
{
    // HOOK: help pages
}

void TDialogCommands::PDFClick()
{
    // HOOK: PDF resources
}

void TDialogCommands::AboutBoxClick()
{
    // HOOK: TfrmAboutDlg
}

} // namespace brevane
