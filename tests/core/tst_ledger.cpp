// The share ledger: the original issue the first sheet holds, transfers,
// issues and redemptions written as a lawyer writes them, the register on a
// day, the faults of a journal, and a stock certificate for every holder.
#include "DocumentFill.h"
#include "LedgerClient.h"
#include "TestSupport.h"
#include "core/calc/Calculate.h"
#include "core/check/CheckRules.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/document/LedgerCommands.h"
#include "core/files/ClientFile.h"
#include "core/ledger/ShareLedger.h"
#include "core/output/PrintJob.h"
#include "core/output/TemplateMerge.h"

#include <QSignalSpy>
#include <QtTest>

using namespace brevane;
using namespace brevane::test;
using namespace brevane::ledger;

namespace {

// The journal line `line` of sheet `sheet` as "date | cert | holder | from |
// shares | old cert | amount".
QString lineText(const TAnswer &store, int line, int sheet = 0)
{
    QStringList cells;
    for (int c = 0; c < Columns; ++c)
        cells << store.Text(Page, sheet, AnswerOf(line, c));
    return cells.join(QStringLiteral(" | "));
}

// The register as "number holder shares" items.
QStringList holders(const Register &reg)
{
    QStringList out;
    for (const Certificate &c : reg.outstanding)
        out << QStringLiteral("%1 %2 %3").arg(c.number).arg(c.holder).arg(c.shares);
    return out;
}

// A journal line written by hand: every answer overridden.
void writeLine(TAnswer &store, int line, const QStringList &cells, int sheet = 0)
{
    for (int c = 0; c < Columns; ++c) {
        store.SetText(Page, sheet, AnswerOf(line, c), cells.value(c));
        store.SetOvRide(Page, sheet, AnswerOf(line, c), true);
    }
}

const QStringList FirstIssue = {"1 Ann Lee 400", "2 Ben Ortiz 250", "3 Carla Ng 150", "4 Dev Patel 100",
                                "5 Lakeshore Capital LLC 100"};
const QStringList AfterTransfer = {"1 Ann Lee 400",    "3 Carla Ng 150",
                                   "4 Dev Patel 100",  "5 Lakeshore Capital LLC 100",
                                   "6 Erin Walsh 100", "7 Ben Ortiz 150"};

// The rows but row `row`.
DirectoryTable FewerRows(DirectoryTable rows, int row)
{
    rows.RemoveRow(row);
    return rows;
}

struct Client
{
    ClientDocument document;
    Client()
    {
        FillDocument(document, [&](TAnswer &answers, DirectoryTable &rows) { FillLedgerClient(answers, rows); });
        QVERIFY(document.Recalculate().ok());
    }
    const TAnswer &store() const { return *document.Answers(); }
    // Writes into the answers as a fixture: not a change by the user.
    template <typename Write> void write(Write w)
    {
        FillDocument(document, [&](TAnswer &answers, DirectoryTable &) { w(answers); });
    }
    // Ben Ortiz transfers 100 of his 250 shares (certificate 2) to Erin Walsh.
    Outcome transfer()
    {
        return RecordTransfer(document, TransferOrder{QDate(2019, 6, 15), 2, {NewHolder{"Erin Walsh", 100}}});
    }
};

} // namespace

class tst_ledger : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { UseUnitedStatesLocale(); }
    void firstSheet_data();
    void firstSheet();
    void originalIssueFollowsTheDirectory();
    void transferOfPartOfACertificate();
    void anEntryOnNewSheetsIsOneEdit();
    void registerAsOf_data();
    void registerAsOf();
    void faults_data();
    void faults();
    void commandsRefused_data();
    void commandsRefused();
    void issueAndRedemption();
    void ledgerWrittenBeforeIsKept();
    void certificateForEveryHolder_data();
    void certificateForEveryHolder();
    void certificateNumbers_data();
    void certificateNumbers();
    void registerPaper_data();
    void registerPaper();
};

