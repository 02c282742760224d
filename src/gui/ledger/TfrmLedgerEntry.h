#pragma once
// The dialog of Share Ledger > Record a Transfer..., Record an Issue... and
// Record a Redemption...: the date, the certificate surrendered, the new
// holders and their shares (or the shares and the amount), with the journal
// lines the entry will write shown as the user types. The lines and the
// rules are the core's (core/ledger/LedgerCommands); the dialog gathers the
// order and shows what the core says.

#include "core/ledger/LedgerCommands.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace brevane {

class ClientDocument;

class TfrmLedgerEntry : public QDialog
{
    Q_OBJECT
public:
    enum class Kind { Transfer, Issue, Redemption };

    TfrmLedgerEntry(Kind kind, ClientDocument &client, QWidget *parent = nullptr);

    Kind EntryKind() const { return kind_; }
    ledger::TransferOrder Transfer() const;
    ledger::IssueOrder Issue() const;
    ledger::RedemptionOrder Redemption() const;
    // The lines the entry writes as the dialog stands, or why it cannot.
    Outcome Lines(QList<ledger::JournalLine> *lines) const;

    QDateEdit *edtDate = nullptr;
    QComboBox *cbxCertificate = nullptr; // transfer and redemption
    QTableWidget *grdHolders = nullptr;  // transfer: holder and shares a row
    QLineEdit *edtHolder = nullptr;      // issue
    QSpinBox *spnShares = nullptr;       // issue and redemption
    QLineEdit *edtAmount = nullptr;      // issue and redemption
    QTableWidget *grdLines = nullptr;    // the journal lines to be written
    QLabel *lblProblem = nullptr;
    QPushButton *btnRecord = nullptr;

    // Records the entry through the client document; on a failure its
    // message is shown and the dialog stays open.
    void RecordClick();

private:
    // The certificate list's item data role that holds its shares.
    static constexpr int SharesRole = Qt::UserRole + 1;
    void fillCertificates();
    // A redemption: the shares to redeem set to the chosen certificate's.
    void redeemWholeCertificate();
    void showLines();

    Kind kind_;
    ClientDocument &client_;
};

} // namespace brevane
