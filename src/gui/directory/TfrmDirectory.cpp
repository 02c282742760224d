#include "gui/directory/TfrmDirectory.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/exchange/DirectoryColumns.h"
#include "core/exchange/DirectoryCsv.h"
#include "core/files/LineText.h"
#include "core/files/WholeFile.h"
#include "core/store/Conversions.h"
#include "gui/common/TypedText.h"
#include "gui/dialogs/HelpCommands.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/directory/CsvImportDialog.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <iterator>
#include <utility>

namespace brevane {

// The grid's view of the window's rows: read-only text cells with the column headers.
class DirectoryGridModel : public QAbstractTableModel
{
public:
    DirectoryGridModel(DirectoryTable &rows, QObject *parent)
        : QAbstractTableModel(parent)
        , rows_(rows)
    {}

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : rows_.RowCount();
    }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : DirectoryColumnCount;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole && index.isValid())
            return rows_.Cell(index.row(), index.column());
        return QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        // The headings a CSV export writes.
        if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section < DirectoryColumnCount)
            return QString::fromLatin1(DirectoryColumnNames[size_t(section)].heading);
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }
    void RowChanged(int row)
    {
        if (row >= 0 && row < rows_.RowCount())
            Q_EMIT dataChanged(index(row, 0), index(row, DirectoryColumnCount - 1));
    }

private:
    DirectoryTable &rows_;
};

namespace {
TfrmDirectory *showingWindow = nullptr;

// The grid column of each entry of PanelEdits(), in the same order.
constexpr int PanelColumns[] = {ColName,   ColAddress,      ColCity,     ColState,      ColZIP,
                                ColByName, ColContribution, ColInterest, ColNoOfShares, ColClassOfShares};
bool isNumberColumn(int column)
{
    return column == ColContribution || column == ColInterest || column == ColNoOfShares;
}

// The amounts, interests and shares are kept in the answer form ("1,000")
// and shown and typed in the region's (core/forms/FieldText.h).
QString shownCell(int column, const QString &cell)
{
    return isNumberColumn(column) && ReadNumber(cell) ? AnswerFormToRegional(cell) : cell;
}

QString keptCell(int column, const QString &typed)
{
    return isNumberColumn(column) ? RegionalToAnswerForm(typed) : typed;
}
} // namespace

TfrmDirectory::TfrmDirectory(const DirectoryTable &rows, DirectoryHooks hooks, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , opened_(rows)
    , hooks_(std::move(hooks))
{
    showingWindow = this;
    BuildWindow();
    FormCreate();
}

TfrmDirectory::~TfrmDirectory()
{
    if (showingWindow == this)
        showingWindow = nullptr;
}

TfrmDirectory *TfrmDirectory::Showing()
{
    return showingWindow;
}

bool TfrmDirectory::RowsChanged() const
{
    return !(grid_ == opened_);
}

// ---------------------------------------------------------------------------
// The window

void TfrmDirectory::BuildWindow()
{
    setObjectName(QStringLiteral("frmDirectory"));
    setWindowTitle(QStringLiteral("Directory"));
    setFixedSize(800, 600);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(BuildToolbar());
    layout->addWidget(BuildButtonBar());
    layout->addWidget(BuildPanel());
    BuildGrid();
    layout->addWidget(StringGrid, 1);
}

QWidget *TfrmDirectory::BuildToolbar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("pnlToolBar"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto add = [&](const QString &name, QStyle::StandardPixmap icon, const QString &tip,
                   void (TfrmDirectory::*slot)()) {
        auto *button = new QToolButton(bar);
        button->setObjectName(name);
        button->setIcon(style()->standardIcon(icon));
        button->setIconSize(QSize(24, 24));
        button->setToolTip(tip);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, slot);
        row->addWidget(button);
    };
    add(QStringLiteral("cbtnHelp"), QStyle::SP_DialogHelpButton, QStringLiteral("Help"),
        &TfrmDirectory::HelpTopicSender);
    add(QStringLiteral("cbtnClearWorksheet"), QStyle::SP_DialogResetButton, QStringLiteral("Clear Worksheet"),
        &TfrmDirectory::ClearWorksheet);
    auto *exit = new QToolButton(bar);
    exit->setObjectName(QStringLiteral("cbtnExit"));
    exit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    exit->setIconSize(QSize(24, 24));
    exit->setToolTip(QStringLiteral("Close"));
    exit->setAutoRaise(true);
    connect(exit, &QToolButton::clicked, this, &QDialog::close);
    row->addWidget(exit);
    add(QStringLiteral("cbtnPrior"), QStyle::SP_ArrowLeft, QStringLiteral("Prior"), &TfrmDirectory::PriorRow);
    add(QStringLiteral("cbtnNext"), QStyle::SP_ArrowRight, QStringLiteral("Next"), &TfrmDirectory::NextRow);
    add(QStringLiteral("cbtnFirst"), QStyle::SP_MediaSkipBackward, QStringLiteral("First"), &TfrmDirectory::FirstRow);
    add(QStringLiteral("cbtnLast"), QStyle::SP_MediaSkipForward, QStringLiteral("Last"), &TfrmDirectory::LastRow);
    add(QStringLiteral("cbtnAdd"), QStyle::SP_FileDialogNewFolder, QStringLiteral("Add"), &TfrmDirectory::AddRow);
    add(QStringLiteral("cbtnInsert"), QStyle::SP_FileDialogDetailedView, QStringLiteral("Insert"),
        &TfrmDirectory::InsertRow);
    add(QStringLiteral("cbtnDelete"), QStyle::SP_TrashIcon, QStringLiteral("Delete"), &TfrmDirectory::DeleteRow);
    add(QStringLiteral("cbtnImportCsv"), QStyle::SP_DialogOpenButton, QStringLiteral("Import from CSV..."),
        &TfrmDirectory::ImportFromCsv);
    add(QStringLiteral("cbtnExportCsv"), QStyle::SP_DialogSaveButton, QStringLiteral("Export to CSV..."),
        &TfrmDirectory::ExportToCsv);
    row->addStretch();
    return bar;
}