// The first sheet: one line per subscriber, certificates 1 to 5 in
// Directory order, dated the directors' meeting, paid shares × $10.
void tst_ledger::firstSheet_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("Ann Lee") << 0 << "4/2/2018 | 1 | Ann Lee | Original issue | 400 |  | 4,000.00";
    QTest::newRow("Ben Ortiz") << 1 << "4/2/2018 | 2 | Ben Ortiz | Original issue | 250 |  | 2,500.00";
    QTest::newRow("Carla Ng") << 2 << "4/2/2018 | 3 | Carla Ng | Original issue | 150 |  | 1,500.00";
    QTest::newRow("Dev Patel") << 3 << "4/2/2018 | 4 | Dev Patel | Original issue | 100 |  | 1,000.00";
    QTest::newRow("the business") << 4 << "4/2/2018 | 5 | Lakeshore Capital LLC | Original issue | 100 |  | 1,000.00";
    QTest::newRow("then nothing") << 5 << " |  |  |  |  |  | ";
}

void tst_ledger::firstSheet()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    Client c;
    QCOMPARE(lineText(c.store(), line), text);
    QCOMPARE(c.store().Text(Page, 0, EntityNameAnswer), QStringLiteral("Harbor Lane Foods, Inc."));
    QCOMPARE(c.store().Text(Page, 0, ClassAnswer), QStringLiteral("common"));
    QCOMPARE(c.store().Text(Page, 0, SheetNumberAnswer), QStringLiteral("1"));
}

// A subscriber taken out of the Directory leaves no certificate behind; a
// line the user overrode stays as written, and a second sheet is numbered 2.
void tst_ledger::originalIssueFollowsTheDirectory()
{
    Client c;
    c.write([&](TAnswer &answers) {
        writeLine(answers, 6, {"5/1/2018", "9", "Kept by hand", "Original issue", "10", "", ""});
    });
    c.write([](TAnswer &answers) { answers.PgCt[Page] = 2; });
    DirectoryTable fewer = c.document.Directory();
    QVERIFY(fewer.RemoveRow(3));
    QVERIFY(c.document.SetDirectory(fewer).ok());
    QVERIFY(c.document.Recalculate().ok());
    QCOMPARE(lineText(c.store(), 3),
             QStringLiteral("4/2/2018 | 4 | Lakeshore Capital LLC | Original issue | 100 |  | 1,000.00"));
    QCOMPARE(lineText(c.store(), 4), QStringLiteral(" |  |  |  |  |  | "));
    QCOMPARE(lineText(c.store(), 6), QStringLiteral("5/1/2018 | 9 | Kept by hand | Original issue | 10 |  | "));
    QCOMPARE(c.store().Text(Page, 1, SheetNumberAnswer), QStringLiteral("2"));
    QCOMPARE(lineText(c.store(), 0, 1), QStringLiteral(" |  |  |  |  |  | "));
}

// A transfer to more holders than a sheet holds adds the sheets it needs in
// one edit of the client: one announcement of the copies, one
// recalculation, one announcement of the answers.
void tst_ledger::anEntryOnNewSheetsIsOneEdit()
{
    Client c;
    const int sheetsBefore = c.store().PgCt[Page];
    QSignalSpy copies(&c.document, &ClientDocument::CopiesChanged);
    QSignalSpy answers(&c.document, &ClientDocument::AnswersChanged);
    TransferOrder order{QDate(2019, 6, 15), 2, {}};
    for (int i = 0; i < 2 * LinesPerSheet; ++i)
        order.to << NewHolder{QStringLiteral("Holder %1").arg(i + 1), 1};
    QVERIFY(RecordTransfer(c.document, order).ok());
    QCOMPARE(c.store().PgCt[Page], sheetsBefore + 2);
    QCOMPARE(copies.count(), 1);
    QCOMPARE(copies.first().first().toInt(), Page);
    QCOMPARE(answers.count(), 1);
    QVERIFY(c.document.IsModified());
    QCOMPARE(c.store().Text(Page, sheetsBefore + 1, SheetNumberAnswer), QString::number(sheetsBefore + 2));
}

