#include "gui/app/TfrmMain.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/output/PdfExport.h"
#include "core/output/WarmConverter.h"
#include "gui/app/DialogCommands.h"
#include "gui/app/MainMenus.h"
#include "gui/app/Navigation.h"
#include "gui/app/ToolbarPanel.h"
#include "gui/check/CheckPanel.h"
#include "gui/common/StyleBook.h"
#include "gui/files/FileCommands.h"
#include "gui/output/OutputCommands.h"
#include "gui/output/PaperView.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/ContinuationCommands.h"
#include "gui/screens/OverrideCommands.h"
#include "gui/screens/PageBuilder.h"
#include "gui/screens/PageControls.h"
#include "gui/screens/PageTransfer.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <cmath>
#include <optional>

namespace brevane {

namespace {
constexpr char TempPattern[] = "send_temp*.rtf";
} // namespace

TfrmMain::TfrmMain(const TStartOptions &options, QWidget *parent)
    : QMainWindow(parent)
    , options_(options)
{
    setObjectName(QStringLiteral("TfrmMain"));
    transfer_ = std::make_unique<TPageTransfer>(*this);
    pages_ = std::make_unique<TPageBuilder>(*this);
    calc_ = std::make_unique<TCalcCommands>(*this);
    navigation_ = std::make_unique<TNavigation>(*this);
    override_ = std::make_unique<TOverrideCommands>(*this);
    continuations_ = std::make_unique<TContinuationCommands>(*this);
    files_ = std::make_unique<TFileCommands>(*this);
    output_ = std::make_unique<TOutputCommands>(*this);
    dialogs_ = std::make_unique<TDialogCommands>(*this);
    menus_ = std::make_unique<TMainMenus>(*this);
    check_ = new TCheckPanel(*this, this);
    addDockWidget(Qt::BottomDockWidgetArea, check_);
    check_->hide();
    paper_ = new PaperView(*this, this);
    addDockWidget(Qt::RightDockWidgetArea, paper_);
    paper_->hide();
    connect(paper_, &PaperView::Closed, this, [this] { SetPaperViewShown(false); });
    // The window follows the client document: whatever a recalculation
    // changed shows on the displayed page; the menus, Prior and Next and the
    // caption follow the answers and the copies; the caption's name and
    // unsaved-changes mark follow the file state, whatever changed it (a
    // typed answer, a worksheet row, Save). The check panel and the tree
    // observe the document themselves.
    connect(&document_, &ClientDocument::AnswersChanged, this, [this] {
        transfer_->AnswersToControls();
        UpdateMenuItems();
    });
    connect(&document_, &ClientDocument::CopiesChanged, this, [this] { UpdateMenuItems(); });
    connect(&document_, &ClientDocument::FileStateChanged, this, [this] { UpdateCaption(); });
    FormCreate();
    qApp->installEventFilter(this);
}

WarmConverter *TfrmMain::Converter()
{
    if (!converterLookedFor_) {
        converterLookedFor_ = true;
        const PdfSettings settings = PdfSettingsFromEnvironment();
        if (!settings.helper.isEmpty())
            converter_ = std::make_unique<WarmConverter>(ConverterSettingsOf(settings));
    }
    return converter_.get();
}

void TfrmMain::SetPaperViewShown(bool shown)
{
    settings.paperView = shown;
    paper_->setVisible(shown);
    // A third of the window, so that the paper can be read beside the page.
    if (shown)
        resizeDocks({paper_}, {std::max(paper_->minimumWidth(), width() / 3)}, Qt::Horizontal);
    if (QAction *item = menus_->Action("mnuPaper"))
        item->setChecked(shown);
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    // The paper view goes before the converter process it uses.
    delete paper_;
    paper_ = nullptr;
    pages_->CloseBalloon();
    // The page's controls go before the commands their handlers call.
    TPageControl::handlersEnabled = false;
    delete pnlMainForm;
    pnlMainForm = nullptr;
    TPageControl::handlersEnabled = true;
}

TSender TfrmMain::Invisible(int tag)
{
    mnuInvisible->setData(tag);
    return TSender::Menu(tag, mnuInvisible);
}

void TfrmMain::UpdateCaption()
{
    QString caption = QFileInfo(QString(document_.FileName()).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    if (document_.IsReadOnly())
        caption += QStringLiteral(" (read-only)");
    // A copy of a repeatable page says which copy it is.
    if (const TAnswer *store = document_.Answers(); store && IsValidPage(CurrentPage)) {
        const QString copy = CopyName(CurrentPage, CurrentContinuation, store->PgCt[CurrentPage]);
        if (!copy.isEmpty())
            caption += QStringLiteral(" - ") + copy;
    }
    if (document_.IsModified())
        caption.prepend(QLatin1Char('*'));
    setWindowTitle(caption);
}

void TfrmMain::ShowStatus(const QString &text, const QString &actionText, std::function<void()> action)
{
    if (text.isEmpty())
        status_->clearMessage();
    else
        status_->showMessage(text);
    statusActionRun_ = std::move(action);
    statusAction_->setText(actionText);
    statusAction_->setVisible(!text.isEmpty() && !actionText.isEmpty() && statusActionRun_);
}

QString TfrmMain::StatusText() const
{
    return status_->currentMessage();
}

void TfrmMain::ShowPage(int pageTag)
{
    navigation_->DisplayAPage(Invisible(pageTag));
}

void TfrmMain::ShowDirectoryRow(int row)
{
    dialogs_->DisplayDirectory(Invisible(0), row);
}

void TfrmMain::UpdateMenuItems()
{
    navigation_->UpdateMenuItems(Invisible(0));
}

void TfrmMain::SelectPageTreeItem(int page)
{
    navigation_->SelectPageTreeItem(page);
}

void TfrmMain::SetOverrideVisible(bool showOverride, bool showCancel)
{
    menus_->SetOverrideVisible(showOverride, showCancel);
}

void TfrmMain::ScrollOnEnter(QWidget *sender)
{
    navigation_->ScrollOnEnter(sender);
}

void TfrmMain::ShowPagePopup(const QPoint &globalPos)
{
    menus_->popMain->exec(globalPos);
}

void TfrmMain::ShowRecentFiles(const QStringList &files)
{
    menus_->ShowRecentFiles(files);
}

TfrmMain::ScreenBand TfrmMain::BandFor(int screenWidth)
{
    ScreenBand band;
    const int w = screenWidth;
    if (w < 1024) {
        band = {800, 0, 1.0, 0.9, true};
    } else if (w < 1152) {
        band = {1024, 0, 0.7, 1.0, false};
    } else if (w < 1176) {
        band = {1100, 116, 0.7, 1.0, false};
    } else if (w < 1280) {
        band = {1100, 140, 0.7, 1.0, false};
    } else if (w < 1366) {
        band = {1280, 244, 0.7, 1.0, false};
    } else if (w < 1400) {
        band = {1366, 330, 1.0, 1.0, false};
    } else if (w < 1920) {
        band = {1400, 376, 1.0, 1.0, false};
    } else if (w < 10000) {
        band = {1435, 400, 1.0, 1.0, false};
    } else {
        band = {800, 0, 1.0, 1.0, false};
    }
    return band;
}

void TfrmMain::LayOutWindow()
{
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    TreeView1 = new QTreeWidget(central);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    VertScrollBox1 = new QScrollArea(central);
    VertScrollBox1->setObjectName(QStringLiteral("VertScrollBox1"));
    VertScrollBox1->setWidgetResizable(false);
    VertScrollBox1->setBackgroundRole(QPalette::Dark);
    pnlMainForm = new QWidget;
    pnlMainForm->setObjectName(QStringLiteral("pnlMainForm"));
    UsePagePaper(pnlMainForm);
    pnlMainForm->resize(1000, 1000);
    VertScrollBox1->setWidget(pnlMainForm);

    menus_->Build();
    column->addWidget(pnlToolBar);
    column->addWidget(pnlCaptionButtonBar);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(TreeView1);
    row->addWidget(VertScrollBox1, 1);
    column->addLayout(row, 1);
    setCentralWidget(central);
    // What a field's colour means, always in sight; the line beside it
    // explains the focused field.
    status_ = statusBar();
    status_->setObjectName(QStringLiteral("StatusBar"));
    statusAction_ = new QPushButton(status_);
    statusAction_->setObjectName(QStringLiteral("StatusAction"));
    statusAction_->setFocusPolicy(Qt::NoFocus);
    statusAction_->hide();
    connect(statusAction_, &QPushButton::clicked, this, [this] {
        if (statusActionRun_)
            statusActionRun_();
    });
    // The button belongs to its line: another line, or none, takes it away.
    connect(status_, &QStatusBar::messageChanged, this, [this](const QString &) { statusAction_->hide(); });
    status_->addPermanentWidget(statusAction_);
    status_->addPermanentWidget(FieldLegend(status_));
}

void TfrmMain::FormCreate()
{
    settings.recentFiles.clear();
    LayOutWindow();
    ShowIconToolbar = true;
    ShowLabelToolbar = true;
    settings.forceWord = false;
    settings.forceWordPad = false;
    GraphicsAdapterAdjust = false;

    folders = DefaultFolders(options_.installRoot);
    folders.programFolder = FindProgramFolder(QCoreApplication::applicationDirPath(), options_.programFolder);
    settings.clientFolder = folders.clientFolder;
    settings.zoomFactor = 0.0;
    settings.fontShrink = 0.0;
    WordDetected = TOutputCommands::WordInstalled();
    // A settings file that cannot be read (or a settings folder that cannot
    // be made) leaves this run with the defaults, and the user is told; the
    // program works without the file.
    if (QString error; !ReadSettings(folders.settingsFolder, settings, &error))
        ShowError(msg::SettingsUnreadable,
                  QDir::toNativeSeparators(FileInFolder(folders.settingsFolder, QStringLiteral("brevane.ini"))) +
                      QStringLiteral(" (") + error + QLatin1Char(')'));
    folders.clientFolder = settings.clientFolder;
    SetPaperViewShown(settings.paperView);

    CurrentPage = -1;
    CurrentContinuation = -1;
    settings.zoomFactor = 1.0;
    document_.SetFileName(QStringLiteral("Untitled.cl1"));
    files_->ReadDefaultClient();
    document_.SetModified(false);
    UpdateCaption();
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    QSize screenSize = options_.screenSize;
    if (!screenSize.isValid() && screen())
        screenSize = screen()->geometry().size();
    if (!screenSize.isValid())
        screenSize = QSize(1920, 1080);
    const int W = screenSize.width();
    const int H = screenSize.height();
    const int height = H - int(H * 0.075);

    const ScreenBand band = BandFor(W);
    settings.zoomFactor = band.zoom;
    if (band.tooNarrow)
        ShowError(msg::ScreenTooNarrow);
    const int left = (W - band.windowWidth) / 2;

    QFont treeFont = TreeView1->font();
    treeFont.setPixelSize(qMax(8, int(std::lround(18 * band.treeScale))));
    TreeView1->setFont(treeFont);
    TreeView1->setFixedWidth(band.treeWidth);
    for (const char *text :
         {"Follow These Steps", "3 Review Forms", "Corporation", "Limited Liability Company", "Miscellaneous"})
        for (QTreeWidgetItemIterator it(TreeView1); *it; ++it)
            if ((*it)->text(0) == QLatin1String(text) && (*it)->childCount() > 0)
                (*it)->setExpanded(true);

    resize(band.windowWidth, height);
    move(left, qMax(0, (H - height) / 2));
    files_->RebuildRecentMenu();
    ShowPage(0);
    if (QTreeWidgetItem *general = menus_->TreeItem(TreeItemKind::Page, 0))
        TreeView1->setCurrentItem(general);

    if (pages_->PageSized()) {
        // The tree takes what the page and the page area's scroll bar leave.
        const int scrollBar =
            qMax(15, VertScrollBox1->verticalScrollBar()->sizeHint().width() + 2 * VertScrollBox1->frameWidth());
        TreeView1->setFixedWidth(qMax(0, width() - pnlMainForm->width() - scrollBar));
    }
    ZoomBaseWidth = pnlMainForm->width();
    if (band.tooNarrow)
        QMetaObject::invokeMethod(
            this, [this] { showMinimized(); }, Qt::QueuedConnection);
}

void TfrmMain::ExitClick()
{
    close();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (closed_ || FormClose()) {
        closed_ = true;
        event->accept();
        return;
    }
    event->ignore();
}

bool TfrmMain::FormClose()
{
    files_->CommitEdit();
    if (!files_->SaveQuestion())
        return false;
    files_->DropRecoveryCopy(); // saved, or given up by the user
    CurrentPage = -1;
    CurrentContinuation = -1;
    document_.ReleaseAnswers();
    WriteSettings(folders.settingsFolder, settings);
    output_->DeleteTemps(folders.tempFolder, QLatin1String(TempPattern));
    return true;
}

bool TfrmMain::event(QEvent *event)
{
    // The status line is the program's: a menu passing over its items
    // does not wipe what it says.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || inKeyDispatch_)
        return QMainWindow::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);

    auto *key = static_cast<QKeyEvent *>(event);
    if (navigation_->KeyDown(key))
        return true;
    override_->ExplainRefusedTyping(widget, key);
    // The framework's own handling runs now. A key that changes an answer
    // marks the client through the control's change handler; a key that
    // only moves (and whatever that sets off: a Tab's focus move and
    // recalculation) changes nothing the user typed, so nothing is marked.
    inKeyDispatch_ = true;
    QCoreApplication::sendEvent(watched, event);
    inKeyDispatch_ = false;
    return true;
}

} // namespace brevane