QWidget *TfrmDirectory::BuildButtonBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("pnlButtonBar"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto add = [&](const QString &caption, const QString &name, auto slot) {
        auto *button = new QPushButton(caption, bar);
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        row->addWidget(button);
    };
    add(QStringLiteral("First"), QStringLiteral("btnFirst"), &TfrmDirectory::FirstRow);
    add(QStringLiteral("Prior"), QStringLiteral("btnPrior"), &TfrmDirectory::PriorRow);
    add(QStringLiteral("Next"), QStringLiteral("btnNext"), &TfrmDirectory::NextRow);
    add(QStringLiteral("Last"), QStringLiteral("btnLast"), &TfrmDirectory::LastRow);
    add(QStringLiteral("Insert"), QStringLiteral("btnInsert"), &TfrmDirectory::InsertRow);
    add(QStringLiteral("Del"), QStringLiteral("btnDelete"), &TfrmDirectory::DeleteRow);
    add(QStringLiteral("Add"), QStringLiteral("btnAdd"), &TfrmDirectory::AddRow);
    add(QStringLiteral("Close"), QStringLiteral("btnClose"), &QDialog::close);
    add(QStringLiteral("Clear Wrk"), QStringLiteral("btnClearWorksheet"), &TfrmDirectory::ClearWorksheet);
    add(QStringLiteral("Help"), QStringLiteral("btnHelp"), &TfrmDirectory::HelpTopicSender);
    row->addStretch();
    return bar;
}

