// The Share Ledger menu's dialogs over the corporation of five subscribers:
// the transfer dialog shows the journal lines as the user fills it in and
// records them; the register shows the holders on a day; the menu opens
// them from the main window.
#include "GuiFixture.h"
#include "LedgerClient.h"
#include "PaperClients.h"
#include "core/document/ClientDocument.h"
#include "core/ledger/ShareLedger.h"
#include "gui/ledger/TfrmLedgerEntry.h"
#include "gui/ledger/TfrmShareRegister.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace brevane;
using namespace brevane::test;

namespace {

// A table's rows as "cell | cell | ..." lines.
QStringList rows(const QTableWidget *table)
{
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        out << cells.join(QStringLiteral(" | "));
    }
    return out;
}

void fill(ClientDocument &client)
{
    FillLedgerClient(*client.Answers(), client.Directory());
    QVERIFY(client.Recalculate().ok());
    client.SetModified(false);
}

} // namespace

class tst_ledgerdialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { UseUnitedStatesLocale(); }
    void transferDialogShowsAndRecordsTheLines();
    void redemptionDialogStartsAtTheWholeCertificate();
    void registerOnADay();
    void menuOpensTheRegister();
    void companyShowsItsMembers();
};

void tst_ledgerdialogs::transferDialogShowsAndRecordsTheLines()
{
    ClientDocument client;
    fill(client);
    TfrmLedgerEntry dialog(TfrmLedgerEntry::Kind::Transfer, client);
    dialog.edtDate->setDate(QDate(2019, 6, 15));
    QCOMPARE(dialog.cbxCertificate->count(), 5);
    dialog.cbxCertificate->setCurrentIndex(dialog.cbxCertificate->findData(2));
    QCOMPARE(dialog.cbxCertificate->currentText(), QStringLiteral("No. 2, Ben Ortiz, 250 shares"));
    // Nothing to write until a holder is named.
    QVERIFY(!dialog.btnRecord->isEnabled());
    QVERIFY(dialog.lblProblem->text().startsWith(QStringLiteral("3902-")));

    dialog.grdHolders->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Erin Walsh")));
    dialog.grdHolders->setItem(0, 1, new QTableWidgetItem(QStringLiteral("300")));
    QVERIFY(!dialog.btnRecord->isEnabled());
    QVERIFY2(dialog.lblProblem->text().contains(QStringLiteral("300 shares transferred; certificate 2 holds 250")),
             qPrintable(dialog.lblProblem->text()));

    dialog.grdHolders->item(0, 1)->setText(QStringLiteral("100"));
    QVERIFY(dialog.btnRecord->isEnabled());
    QCOMPARE(rows(dialog.grdLines), QStringList({"6/15/2019 |  | Certificate cancelled | Ben Ortiz | 250 | 2 | ",
                                                 "6/15/2019 | 6 | Erin Walsh | Ben Ortiz | 100 | 2 | ",
                                                 "6/15/2019 | 7 | Ben Ortiz | Ben Ortiz | 150 | 2 | "}));
    QVERIFY(!client.IsModified());
    dialog.btnRecord->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(client.IsModified());
    const ledger::Register reg = ledger::RegisterAsOf(*client.Answers(), client.Directory());
    QVERIFY(reg.Outstanding(6) && reg.Outstanding(7) && !reg.Outstanding(2));
}

void tst_ledgerdialogs::redemptionDialogStartsAtTheWholeCertificate()
{
    ClientDocument client;
    fill(client);
    TfrmLedgerEntry dialog(TfrmLedgerEntry::Kind::Redemption, client);
    dialog.edtDate->setDate(QDate(2019, 6, 15));
    dialog.cbxCertificate->setCurrentIndex(dialog.cbxCertificate->findData(2));
    // The whole certificate, the usual case, and nothing to mend.
    QCOMPARE(dialog.spnShares->value(), 250);
    QVERIFY(dialog.btnRecord->isEnabled());
    QVERIFY(dialog.lblProblem->text().isEmpty());
    QCOMPARE(rows(dialog.grdLines),
             QStringList({"6/15/2019 |  | Certificate cancelled | Ben Ortiz | 250 | 2 | ",
                          "6/15/2019 |  | Redeemed by the corporation | Ben Ortiz | 250 |  | "}));
    // Part of it: the balance goes back to the holder.
    dialog.spnShares->setValue(100);
    QCOMPARE(rows(dialog.grdLines).last(), QStringLiteral("6/15/2019 | 6 | Ben Ortiz | Ben Ortiz | 150 | 2 | "));
    // No shares: its own message, not one about too many.
    dialog.spnShares->setValue(0);
    QVERIFY(!dialog.btnRecord->isEnabled());
    QVERIFY2(dialog.lblProblem->text().startsWith(QStringLiteral("3909-")), qPrintable(dialog.lblProblem->text()));
}

