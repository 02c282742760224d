#include "gui/output/TfrmSelectedForms.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/ledger/ShareLedger.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>

namespace brevane {

namespace {

QLabel *redNote(const QString &text, QWidget *parent)
{
    auto *note = new QLabel(text, parent);
    note->setWordWrap(true);
    QPalette palette = note->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    note->setPalette(palette);
    return note;
}

} // namespace

TfrmSelectedForms::TfrmSelectedForms(int displayedPage, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmSelectedForms"));
    setWindowTitle(QStringLiteral("Print Selected Forms"));
    setModal(true);

    auto *column = new QVBoxLayout(this);
    TabControl1 = new QTabWidget(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    column->addWidget(TabControl1, 1);

    // The boxes in the order the dialog shows them, tab by tab.
    QList<const SelectionBox *> shown;
    for (const SelectionBox &box : SelectionBoxes())
        shown.append(&box);
    std::stable_sort(shown.begin(), shown.end(),
                     [](const SelectionBox *a, const SelectionBox *b) { return a->dialogOrder < b->dialogOrder; });

    for (SelectionTab tab : {TabGeneralInfo, TabCorporations, TabLLC, TabStock}) {
        auto *page = new QWidget(TabControl1);
        auto *pageColumn = new QVBoxLayout(page);
        // Sections in a grid of two columns, each its own group box.
        auto *sections = new QGridLayout;
        pageColumn->addLayout(sections);
        QMap<QString, QVBoxLayout *> sectionLayouts;
        QVBoxLayout *plain = nullptr;
        for (const SelectionBox *box : shown) {
            if (box->tab != tab)
                continue;
            QVBoxLayout *target = nullptr;
            if (box->section.isEmpty()) {
                if (!plain) {
                    plain = new QVBoxLayout;
                    sections->addLayout(plain, 0, 0);
                }
                target = plain;
            } else if (!(target = sectionLayouts.value(box->section))) {
                auto *group = new QGroupBox(box->section, page);
                target = new QVBoxLayout(group);
                const int at = int(sectionLayouts.size());
                sections->addWidget(group, at / 2, at % 2);
                sectionLayouts.insert(box->section, target);
            }
            auto *check = new QCheckBox(box->caption, page);
            check->setObjectName(box->name);
            target->addWidget(check);
            boxes_.insert(box->name, check);
            // Only the user's clicks run the rules; checking from code does not.
            const QString name = box->name;
            connect(check, &QCheckBox::clicked, this, [this, name] { BoxClicked(name); });
        }
        for (QVBoxLayout *layout : sectionLayouts)
            layout->addStretch(1);
        if (tab == TabGeneralInfo) {
            pageColumn->addWidget(redNote(
                QStringLiteral("The Secretary of State forms on this tab must be printed separately from the forms "
                               "and documents on the Corporations and Limited Liability Companies tabs because of "
                               "margin differences."),
                page));
        } else if (tab == TabStock) {
            // Which certificates of the share ledger print: all outstanding
            // unless numbers are given.
            auto *which = new QHBoxLayout;
            auto *label = new QLabel(QStringLiteral("C&ertificates:"), page);
            edtCertificates = new QLineEdit(page);
            edtCertificates->setObjectName(QStringLiteral("edtCertificates"));
            edtCertificates->setPlaceholderText(QStringLiteral("every certificate outstanding"));
            edtCertificates->setToolTip(QStringLiteral(
                "The numbers of the certificates to print from the share ledger, as in 1, 3, 6-8; blank prints "
                "a certificate for every certificate outstanding"));
            label->setBuddy(edtCertificates);
            which->addWidget(label);
            which->addWidget(edtCertificates, 1);
            pageColumn->addLayout(which);
            pageColumn->addWidget(
                redNote(QStringLiteral("The best way to print the stock certificate is to print the front, and then "
                                       "replace the printed front in your printer (correctly oriented) and then "
                                       "print the back in a second pass."),
                        page));
            pageColumn->addWidget(redNote(
                QStringLiteral("Due to the landscape orientation of this form and the graphic complexities, you must "
                               "print the stock certificate by itself using Microsoft Word. In other words, you "
                               "cannot print the stock certificate in the same print job as the other available "
                               "forms, i.e., the General Information Worksheet."),
                page));
        }
        pageColumn->addStretch(1);
        // "&&" in a tab caption shows as one "&", as in the box captions.
        TabControl1->addTab(page, SelectionTabCaption(tab));
    }

    SelectAll1 = new QAction(QStringLiteral("Select All"), this);
    SelectAll1->setObjectName(QStringLiteral("SelectAll1"));
    connect(SelectAll1, &QAction::triggered, this, &TfrmSelectedForms::SelectAllClick);
    TabControl1->setContextMenuPolicy(Qt::ActionsContextMenu);
    TabControl1->addAction(SelectAll1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnPreviewPrint = new QPushButton(QStringLiteral("Preview/Print"), this);
    btnPreviewPrint->setObjectName(QStringLiteral("btnPreviewPrint"));
    btnPreviewPrint->setDefault(true);
    // Select All is a button as well as an item of the tabs' context menu,
    // which a user may never find.
    btnSelectAll = new QPushButton(QStringLiteral("Select All"), this);
    btnSelectAll->setObjectName(QStringLiteral("btnSelectAll"));
    btnClearAll = new QPushButton(QStringLiteral("Clear All"), this);
    btnClearAll->setObjectName(QStringLiteral("btnClearAll"));
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnSaveAsPdf = new QPushButton(QStringLiteral("Save as &PDF..."), this);
    btnSaveAsPdf->setObjectName(QStringLiteral("btnSaveAsPdf"));
    btnSaveAsWord = new QPushButton(QStringLiteral("Save as &Word document..."), this);
    btnSaveAsWord->setObjectName(QStringLiteral("btnSaveAsWord"));
    cbxOpenPdf = new QCheckBox(QStringLiteral("Open the PDF when it is saved"), this);
    cbxOpenPdf->setObjectName(QStringLiteral("cbxOpenPdf"));
    cbxOpenPdf->setChecked(true);
    buttons->insertWidget(0, cbxOpenPdf);
    // The instructions (fees, where to file) are never pages of a paper that
    // is filed: printed, they come after every form, as their own part.
    cbxInstructions = new QCheckBox(QStringLiteral("Print the filing instructions apart, after the forms"), this);
    cbxInstructions->setObjectName(QStringLiteral("cbxInstructions"));
    column->addWidget(cbxInstructions);
    buttons->addWidget(btnPreviewPrint);
    buttons->addWidget(btnSaveAsPdf);
    buttons->addWidget(btnSaveAsWord);
    buttons->addWidget(btnSelectAll);
    buttons->addWidget(btnClearAll);
    buttons->addWidget(btnClose);
    column->addLayout(buttons);
    connect(btnPreviewPrint, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(btnSaveAsPdf, &QPushButton::clicked, this, [this] { done(SaveAsPdfResult); });
    connect(btnSaveAsWord, &QPushButton::clicked, this, [this] { done(SaveAsWordResult); });
    connect(btnSelectAll, &QPushButton::clicked, this, &TfrmSelectedForms::SelectAllClick);
    connect(btnClearAll, &QPushButton::clicked, this, &TfrmSelectedForms::btnClearAllClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate(displayedPage);
}

void TfrmSelectedForms::FormCreate(int displayedPage)
{
    const InitialSelection initial = SelectionForDisplayedPage(displayedPage);
    SetChecked(initial.checked);
    TabControl1->setCurrentIndex(initial.tab);
}

void TfrmSelectedForms::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfrmSelectedForms::done(int result)
{
    // The certificates are read before the dialog closes for a job, so that
    // a slip can be mended where it was typed.
    if (result != Rejected && !ledger::CertificateNumbers(edtCertificates->text())) {
        ShowError(msg::CertificatesUnreadable, edtCertificates->text());
        TabControl1->setCurrentIndex(TabStock);
        edtCertificates->setFocus();
        edtCertificates->selectAll();
        return;
    }
    QDialog::done(result);
}

PrintSelection TfrmSelectedForms::Selection() const
{
    PrintSelection selection{Checked()};
    selection.instructions = cbxInstructions->isChecked();
    selection.certificates = ledger::CertificateNumbers(edtCertificates->text()).value_or(QList<int>());
    return selection;
}

CheckedBoxes TfrmSelectedForms::Checked() const
{
    CheckedBoxes checked;
    for (auto it = boxes_.cbegin(); it != boxes_.cend(); ++it)
        if (it.value()->isChecked())
            checked.insert(it.key());
    return checked;
}

void TfrmSelectedForms::SetChecked(const CheckedBoxes &checked)
{
    for (auto it = boxes_.cbegin(); it != boxes_.cend(); ++it)
        it.value()->setChecked(checked.contains(it.key()));
}

void TfrmSelectedForms::BoxClicked(const QString &name)
{
    const SelectionBox *box = FindSelectionBox(name);
    if (!box)
        return;
    switch (box->group) {
    case MarginGroup::HalfInch:
        ClickHalfInchMargin(name);
        break;
    case MarginGroup::OneInch:
        OneInchMarginClick(name);
        break;
    case MarginGroup::Stock:
        if (name == QLatin1String("cbxStockFront"))
            EraseStockBack();
        else
            EraseStockFront();
        break;
    }
}

void TfrmSelectedForms::ClickHalfInchMargin(const QString &box)
{
    SetChecked(AfterBoxClick(Checked(), box));
}

void TfrmSelectedForms::OneInchMarginClick(const QString &box)
{
    SetChecked(AfterBoxClick(Checked(), box));
}

void TfrmSelectedForms::EraseStockBack()
{
    SetChecked(AfterBoxClick(Checked(), QStringLiteral("cbxStockFront")));
}

void TfrmSelectedForms::EraseStockFront()
{
    SetChecked(AfterBoxClick(Checked(), QStringLiteral("cbxStockBack")));
}

void TfrmSelectedForms::btnClearAllClick()
{
    SetChecked(ClearAllBoxes(Checked()));
}

void TfrmSelectedForms::SelectAllClick()
{
    SetChecked(SelectAllOnTab(Checked(), SelectionTab(TabControl1->currentIndex()), kinds_));
}

void TfrmSelectedForms::Restore(const CheckedBoxes &checked)
{
    if (checked.isEmpty())
        return;
    SetChecked(checked);
    const SelectionBox *first = nullptr;
    for (const QString &name : checked)
        if (const SelectionBox *box = FindSelectionBox(name); box && (!first || box->dialogOrder < first->dialogOrder))
            first = box;
    if (first)
        TabControl1->setCurrentIndex(first->tab);
}

} // namespace brevane
