#pragma once
// Navigation of the main window: displaying a chosen page, Prior and Next
// through the pages of one form (or the copies of a repeatable page), the
// refresh of buttons and menu items after every display, scrolling that
// follows the focus, the window's own keys, Insert Today and Minimize.

#include "gui/common/Sender.h"

class QKeyEvent;
class QTreeWidgetItem;
class QWidget;

namespace brevane {

class TAnswer;
class TfrmMain;

class TNavigation
{
public:
    explicit TNavigation(TfrmMain &main)
        : main_(main)
    {}

    // Click handler of every page-displaying tree and menu item, and of the
    // displays the program asks for through mnuInvisible.
    void DisplayAPage(const TSender &sender);
    // Branch items expand when clicked; a click never collapses them.
    void ExpandLevel(QTreeWidgetItem *item);
    void PriorClick();
    void NextClick();
    void UpdateMenuItems(const TSender &sender);
    void SelectPageTreeItem(int page);
    // On-enter handler of every page edit, memo, check box and button.
    void ScrollOnEnter(QWidget *sender);
    // The window's keys, before the framework's handling. True when the key
    // is consumed.
    bool KeyDown(QKeyEvent *event);
    // A key that only moves the cursor, the focus or the view (arrows,
    // Home/End, Tab, page keys, a lone modifier, Ctrl+C): it never marks
    // the client modified.
    static bool IsNavigationKey(const QKeyEvent *event);
    void Inserttoday();
    void MinimizeClick();

    // The PageTag Prior or Next leads to from `pageTag`; -1 when there is none.
    static int PriorPageTag(int pageTag, const TAnswer *store);
    static int NextPageTag(int pageTag, const TAnswer *store);

private:
    TfrmMain &main_;
};

} // namespace brevane