QWidget *TfrmDirectory::BuildPanel()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto *grid = new QGridLayout(Panel2);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);

    auto box = [&](const QString &name, const QString &caption) {
        auto *group = new QGroupBox(caption, Panel2);
        group->setObjectName(name);
        return group;
    };
    auto check = [&](QWidget *owner, const QString &name, const QString &caption) {
        auto *cbx = new QCheckBox(caption, owner);
        cbx->setObjectName(name);
        return cbx;
    };
    auto edit = [&](QWidget *owner, const QString &name) {
        auto *edt = new QLineEdit(owner);
        edt->setObjectName(name);
        return edt;
    };

    // A field's label is its buddy and its accessible name, so that a
    // screen reader says what the field is.
    auto named = [](const QString &caption, QLineEdit *field, QWidget *owner) {
        auto *label = new QLabel(caption, owner);
        label->setBuddy(field);
        field->setAccessibleName(QString(caption).remove(QLatin1Char('"')));
        return label;
    };

    auto tight = [](QLayout *layout) {
        layout->setContentsMargins(8, 2, 8, 4);
        layout->setSpacing(2);
    };

    // The roles, one group above the other on the left.
    QGroupBox *corporation = box(QStringLiteral("gbxCorporation"), QStringLiteral("Corporation"));
    auto *corporationLayout = new QGridLayout(corporation);
    tight(corporationLayout);
    cbxDirector = check(corporation, QStringLiteral("cbxDirector"), QStringLiteral("Director (D)"));
    cbxOfficer = check(corporation, QStringLiteral("cbxOfficer"), QStringLiteral("Officer (O)"));
    cbxShareholder = check(corporation, QStringLiteral("cbxShareholder"), QStringLiteral("Shareholder (S)"));
    cbxIncorporator = check(corporation, QStringLiteral("cbxIncorporator"), QStringLiteral("Incorporator (C)"));
    corporationLayout->addWidget(cbxDirector, 0, 0);
    corporationLayout->addWidget(cbxOfficer, 0, 1);
    corporationLayout->addWidget(cbxShareholder, 1, 0);
    corporationLayout->addWidget(cbxIncorporator, 1, 1);

    QGroupBox *llc = box(QStringLiteral("gbxLLC"), QStringLiteral(" LLC "));
    auto *llcLayout = new QHBoxLayout(llc);
    tight(llcLayout);
    cbxMember = check(llc, QStringLiteral("cbxMember"), QStringLiteral("Member (M)"));
    cbxManager = check(llc, QStringLiteral("cbxManager"), QStringLiteral("Manager (G)"));
    llcLayout->addWidget(cbxMember);
    llcLayout->addWidget(cbxManager);

    QGroupBox *misc = box(QStringLiteral("gbxMiscellaneous"), QStringLiteral(" Miscellaneous "));
    auto *miscLayout = new QGridLayout(misc);
    tight(miscLayout);
    cbxIndividual = check(misc, QStringLiteral("cbxIndividual"), QStringLiteral("Individual (I)"));
    cbxBusiness = check(misc, QStringLiteral("cbxBusiness"), QStringLiteral("Business (B)"));
    cbxAuthorizedRep = check(misc, QStringLiteral("cbxAuthorizedRep"), QStringLiteral("Authorized Representative (R)"));
    miscLayout->addWidget(cbxIndividual, 0, 0);
    miscLayout->addWidget(cbxBusiness, 0, 1);
    miscLayout->addWidget(cbxAuthorizedRep, 1, 0, 1, 2);

    auto *roles = new QVBoxLayout;
    roles->setSpacing(2);
    roles->addWidget(corporation);
    roles->addWidget(llc);
    roles->addWidget(misc);
    roles->addStretch();

    // Name and address.
    QGroupBox *address = box(QStringLiteral("gbxNameAddress"), QStringLiteral("Name && Address"));
    auto *addressLayout = new QGridLayout(address);
    tight(addressLayout);
    edtName = edit(address, QStringLiteral("edtName"));
    edtAddress = edit(address, QStringLiteral("edtAddress"));
    edtCity = edit(address, QStringLiteral("edtCity"));
    edtState = edit(address, QStringLiteral("edtState"));
    edtZIP = edit(address, QStringLiteral("edtZIP"));
    edtByName = edit(address, QStringLiteral("edtByName"));
    // The person who signs for a business and, after a comma, the capacity in
    // which they sign: the papers print "By: Janet Sobczak, its President".
    edtByName->setPlaceholderText(QStringLiteral("Janet Sobczak, President"));
    edtByName->setToolTip(QStringLiteral("The person who signs for the business and, after a comma, the title in "
                                         "which they sign. The papers print: By: Janet Sobczak, its President."));
    edtState->setMaximumWidth(50);
    edtZIP->setMaximumWidth(90);
    addressLayout->addWidget(named(QStringLiteral("Name"), edtName, address), 0, 0);
    addressLayout->addWidget(edtName, 0, 1, 1, 5);
    addressLayout->addWidget(named(QStringLiteral("Street Address"), edtAddress, address), 1, 0);
    addressLayout->addWidget(edtAddress, 1, 1, 1, 5);
    addressLayout->addWidget(named(QStringLiteral("City"), edtCity, address), 2, 0);
    addressLayout->addWidget(edtCity, 2, 1);
    addressLayout->addWidget(named(QStringLiteral("State"), edtState, address), 2, 2);
    addressLayout->addWidget(edtState, 2, 3);
    addressLayout->addWidget(named(QStringLiteral("ZIP Code"), edtZIP, address), 2, 4);
    addressLayout->addWidget(edtZIP, 2, 5);
    lblByName = named(QStringLiteral("\"By\" Name"), edtByName, address);
    lblByName->setObjectName(QStringLiteral("lblByName"));
    addressLayout->addWidget(lblByName, 3, 0);
    addressLayout->addWidget(edtByName, 3, 1, 1, 5);
    addressLayout->setColumnStretch(1, 1);
    // The "By" Name row keeps its place while hidden.
    addressLayout->setRowMinimumHeight(3, edtByName->sizeHint().height());

    // LLC members' contributions and corporation shareholders' subscriptions.
    QGroupBox *members = box(QStringLiteral("gbxLLCMembers"), QStringLiteral("LLC Members"));
    auto *membersLayout = new QGridLayout(members);
    tight(membersLayout);
    cbxCash = check(members, QStringLiteral("cbxCash"), QStringLiteral("Cash"));
    cbxNonCash = check(members, QStringLiteral("cbxNonCash"), QStringLiteral("NonCash"));
    edtContribution = edit(members, QStringLiteral("edtContribution"));
    edtInterest = edit(members, QStringLiteral("edtInterest"));
    membersLayout->addWidget(cbxCash, 0, 0);
    membersLayout->addWidget(cbxNonCash, 0, 1);
    membersLayout->addWidget(named(QStringLiteral("Contribution"), edtContribution, members), 1, 0);
    membersLayout->addWidget(edtContribution, 1, 1);
    membersLayout->addWidget(named(QStringLiteral("Interest (%)"), edtInterest, members), 2, 0);
    membersLayout->addWidget(edtInterest, 2, 1);
    QGroupBox *shareholders = box(QStringLiteral("gbxShareholders"), QStringLiteral("Corporation Shareholders"));
    auto *shareholdersLayout = new QGridLayout(shareholders);
    tight(shareholdersLayout);
    edtNoOfShares = edit(shareholders, QStringLiteral("edtNoOfShares"));
    edtClassOfShares = edit(shareholders, QStringLiteral("edtClassOfShares"));
    shareholdersLayout->addWidget(named(QStringLiteral("Number of Shares Subscribed"), edtNoOfShares, shareholders), 0,
                                  0);
    shareholdersLayout->addWidget(edtNoOfShares, 1, 0);
    shareholdersLayout->addWidget(named(QStringLiteral("Class Of Shares"), edtClassOfShares, shareholders), 2, 0);
    shareholdersLayout->addWidget(edtClassOfShares, 3, 0);

    auto *entries = new QGridLayout;
    entries->setSpacing(2);
    entries->addWidget(address, 0, 0, 1, 2);
    entries->addWidget(members, 1, 0);
    entries->addWidget(shareholders, 1, 1);
    entries->setRowStretch(2, 1);

    grid->addLayout(roles, 0, 0);
    grid->addLayout(entries, 0, 1);
    grid->setColumnStretch(1, 1);

    // Every control of the panel: a user change marks the client modified,
    // leaving the control saves the row.
    for (QCheckBox *cbx : RoleBoxes() + QList<QCheckBox *>{cbxCash, cbxNonCash}) {
        connect(cbx, &QCheckBox::clicked, this, &TfrmDirectory::cntrlOnChange);
        cbx->installEventFilter(this);
    }
    for (QLineEdit *edt : PanelEdits()) {
        connect(edt, &QLineEdit::textEdited, this, &TfrmDirectory::cntrlOnChange);
        edt->installEventFilter(this);
    }
    connect(cbxBusiness, &QCheckBox::toggled, this, &TfrmDirectory::UpdateByName);

    // Tab goes in reading order: the name and address the user types first
    // (and the business's signer, shown for a business only), then the roles
    // and the contribution fields as they are drawn. A space typed after a
    // Tab from the name never ticks a role.
    const QList<QWidget *> chain = {edtName,         edtAddress,  edtCity,         edtState,       edtZIP,
                                    edtByName,       cbxDirector, cbxOfficer,      cbxShareholder, cbxIncorporator,
                                    cbxMember,       cbxManager,  cbxIndividual,   cbxBusiness,    cbxAuthorizedRep,
                                    cbxCash,         cbxNonCash,  edtContribution, edtInterest,    edtNoOfShares,
                                    edtClassOfShares};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    return Panel2;
}