// Part of a certificate transferred: the certificate cancelled, a new one to
// the transferee, one for the balance back to the holder; the lines are the
// user's (overridden) and survive every later run.
void tst_ledger::transferOfPartOfACertificate()
{
    Client c;
    const Outcome done = c.transfer();
    QVERIFY(done.ok());
    QVERIFY(c.document.IsModified());
    QCOMPARE(lineText(c.store(), 5), QStringLiteral("6/15/2019 |  | Certificate cancelled | Ben Ortiz | 250 | 2 | "));
    QCOMPARE(lineText(c.store(), 6), QStringLiteral("6/15/2019 | 6 | Erin Walsh | Ben Ortiz | 100 | 2 | "));
    QCOMPARE(lineText(c.store(), 7), QStringLiteral("6/15/2019 | 7 | Ben Ortiz | Ben Ortiz | 150 | 2 | "));
    QCOMPARE(lineText(c.store(), 8), QStringLiteral(" |  |  |  |  |  | "));
    // The lines are the record, not overrides (they print as the rest of the
    // sheet), and no later run replaces them, not even when a subscriber
    // joins and the original issue grows into their place.
    for (int k = AnswerOf(5, 0); k < AnswerOf(8, 0); ++k)
        QVERIFY(!c.store().OvRide(Page, 0, k));
    DirectoryTable more = c.document.Directory();
    more.AddRow();
    for (const auto &[column, text] : {std::pair{ColCode, "SI"}, {ColName, "Gil Park"}, {ColNoOfShares, "10"}})
        more.SetCell(more.RowCount() - 1, column, QString::fromUtf8(text));
    QVERIFY(c.document.SetDirectory(more).ok());
    QVERIFY(c.document.Recalculate().ok());
    QCOMPARE(lineText(c.store(), 5), QStringLiteral("6/15/2019 |  | Certificate cancelled | Ben Ortiz | 250 | 2 | "));
    QCOMPARE(lineText(c.store(), 6), QStringLiteral("6/15/2019 | 6 | Erin Walsh | Ben Ortiz | 100 | 2 | "));
    QCOMPARE(lineText(c.store(), 7), QStringLiteral("6/15/2019 | 7 | Ben Ortiz | Ben Ortiz | 150 | 2 | "));
    QVERIFY(c.document.SetDirectory(FewerRows(c.document.Directory(), 5)).ok());
    QVERIFY(c.document.Recalculate().ok());

    const Register after = RegisterAsOf(c.store(), c.document.Directory());
    QCOMPARE(holders(after), AfterTransfer);
    QCOMPARE(after.totalOutstanding, 1000);
    QVERIFY(LedgerFaults(c.store(), c.document.Directory()).isEmpty());
}

void tst_ledger::registerAsOf_data()
{
    QTest::addColumn<QDate>("asOf");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("before the board met") << QDate(2018, 4, 1) << QStringList();
    QTest::newRow("the day the board met") << QDate(2018, 4, 2) << FirstIssue;
    QTest::newRow("the day before the transfer") << QDate(2019, 6, 14) << FirstIssue;
    QTest::newRow("the day of the transfer") << QDate(2019, 6, 15) << AfterTransfer;
    QTest::newRow("a year later") << QDate(2020, 6, 15) << AfterTransfer;
}

void tst_ledger::registerAsOf()
{
    QFETCH(QDate, asOf);
    QFETCH(QStringList, expected);
    Client c;
    QVERIFY(c.transfer().ok());
    const Register reg = RegisterAsOf(c.store(), c.document.Directory(), asOf);
    QCOMPARE(holders(reg), expected);
    QCOMPARE(reg.totalOutstanding, expected.isEmpty() ? 0 : 1000);
    QVERIFY(reg.faults.isEmpty());
}

// What a lawyer marks in a journal, each planted after the transfer: the
// finding of the check before filing (on the ledger's form) for each.
void tst_ledger::faults_data()
{
    QTest::addColumn<QStringList>("line"); // written at line 8 of the first sheet
    QTest::addColumn<QString>("authorized");
    QTest::addColumn<QString>("finding");
    QTest::newRow("a certificate cancelled twice")
        << QStringList{"8/1/2019", "", "Certificate cancelled", "Ben Ortiz", "250", "2", ""} << "1,500"
        << "sheet 1, line 9: certificate 2 is cancelled twice; it was cancelled on June 15, 2019";
    QTest::newRow("used after its cancellation")
        << QStringList{"8/1/2019", "8", "Fay Moss", "Ben Ortiz", "50", "2", ""} << "1,500"
        << "sheet 1, line 9: certificate 2 was cancelled on June 15, 2019; a new certificate cannot be issued in its "
           "place later";
    QTest::newRow("more shares than the certificate holds")
        << QStringList{"6/15/2019", "8", "Fay Moss", "Ben Ortiz", "50", "2", ""} << "1,500"
        << "sheet 1, line 9: the certificates issued in place of certificate 2 hold 300 shares; it held 250";
    QTest::newRow("a certificate never issued")
        << QStringList{"8/1/2019", "", "Certificate cancelled", "Nobody", "10", "12", ""} << "1,500"
        << "sheet 1, line 9: certificate 12 is surrendered, but no certificate 12 was issued before";
    QTest::newRow("one number twice") << QStringList{"8/1/2019", "6", "Fay Moss", "Original issue", "10", "", ""}
                                      << "1,500"
                                      << "sheet 1, line 9: certificate 6 is issued twice";
    QTest::newRow("beyond the shares authorized")
        << QStringList{"8/1/2019", "8", "Fay Moss", "Original issue", "600", "", "6,000.00"} << "1,500"
        << "sheet 1, line 9: 1,600 shares are then outstanding, more than the 1,500 the articles authorize";
    QTest::newRow("a date that is no date")
        << QStringList{"summer", "8", "Fay Moss", "Original issue", "10", "", ""} << "1,500"
        << "sheet 1, line 9: the date \"summer\" does not read as a date";
    QTest::newRow("the minutes accepted more") << QStringList() << "1,500"
                                               << "the directors accepted Dev Patel's subscription for 100 shares, "
                                                  "but the ledger issues no such certificate";
}

