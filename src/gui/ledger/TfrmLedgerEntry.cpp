#include "gui/ledger/TfrmLedgerEntry.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/store/Conversions.h"
#include "gui/ledger/ShareLedgerCommands.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace brevane {

namespace {

QString title(TfrmLedgerEntry::Kind kind)
{
    switch (kind) {
    case TfrmLedgerEntry::Kind::Transfer:
        return QStringLiteral("Record a Transfer");
    case TfrmLedgerEntry::Kind::Issue:
        return QStringLiteral("Record an Issue of Shares");
    case TfrmLedgerEntry::Kind::Redemption:
        return QStringLiteral("Record a Redemption");
    }
    return {};
}

// The amount as typed, in the answer form where it reads as a number.
QString amountOf(const QLineEdit *edit)
{
    const QString typed = edit->text().trimmed();
    if (typed.isEmpty())
        return {};
    const std::optional<double> value = ReadRegionalNumber(typed);
    return value ? Float2Dollar(*value) : typed;
}

} // namespace

TfrmLedgerEntry::TfrmLedgerEntry(Kind kind, ClientDocument &client, QWidget *parent)
    : QDialog(parent)
    , kind_(kind)
    , client_(client)
{
    setObjectName(QStringLiteral("frmLedgerEntry"));
    setWindowTitle(title(kind));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    edtDate = new QDateEdit(QDate::currentDate(), this);
    edtDate->setObjectName(QStringLiteral("edtDate"));
    edtDate->setCalendarPopup(true);
    edtDate->setDisplayFormat(RegionalDateFormat());
    form->addRow(QStringLiteral("Date of the entry"), edtDate);

    if (kind != Kind::Issue) {
        cbxCertificate = new QComboBox(this);
        cbxCertificate->setObjectName(QStringLiteral("cbxCertificate"));
        form->addRow(kind == Kind::Transfer ? QStringLiteral("Certificate surrendered")
                                            : QStringLiteral("Certificate redeemed"),
                     cbxCertificate);
        connect(edtDate, &QDateEdit::dateChanged, this, [this] { fillCertificates(); });
        connect(cbxCertificate, &QComboBox::currentIndexChanged, this, [this] {
            redeemWholeCertificate();
            showLines();
        });
    }
    if (kind == Kind::Transfer) {
        auto *note = new QLabel(QStringLiteral("Transferred to (a row for each new holder; what is not transferred "
                                               "goes back to the holder on a certificate of its own):"),
                                this);
        note->setWordWrap(true);
        layout->addWidget(note);
        grdHolders = new QTableWidget(3, 2, this);
        grdHolders->setObjectName(QStringLiteral("grdHolders"));
        grdHolders->setHorizontalHeaderLabels({QStringLiteral("New holder"), QStringLiteral("Shares")});
        grdHolders->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        grdHolders->setMinimumHeight(110);
        layout->addWidget(grdHolders);
        connect(grdHolders, &QTableWidget::cellChanged, this, [this] { showLines(); });
    } else {
        if (kind == Kind::Issue) {
            edtHolder = new QLineEdit(this);
            edtHolder->setObjectName(QStringLiteral("edtHolder"));
            form->addRow(QStringLiteral("Issued to"), edtHolder);
            connect(edtHolder, &QLineEdit::textChanged, this, [this] { showLines(); });
        }
        spnShares = new QSpinBox(this);
        spnShares->setObjectName(QStringLiteral("spnShares"));
        spnShares->setRange(0, 999999999);
        spnShares->setGroupSeparatorShown(true);
        form->addRow(kind == Kind::Issue ? QStringLiteral("Shares issued") : QStringLiteral("Shares redeemed"),
                     spnShares);
        connect(spnShares, &QSpinBox::valueChanged, this, [this] { showLines(); });
        edtAmount = new QLineEdit(this);
        edtAmount->setObjectName(QStringLiteral("edtAmount"));
        form->addRow(kind == Kind::Issue ? QStringLiteral("Amount paid to the corporation")
                                         : QStringLiteral("Amount paid by the corporation"),
                     edtAmount);
        connect(edtAmount, &QLineEdit::textChanged, this, [this] { showLines(); });
    }

    layout->addWidget(new QLabel(QStringLiteral("The journal will read:"), this));
    grdLines = new QTableWidget(0, ledger::Columns, this);
    grdLines->setObjectName(QStringLiteral("grdLines"));
    grdLines->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Cert. no."),
                                         QStringLiteral("Issued or transferred to"), QStringLiteral("Transferred from"),
                                         QStringLiteral("Shares"), QStringLiteral("Old cert. no."),
                                         QStringLiteral("Amount paid")});
    grdLines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLines->verticalHeader()->hide();
    grdLines->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdLines->setMinimumHeight(120);
    layout->addWidget(grdLines);
    lblProblem = new QLabel(this);
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(lblProblem);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    btnRecord = new QPushButton(QStringLiteral("&Record"), this);
    btnRecord->setObjectName(QStringLiteral("btnRecord"));
    btnRecord->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(btnRecord);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(btnRecord, &QPushButton::clicked, this, [this] { RecordClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(edtDate, &QDateEdit::dateChanged, this, [this] { showLines(); });

    if (cbxCertificate)
        fillCertificates();
    redeemWholeCertificate();
    showLines();
    resize(760, 460);
}

void TfrmLedgerEntry::fillCertificates()
{
    const int chosen = cbxCertificate->currentData().toInt();
    const QSignalBlocker block(cbxCertificate);
    cbxCertificate->clear();
    if (const TAnswer *answers = client_.Answers()) {
        const ledger::Register reg = ledger::RegisterAsOf(*answers, client_.Directory(), edtDate->date());
        for (const ledger::Certificate &c : reg.outstanding) {
            cbxCertificate->addItem(
                QStringLiteral("No. %1, %2, %3 shares").arg(c.number).arg(c.holder, ledger::SharesText(c.shares)),
                c.number);
            cbxCertificate->setItemData(cbxCertificate->count() - 1, c.shares, SharesRole);
        }
    }
    const int at = cbxCertificate->findData(chosen);
    cbxCertificate->setCurrentIndex(at >= 0 ? at : 0);
}

void TfrmLedgerEntry::redeemWholeCertificate()
{
    // A redemption starts at the whole certificate chosen, the usual case;
    // the user lowers it for part.
    if (kind_ != Kind::Redemption || !cbxCertificate || !spnShares || cbxCertificate->currentIndex() < 0)
        return;
    const QSignalBlocker block(spnShares);
    spnShares->setValue(
        int(std::min<qlonglong>(cbxCertificate->currentData(SharesRole).toLongLong(), spnShares->maximum())));
}

ledger::TransferOrder TfrmLedgerEntry::Transfer() const
{
    ledger::TransferOrder order;
    order.date = edtDate->date();
    order.certificate = cbxCertificate ? cbxCertificate->currentData().toInt() : 0;
    for (int r = 0; grdHolders && r < grdHolders->rowCount(); ++r) {
        const QString holder = grdHolders->item(r, 0) ? grdHolders->item(r, 0)->text().trimmed() : QString();
        const QString shares = grdHolders->item(r, 1) ? grdHolders->item(r, 1)->text().trimmed() : QString();
        if (holder.isEmpty() && shares.isEmpty())
            continue;
        const std::optional<double> value = ReadRegionalNumber(shares);
        order.to << ledger::NewHolder{holder, value ? qint64(*value) : 0};
    }
    return order;
}

ledger::IssueOrder TfrmLedgerEntry::Issue() const
{
    return {edtDate->date(),
            {edtHolder ? edtHolder->text().trimmed() : QString(), spnShares ? spnShares->value() : 0},
            edtAmount ? amountOf(edtAmount) : QString()};
}

ledger::RedemptionOrder TfrmLedgerEntry::Redemption() const
{
    return {edtDate->date(), cbxCertificate ? cbxCertificate->currentData().toInt() : 0,
            spnShares ? spnShares->value() : 0, edtAmount ? amountOf(edtAmount) : QString()};
}

Outcome TfrmLedgerEntry::Lines(QList<ledger::JournalLine> *lines) const
{
    if (!client_.Answers())
        return Outcome::failure(msg::AnswerStoreNotCreated);
    const TAnswer &answers = *client_.Answers();
    switch (kind_) {
    case Kind::Transfer:
        return ledger::TransferLines(answers, client_.Directory(), Transfer(), lines);
    case Kind::Issue:
        return ledger::IssueLines(answers, client_.Directory(), Issue(), lines);
    case Kind::Redemption:
        return ledger::RedemptionLines(answers, client_.Directory(), Redemption(), lines);
    }
    return {};
}

void TfrmLedgerEntry::showLines()
{
    QList<ledger::JournalLine> lines;
    const Outcome made = Lines(&lines);
    grdLines->setRowCount(made.ok() ? int(lines.size()) : 0);
    for (int r = 0; made.ok() && r < lines.size(); ++r)
        for (int c = 0; c < ledger::Columns; ++c)
            grdLines->setItem(r, c, new QTableWidgetItem(lines[r].Column(c)));
    QString problem;
    if (!made.ok() && !made.messages().isEmpty()) {
        const OutcomeMessage &m = made.messages().first();
        problem = ComposeError(m.number, m.detail).text;
    }
    lblProblem->setText(problem);
    btnRecord->setEnabled(made.ok());
}

void TfrmLedgerEntry::RecordClick()
{
    Outcome done;
    switch (kind_) {
    case Kind::Transfer:
        done = ledger::RecordTransfer(client_, Transfer());
        break;
    case Kind::Issue:
        done = ledger::RecordIssue(client_, Issue());
        break;
    case Kind::Redemption:
        done = ledger::RecordRedemption(client_, Redemption());
        break;
    }
    done.show();
    if (done.ok())
        accept();
}

} // namespace brevane