void TfrmDirectory::BuildGrid()
{
    model_ = new DirectoryGridModel(grid_, this);
    StringGrid = new QTableView(this);
    StringGrid->setObjectName(QStringLiteral("StringGrid"));
    StringGrid->setModel(model_);
    StringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid->verticalHeader()->setVisible(false);
    StringGrid->verticalHeader()->setDefaultSectionSize(22);
    StringGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid->horizontalHeader()->setMinimumSectionSize(0);
    StringGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!syncing_ && current.isValid())
                    SelectRow(current.row());
            });
    connect(StringGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu->popup(StringGrid->viewport()->mapToGlobal(pos)); });

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    auto add = [&](const QString &caption, const QKeySequence &keys, void (TfrmDirectory::*slot)(), bool gridOnly) {
        QAction *action = PopupMenu->addAction(caption);
        action->setShortcut(keys);
        // Copy, paste and cut act on the grid only, so that the edits keep their own.
        if (gridOnly) {
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            StringGrid->addAction(action);
        } else {
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        }
        connect(action, &QAction::triggered, this, slot);
    };
    add(QStringLiteral("First"), QKeySequence(Qt::CTRL | Qt::Key_F1), &TfrmDirectory::FirstRow, false);
    add(QStringLiteral("Prior"), QKeySequence(Qt::CTRL | Qt::Key_F2), &TfrmDirectory::PriorRow, false);
    add(QStringLiteral("Next"), QKeySequence(Qt::CTRL | Qt::Key_F3), &TfrmDirectory::NextRow, false);
    add(QStringLiteral("Last"), QKeySequence(Qt::CTRL | Qt::Key_F4), &TfrmDirectory::LastRow, false);
    add(QStringLiteral("Insert"), QKeySequence(Qt::CTRL | Qt::Key_F5), &TfrmDirectory::InsertBeforeCurrentRow, false);
    add(QStringLiteral("Delete"), QKeySequence(Qt::CTRL | Qt::Key_F6), &TfrmDirectory::DeleteRow, false);
    add(QStringLiteral("Add"), QKeySequence(Qt::CTRL | Qt::Key_F7), &TfrmDirectory::AddRow, false);
    PopupMenu->addSeparator();
    add(QStringLiteral("Copy Current Row"), QKeySequence(Qt::CTRL | Qt::Key_C), &TfrmDirectory::CopyCurrentRow, true);
    add(QStringLiteral("Paste Current Row"), QKeySequence(Qt::CTRL | Qt::Key_V), &TfrmDirectory::PasteCurrentRow, true);
    add(QStringLiteral("Cut Current Row"), QKeySequence(Qt::SHIFT | Qt::Key_Delete), &TfrmDirectory::CutCurrentRow,
        true);
    add(QStringLiteral("Save Current Row"), QKeySequence(Qt::Key_F2), &TfrmDirectory::SaveEntry, false);
    PopupMenu->addSeparator();
    add(QStringLiteral("Import from CSV..."), QKeySequence(), &TfrmDirectory::ImportFromCsv, false);
    add(QStringLiteral("Export to CSV..."), QKeySequence(), &TfrmDirectory::ExportToCsv, false);
}

