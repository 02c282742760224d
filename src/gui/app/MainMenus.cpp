#include "gui/app/MainMenus.h"

#include "core/forms/FormCatalogue.h"
#include "gui/app/DialogCommands.h"
#include "gui/app/Navigation.h"
#include "gui/app/TfrmMain.h"
#include "gui/app/ToolbarPanel.h"
#include "gui/check/CheckPanel.h"
#include "gui/files/FileCommands.h"
#include "gui/ledger/ShareLedgerCommands.h"
#include "gui/office/TfrmClients.h"
#include "gui/output/OutputCommands.h"
#include "gui/output/PaperView.h"
#include "gui/screens/CalcCommands.h"
#include "gui/screens/ContinuationCommands.h"
#include "gui/screens/OverrideCommands.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QPauseAnimation>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSequentialAnimationGroup>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

#include <vector>

namespace brevane {

namespace {

constexpr int TagRole = Qt::UserRole;
constexpr int KindRole = Qt::UserRole + 1;
constexpr int PulseMs = 2000;

// Menu texts double an ampersand that is shown; tree items show text as is.
QString treeText(const QString &menuText)
{
    return QString(menuText).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// Builds one view of the form catalogue below `root` from the view's own
// ways of adding a group (returning what the group's items go under), a
// page and a repeatable page. The family without a place (the worksheets) is
// the caller's to place.
template <typename Parent, typename AddGroup, typename AddPage, typename AddRepeatable>
void buildForms(Parent root, bool inTree, AddGroup addGroup, AddPage addPage, AddRepeatable addRepeatable)
{
    QHash<QString, Parent> groups; // by their place, "Corporation/Miscellaneous"
    auto groupAt = [&](const QString &place) {
        Parent parent = root;
        QString path;
        for (const QString &name : place.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            path = path.isEmpty() ? name : path + QLatin1Char('/') + name;
            auto it = groups.find(path);
            if (it == groups.end())
                it = groups.insert(path, addGroup(parent, name));
            parent = *it;
        }
        return parent;
    };
    const Offered ownView = inTree ? Offered::Tree : Offered::Menu;
    for (const FormFamily &family : FormFamilies()) {
        if (family.place.isEmpty())
            continue;
        const Parent parent = groupAt(family.place);
        const QString caption = family.Caption(inTree);
        const int first = family.pages.first().page;
        switch (family.layout) {
        case FamilyLayout::Item:
            addPage(parent, caption, first);
            break;
        case FamilyLayout::Repeatable:
            addRepeatable(parent, caption, first);
            break;
        case FamilyLayout::Pages: {
            if (!inTree && family.oneMenuItem) {
                addPage(parent, caption, first);
                break;
            }
            const Parent group = addGroup(parent, caption);
            for (int k = 0; k < family.pages.size(); ++k) {
                const Offered offered = family.pages[k].offered;
                if (offered == Offered::Both || offered == ownView)
                    addPage(group, family.PageCaption(k), family.pages[k].page);
            }
            break;
        }
        }
    }
}

} // namespace

TMainMenus::TMainMenus(TfrmMain &main)
    : main_(main)
{}

TMainMenus::~TMainMenus() = default;

void TMainMenus::Build()
{
    buildMenuBar();
    buildPopMain();
    buildTree();
    buildToolbars();
}

QAction *TMainMenus::addItem(QMenu *menu, const char *name, const QString &text, const QKeySequence &keys)
{
    auto *action = new QAction(text, &main_);
    action->setObjectName(QLatin1String(name));
    if (!keys.isEmpty())
        action->setShortcut(keys);
    if (menu)
        menu->addAction(action);
    actions_.insert(QLatin1String(name), action);
    return action;
}

QAction *TMainMenus::Action(const char *name) const
{
    return actions_.value(QLatin1String(name));
}

QAction *TMainMenus::Action(const QString &name) const
{
    return actions_.value(name);
}

QAction *TMainMenus::DisplayItem(int pageTag) const
{
    return displayItems_.value(pageTag);
}

QAbstractButton *TMainMenus::Button(const char *name) const
{
    return buttons_.value(QLatin1String(name));
}

void TMainMenus::buildMenuBar()
{
    TfrmMain &m = main_;
    QMenuBar *bar = m.menuBar();

    // ---- File
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    auto newClick = [&m](QAction *item) { m.Files().NewClick(TSender::Menu(item->data().toInt(), item)); };
    QAction *a = addItem(mnuFile, "mnuNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(a, &QAction::triggered, this, [a, newClick] { newClick(a); });
    a = addItem(mnuFile, "mnuClose", QStringLiteral("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(a, &QAction::triggered, this, [a, newClick] { newClick(a); });
    a = addItem(mnuFile, "mnuOpen", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(a, &QAction::triggered, this, [&m, a] { m.Files().OpenClick(TSender::Menu(0, a)); });

    mnuOpenRecent = mnuFile->addMenu(QStringLiteral("Open &Recent"));
    mnuOpenRecent->setObjectName(QStringLiteral("mnuOpenRecent"));
    mnuOpenRecent->menuAction()->setObjectName(QStringLiteral("mnuOpenRecent"));
    actions_.insert(QStringLiteral("mnuOpenRecent"), mnuOpenRecent->menuAction());
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "mnuOSX" + QByteArray::number(i);
        a = addItem(mnuOpenRecent, name.constData(), QStringLiteral("&%1-").arg(i));
        a->setData(0);
        connect(a, &QAction::triggered, this, [&m, a] { m.Files().ReOpenClick(a->data().toInt()); });
    }
    mnuOpenRecent->menuAction()->setVisible(false);
    a = addItem(mnuFile, "mnuClients", QStringLiteral("C&lients..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    connect(a, &QAction::triggered, this, [&m] { TfrmClients::ShowFor(m); });

    a = addItem(mnuFile, "mnuSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(a, &QAction::triggered, this, [&m] { m.Files().SaveFile(); });
    // The platform's command modifier with Shift; Qt maps Ctrl to it where it exists.
    a = addItem(mnuFile, "mnuSaveAs", QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(a, &QAction::triggered, this, [&m] { m.Files().SaveAsClick(); });
    a = addItem(mnuFile, "mnuDuplicate", QStringLiteral("Duplicate"));
    connect(a, &QAction::triggered, this, [&m] { m.Files().DuplicateClick(); });
    a->setVisible(false);
    a = addItem(mnuFile, "mnuPrint", QStringLiteral("&Preview and Print..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(a, &QAction::triggered, this, [&m, a] { m.Output().PrintSelectedForms(TSender::Menu(0, a)); });
    a = addItem(mnuFile, "mnuCheck", QStringLiteral("&Check Before Filing"), QKeySequence(Qt::Key_F9));
    connect(a, &QAction::triggered, this, [&m] { m.CheckPanel().CheckClick(); });
    a = addItem(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    connect(a, &QAction::triggered, this, [&m] { m.ExitClick(); });
    HX_Line = mnuFile->addSeparator();
    HX_Line->setObjectName(QStringLiteral("HX_Line"));
    actions_.insert(QStringLiteral("HX_Line"), HX_Line);
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "HX" + QByteArray::number(i);
        a = addItem(mnuFile, name.constData(), QString());
        a->setData(i);
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [&m, a] { m.Files().ReOpenClick(a->data().toInt()); });
        HX.append(a);
    }
    HX_Line->setVisible(false);

    // ---- Display
    mnuDisplay = bar->addMenu(QStringLiteral("&Display"));
    mnuDisplay->setObjectName(QStringLiteral("mnuDisplay"));
    buildDisplayMenu(mnuDisplay);

    // ---- Share Ledger
    QMenu *shareLedger = bar->addMenu(QStringLiteral("Share &Ledger"));
    shareLedger->setObjectName(QStringLiteral("mnuShareLedger"));
    a = addItem(shareLedger, "mnuRecordTransfer", QStringLiteral("Record a &Transfer..."));
    connect(a, &QAction::triggered, this, [&m] { RecordLedgerEntry(m, 0); });
    a = addItem(shareLedger, "mnuRecordIssue", QStringLiteral("Record an &Issue..."));
    connect(a, &QAction::triggered, this, [&m] { RecordLedgerEntry(m, 1); });
    a = addItem(shareLedger, "mnuRecordRedemption", QStringLiteral("Record a Re&demption..."));
    connect(a, &QAction::triggered, this, [&m] { RecordLedgerEntry(m, 2); });
    shareLedger->addSeparator();
    a = addItem(shareLedger, "mnuShareRegister", QStringLiteral("Share &Register..."));
    connect(a, &QAction::triggered, this, [&m] { ShowShareRegister(m); });

    // ---- Options
    mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    a = addItem(mnuOptions, "mnuOverride", QStringLiteral("&Override"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_V));
    connect(a, &QAction::triggered, this, [&m, a] { m.Override().OverrideClick(TSender::Menu(0, a)); });
    a = addItem(mnuOptions, "mnuCancelOverride", QStringLiteral("&Cancel Override"),
                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_U));
    connect(a, &QAction::triggered, this, [&m, a] { m.Override().OverrideClick(TSender::Menu(0, a)); });
    QMenu *locations = mnuOptions->addMenu(QStringLiteral("Default File Locations"));
    locations->setObjectName(QStringLiteral("mnuDefaultFileLocations"));
    a = addItem(locations, "mnuDefaultCL1", QStringLiteral("&CL1 File Location"),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));
    a->setData(0);
    connect(a, &QAction::triggered, this, [&m] { m.Files().DefaultFileLocation(0); });
    a = addItem(locations, "mnuDefaultTempDir", QStringLiteral("Temporary RTF"));
    a->setData(1);
    connect(a, &QAction::triggered, this, [&m] { m.Files().DefaultFileLocation(1); });
    a = addItem(mnuOptions, "mnuForceWord", QStringLiteral("&Force Word"));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [&m] {
        m.Output().ForceWordClick();
        m.UpdateMenuItems(); // the option marks follow the settings
    });
    a = addItem(mnuOptions, "mnuFindWord", QStringLiteral("F&ind Word"));
    connect(a, &QAction::triggered, this, [&m] {
        m.Output().FindWordClick();
        m.UpdateMenuItems(); // the option marks follow the settings
    });
    a = addItem(mnuOptions, "mnuForceWordPad", QStringLiteral("Force &WordPad"));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [&m] {
        m.Output().ForceWordPadClick();
        m.UpdateMenuItems(); // the option marks follow the settings
    });
#ifndef Q_OS_WIN
    // Word and WordPad are Windows programs; elsewhere the document always
    // goes to LibreOffice Writer or the desktop's program for RTF files.
    for (const char *name : {"mnuForceWord", "mnuFindWord", "mnuForceWordPad"})
        Action(name)->setVisible(false);
#endif
    a = addItem(mnuOptions, "mnuGraphicsAdapter", QStringLiteral("Turn Off Page &Fade"));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [&m] { m.Dialogs().GraphicsAdapterClick(); });
    a = addItem(mnuOptions, "mnuShrinkFont", QStringLiteral("&Shrink Font"));
    connect(a, &QAction::triggered, this, [&m] { m.Dialogs().ShrinkFontOnClick(); });
    a = addItem(mnuOptions, "mnuInsertToday", QStringLiteral("Insert Today"), QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(a, &QAction::triggered, this, [&m] { m.Navigation().Inserttoday(); });

    // ---- View: the paper view beside the page
    QMenu *mnuView = bar->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    a = addItem(mnuView, "mnuPaper", QStringLiteral("&Paper"));
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [&m](bool on) { m.SetPaperViewShown(on); });

    // ---- Window
    mnuWindow = bar->addMenu(QStringLiteral("&Window"));
    mnuWindow->setObjectName(QStringLiteral("mnuWindow"));
    a = addItem(mnuWindow, "mnuMinimize", QStringLiteral("&Minimize"), QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(a, &QAction::triggered, this, [&m] { m.Navigation().MinimizeClick(); });
    a = addItem(mnuWindow, "mnuZoom", QStringLiteral("&Zoom..."));
    connect(a, &QAction::triggered, this, [&m] { m.Dialogs().ZoomClick(); });

    // ---- Help
    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    a = addItem(mnuHelp, "mnuTableOfContents", QStringLiteral("&Table of Contents"), QKeySequence(Qt::Key_F1));
    connect(a, &QAction::triggered, this, [&m] { m.Dialogs().TableofContentsClick(); });
    a = addItem(mnuHelp, "mnuTutorial", QStringLiteral("T&utorial"));
    connect(a, &QAction::triggered, this, [&m] { m.Dialogs().TutorialClick(); });
    a = addItem(mnuHelp, "mnuPDF", QStringLiteral("&PDF Resources..."));
    connect(a, &QAction::triggered, this, [&m] { m.Dialogs().PDFClick(); });
    a = addItem(mnuHelp, "mnuAbout", QStringLiteral("&About"));
    connect(a, &QAction::triggered, this, [&m] { m.Dialogs().AboutBoxClick(); });

    // ---- the hidden Application menu and mnuInvisible
    mnuApplication = bar->addMenu(QStringLiteral("Application"));
    mnuApplication->setObjectName(QStringLiteral("mnuApplication"));
    a = addItem(mnuApplication, "mnuAppAbout", QStringLiteral("&About"));
    connect(a, &QAction::triggered, this, [&m] { m.Dialogs().AboutBoxClick(); });
    a = addItem(mnuApplication, "mnuPreferences", QStringLiteral("&Preferences..."));
    connect(a, &QAction::triggered, this, [&m] { m.Dialogs().PreferencesClick(); });
    a = addItem(mnuApplication, "mnuQuit", QStringLiteral("Quit Brevane"));
    connect(a, &QAction::triggered, this, [&m] { m.ExitClick(); });
    mnuApplication->menuAction()->setVisible(false);
    // Preferences are found where options are looked for.
    mnuOptions->addSeparator();
    mnuOptions->addAction(Action("mnuPreferences"));

    m.mnuInvisible = addItem(nullptr, "mnuInvisible", QString());
    m.mnuInvisible->setVisible(false);
    m.mnuInvisible->setData(0);
}

void TMainMenus::buildDisplayMenu(QMenu *display)
{
    TfrmMain &m = main_;
    auto page = [&](QMenu *menu, const QString &text, int pageNo) {
        const int tag = pageNo * 100;
        const QByteArray name = "mnuPage" + QByteArray::number(pageNo);
        QAction *a = addItem(menu, name.constData(), text);
        a->setData(tag);
        displayItems_.insert(tag, a);
        connect(a, &QAction::triggered, this,
                [&m, a] { m.Navigation().DisplayAPage(TSender::Menu(a->data().toInt(), a)); });
    };
    auto multi = [&](QMenu *menu, const QString &text, int pageNo) {
        QMenu *group = menu->addMenu(text);
        const QByteArray number = QByteArray::number(pageNo);
        QAction *a = addItem(group, ("mnuNew" + number).constData(), QStringLiteral("New"));
        a->setData(pageNo);
        connect(a, &QAction::triggered, this,
                [&m, a] { m.Continuations().NewForm(TSender::Menu(a->data().toInt(), a)); });
        a = addItem(group, ("mnuView" + number).constData(), QStringLiteral("View"));
        a->setData(pageNo * 100);
        connect(a, &QAction::triggered, this,
                [&m, a] { m.Continuations().ContinuationDlg(TSender::Menu(a->data().toInt(), a)); });
        a = addItem(group, ("mnuDelete" + number).constData(), QStringLiteral("Delete"));
        a->setData(pageNo);
        connect(a, &QAction::triggered, this,
                [&m, a] { m.Continuations().DeleteForm(TSender::Menu(a->data().toInt(), a)); });
    };

    page(display, FamilyOfPage(0)->caption, 0);
    auto sub = [](QMenu *menu, const QString &text) { return menu->addMenu(text); };
    buildForms(display, false, sub, page, multi);
}

void TMainMenus::buildPopMain()
{
    TfrmMain &m = main_;
    popMain = new QMenu(&m);
    popMain->setObjectName(QStringLiteral("popMain"));
    // One shortcut everywhere: the pop-up shows the Options menu's keys,
    // which act wherever the focus is in the window.
    QAction *a = addItem(popMain, "popOverride", QStringLiteral("Override\tCtrl+Alt+V"));
    connect(a, &QAction::triggered, this, [&m, a] { m.Override().OverrideClick(TSender::Menu(0, a)); });
    a = addItem(popMain, "popCancelOverride", QStringLiteral("Cancel Override\tCtrl+Alt+U"));
    connect(a, &QAction::triggered, this, [&m, a] { m.Override().OverrideClick(TSender::Menu(0, a)); });
    popMain->addSeparator();
    a = addItem(popMain, "popExpandTree", QStringLiteral("Expand Tree View"));
    connect(a, &QAction::triggered, this, [&m] { m.TreeView1->expandAll(); });
    a = addItem(popMain, "popCollapseTree", QStringLiteral("Collapse Tree View"));
    connect(a, &QAction::triggered, this, [&m] { m.TreeView1->collapseAll(); });
    a = addItem(popMain, "popNew", QStringLiteral("New\tCtrl+N"));
    connect(a, &QAction::triggered, this, [&m, a] { m.Files().NewClick(TSender::Menu(0, a)); });
    a = addItem(popMain, "popOpen", QStringLiteral("Open\tCtrl+O"));
    connect(a, &QAction::triggered, this, [&m, a] { m.Files().OpenClick(TSender::Menu(0, a)); });
    a = addItem(popMain, "popSave", QStringLiteral("Save\tCtrl+S"));
    connect(a, &QAction::triggered, this, [&m] { m.Files().SaveFile(); });
    a = addItem(popMain, "popSaveAs", QStringLiteral("Save As"));
    connect(a, &QAction::triggered, this, [&m] { m.Files().SaveAsClick(); });
    a = addItem(popMain, "popPrintSelected", QStringLiteral("Print Selected"));
    connect(a, &QAction::triggered, this, [&m, a] { m.Output().PrintSelectedForms(TSender::Menu(0, a)); });
    a = addItem(popMain, "popSendSelected", QStringLiteral("Send Selected"));
    connect(a, &QAction::triggered, this, [&m, a] { m.Output().PrintSelectedForms(TSender::Menu(0, a)); });
}

void TMainMenus::buildTree()
{
    QTreeWidget *tree = main_.TreeView1;
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    auto item = [&](QTreeWidgetItem *parent, const QString &text, TreeItemKind kind, int tag) {
        auto *it = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        it->setText(0, treeText(text));
        it->setData(0, TagRole, tag);
        it->setData(0, KindRole, int(kind));
        return it;
    };
    auto branch = [&](QTreeWidgetItem *parent, const QString &text) {
        return item(parent, text, TreeItemKind::Branch, -1);
    };
    auto page = [&](QTreeWidgetItem *parent, const QString &text, int pageNo) {
        return item(parent, text, TreeItemKind::Page, pageNo * 100);
    };
    auto multi = [&](QTreeWidgetItem *parent, const QString &text, int pageNo) {
        QTreeWidgetItem *group = branch(parent, text);
        item(group, QStringLiteral("New"), TreeItemKind::NewForm, pageNo);
        item(group, QStringLiteral("View"), TreeItemKind::ViewForm, pageNo * 100);
        item(group, QStringLiteral("Delete"), TreeItemKind::DeleteForm, pageNo);
    };

    QTreeWidgetItem *steps = branch(nullptr, QStringLiteral("Follow These Steps"));
    page(steps, QStringLiteral("1 ") + FamilyOfPage(0)->caption, 0);
    item(steps, QStringLiteral("2 Directory Worksheet"), TreeItemKind::Directory, 0);
    QTreeWidgetItem *review = branch(steps, QStringLiteral("3 Review Forms"));

    buildForms(review, true, branch, page, multi);

    item(steps, QStringLiteral("4 Preview && Print"), TreeItemKind::Print, 0);

    connect(tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *it) { TreeItemClicked(it); });
}

void TMainMenus::TreeItemClicked(QTreeWidgetItem *it)
{
    if (!it)
        return;
    TfrmMain &m = main_;
    const int tag = TagOf(it);
    switch (KindOf(it)) {
    case TreeItemKind::Branch:
        m.Navigation().ExpandLevel(it);
        break;
    case TreeItemKind::Page:
        m.Navigation().DisplayAPage(TSender::Tree(tag));
        break;
    case TreeItemKind::Directory:
        m.Dialogs().DisplayDirectory(TSender::Tree(tag));
        break;
    case TreeItemKind::Print:
        m.Output().PrintSelectedForms(TSender::Tree(tag));
        break;
    case TreeItemKind::NewForm:
        m.Continuations().NewForm(TSender::Tree(tag));
        break;
    case TreeItemKind::ViewForm:
        m.Continuations().ContinuationDlg(TSender::Tree(tag));
        break;
    case TreeItemKind::DeleteForm:
        m.Continuations().DeleteForm(TSender::Tree(tag));
        break;
    }
}

TreeItemKind TMainMenus::KindOf(const QTreeWidgetItem *item)
{
    return TreeItemKind(item->data(0, KindRole).toInt());
}

int TMainMenus::TagOf(const QTreeWidgetItem *item)
{
    return item->data(0, TagRole).toInt();
}

QTreeWidgetItem *TMainMenus::TreeItem(TreeItemKind kind, int tag) const
{
    for (QTreeWidgetItemIterator it(main_.TreeView1); *it; ++it)
        if (KindOf(*it) == kind && TagOf(*it) == tag)
            return *it;
    return nullptr;
}

QTreeWidgetItem *TMainMenus::TreeItemByText(const QString &text) const
{
    for (QTreeWidgetItemIterator it(main_.TreeView1); *it; ++it)
        if ((*it)->text(0) == text)
            return *it;
    return nullptr;
}

void TMainMenus::buildToolbars()
{
    TfrmMain &m = main_;
    IconBar = new TToolbarPanel(44, &m);
    IconBar->setObjectName(QStringLiteral("pnlToolBar"));
    LabelBar = new TToolbarPanel(28, &m);
    LabelBar->setObjectName(QStringLiteral("pnlCaptionButtonBar"));
    m.pnlToolBar = IconBar;
    m.pnlCaptionButtonBar = LabelBar;

    struct Command
    {
        const char *name;
        const char *caption;
        QStyle::StandardPixmap icon;
        std::function<void(QAbstractButton *)> run;
    };
    const std::vector<Command> commands = {
        {"New", "New", QStyle::SP_FileIcon, [&m](QAbstractButton *b) { m.Files().NewClick(TSender::Button(0, b)); }},
        {"Open", "Open", QStyle::SP_DialogOpenButton,
         [&m](QAbstractButton *b) { m.Files().OpenClick(TSender::Button(0, b)); }},
        {"Save", "Save", QStyle::SP_DialogSaveButton, [&m](QAbstractButton *) { m.Files().SaveFile(); }},
        {"Print", "Preview/Print", QStyle::SP_FileDialogContentsView,
         [&m](QAbstractButton *b) { m.Output().PrintSelectedForms(TSender::Button(0, b)); }},
        {"Check", "Check", QStyle::SP_MessageBoxWarning, [&m](QAbstractButton *) { m.CheckPanel().CheckClick(); }},
        {"Paper", "Paper", QStyle::SP_FileDialogInfoView,
         [&m](QAbstractButton *) { m.SetPaperViewShown(m.Paper().isHidden()); }},
        {"Worksheet", "Wksht", QStyle::SP_FileDialogDetailedView,
         [&m](QAbstractButton *b) { m.Dialogs().DisplayDirectory(TSender::Button(0, b)); }},
        {"Refresh", "Refresh", QStyle::SP_BrowserReload, [&m](QAbstractButton *) { m.Calc().RefreshClick(); }},
        {"Exit", "Exit", QStyle::SP_DialogCloseButton, [&m](QAbstractButton *) { m.ExitClick(); }},
        {"Prior", "Prior", QStyle::SP_ArrowLeft, [&m](QAbstractButton *) { m.Navigation().PriorClick(); }},
        {"Next", "Next", QStyle::SP_ArrowRight, [&m](QAbstractButton *) { m.Navigation().NextClick(); }},
        {"Override", "Override", QStyle::SP_DialogApplyButton,
         [&m](QAbstractButton *b) { m.Override().OverrideClick(TSender::Button(0, b)); }},
        {"CancelOverride", "Cancel Override", QStyle::SP_DialogResetButton,
         [&m](QAbstractButton *b) { m.Override().OverrideClick(TSender::Button(0, b)); }},
    };
    QStyle *style = QApplication::style();
    for (const Command &c : commands) {
        auto *icon = new QToolButton;
        icon->setObjectName(QLatin1String("cbtn") + QLatin1String(c.name));
        icon->setIcon(style->standardIcon(c.icon));
        icon->setIconSize(QSize(36, 36));
        icon->setToolTip(QLatin1String(c.caption));
        IconBar->AddButton(icon);
        buttons_.insert(icon->objectName(), icon);
        connect(icon, &QAbstractButton::clicked, this, [run = c.run, icon] { run(icon); });

        auto *label = new QPushButton(QLatin1String(c.caption));
        label->setObjectName(QLatin1String("btn") + QLatin1String(c.name));
        label->setFlat(true);
        LabelBar->AddButton(label);
        buttons_.insert(label->objectName(), label);
        connect(label, &QAbstractButton::clicked, this, [run = c.run, label] { run(label); });
    }
    // Offered only where they apply: the override buttons when a control is
    // focused, the Refresh icon once a page is shown. Prior and Next keep
    // their places and are greyed where there is no page to go to.
    SetPriorNextEnabled(false, false);
    for (const char *name : {"Override", "CancelOverride"}) {
        IconBar->SetButtonVisible(Button(QByteArray("cbtn").append(name).constData()), false);
        LabelBar->SetButtonVisible(Button(QByteArray("btn").append(name).constData()), false);
    }
    IconBar->SetButtonVisible(Button("cbtnRefresh"), false);
}

void TMainMenus::SetPriorNextEnabled(bool prior, bool next)
{
    Button("cbtnPrior")->setEnabled(prior);
    Button("btnPrior")->setEnabled(prior);
    Button("cbtnNext")->setEnabled(next);
    Button("btnNext")->setEnabled(next);
}

void TMainMenus::SetRefreshVisible(bool visible)
{
    IconBar->SetButtonVisible(Button("cbtnRefresh"), visible);
}

void TMainMenus::SetOverrideVisible(bool showOverride, bool showCancel)
{
    QAbstractButton *icon = Button("cbtnOverride");
    QAbstractButton *cancelIcon = Button("cbtnCancelOverride");
    const bool wasOverride = IconBar->IsButtonVisible(icon);
    const bool wasCancel = IconBar->IsButtonVisible(cancelIcon);
    IconBar->SetButtonVisible(icon, showOverride, true);
    LabelBar->SetButtonVisible(Button("btnOverride"), showOverride, true);
    IconBar->SetButtonVisible(cancelIcon, showCancel, true);
    LabelBar->SetButtonVisible(Button("btnCancelOverride"), showCancel, true);
    Action("popOverride")->setVisible(showOverride);
    Action("popCancelOverride")->setVisible(showCancel);
    // The icons pulse while shown; the Override image starts two seconds later.
    if (showOverride != wasOverride)
        setPulse(icon, showOverride, PulseMs);
    if (showCancel != wasCancel)
        setPulse(cancelIcon, showCancel, 0);
}

void TMainMenus::setPulse(QAbstractButton *button, bool on, int delayMs)
{
    if (QPointer<QVariantAnimation> old = pulses_.take(button)) {
        old->stop();
        delete old.data();
    }
    button->setGraphicsEffect(nullptr);
    if (!on)
        return;
    auto *effect = new QGraphicsOpacityEffect(button);
    effect->setOpacity(delayMs > 0 ? 1.0 : 0.0);
    button->setGraphicsEffect(effect);
    auto *pulse = new QPropertyAnimation(effect, "opacity", button);
    pulse->setStartValue(0.0);
    pulse->setEndValue(1.0);
    pulse->setDuration(PulseMs);
    pulse->setLoopCount(-1);
    pulses_.insert(button, pulse);
    if (delayMs > 0) {
        auto *start = new QSequentialAnimationGroup(pulse);
        start->addPause(delayMs);
        connect(start, &QAbstractAnimation::finished, pulse, [pulse] { pulse->start(); });
        start->start(QAbstractAnimation::DeleteWhenStopped);
    } else {
        pulse->start();
    }
}

void TMainMenus::SetContinuationItemsVisible(int page, bool visible)
{
    const QByteArray number = QByteArray::number(page);
    if (QAction *view = Action(QString::fromLatin1("mnuView" + number)))
        view->setVisible(visible);
    if (QAction *del = Action(QString::fromLatin1("mnuDelete" + number)))
        del->setVisible(visible);
    if (QTreeWidgetItem *view = TreeItem(TreeItemKind::ViewForm, page * 100))
        view->setHidden(!visible);
    if (QTreeWidgetItem *del = TreeItem(TreeItemKind::DeleteForm, page))
        del->setHidden(!visible);
}

void TMainMenus::ShowRecentFiles(const QStringList &files)
{
    for (QAction *item : HX)
        item->setVisible(false);
    HX_Line->setVisible(!files.isEmpty());
    for (int i = 0; i < files.size() && i < HX.size(); ++i) {
        const QString fileName =
            QFileInfo(QString(files.at(i)).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
        HX[i]->setText(QStringLiteral("&%1-").arg(i) +
                       QString(fileName).replace(QLatin1Char('&'), QStringLiteral("&&")));
        HX[i]->setVisible(true);
    }
}

} // namespace brevane
