#pragma once
// The main window: the page tree, the menus and toolbars, the page area with
// the displayed page, and the main-window state (current page and
// continuation, modified flag, client file name, folders and switches).
// The commands live in small classes of their subsystems, owned and wired
// here: page builder and transfers, calculation entry points, navigation,
// override, continuation pages, file commands, output and the auxiliary
// windows.

#include "gui/app/Sender.h"
#include "core/files/Folders.h"
#include "core/files/Settings.h"
#include "core/store/DirectoryTable.h"

#include <QMainWindow>
#include <QSize>

#include <memory>

class QAction;
class QScrollArea;
class QTreeWidget;

namespace brevane {

class TCalcCommands;
class TContinuationCommands;
class TDialogCommands;
class TFileCommands;
class TMainMenus;
class TNavigation;
class TOutputCommands;
class TOverrideCommands;
class TPageBuilder;
class TPageTransfer;

// What start-up may take from outside instead of the platform: tests and
// benchmarks run in a folder of their own on a screen of a chosen size.
struct TStartOptions
{
    QString installRoot;   // empty: the platform's install root
    QString programFolder; // empty: found beside the program (FindProgramFolder)
    QSize screenSize;      // empty: the size of the window's screen
};

class TfrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmMain(const TStartOptions &options = {}, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // ---- the subsystems' commands
    TPageBuilder &Pages() { return *pages_; }
    TPageTransfer &Transfer() { return *transfer_; }
    TCalcCommands &Calc() { return *calc_; }
    TNavigation &Navigation() { return *navigation_; }
    TOverrideCommands &Override() { return *override_; }
    TContinuationCommands &Continuations() { return *continuations_; }
    TFileCommands &Files() { return *files_; }
    TOutputCommands &Output() { return *output_; }
    TDialogCommands &Dialogs() { return *dialogs_; }
    TMainMenus &Menus() { return *menus_; }

    // ---- widgets
    QScrollArea *VertScrollBox1 = nullptr; // the page area
    QWidget *pnlMainForm = nullptr;        // the page panel inside it
    QTreeWidget *TreeView1 = nullptr;
    QWidget *pnlToolBar = nullptr;          // icon toolbar
    QWidget *pnlCaptionButtonBar = nullptr; // label toolbar
    QAction *mnuInvisible = nullptr;        // hidden; carries the Tag of a command the program asks for

    // mnuInvisible as a sender, with its Tag set.
    TSender Invisible(int tag);

    // ---- main-window state
    int CurrentPage = -1;         // -1: no page shown
    int CurrentContinuation = -1; // -1: none
    bool Modified = false;
    QString ClientFileName = QStringLiteral("Untitled.cl1");
    DirectoryTable DSchedList;
    Folders folders;
    Settings settings; // client file folder, Force Word/WordPad, zoom, font shrink, recent files
    bool GraphicsAdapterAdjust = false;
    bool ShowIconToolbar = true;
    bool ShowLabelToolbar = true;
    bool WordDetected = false;
    double ZoomBaseWidth = 0;

    double ZoomFactor() const { return settings.zoomFactor; }
    // The client file folder (kept in the settings and in the folders alike).
    void SetClientFolder(const QString &folder);
    double FontShrink() const { return settings.fontShrink; }

    // ---- handlers of the window
    void ControlChange() { Modified = true; }
    void ExitClick();
    // The window caption: the file name of the current client file.
    void UpdateCaption();
    // The size the window took at its first showing, by screen band.
    struct ScreenBand
    {
        int windowWidth = 800;
        int treeWidth = 0;
        double treeScale = 1.0;
        double zoom = 1.0;
        bool tooNarrow = false; // error 11080, minimized
    };
    static ScreenBand BandFor(int screenWidth);

    // Whether the window has gone through its first showing.

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    // False when closing was abandoned.
    bool FormClose();
    void LayOutWindow();

    TStartOptions options_;
    std::unique_ptr<TPageTransfer> transfer_;
    std::unique_ptr<TPageBuilder> pages_;
    std::unique_ptr<TCalcCommands> calc_;
    std::unique_ptr<TNavigation> navigation_;
    std::unique_ptr<TOverrideCommands> override_;
    std::unique_ptr<TContinuationCommands> continuations_;
    std::unique_ptr<TFileCommands> files_;
    std::unique_ptr<TOutputCommands> output_;
    std::unique_ptr<TDialogCommands> dialogs_;
    std::unique_ptr<TMainMenus> menus_;
    bool shown_ = false;
    bool closed_ = false;
    bool inKeyDispatch_ = false;
};

} // namespace brevane