void tst_ledger::faults()
{
    QFETCH(QStringList, line);
    QFETCH(QString, authorized);
    QFETCH(QString, finding);
    Client c;
    QVERIFY(c.transfer().ok());
    if (line.isEmpty())
        c.write([&](TAnswer &answers) {
            writeLine(answers, 3, {"4/2/2018", "4", "Dev Patel", "Original issue", "10", "", "100.00"});
        });
    else
        c.write([&](TAnswer &answers) { writeLine(answers, 8, line); });
    c.write([&](TAnswer &answers) { answers.SetText(0, 0, G0::AuthorizedShares, authorized); });
    QVERIFY(c.document.Recalculate().ok());
    QList<Finding> found;
    FindCheckRule("Ledger")(CheckContext{c.store(), c.document.Directory(), Page, QDate(2020, 1, 1)}, found);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().text, finding);
    QCOMPARE(found.first().answerPage, Page);
}

// A command that cannot be written says why and changes nothing.
void tst_ledger::commandsRefused_data()
{
    QTest::addColumn<int>("kind"); // 0 transfer, 1 issue, 2 redemption
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("certificate");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<int>("shares");
    QTest::addColumn<int>("message");
    QTest::addColumn<QString>("detail");
    const QDate day(2019, 6, 15);
    QTest::newRow("transfer: more than the certificate")
        << 0 << day << 2 << "Erin Walsh" << 300 << msg::LedgerBeyondCertificate
        << "300 shares transferred; certificate 2 holds 250";
    QTest::newRow("transfer: no such certificate")
        << 0 << day << 9 << "Erin Walsh" << 10 << msg::LedgerNotOutstanding << "certificate 9 on June 15, 2019";
    QTest::newRow("transfer: dated before the journal's last line")
        << 0 << QDate(2018, 3, 1) << 2 << "Erin Walsh" << 10 << msg::LedgerBackdated << "April 2, 2018";
    QTest::newRow("transfer: no holder") << 0 << day << 2 << " " << 10 << msg::LedgerHolderMissing
                                         << "a new certificate without a holder";
    QTest::newRow("transfer: no date") << 0 << QDate() << 2 << "Erin Walsh" << 10 << msg::LedgerDateUnreadable
                                       << "no date given";
    QTest::newRow("issue: beyond the authorized") << 1 << day << 0 << "Fay Moss" << 501 << msg::LedgerBeyondAuthorized
                                                  << "1,000 outstanding and 501 more; 1,500 authorized";
    QTest::newRow("redemption: more than the certificate")
        << 2 << day << 4 << "" << 101 << msg::LedgerBeyondCertificate << "101 shares redeemed; certificate 4 holds 100";
    QTest::newRow("redemption: no shares")
        << 2 << day << 4 << "" << 0 << msg::LedgerNothingRedeemed << "certificate 4 holds 100 shares";
}