QList<QCheckBox *> TfrmDirectory::RoleBoxes() const
{
    // In the order of the role letters D O S C M G I B R.
    return {cbxDirector, cbxOfficer,    cbxShareholder, cbxIncorporator, cbxMember,
            cbxManager,  cbxIndividual, cbxBusiness,    cbxAuthorizedRep};
}

QList<QLineEdit *> TfrmDirectory::PanelEdits() const
{
    return {edtName,   edtAddress,      edtCity,     edtState,      edtZIP,
            edtByName, edtContribution, edtInterest, edtNoOfShares, edtClassOfShares};
}

// ---------------------------------------------------------------------------
// Life cycle

void TfrmDirectory::FormCreate()
{
    try {
        lblByName->setVisible(false);
        edtByName->setVisible(false);
        // Columns 0..6 share the client width; the money and share columns are not shown.
        const int width = 800 / 7;
        for (int column = 0; column < DirectoryColumnCount; ++column) {
            StringGrid->setColumnWidth(column, 0);
            StringGrid->setColumnHidden(column, column > ColByName);
        }
        for (int column = 0; column <= ColByName; ++column)
            StringGrid->setColumnWidth(column, width);
        LoadStringGrid();
        // Selecting the first row fills the panel; the window's own fills never mark the client modified.
        SelectRow(0);
    } catch (...) {
        ShowError(msg::DirectoryTableNotSetUp);
    }
}

