#include "gui/ledger/TfrmShareRegister.h"

#include "core/check/ClientCheck.h"
#include "core/document/ClientDocument.h"
#include "core/ledger/ShareLedger.h"
#include "core/store/Conversions.h"
#include "gui/ledger/ShareLedgerCommands.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace brevane {

TfrmShareRegister::TfrmShareRegister(ClientDocument &client, Hooks hooks, QWidget *parent)
    : QDialog(parent)
    , client_(client)
    , hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("frmShareRegister"));
    setWindowTitle(QStringLiteral("Share Register"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);

    auto *day = new QHBoxLayout;
    day->addWidget(new QLabel(QStringLiteral("Shareholders of record on"), this));
    edtAsOf = new QDateEdit(QDate::currentDate(), this);
    edtAsOf->setObjectName(QStringLiteral("edtAsOf"));
    edtAsOf->setCalendarPopup(true);
    edtAsOf->setDisplayFormat(RegionalDateFormat());
    day->addWidget(edtAsOf);
    cbxLatest = new QCheckBox(QStringLiteral("after the ledger's &last entry"), this);
    cbxLatest->setObjectName(QStringLiteral("cbxLatest"));
    cbxLatest->setChecked(true);
    day->addWidget(cbxLatest);
    day->addStretch();
    layout->addLayout(day);
    edtAsOf->setEnabled(false);
    connect(cbxLatest, &QCheckBox::toggled, this, [this](bool latest) {
        edtAsOf->setEnabled(!latest);
        ShowRegister();
    });
    connect(edtAsOf, &QDateEdit::dateChanged, this, [this] { ShowRegister(); });

    grdRegister = new QTableWidget(0, 5, this);
    grdRegister->setObjectName(QStringLiteral("grdRegister"));
    grdRegister->setHorizontalHeaderLabels({QStringLiteral("Certificate"), QStringLiteral("Holder"),
                                            QStringLiteral("Shares"), QStringLiteral("Class"),
                                            QStringLiteral("Issued")});
    grdRegister->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRegister->verticalHeader()->hide();
    grdRegister->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(grdRegister);
    lblTotals = new QLabel(this);
    lblTotals->setObjectName(QStringLiteral("lblTotals"));
    layout->addWidget(lblTotals);
    lblFaults = new QLabel(this);
    lblFaults->setObjectName(QStringLiteral("lblFaults"));
    lblFaults->setWordWrap(true);
    lblFaults->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(lblFaults);

    auto *buttons = new QHBoxLayout;
    btnTransfer = new QPushButton(QStringLiteral("Record a &Transfer..."), this);
    btnTransfer->setObjectName(QStringLiteral("btnTransfer"));
    btnIssue = new QPushButton(QStringLiteral("Record an &Issue..."), this);
    btnIssue->setObjectName(QStringLiteral("btnIssue"));
    btnRedemption = new QPushButton(QStringLiteral("Record a Re&demption..."), this);
    btnRedemption->setObjectName(QStringLiteral("btnRedemption"));
    btnCertificates = new QPushButton(QStringLiteral("Save &Certificates as PDF..."), this);
    btnCertificates->setObjectName(QStringLiteral("btnCertificates"));
    btnCertificates->setToolTip(QStringLiteral("A filled stock certificate for each certificate ticked"));
    btnPrintRegister = new QPushButton(QStringLiteral("&Print Register..."), this);
    btnPrintRegister->setObjectName(QStringLiteral("btnPrintRegister"));
    btnPrintRegister->setToolTip(QStringLiteral("The register of this day as a paper, in the word processor"));
    btnRegisterPdf = new QPushButton(QStringLiteral("Register as P&DF..."), this);
    btnRegisterPdf->setObjectName(QStringLiteral("btnRegisterPdf"));
    btnRegisterPdf->setToolTip(QStringLiteral("The register of this day as a paper, saved as a PDF"));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    for (QPushButton *b : {btnTransfer, btnIssue, btnRedemption})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(btnPrintRegister);
    buttons->addWidget(btnRegisterPdf);
    buttons->addWidget(btnCertificates);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    const auto record = [this](int kind) {
        if (hooks_.record)
            hooks_.record(kind);
        ShowRegister();
    };
    connect(btnTransfer, &QPushButton::clicked, this, [record] { record(0); });
    connect(btnIssue, &QPushButton::clicked, this, [record] { record(1); });
    connect(btnRedemption, &QPushButton::clicked, this, [record] { record(2); });
    connect(btnCertificates, &QPushButton::clicked, this, [this] {
        if (hooks_.saveCertificates)
            hooks_.saveCertificates(TickedCertificates());
    });
    const auto printRegister = [this](bool pdf) {
        if (hooks_.printRegister)
            hooks_.printRegister(cbxLatest->isChecked() ? QDate() : edtAsOf->date(), pdf);
    };
    connect(btnPrintRegister, &QPushButton::clicked, this, [printRegister] { printRegister(false); });
    connect(btnRegisterPdf, &QPushButton::clicked, this, [printRegister] { printRegister(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    // A company keeps no share ledger: the window lists its members as the
    // Directory Worksheet gives them, and nothing here records or prints.
    if (client_.Answers() && EntityOfClient(*client_.Answers(), client_.Directory()) == LimitedLiabilityCompany) {
        setWindowTitle(QStringLiteral("Members of Record"));
        for (QWidget *w : std::initializer_list<QWidget *>{edtAsOf, cbxLatest, btnTransfer, btnIssue, btnRedemption,
                                                           btnPrintRegister, btnRegisterPdf, btnCertificates})
            w->hide();
        showMembers();
    } else {
        ShowRegister();
    }
    resize(860, 420);
}

void TfrmShareRegister::showMembers()
{
    const QList<ledger::MemberInterest> members = ledger::MembersOfRecord(client_.Directory());
    grdRegister->setColumnCount(4);
    grdRegister->setHorizontalHeaderLabels(
        {QStringLiteral("Member"), QStringLiteral("Interest"), QStringLiteral("Contribution"), QStringLiteral("In")});
    grdRegister->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grdRegister->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
    grdRegister->setRowCount(int(members.size()));
    for (int r = 0; r < members.size(); ++r) {
        const QStringList cells = ledger::MemberCells(members[r]);
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdRegister->setItem(r, c, item);
        }
    }
    const QString total = ledger::TotalInterestText(members);
    lblTotals->setText(
        QStringLiteral("Members of record, as the Directory Worksheet gives them: %1").arg(members.size()) +
        (total.isEmpty() ? QString() : QStringLiteral("     Total interest: ") + total));
}

void TfrmShareRegister::ShowRegister()
{
    const TAnswer *answers = client_.Answers();
    if (!answers)
        return;
    const QDate asOf = cbxLatest->isChecked() ? QDate() : edtAsOf->date();
    const ledger::Register reg = ledger::RegisterAsOf(*answers, client_.Directory(), asOf);
    grdRegister->setRowCount(int(reg.outstanding.size()));
    for (int r = 0; r < reg.outstanding.size(); ++r) {
        const ledger::Certificate &c = reg.outstanding[r];
        auto *number = new QTableWidgetItem(QString::number(c.number));
        number->setFlags(number->flags() | Qt::ItemIsUserCheckable);
        number->setCheckState(Qt::Checked);
        number->setData(Qt::UserRole, c.number);
        grdRegister->setItem(r, 0, number);
        grdRegister->setItem(r, 1, new QTableWidgetItem(c.holder));
        auto *shares = new QTableWidgetItem(ledger::SharesText(c.shares));
        shares->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdRegister->setItem(r, 2, shares);
        grdRegister->setItem(r, 3, new QTableWidgetItem(c.shareClass));
        grdRegister->setItem(
            r, 4, new QTableWidgetItem(c.issuedOn.isValid() ? ConvertDate(ShortDateText(c.issuedOn)) : c.issued));
    }
    const std::optional<qint64> authorized = ledger::WholeNumber(reg.authorized);
    lblTotals->setText(QStringLiteral("Total outstanding: %1 shares     Total authorized: %2")
                           .arg(ledger::SharesText(reg.totalOutstanding),
                                authorized ? ledger::SharesText(*authorized) + QStringLiteral(" shares")
                                           : QStringLiteral("not given")));
    const QList<ledger::LedgerFault> faults =
        asOf.isValid() ? reg.faults : ledger::LedgerFaults(*answers, client_.Directory());
    QStringList texts;
    for (const ledger::LedgerFault &f : faults)
        texts << f.text;
    lblFaults->setText(
        texts.isEmpty() ? QString() : QStringLiteral("The ledger needs a look: ") + texts.join(QStringLiteral("; ")));
    btnCertificates->setEnabled(!reg.outstanding.isEmpty());
}

QList<int> TfrmShareRegister::TickedCertificates() const
{
    QList<int> numbers;
    for (int r = 0; r < grdRegister->rowCount(); ++r)
        if (QTableWidgetItem *item = grdRegister->item(r, 0); item && item->checkState() == Qt::Checked)
            numbers << item->data(Qt::UserRole).toInt();
    return numbers;
}

} // namespace brevane