void tst_ledger::commandsRefused()
{
    QFETCH(int, kind);
    QFETCH(QDate, date);
    QFETCH(int, certificate);
    QFETCH(QString, holder);
    QFETCH(int, shares);
    QFETCH(int, message);
    QFETCH(QString, detail);
    Client c;
    c.document.SetModified(false);
    const QByteArray before = WriteClientFile(c.store(), c.document.Directory());
    Outcome done;
    if (kind == 0)
        done = RecordTransfer(c.document, TransferOrder{date, certificate, {NewHolder{holder, shares}}});
    else if (kind == 1)
        done = RecordIssue(c.document, IssueOrder{date, NewHolder{holder, shares}, QString()});
    else
        done = RecordRedemption(c.document, RedemptionOrder{date, certificate, shares, QString()});
    QVERIFY(!done.ok());
    QCOMPARE(done.messages().size(), 1);
    QCOMPARE(done.messages().first().number, message);
    QCOMPARE(done.messages().first().detail, detail);
    QCOMPARE(WriteClientFile(c.store(), c.document.Directory()), before);
    QVERIFY(!c.document.IsModified());
}

// A further issue takes the next number; a redemption of part of a
// certificate cancels it and gives the holder a certificate for the rest;
// nothing is dated before the journal's last line.
void tst_ledger::issueAndRedemption()
{
    Client c;
    QVERIFY(c.transfer().ok());
    QVERIFY(RecordIssue(c.document, IssueOrder{QDate(2019, 9, 1), NewHolder{"Fay Moss", 200}, "2,400.00"}).ok());
    QCOMPARE(lineText(c.store(), 8), QStringLiteral("9/1/2019 | 8 | Fay Moss | New issue | 200 |  | 2,400.00"));
    QVERIFY(RecordRedemption(c.document, RedemptionOrder{QDate(2019, 10, 1), 4, 40, "480.00"}).ok());
    // The surrendered certificate is cancelled on a line of its own, as in a
    // transfer; the shares bought back and their price follow.
    QCOMPARE(lineText(c.store(), 9), QStringLiteral("10/1/2019 |  | Certificate cancelled | Dev Patel | 100 | 4 | "));
    QCOMPARE(lineText(c.store(), 10),
             QStringLiteral("10/1/2019 |  | Redeemed by the corporation | Dev Patel | 40 |  | 480.00"));
    QCOMPARE(lineText(c.store(), 11), QStringLiteral("10/1/2019 | 9 | Dev Patel | Dev Patel | 60 | 4 | "));
    const Register reg = RegisterAsOf(c.store(), c.document.Directory());
    QCOMPARE(reg.totalOutstanding, 1160);
    QVERIFY(reg.Outstanding(9) && !reg.Outstanding(4));
    // Nothing wrong; the new issue is worth a look while no resolution of the
    // board on or before its day authorizes it.
    const QList<LedgerFault> faults = LedgerFaults(c.store(), c.document.Directory());
    QCOMPARE(faults.size(), 1);
    QCOMPARE(faults.first().kind, LedgerFault::NoBoardAction);
    QVERIFY(faults.first().worthALook);
    c.write([](TAnswer &answers) {
        answers.PgCt[38] = 1;
        answers.SetText(38, 0, 1, QStringLiteral("board of directors"));
        answers.SetText(38, 0, 7, QStringLiteral("8/15/2019"));
    });
    QVERIFY(LedgerFaults(c.store(), c.document.Directory()).isEmpty());

    const Outcome late = RecordIssue(c.document, IssueOrder{QDate(2019, 9, 30), NewHolder{"Gil Park", 1}, {}});
    QVERIFY(late.has(msg::LedgerBackdated));
}

// A client saved before the program kept the ledger: its lines are the
// user's own, and no calculation replaces them with the original issue.
void tst_ledger::ledgerWrittenBeforeIsKept()
{
    TAnswer store;
    DirectoryTable directory;
    FillLedgerClient(store, directory);
    store.SetText(Page, 0, AnswerOf(0, DateColumn), QStringLiteral("4/3/2018"));
    store.SetText(Page, 0, AnswerOf(0, CertificateColumn), QStringLiteral("101"));
    store.SetText(Page, 0, AnswerOf(0, HolderColumn), QStringLiteral("Ann Lee"));
    store.SetText(Page, 0, ClassAnswer, QStringLiteral("Class A"));
    for (int c = 0; c < Columns; ++c)
        store.SetText(Page, 0, AnswerOf(1, c),
                      QStringList{"4/3/2018", "102", "Bo Reyes", "Original issue", "5"}.value(c));
    QByteArray bytes = WriteClientFile(store, directory);
    bytes.replace(" 1.03000000000000E+0000", " 1.02000000000000E+0000");

    TAnswer read;
    DirectoryTable readDirectory;
    QVERIFY(ReadClientFile(bytes, read, readDirectory));
    QVERIFY(Calculate(&read, readDirectory).ok());
    QCOMPARE(lineText(read, 0), QStringLiteral("4/3/2018 | 101 | Ann Lee |  |  |  | "));
    QCOMPARE(read.Text(Page, 0, ClassAnswer), QStringLiteral("Class A"));
    QCOMPARE(lineText(read, 1), QStringLiteral("4/3/2018 | 102 | Bo Reyes | Original issue | 5 |  | "));
    // The lines after them are the program's.
    QCOMPARE(lineText(read, 2), QStringLiteral("4/2/2018 | 3 | Carla Ng | Original issue | 150 |  | 1,500.00"));
}

