#pragma once
// What the user can print: the boxes of the "Print Selected Forms" dialog
// (held by the form catalogue), in the fixed order in which their pages enter
// the print document, with the rules by which ticking one box clears others.

#include "core/forms/FormCatalogue.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

namespace brevane {

// Every box, in the order the print document takes them.
const QList<SelectionBox> &SelectionBoxes();
// The box of that name, or nullptr.
const SelectionBox *FindSelectionBox(const QString &name);
// The captions of the dialog's tabs.
QString SelectionTabCaption(SelectionTab tab);

// The names of the checked boxes.
using CheckedBoxes = QSet<QString>;

// The selection of one print job.
struct PrintSelection
{
    CheckedBoxes checked;
    // The stock certificates to print, by their numbers in the share ledger;
    // empty for every certificate outstanding.
    QList<int> certificates = {};
    // The share register, printed after the boxes' pages: on `registerAsOf`,
    // or after the ledger's last entry while that is not a valid date.
    bool shareRegister = false;
    QDate registerAsOf = {};
    // The filing instructions of the chosen forms, printed as their own
    // part after everything else; without it they are not printed.
    bool instructions = false;

    bool IsChecked(const QString &box) const { return checked.contains(box); }
    void SetChecked(const QString &box, bool on = true)
    {
        if (on)
            checked.insert(box);
        else
            checked.remove(box);
    }
    bool IsEmpty() const { return checked.isEmpty() && !shareRegister; }
};

// The boxes after the user clicked `clicked` (which keeps the state the click
// gave it): a click on a half-inch box clears the one-inch boxes and the other
// way round; a click on "Front" clears "Back" and every box of the two other
// groups, a click on "Back" clears "Front" and them likewise.
CheckedBoxes AfterBoxClick(const CheckedBoxes &checked, const QString &clicked);
// "Select All": every half-inch and one-inch box checked; the stock boxes as
// they were.
CheckedBoxes SelectAllBoxes(const CheckedBoxes &checked);
// "Select All" in the dialog: the boxes of `tab` that are for a business of
// one of `kinds` (EntityKind bits) checked; boxes of the tab's margin group
// that are not for such a business, and the other margin group, cleared (a
// job holds one group). The stock tab keeps its boxes as they are, since
// each side prints by itself.
CheckedBoxes SelectAllOnTab(const CheckedBoxes &checked, SelectionTab tab, unsigned kinds);
// "Clear All": every half-inch and one-inch box cleared; the stock boxes as
// they were.
CheckedBoxes ClearAllBoxes(const CheckedBoxes &checked);

// What the dialog shows when it opens over a displayed page: the box(es) of
// that page's form checked and their tab; nothing checked and the Limited
// Liability Companies tab for any other page.
struct InitialSelection
{
    CheckedBoxes checked;
    SelectionTab tab = TabLLC;
};
InitialSelection SelectionForDisplayedPage(int page);

} // namespace brevane