void tst_ledgerdialogs::registerOnADay()
{
    ClientDocument client;
    fill(client);
    QVERIFY(ledger::RecordTransfer(client, {QDate(2019, 6, 15), 2, {{QStringLiteral("Erin Walsh"), 100}}}).ok());
    QList<int> saved;
    QList<std::pair<QDate, bool>> registers; // the day and whether as a PDF
    TfrmShareRegister dialog(client, {{},
                                      [&saved](const QList<int> &numbers) { saved = numbers; },
                                      [&registers](const QDate &asOf, bool pdf) {
                                          registers << std::pair{asOf, pdf};
                                      }});
    QCOMPARE(rows(dialog.grdRegister).size(), 6);
    QCOMPARE(rows(dialog.grdRegister).at(4), QStringLiteral("6 | Erin Walsh | 100 | common | June 15, 2019"));
    QCOMPARE(dialog.lblTotals->text(),
             QStringLiteral("Total outstanding: 1,000 shares     Total authorized: 1,500 shares"));
    QVERIFY(dialog.lblFaults->text().isEmpty());
    dialog.btnRegisterPdf->click();

    dialog.cbxLatest->setChecked(false);
    dialog.edtAsOf->setDate(QDate(2019, 6, 14));
    QCOMPARE(rows(dialog.grdRegister).at(1), QStringLiteral("2 | Ben Ortiz | 250 | common | April 2, 2018"));
    QCOMPARE(rows(dialog.grdRegister).size(), 5);
    // The register printed is the one shown: after the last entry, then on
    // the day chosen.
    dialog.btnPrintRegister->click();
    QCOMPARE(registers, (QList<std::pair<QDate, bool>>{{QDate(), true}, {QDate(2019, 6, 14), false}}));

    // Some of the certificates, as the user ticks them.
    dialog.grdRegister->item(0, 0)->setCheckState(Qt::Unchecked);
    dialog.btnCertificates->click();
    QCOMPARE(saved, QList<int>({2, 3, 4, 5}));
}

void tst_ledgerdialogs::menuOpensTheRegister()
{
    GuiFixture fixture;
    auto window = fixture.Start();
    fill(window->Document());
    QString title;
    WhenShown([&title](QWidget *dialog) {
        title = dialog->windowTitle();
        Press(dialog, "btnClose");
    });
    Item(*window, "mnuShareRegister")->trigger();
    QCOMPARE(title, QStringLiteral("Share Register"));
    for (const char *name : {"mnuRecordTransfer", "mnuRecordIssue", "mnuRecordRedemption"})
        QVERIFY(Item(*window, name));
}

// A company keeps no share ledger: the window lists its members and offers
// nothing to record or print.
void tst_ledgerdialogs::companyShowsItsMembers()
{
    ClientDocument client;
    CalcClient company;
    CompanyWithEquipmentMember(company);
    for (int p = 0; p < PageCount; ++p)
        for (int c = 0; c <= PageContinuationMax[p]; ++c)
            for (int k = 0; k < TAnswer::AnswerCount(p); ++k)
                client.Answers()->Entry(p, c, k) = company.store.Entry(p, c, k);
    client.Answers()->PgCt = company.store.PgCt;
    client.Directory() = company.directory;
    TfrmShareRegister dialog(client, {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Members of Record"));
    QCOMPARE(rows(dialog.grdRegister),
             (QStringList{"Anna Baker | 45% | $6,000.00 | cash", "Tom Reyes | 30% | $4,000.00 | cash",
                          "North Coast Equipment Co. | 25% | Roasting equipment valued at $10,000.00 | property"}));
    QCOMPARE(dialog.lblTotals->text(),
             QStringLiteral("Members of record, as the Directory Worksheet gives them: 3     Total interest: 100%"));
    for (QPushButton *b : {dialog.btnTransfer, dialog.btnIssue, dialog.btnRedemption, dialog.btnPrintRegister,
                           dialog.btnRegisterPdf, dialog.btnCertificates})
        QVERIFY(b->isHidden());
}

QTEST_MAIN(tst_ledgerdialogs)
#include "tst_ledgerdialogs.moc"