void TfrmDirectory::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfrmDirectory::FormShow()
{
    try {
        RowToPanel();
        cbxDirector->setFocus(Qt::OtherFocusReason);
    } catch (...) {
        ShowError(msg::DirectoryRowNotShown);
    }
}

void TfrmDirectory::done(int result)
{
    if (!closed_) {
        FormClose();
        closed_ = true;
    }
    QDialog::done(result);
}

void TfrmDirectory::FormClose()
{
    // A change still in the panel (the window closed while a field was being edited) is kept.
    CommitPanel();
    SaveStringGrid();
}

void TfrmDirectory::LoadStringGrid()
{
    grid_ = opened_;
    model_->Reset();
    UpdatePanelEnabled();
}

void TfrmDirectory::SaveStringGrid()
{
    try {
        if (hooks_.keepRows)
            hooks_.keepRows(grid_);
    } catch (...) {
        ShowError(msg::DirectoryRowsNotKept);
    }
}

// ---------------------------------------------------------------------------
// Panel

void TfrmDirectory::RowToPanel()
{
    if (selected_ < 0 || selected_ >= grid_.RowCount())
        return;
    const bool wasFilling = filling_;
    filling_ = true;
    const QString &code = grid_.Cell(selected_, ColCode);
    const QList<QCheckBox *> roles = RoleBoxes();
    for (int i = 0; i < roles.size(); ++i)
        roles[i]->setChecked(HasRole(code, QLatin1Char(RoleLetters[i])));
    const QList<QLineEdit *> edits = PanelEdits();
    for (int i = 0; i < edits.size(); ++i) {
        const QString text = shownCell(PanelColumns[i], grid_.Cell(selected_, PanelColumns[i]));
        if (edits[i]->text() != text)
            edits[i]->setText(text);
    }
    cbxCash->setChecked(grid_.Cell(selected_, ColCash) == QLatin1String("X"));
    cbxNonCash->setChecked(grid_.Cell(selected_, ColNoncash) == QLatin1String("X"));
    panelDirty_ = false;
    filling_ = wasFilling;
    UpdateByName();
}

void TfrmDirectory::SaveEntry()
{
    if (selected_ < 0 || selected_ >= grid_.RowCount()) {
        panelDirty_ = false;
        return;
    }
    QString ticked;
    const QList<QCheckBox *> roles = RoleBoxes();
    for (int i = 0; i < roles.size(); ++i)
        if (roles[i]->isChecked())
            ticked += QLatin1Char(RoleLetters[i]);
    const int r = selected_;
    grid_.SetCell(r, ColCode, RoleCode(ticked));
    const QList<QLineEdit *> edits = PanelEdits();
    for (int i = 0; i < edits.size(); ++i)
        grid_.SetCell(r, PanelColumns[i], keptCell(PanelColumns[i], FitTypedText(edits[i]->text())));
    grid_.SetCell(r, ColCash, cbxCash->isChecked() ? QStringLiteral("X") : QString());
    grid_.SetCell(r, ColNoncash, cbxNonCash->isChecked() ? QStringLiteral("X") : QString());
    model_->RowChanged(r);
    RowToPanel();
    SaveStringGrid();
}

void TfrmDirectory::SaveOnExit()
{
    if (!closed_)
        SaveEntry();
}

void TfrmDirectory::CommitPanel()
{
    if (panelDirty_)
        SaveEntry();
}

void TfrmDirectory::cntrlOnChange()
{
    if (filling_)
        return;
    panelDirty_ = true;
    Changed();
    UpdateByName();
}

