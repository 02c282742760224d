#pragma once
// The main window: the page tree, the menus and toolbars, the page area with
// the displayed page, and the main-window state (current page and
// continuation, modified flag, client file name, folders and switches).
// The commands live in small classes of their subsystems, owned and wired
// here: page builder and transfers, calculation entry points, navigation,
// override, continuation pages, file commands, output and the auxiliary
// windows.

#include "core/document/ClientDocument.h"
#include "gui/common/MainWindow.h"
#include "gui/common/Sender.h"

#include <QMainWindow>
#include <QSize>

#include <memory>

class QAction;
class QPushButton;
class QStatusBar;

namespace brevane {

class TCalcCommands;
class TCheckPanel;
class TContinuationCommands;
class TDialogCommands;
class TFileCommands;
class TMainMenus;
class TNavigation;
class TOutputCommands;
class TOverrideCommands;
class TPageBuilder;
class TPageTransfer;
class PaperView;
class WarmConverter;

// What start-up may take from outside instead of the platform: tests and
// benchmarks run in a folder of their own on a screen of a chosen size.
struct TStartOptions
{
    QString installRoot;   // empty: the platform's install root
    QString programFolder; // empty: found beside the program (FindProgramFolder)
    QSize screenSize;      // empty: the size of the window's screen
};

class TfrmMain : public QMainWindow, public TMainWindow
{
    Q_OBJECT
public:
    explicit TfrmMain(const TStartOptions &options = {}, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // ---- TMainWindow
    ClientDocument &Document() override { return document_; }
    TPageBuilder &Pages() override { return *pages_; }
    TPageTransfer &Transfer() override { return *transfer_; }
    TCalcCommands &Calc() override { return *calc_; }
    TOverrideCommands &Override() override { return *override_; }
    TContinuationCommands &Continuations() override { return *continuations_; }
    TFileCommands &Files() override { return *files_; }
    TOutputCommands &Output() override { return *output_; }
    WarmConverter *Converter() override;
    void ShowPage(int pageTag) override;

    void ShowDirectoryRow(int row) override;
    void SelectPageTreeItem(int page) override;
    void SetOverrideVisible(bool showOverride, bool showCancel) override;
    void ShowRecentFiles(const QStringList &files) override;
    void ScrollOnEnter(QWidget *sender) override;
    void ShowPagePopup(const QPoint &globalPos) override;
    // The window caption: the file name of the current client file.
    void UpdateCaption() override;
    QWidget *Window() override { return this; }
    void ShowStatus(const QString &text, const QString &actionText = QString(),
                    std::function<void()> action = {}) override;
    QString StatusText() const override;

    // Refreshes the caption, Prior and Next, the option marks and the
    // repeatable pages' View and Delete items.
    void UpdateMenuItems();

    // ---- the window's own commands
    TNavigation &Navigation() { return *navigation_; }
    TDialogCommands &Dialogs() { return *dialogs_; }
    TMainMenus &Menus() { return *menus_; }
    TCheckPanel &CheckPanel() { return *check_; }
    PaperView &Paper() { return *paper_; }
    // View > Paper and its toolbar button: shows or hides the paper view
    // and remembers it in the settings.
    void SetPaperViewShown(bool shown);

    QAction *mnuInvisible = nullptr; // hidden; carries the Tag of a command the program asks for
    // mnuInvisible as a sender, with its Tag set.
    TSender Invisible(int tag);

    // ---- handlers of the window
    void ExitClick();
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

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    // False when closing was abandoned.
    bool FormClose();
    void LayOutWindow();

    TStartOptions options_;
    ClientDocument document_;
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
    TCheckPanel *check_ = nullptr; // a dock, owned by the window
    PaperView *paper_ = nullptr;   // a dock, owned by the window
    std::unique_ptr<WarmConverter> converter_;
    bool converterLookedFor_ = false;
    QStatusBar *status_ = nullptr;
    QPushButton *statusAction_ = nullptr; // beside the status line, for its action
    std::function<void()> statusActionRun_;
    bool shown_ = false;
    bool closed_ = false;
    bool inKeyDispatch_ = false;
};

} // namespace brevane