// Preview and print of the stock certificate: one filled front per
// outstanding certificate (or those chosen), the back as often.
void tst_ledger::certificateForEveryHolder_data()
{
    QTest::addColumn<bool>("transferred");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QStringList>("printed"); // holders, in order
    QTest::addColumn<int>("refused");         // the message of a job that prints nothing, else 0
    const QStringList first{"Ann Lee", "Ben Ortiz", "Carla Ng", "Dev Patel", "Lakeshore Capital LLC"};
    QTest::newRow("front, after the original issue") << false << "cbxStockFront" << QList<int>() << first << 0;
    QTest::newRow("front, after the transfer")
        << true << "cbxStockFront" << QList<int>()
        << QStringList{"Ann Lee", "Carla Ng", "Dev Patel", "Lakeshore Capital LLC", "Erin Walsh", "Ben Ortiz"} << 0;
    QTest::newRow("front, two chosen") << true << "cbxStockFront" << QList<int>{6, 7}
                                       << QStringList{"Erin Walsh", "Ben Ortiz"} << 0;
    QTest::newRow("back, after the transfer") << true << "cbxStockBack" << QList<int>() << QStringList() << 0;
    // Certificate 2 was surrendered in the transfer: it is not printed
    // blank or left out in silence.
    QTest::newRow("a cancelled certificate chosen")
        << true << "cbxStockFront" << QList<int>{6, 2} << QStringList() << int(msg::CertificateNotOutstanding);
}

void tst_ledger::certificateForEveryHolder()
{
    QFETCH(bool, transferred);
    QFETCH(QString, box);
    QFETCH(QList<int>, chosen);
    QFETCH(QStringList, printed);
    QFETCH(int, refused);
    Client c;
    if (transferred)
        QVERIFY(c.transfer().ok());
    const QString support = qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/support");
    PrintSelection selection;
    selection.SetChecked(box);
    selection.certificates = chosen;
    const QByteArray before = WriteClientFile(c.store(), c.document.Directory());
    QString document;
    MessageRecorder recorder;
    const Outcome built = c.document.BuildPrintDocument(selection, support + QStringLiteral("/RTF"),
                                                        support + QStringLiteral("/DAT"), &document);
    QCOMPARE(WriteClientFile(c.store(), c.document.Directory()), before);
    if (refused) {
        QVERIFY(!built);
        QVERIFY(document.isEmpty());
        QVERIFY(built.has(refused));
        return;
    }
    QVERIFY(built.ok());
    const int pages = int(document.count(QStringLiteral("\\sectd")));
    if (box == QLatin1String("cbxStockBack")) {
        QCOMPARE(pages, 6);
        return;
    }
    QCOMPARE(pages, printed.size());
    qsizetype at = 0;
    for (const QString &holder : printed) {
        const qsizetype found = document.indexOf(QStringLiteral("This certifies that ") + holder, at);
        QVERIFY2(found > at, qPrintable(holder));
        at = found;
    }
    QVERIFY(document.contains(QStringLiteral("One Hundred")));
    QVERIFY(document.contains(chosen.isEmpty() ? QStringLiteral("April 2, 2018") : QStringLiteral("June 15, 2019")));
    // BREVANE_KEEP_PROOF names a folder that gets the client and the document.
    const QString keep = qEnvironmentVariable("BREVANE_KEEP_PROOF");
    if (!keep.isEmpty()) {
        QDir().mkpath(keep);
        const QString name = QStringLiteral("ledger-%1").arg(QTest::currentDataTag()).replace(' ', '-');
        QVERIFY(
            SaveClientFile(keep + QLatin1Char('/') + name + QStringLiteral(".cl1"), c.store(), c.document.Directory()));
        QVERIFY(WritePrintDocument(keep + QLatin1Char('/') + name + QStringLiteral(".rtf"), document));
    }
}

