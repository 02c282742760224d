#pragma once
// Share Ledger > Share Register...: the corporation's shareholders of record
// on a day (the outstanding certificates, their holders, shares and class,
// the total outstanding and authorized) and the faults of the journal, from
// the core's register (core/ledger/ShareLedger). From here the user records
// a transfer, an issue or a redemption, prints the register as a paper or
// saves it as a PDF, and saves the certificates ticked (all or some) as a
// PDF of filled stock certificates.

#include <QDate>
#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace brevane {

class ClientDocument;

class TfrmShareRegister : public QDialog
{
    Q_OBJECT
public:
    struct Hooks
    {
        // Opens the entry dialog of a kind (0 transfer, 1 issue, 2 redemption).
        std::function<void(int kind)> record;
        // Saves the fronts of the certificates of these numbers as a PDF.
        std::function<void(const QList<int> &numbers)> saveCertificates;
        // The register on a day (invalid: after the last entry) as a paper,
        // to the word processor or, with `pdf`, to a PDF.
        std::function<void(const QDate &asOf, bool pdf)> printRegister;
    };

    TfrmShareRegister(ClientDocument &client, Hooks hooks, QWidget *parent = nullptr);

    // Fills the table again for the day chosen (or after the last entry).
    void ShowRegister();
    // The numbers of the certificates ticked.
    QList<int> TickedCertificates() const;

    QDateEdit *edtAsOf = nullptr;
    QCheckBox *cbxLatest = nullptr;
    QTableWidget *grdRegister = nullptr;
    QLabel *lblTotals = nullptr;
    QLabel *lblFaults = nullptr;
    QPushButton *btnTransfer = nullptr;
    QPushButton *btnIssue = nullptr;
    QPushButton *btnRedemption = nullptr;
    QPushButton *btnCertificates = nullptr;
    QPushButton *btnPrintRegister = nullptr;
    QPushButton *btnRegisterPdf = nullptr;

private:
    // A company's members and interests in place of the register.
    void showMembers();

    ClientDocument &client_;
    Hooks hooks_;
};

} // namespace brevane