void TfrmDirectory::ClearPanel()
{
    const bool wasFilling = filling_;
    filling_ = true;
    for (QCheckBox *cbx : RoleBoxes() + QList<QCheckBox *>{cbxCash, cbxNonCash})
        cbx->setChecked(false);
    for (QLineEdit *edt : PanelEdits())
        edt->clear();
    panelDirty_ = false;
    filling_ = wasFilling;
    UpdateByName();
}

void TfrmDirectory::UpdateByName()
{
    const bool business = cbxBusiness->isChecked();
    lblByName->setVisible(business);
    edtByName->setVisible(business);
}

void TfrmDirectory::UpdatePanelEnabled()
{
    // With no rows there is nothing the panel could be saved into.
    Panel2->setEnabled(grid_.RowCount() > 0);
}

bool TfrmDirectory::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && Panel2->isAncestorOf(widget))
            SaveOnExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmDirectory::Changed()
{
    if (!filling_ && hooks_.markModified)
        hooks_.markModified();
}

// ---------------------------------------------------------------------------
// Selection and row commands

void TfrmDirectory::SelectRow(int row)
{
    row = grid_.ClampRow(row);
    if (row < 0) {
        selected_ = -1;
        return;
    }
    const bool changed = row != selected_;
    selected_ = row;
    SyncGridSelection();
    if (changed)
        RowToPanel();
}