// The certificates a user names for printing.
void tst_ledger::certificateNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("blank: every certificate") << "  " << true << QList<int>();
    QTest::newRow("list and range") << "1, 3, 6-8" << true << QList<int>{1, 3, 6, 7, 8};
    QTest::newRow("blanks and semicolons, once each") << "7;2 2 7-7" << true << QList<int>{7, 2};
    QTest::newRow("a word") << "1, three" << false << QList<int>();
    QTest::newRow("zero") << "0" << false << QList<int>();
    QTest::newRow("backward range") << "8-6" << false << QList<int>();
    QTest::newRow("open range") << "6-" << false << QList<int>();
    QTest::newRow("a range no ledger holds") << "1-100000" << false << QList<int>();
    QTest::newRow("beyond a number") << "99999999999" << false << QList<int>();
}

void tst_ledger::certificateNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(QList<int>, numbers);
    const std::optional<QList<int>> read = CertificateNumbers(text);
    QCOMPARE(read.has_value(), reads);
    if (reads)
        QCOMPARE(*read, numbers);
}

// The register printed as a paper, alone or after forms, on a day.
void tst_ledger::registerPaper_data()
{
    QTest::addColumn<QDate>("asOf");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QStringList>("rows"); // "number holder shares", in order
    QTest::newRow("after the last entry")
        << QDate() << QString() << "on June 15, 2019"
        << QStringList{"1 Ann Lee 400",    "3 Carla Ng 150", "4 Dev Patel 100", "5 Lakeshore Capital LLC 100",
                       "6 Erin Walsh 100", "7 Ben Ortiz 150"};
    QTest::newRow("the day before the transfer, after a form") << QDate(2019, 6, 14) << "cbxMisc_CorporateResolution"
                                                               << "on June 14, 2019" << FirstIssue;
}

void tst_ledger::registerPaper()
{
    QFETCH(QDate, asOf);
    QFETCH(QString, box);
    QFETCH(QString, day);
    QFETCH(QStringList, rows);
    Client c;
    QVERIFY(c.transfer().ok());
    PrintSelection selection;
    if (!box.isEmpty())
        selection.SetChecked(box);
    selection.shareRegister = true;
    selection.registerAsOf = asOf;
    const QString support = qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/support");
    QString document;
    MessageRecorder recorder;
    QVERIFY(c.document
                .BuildPrintDocument(selection, support + QStringLiteral("/RTF"), support + QStringLiteral("/DAT"),
                                    &document)
                .ok());
    // One RTF document: the register's header went, its body is a section
    // of its own after the form's.
    QCOMPARE(document.count(QStringLiteral("{\\rtf1")), 1);
    QCOMPARE(int(document.count(QStringLiteral("\\sectd"))), box.isEmpty() ? 1 : 2);
    QVERIFY(document.endsWith(QStringLiteral("}\r\n")) || document.endsWith(QLatin1Char('}')));
    const qsizetype title = document.indexOf(QStringLiteral("SHARE REGISTER"));
    QVERIFY(title > 0);
    QVERIFY(document.indexOf(QStringLiteral("Harbor Lane Foods, Inc."), title) > title);
    QVERIFY(document.contains(QStringLiteral("The shareholders of record ") + day));
    qsizetype at = title;
    for (const QString &row : rows) {
        const QStringList parts = row.split(QLatin1Char(' '));
        const QString cells = QStringLiteral("\\ql %1\\cell\r\n\\pard\\intbl\\sa20\\sl0\\ql %2\\cell")
                                  .arg(parts.first(), parts.mid(1, parts.size() - 2).join(QLatin1Char(' ')));
        const qsizetype found = document.indexOf(cells, at);
        QVERIFY2(found > at, qPrintable(row));
        at = found;
    }
    QVERIFY(document.contains(QStringLiteral("Shares outstanding: 1,000. Shares authorized by the articles of "
                                             "incorporation: 1,500.")));
    QVERIFY(document.contains(QStringLiteral("Carla Ng, Secretary")));
}

QTEST_GUILESS_MAIN(tst_ledger)
#include "tst_ledger.moc"
