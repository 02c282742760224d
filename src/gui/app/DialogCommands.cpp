#include "gui/app/DialogCommands.h"

#include "core/store/PageCatalogue.h"
#include "gui/app/Navigation.h"
#include "gui/app/TfrmMain.h"
#include "gui/dialogs/HelpCommands.h"
#include "gui/dialogs/TfrmAboutDlg.h"
#include "gui/dialogs/TfrmPreferenceDlg.h"
#include "gui/dialogs/TfrmShrinkFont.h"
#include "gui/dialogs/TfrmWindowScale.h"
#include "gui/directory/TfrmDirectory.h"
#include "gui/screens/PageTransfer.h"

#include <QFileInfo>
#include <QScreen>
#include <QTreeWidget>

namespace brevane {

void TDialogCommands::DisplayDirectory(const TSender &, int row)
{
    DirectoryHooks hooks;
    hooks.firstRow = row;
    hooks.markModified = [this] { main_.Document().MarkEdited(); };
    // Rows that differ are an edit of the client: it recalculates and
    // announces them itself. What the page shown holds is stored first.
    hooks.keepRows = [this](const DirectoryTable &rows) {
        if (rows == main_.Document().Directory())
            return;
        main_.Transfer().ControlsToAnswers();
        main_.Transfer().SetBusyCursor(true);
        const Outcome kept = main_.Document().SetDirectory(rows);
        main_.Transfer().SetBusyCursor(false);
        kept.show();
    };
    hooks.programFolder = main_.folders.programFolder;
    // A saved client's CSV files beside it.
    if (QFileInfo(main_.Document().FileName()).isAbsolute())
        hooks.dataFolder = QFileInfo(main_.Document().FileName()).absolutePath();
    // A copy: the window hands its rows back through keepRows.
    const DirectoryTable rows = main_.Document().Directory();
    brevane::DisplayDirectory(&main_, rows, hooks);
}

void TDialogCommands::ZoomClick()
{
    const std::optional<double> zoom = brevane::ZoomClick(&main_, main_.settings.zoomFactor);
    if (!zoom)
        return;
    main_.settings.zoomFactor = *zoom;
    const ZoomGeometry geometry =
        ZoomLayout(*zoom, main_.TreeView1->width(), int(main_.ZoomBaseWidth), main_.CurrentPage);
    // The page is built again at the new scale.
    if (main_.CurrentPage >= 0)
        main_.ShowPage(MakePageTag(main_.CurrentPage, qMax(0, main_.CurrentContinuation)));
    // The zoom height table gives the panel its height; a page drawn longer
    // than the table knows keeps its own, so nothing of it is cut off.
    main_.pnlMainForm->resize(main_.pnlMainForm->width(), qMax(main_.pnlMainForm->height(), geometry.panelHeight));
    // The window never grows past the screen: centred, a wider one would
    // push its menu bar and page tree off the left edge. The page area
    // scrolls instead.
    QScreen *screen = main_.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const int frame = main_.frameGeometry().width() - main_.width();
    int width = geometry.windowWidth;
    if (screen)
        width = qMin(width, available.width() - frame);
    main_.resize(width, main_.height());
    if (screen) {
        QRect placed = main_.frameGeometry();
        placed.moveCenter(available.center());
        placed.moveLeft(qMax(placed.left(), available.left()));
        placed.moveTop(qMax(placed.top(), available.top()));
        main_.move(placed.topLeft());
    }
}

void TDialogCommands::ShrinkFontOnClick()
{
    const std::optional<double> amount =
        brevane::ShrinkFontOnClick(&main_, main_.settings.fontShrink, main_.folders.programFolder);
    if (!amount)
        return;
    main_.settings.fontShrink = *amount;
    main_.ShowPage(0);
}

void TDialogCommands::GraphicsAdapterClick()
{
    main_.GraphicsAdapterAdjust = !main_.GraphicsAdapterAdjust;
    main_.Navigation().UpdateMenuItems(TSender::Menu(0));
}

void TDialogCommands::PreferencesClick()
{
    PreferenceHooks hooks;
    hooks.clientFolder = [this] { return main_.settings.clientFolder; };
    hooks.tempFolder = [this] { return main_.folders.tempFolder; };
    hooks.showIconToolbar = [this](bool on) { main_.pnlToolBar->setVisible(on); };
    hooks.showLabelToolbar = [this](bool on) { main_.pnlCaptionButtonBar->setVisible(on); };
    const Preferences result =
        brevane::PreferencesClick(&main_, Preferences{main_.ShowIconToolbar, main_.ShowLabelToolbar}, hooks);
    main_.ShowIconToolbar = result.showIconToolbar;
    main_.ShowLabelToolbar = result.showLabelToolbar;
}

void TDialogCommands::TableofContentsClick()
{
    brevane::TableofContentsClick(main_.folders.programFolder);
}

void TDialogCommands::TutorialClick()
{
    brevane::TutorialClick(main_.folders.programFolder);
}

void TDialogCommands::PDFClick()
{
    brevane::PDFClick(&main_, main_.folders.Pdf());
}

void TDialogCommands::AboutBoxClick()
{
    brevane::AboutBoxClick(&main_);
}

} // namespace brevane