void TfrmDirectory::SyncGridSelection()
{
    const bool wasSyncing = syncing_;
    syncing_ = true;
    if (selected_ >= 0) {
        const QModelIndex index = model_->index(selected_, 0);
        StringGrid->selectionModel()->setCurrentIndex(index,
                                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        StringGrid->scrollTo(index);
    } else {
        StringGrid->selectionModel()->clear();
    }
    syncing_ = wasSyncing;
}

void TfrmDirectory::FirstRow()
{
    CommitPanel();
    SelectRow(0);
}

void TfrmDirectory::PriorRow()
{
    CommitPanel();
    if (selected_ > 0)
        SelectRow(selected_ - 1);
}

void TfrmDirectory::NextRow()
{
    CommitPanel();
    if (selected_ >= 0)
        SelectRow(selected_ + 1);
}

void TfrmDirectory::LastRow()
{
    CommitPanel();
    SelectRow(grid_.RowCount() - 1);
}

void TfrmDirectory::AddRow()
{
    CommitPanel();
    // A new worksheet's one empty row is the row the user adds: it would
    // otherwise stay as an empty first row above the people typed in.
    bool blank = grid_.RowCount() == 1;
    for (int c = 0; blank && c < DirectoryColumnCount; ++c)
        blank = grid_.Cell(0, c).trimmed().isEmpty();
    if (!blank)
        grid_.AddRow();
    model_->Reset();
    UpdatePanelEnabled();
    selected_ = grid_.RowCount() - 1;
    SyncGridSelection();
    ClearPanel();
    Changed();
    edtName->setFocus(Qt::OtherFocusReason);
}

void TfrmDirectory::InsertRow()
{
    if (selected_ < 0)
        return;
    CommitPanel();
    // The selected index now holds an empty row.
    if (!grid_.InsertRow(selected_))
        return;
    model_->Reset();
    SyncGridSelection();
    ClearPanel();
    Changed();
    edtName->setFocus(Qt::OtherFocusReason);
}

void TfrmDirectory::InsertBeforeCurrentRow()
{
    if (selected_ < 0)
        return;
    InsertRow();
    PasteCurrentRow();
}

void TfrmDirectory::DeleteRow()
{
    if (selected_ < 0)
        return;
    CommitPanel();
    const QString name = grid_.Cell(selected_, ColName);
    const QString question = name.isEmpty()
                                 ? QStringLiteral("Are You Sure You Want To Delete This Row?")
                                 : QStringLiteral("Are You Sure You Want To Delete the Row of %1?").arg(name);
    if (UserDialogs::Current().Question(this, QStringLiteral("Warning"), question, QMessageBox::Yes | QMessageBox::No,
                                        QMessageBox::No) != QMessageBox::Yes)
        return;
    RemoveSelectedRow();
}

void TfrmDirectory::RemoveSelectedRow()
{
    if (!grid_.RemoveRow(selected_))
        return;
    model_->Reset();
    UpdatePanelEnabled();
    Changed();
    selected_ = grid_.ClampRow(selected_);
    SyncGridSelection();
    // With no row left the deleted row is not left in the panel.
    if (selected_ < 0)
        ClearPanel();
    else
        RowToPanel();
}

void TfrmDirectory::CopyCurrentRow()
{
    if (selected_ < 0)
        return;
    CommitPanel();
    grid_.CopyRow(selected_);
}

void TfrmDirectory::PasteCurrentRow()
{
    if (!grid_.PasteRow(selected_))
        return;
    model_->RowChanged(selected_);
    // The panel shows the pasted row at once, so that leaving a panel field
    // never writes the row's former contents over the pasted ones.
    RowToPanel();
    Changed();
}

void TfrmDirectory::CutCurrentRow()
{
    if (selected_ < 0)
        return;
    CopyCurrentRow();
    // The row is on the clipboard: no confirmation.
    RemoveSelectedRow();
}

void TfrmDirectory::ClearWorksheet()
{
    // One click would empty the people list: the user is asked first, as for
    // deleting one row.
    CommitPanel();
    const int rows = grid_.RowCount();
    const QString question = rows == 1 ? QStringLiteral("Clear the row of the Directory Worksheet?")
                                       : QStringLiteral("Clear all %1 rows of the Directory Worksheet?").arg(rows);
    if (UserDialogs::Current().Question(this, QStringLiteral("Warning"), question, QMessageBox::Yes | QMessageBox::No,
                                        QMessageBox::No) != QMessageBox::Yes)
        return;
    // The worksheet starts over as a new one: one empty row.
    grid_ = DirectoryTable();
    model_->Reset();
    UpdatePanelEnabled();
    selected_ = 0;
    SyncGridSelection();
    ClearPanel();
    Changed();
}

void TfrmDirectory::ImportFromCsv()
{
    CommitPanel();
    const QString path = UserDialogs::Current().OpenFileName(this, QStringLiteral("Import from CSV"), hooks_.dataFolder,
                                                             QStringLiteral("CSV files (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    QString error;
    // A worksheet of thousands of rows is well under a megabyte.
    constexpr qint64 mostCsvBytes = 8 * 1024 * 1024;
    if (!ReadRegularFile(path, &bytes, &error, mostCsvBytes)) {
        ShowError(msg::ExchangeFileUnreadable, QDir::toNativeSeparators(path) + QStringLiteral(": ") + error);
        return;
    }
    CsvImportDialog preview(DirectoryCsvImport(bytes), QFileInfo(path).fileName(), grid_, this);
    if (preview.exec() != QDialog::Accepted)
        return;
    // The preview takes nothing while a problem stands; a second look, so
    // that no part of a bad file ever reaches the worksheet.
    if (!preview.Import().Problems().isEmpty()) {
        ShowError(msg::DirectoryCsvRejected,
                  QDir::toNativeSeparators(path) + QStringLiteral(": ") + preview.Import().ProblemText());
        return;
    }
    grid_ = WithImportedRows(grid_, preview.Import().Rows(), preview.ReplaceRows());
    model_->Reset();
    UpdatePanelEnabled();
    selected_ = -1;
    SelectRow(0);
    Changed();
    SaveStringGrid();
}

void TfrmDirectory::ExportToCsv()
{
    CommitPanel();
    QString path = UserDialogs::Current().SaveFileName(this, QStringLiteral("Export to CSV"), hooks_.dataFolder,
                                                       QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QString error;
    if (!ReplaceFile(path, WriteDirectoryCsv(grid_), &error))
        ShowError(msg::ExchangeFileNotWritten,
                  QDir::toNativeSeparators(path) + QStringLiteral(" (") + error + QLatin1Char(')'));
}

void TfrmDirectory::HelpTopicSender()
{
    OpenHelpPage(hooks_.programFolder, QString::fromLatin1(HelpDirectoryPath));
}

bool DisplayDirectory(QWidget *parent, const DirectoryTable &rows, const DirectoryHooks &hooks)
{
    try {
        TfrmDirectory window(rows, hooks, parent);
        if (hooks.firstRow > 0 && hooks.firstRow < rows.RowCount())
            window.SelectRow(hooks.firstRow);
        window.exec();
        return window.RowsChanged();
    } catch (...) {
        ShowError(msg::DirectoryWindowFailed);
        return false;
    }
}

} // namespace brevane
