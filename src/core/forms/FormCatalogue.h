#pragma once
// The form catalogue: every form family the program offers, in one table.
// A family is what the user thinks of as one paper (the 532A articles, the
// code of regulations, the bond): its pages in order, its place and captions
// in the Display menu and the page tree, and the boxes of the print dialog
// that print it. The menus, the tree, Prior and Next, the print dialog and
// the print job all read this table; what belongs to a single page (its
// focus, its print rules, whether it has a screen) is in that page's form
// source (core/forms/PageFacts.h).

#include <QList>
#include <QString>

#include <vector>

namespace brevane {

// Where the Display menu and the page tree offer a page of a family.
enum class Offered {
    Both,
    Menu,
    Tree,
    Nowhere, // reached only by Prior and Next, and printed with its family
};

// How a family appears in the Display menu and the tree.
enum class FamilyLayout {
    Item,       // one item that shows its one page
    Pages,      // a group with an item per page ("Page 1", "Page 2", ... or the page's own caption)
    Repeatable, // a group with "New", "View" and "Delete" (a page kept in up to 100 copies)
};

// The print dialog's boxes form three groups by their margins; forms of
// different groups cannot be printed in one job, so ticking a box clears the
// boxes of the other groups.
enum class MarginGroup {
    HalfInch, // every box of the first tab (the Secretary of State forms)
    OneInch,  // the Corporations and the Limited Liability Companies tabs
    Stock,    // the stock certificate's front and back
};

// The print dialog's tabs, in the order they are shown.
enum SelectionTab {
    TabGeneralInfo = 0, // "General Info. && Sec'y of State"
    TabCorporations,    // "Corporations"
    TabLLC,             // "Limited Liability Companies"
    TabStock,           // "Stock Certificate"
};

// The kinds of business the program prepares papers for, as bits.
enum EntityKind : unsigned {
    ForProfitCorporation = 1,
    ProfessionalAssociation = 2,
    LimitedLiabilityCompany = 4,
};

struct FormPageEntry
{
    int page;
    const char *caption = nullptr; // nullptr: "Page k" by its place in the family
    Offered offered = Offered::Both;
    // The filing instructions of the form: never part of the paper that is
    // filed (see SelectionBox::instructions).
    bool instructions = false;
};

// One check box of the print dialog.
struct SelectionBox
{
    QString name;                              // the check box's name, e.g. "cbxForm532A"
    QString caption;                           // its caption ("&&" shows as one "&")
    SelectionTab tab = TabGeneralInfo;         // the tab it is on
    QString section;                           // the group box it is in (empty on the stock tab)
    MarginGroup group = MarginGroup::HalfInch; // its margin group
    int dialogOrder = 0;                       // its place in the dialog: tab by tab, top to bottom
    int printOrder = 0;                        // its place in the print document
    // The pages it prints, in order. A repeatable page prints every
    // instance in use; page 88 stands for the directory worksheet pages.
    QList<int> pages;
    // The pages of its filing instructions (fees, where to file): printed
    // apart from the paper, after every form of the job, and only when the
    // user asks for them.
    QList<int> instructions;
    // Checked when the dialog opens over a page of its family.
    bool checkedOnDisplay = true;
    QString family; // the key of the family it prints
    // The kinds of business (EntityKind bits) it is for: by its tab and
    // section (a professional association is a corporation).
    unsigned kinds = 0;
};

struct FormFamily
{
    QString key;         // a short name for tests and messages, e.g. "532A"
    QString place;       // the groups above it in the menu and the tree, "/" between them
    QString caption;     // its caption in the Display menu (a shown "&" doubled)
    QString treeCaption; // its caption in the tree where it differs, else empty
    FamilyLayout layout = FamilyLayout::Item;
    QList<FormPageEntry> pages; // in order
    // Prior and Next walk its pages, and showing one of its pages marks the
    // page's tree item.
    bool tracked = true;
    // The Display menu offers it as one item showing its first page, while
    // the tree shows its pages.
    bool oneMenuItem = false;
    QList<SelectionBox> boxes;
    // The kinds of business (EntityKind bits) whose forming papers it is part
    // of: the check before filing looks at it for such a client unasked.
    unsigned formation = 0;

    QList<int> PageNumbers() const;
    // The caption of the menu or tree item of its k-th page.
    QString PageCaption(int k) const;
    QString Caption(bool inTree) const { return inTree && !treeCaption.isEmpty() ? treeCaption : caption; }
};

// Every family, in the order of the Display menu and the tree.
const std::vector<FormFamily> &FormFamilies();
// The family holding the page, or nullptr (reserved pages and page 88).
const FormFamily *FamilyOfPage(int page);
// The family of that key, or nullptr.
const FormFamily *FindFamily(const QString &key);

// The pages Prior and Next walk through from `page`, in order: the page's
// family when it is tracked; empty for any other page.
QList<int> PageSequence(int page);
// Whether showing the page marks an item of the page tree.
bool PageSelectsTreeItem(int page);

// Where an answer is, as messages name it: its page (and copy) and its
// field's label: page 0, "Date of the meeting"; page 23, copy 2, "Date".
QString AnswerPlace(int page, int continuation, int answer);

} // namespace brevane
