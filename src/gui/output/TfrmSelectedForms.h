#pragma once
// "Print Selected Forms": the user ticks the forms of one print job. The boxes
// sit on four tabs in three margin groups; forms of different groups cannot
// share a job, so a click on a box clears the boxes of the other groups.

#include "core/output/PrintSelection.h"

#include <QDialog>
#include <QMap>

class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace brevane {

class TfrmSelectedForms : public QDialog
{
    Q_OBJECT
public:
    // `displayedPage`: the page the main window shows (-1 for none); its form
    // starts checked and its tab is shown.
    explicit TfrmSelectedForms(int displayedPage, QWidget *parent = nullptr);

    // The kinds of business (EntityKind bits) the client is: Select All ticks
    // only their boxes. Every kind until set.
    void SetEntity(unsigned kinds) { kinds_ = kinds; }
    // Starts with the boxes the user ticked last time for this client (none:
    // the displayed page's form, as at creation), on the tab of the first.
    void Restore(const CheckedBoxes &checked);

    // The result of "Save as PDF...": the checked forms go to a PDF.
    static constexpr int SaveAsPdfResult = 2;
    // The result of "Save as Word document...": the checked forms go to a
    // Word document.
    static constexpr int SaveAsWordResult = 3;

    QTabWidget *TabControl1 = nullptr;
    QPushButton *btnPreviewPrint = nullptr; // closes with the OK result
    QPushButton *btnSelectAll = nullptr;    // the same as the context menu's Select All
    QPushButton *btnSaveAsPdf = nullptr;    // closes with SaveAsPdfResult
    QPushButton *btnSaveAsWord = nullptr;   // closes with SaveAsWordResult
    QCheckBox *cbxOpenPdf = nullptr;        // open the saved PDF in the desktop's viewer
    QCheckBox *cbxInstructions = nullptr;   // the forms' filing instructions, apart after them
    QPushButton *btnClearAll = nullptr;
    QPushButton *btnClose = nullptr;      // closes with the Close result
    QAction *SelectAll1 = nullptr;        // the tabs' context menu
    QLineEdit *edtCertificates = nullptr; // Stock tab: the certificates to print, blank for all

    // The box of that name (e.g. "cbxForm532A"), or nullptr.
    QCheckBox *Box(const QString &name) const { return boxes_.value(name); }
    // The names of the checked boxes.
    CheckedBoxes Checked() const;
    // The checked boxes and the certificates named on the Stock tab.
    PrintSelection Selection() const;

    // A click on a box of the first tab clears the one-inch-margin group; a
    // click on a box of the Corporations or Limited Liability Companies tab
    // clears the half-inch-margin group; "Front" clears "Back" and both
    // groups, "Back" clears "Front" and both groups.
    void ClickHalfInchMargin(const QString &box);
    void OneInchMarginClick(const QString &box);
    void EraseStockBack();
    void EraseStockFront();
    void btnClearAllClick();
    void SelectAllClick();

    // Closing for a job (any result but Close) waits for certificate
    // numbers that read; a slip gets its message and the field.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate(int displayedPage);
    void BoxClicked(const QString &box);
    // Checks exactly the boxes named (from code: no click rules run).
    void SetChecked(const CheckedBoxes &checked);

    QMap<QString, QCheckBox *> boxes_;
    unsigned kinds_ = ForProfitCorporation | ProfessionalAssociation | LimitedLiabilityCompany;
};

} // namespace brevane
