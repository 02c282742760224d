#pragma once
// The Check panel: a dock beside the page listing what the check before
// filing finds on the forms the client uses (or on every form). It refreshes
// after every recalculation, so after each field exit; a double click shows
// the page of the field (or the Directory Worksheet at the row) and puts the
// focus there. A clean client shows "Nothing found".

#include "core/check/Finding.h"

#include <QDockWidget>
#include <QList>

class QCheckBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace brevane {

class TMainWindow;

// Shows where a finding is: its field on its page, focused, or the Directory
// Worksheet at its row. False when the field has no control on the page.
bool GoToFinding(TMainWindow &main, const Finding &finding);

class TCheckPanel : public QDockWidget
{
    Q_OBJECT
public:
    TCheckPanel(TMainWindow &main, QWidget *parent);

    // The Check command (toolbar, menu, F9): shows the panel, checked anew.
    void CheckClick();
    // Checks the client again and lists the findings.
    void Refresh();

    const QList<Finding> &Findings() const { return findings_; }
    QTreeWidget *List() const { return list_; }
    QCheckBox *AllForms() const { return allForms_; }
    QLabel *NothingFound() const { return nothing_; }

private:
    void itemActivated(QTreeWidgetItem *item);

    TMainWindow &main_;
    QList<Finding> findings_;
    QTreeWidget *list_ = nullptr;
    QCheckBox *allForms_ = nullptr;
    QLabel *nothing_ = nullptr;
    QLabel *summary_ = nullptr;
};

} // namespace brevane
