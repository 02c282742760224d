#pragma once
// The menus, the page tree and the two toolbars of the main window, and the
// wiring of each item to its command. Every item that displays a page
// carries its PageTag; the New and Delete items of the repeatable pages carry
// the page number, their View item page * 100.

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QAbstractButton;
class QAction;
class QMenu;
class QPropertyAnimation;
class QTreeWidgetItem;
class QVariantAnimation;

namespace brevane {

class TfrmMain;
class TToolbarPanel;

enum class TreeItemKind { Branch, Page, Directory, Print, NewForm, ViewForm, DeleteForm };

class TMainMenus : public QObject
{
public:
    explicit TMainMenus(TfrmMain &main);
    ~TMainMenus() override;

    // Builds the menu bar, the page edits' pop-up menu, the page tree and
    // the toolbars, each item wired to its command.
    void Build();

    // A menu item by its name ("mnuSave", "HX0", "mnuNew23", ...).
    QAction *Action(const char *name) const;
    QAction *Action(const QString &name) const;
    // The Display menu item that shows a PageTag.
    QAction *DisplayItem(int pageTag) const;
    // The tree item of a kind and Tag (the first in display order).
    QTreeWidgetItem *TreeItem(TreeItemKind kind, int tag) const;
    // A tree item by its text (the first in display order).
    QTreeWidgetItem *TreeItemByText(const QString &text) const;
    static TreeItemKind KindOf(const QTreeWidgetItem *item);
    static int TagOf(const QTreeWidgetItem *item);

    // A toolbar button by its name ("cbtnSave", "btnSave", ...).
    QAbstractButton *Button(const char *name) const;

    void SetPriorNextVisible(bool prior, bool next);
    void SetRefreshVisible(bool visible);
    // Override and Cancel Override on both toolbars and in the pop-up menu.
    void SetOverrideVisible(bool showOverride, bool showCancel);
    // View and Delete of a repeatable page, in the Display menu and the tree.
    void SetContinuationItemsVisible(int page, bool visible);
    // The recent files at the end of the File menu (at most five shown).
    void ShowRecentFiles(const QStringList &files);

    // Runs the command of a tree item, as a click on it does.
    void TreeItemClicked(QTreeWidgetItem *item);

    QMenu *popMain = nullptr;
    QMenu *mnuFile = nullptr;
    QMenu *mnuOpenRecent = nullptr;
    QMenu *mnuDisplay = nullptr;
    QMenu *mnuOptions = nullptr;
    QMenu *mnuWindow = nullptr;
    QMenu *mnuHelp = nullptr;
    QMenu *mnuApplication = nullptr;
    QAction *HX_Line = nullptr;
    QList<QAction *> HX; // HX0 .. HX4
    TToolbarPanel *IconBar = nullptr;
    TToolbarPanel *LabelBar = nullptr;

private:
    void buildMenuBar();
    void buildDisplayMenu(QMenu *menu);
    void buildPopMain();
    void buildTree();
    void buildToolbars();
    QAction *addItem(QMenu *menu, const char *name, const QString &text, const QKeySequence &keys = {});
    void setPulse(QAbstractButton *button, bool on, int delayMs);

    TfrmMain &main_;
    QHash<QString, QAction *> actions_;
    QHash<int, QAction *> displayItems_;
    QHash<QString, QAbstractButton *> buttons_;
    QHash<QAbstractButton *, QPointer<QVariantAnimation>> pulses_;
};

} // namespace brevane
