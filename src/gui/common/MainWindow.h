#pragma once
// The main window as the commands of the program's subsystems see it: the
// client document, the page area, the window's state (displayed page,
// folders, settings, switches) and what they may ask of the window (show a
// page, open the worksheet on a row). The window refreshes its menus, buttons
// and caption itself when the client document announces a change. The
// window itself (gui/app/TfrmMain) builds the widgets and wires the
// commands; the subsystems' folders know only this, so none of them reaches
// into the window's own folder.

#include "core/files/Folders.h"
#include "core/files/Settings.h"

#include <QStringList>

#include <functional>

class QAction;
class QPoint;
class QScrollArea;
class QTreeWidget;
class QWidget;

namespace brevane {

class ClientDocument;
class TCalcCommands;
class TContinuationCommands;
class TFileCommands;
class TOutputCommands;
class TOverrideCommands;
class TPageBuilder;
class TPageTransfer;
class WarmConverter;

class TMainWindow
{
public:
    virtual ~TMainWindow() = default;

    // ---- the client being edited
    virtual ClientDocument &Document() = 0;

    // ---- the subsystems' commands
    virtual TPageBuilder &Pages() = 0;
    virtual TPageTransfer &Transfer() = 0;
    virtual TCalcCommands &Calc() = 0;
    virtual TOverrideCommands &Override() = 0;
    virtual TContinuationCommands &Continuations() = 0;
    virtual TFileCommands &Files() = 0;
    virtual TOutputCommands &Output() = 0;
    // The program's converter process (LibreOffice kept loaded), shared by
    // the paper view and Save as PDF; nullptr where it is not installed.
    virtual WarmConverter *Converter() = 0;

    // ---- what the commands ask of the window
    // Shows the page instance (PageTag = page * 100 + continuation), as a
    // display the program asks for itself.
    virtual void ShowPage(int pageTag) = 0;
    // Opens the Directory Worksheet with `row` selected.
    virtual void ShowDirectoryRow(int row) = 0;
    // Marks the page's tree item, where it has one.
    virtual void SelectPageTreeItem(int page) = 0;
    // Offers Override and Cancel Override (toolbars and pop-up) as given.
    virtual void SetOverrideVisible(bool showOverride, bool showCancel) = 0;
    // The recent files at the end of the File menu.
    virtual void ShowRecentFiles(const QStringList &files) = 0;
    // The focus entered a control of the displayed page: the override
    // buttons follow it and the page area scrolls it into view.
    virtual void ScrollOnEnter(QWidget *sender) = 0;
    // The pop-up menu of the page's edits, at a point on the screen.
    virtual void ShowPagePopup(const QPoint &globalPos) = 0;
    // The window caption: the file name of the client file.
    virtual void UpdateCaption() = 0;
    // The window, as the parent of the dialogs the commands open.
    virtual QWidget *Window() = 0;
    // A line in the window's status bar, until the next one (empty: none);
    // with `actionText`, a button beside it runs `action` while it shows.
    virtual void ShowStatus(const QString &text, const QString &actionText = QString(),
                            std::function<void()> action = {}) = 0;
    // The status bar's line.
    virtual QString StatusText() const = 0;

    // ---- widgets the page subsystem fills
    QScrollArea *VertScrollBox1 = nullptr; // the page area
    QWidget *pnlMainForm = nullptr;        // the page panel inside it
    QTreeWidget *TreeView1 = nullptr;
    QWidget *pnlToolBar = nullptr;          // icon toolbar
    QWidget *pnlCaptionButtonBar = nullptr; // label toolbar

    // ---- state
    int CurrentPage = -1;         // -1: no page shown
    int CurrentContinuation = -1; // -1: none
    Folders folders;
    Settings settings; // client file folder, Force Word/WordPad, zoom, font shrink, recent files
    bool GraphicsAdapterAdjust = false;
    bool ShowIconToolbar = true;
    bool ShowLabelToolbar = true;
    bool WordDetected = false;
    double ZoomBaseWidth = 0;

    double ZoomFactor() const { return settings.zoomFactor; }
    double FontShrink() const { return settings.fontShrink; }
    // The client file folder (kept in the settings and in the folders alike).
    void SetClientFolder(const QString &folder)
    {
        settings.clientFolder = folder;
        folders.clientFolder = folder;
    }
};

} // namespace brevane
