// The papers of three clients as a lawyer's office fills them, printed as
// the program prints them, converted to PDF by LibreOffice and read as
// text: what a lawyer would refuse to sign must not be there (an empty box
// that looks like a ticked one, an amount in words that disagrees with its
// figures, "0 shares", "$0.00", a blank before a comma), and what the
// client holds must be (long dates, each signer once, the person who signs
// for a business, the facts the later filings repeat). A mixed job prints
// the stock certificate sideways after portrait pages.
//
// The templates are those the build generates from forms/ into its support
// folder.
#include "CalcFixture.h"
#include "PaperClients.h"
#include "TestSupport.h"
#include "core/calc/Calculate.h"
#include "core/calc/PageCalc.h"
#include "core/check/ClientCheck.h"
#include "core/files/ClientFile.h"
#include "core/output/PrintJob.h"
#include "core/output/PrintSelection.h"
#include "core/output/TemplateMerge.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <stdexcept>
using namespace brevane;
using namespace brevane::test;

namespace {

using Fill = void (*)(CalcClient &);

struct Printed
{
    QString text;            // the PDF's text, in reading order
    QString layout;          // the PDF's text as it stands on the page, a table's row on one line
    QList<QSizeF> pageSizes; // in points
    QString error;           // why nothing was printed
};

} // namespace

class tst_papers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void papersReadAsALawyerWould_data();
    void papersReadAsALawyerWould();
    void eachSignerOnce_data();
    void eachSignerOnce();
    void mixedJobKeepsEachLayout();
    void subscriptionSignedByEachSubscriber();
    void amendmentTakesEffectOnItsOwnDate();
    void dissolutionCertifiedByAnOfficer();
    void operatingAgreementAsExecuted();
    void everyoneOnTheirPapers_data();
    void everyoneOnTheirPapers();
    void everyHolderOnEveryList_data();
    void everyHolderOnEveryList();
    void failedPaperLeavesTheOthers();
    void laterPapersAsFiled_data();
    void laterPapersAsFiled();
    void instructionsApartOrNotAtAll();
    void papersFitTheClient_data();
    void papersFitTheClient();
    void signerSlotsOnlyWhenFilled_data();
    void signerSlotsOnlyWhenFilled();

private:
    // Calculates the client and prints the boxes to PDF, with the forms'
    // filing instructions after them where asked.
    Printed print(Fill fill, const QStringList &boxes, bool instructions = false);

    PdfTools tools_;
    QString support_;
    QTemporaryDir dir_;
    int jobs_ = 0;
};

void tst_papers::initTestCase()
{
    UseUnitedStatesLocale();
    support_ = qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/support");
    QVERIFY2(QDir(support_ + QStringLiteral("/RTF")).exists(), "the build generates the print templates");
    tools_ = FindPdfTools();
    QVERIFY2(tools_.Found(), PdfToolsNeeded);
}

Printed tst_papers::print(Fill fill, const QStringList &boxes, bool instructions)
{
    Printed printed;
    CalcClient client;
    fill(client);
    MessageRecorder recorder;
    if (!client.calculate()) {
        printed.error = QStringLiteral("the calculation failed");
        return printed;
    }
    TemplateMerge merge(&client.store, support_ + QStringLiteral("/DAT"));
    PrintJob job(client.store, client.directory, merge, support_ + QStringLiteral("/RTF"));
    PrintSelection selection;
    for (const QString &box : boxes)
        selection.SetChecked(box);
    selection.instructions = instructions;
    if (job.BuildPrintDocument(selection) != PrintBuildResult::Built || !recorder.numbers().isEmpty()) {
        printed.error = QStringLiteral("the job was not built without a message");
        return printed;
    }
    const QString job_name = QStringLiteral("job%1").arg(++jobs_);
    const QString rtf = dir_.filePath(job_name + QStringLiteral(".rtf"));
    QString error;
    if (!WritePrintDocument(rtf, job.PrintDocument(), &error)) {
        printed.error = error;
        return printed;
    }
    // BREVANE_KEEP_PROOF names a folder that gets each client and its PDF.
    const QString keep = qEnvironmentVariable("BREVANE_KEEP_PROOF");
    if (!keep.isEmpty()) {
        QDir().mkpath(keep);
        SaveClientFile(keep + QLatin1Char('/') + job_name + QStringLiteral(".cl1"), client.store, client.directory,
                       &error);
    }
    const QString pdf = tools_.ConvertToPdf(rtf);
    if (pdf.isEmpty()) {
        printed.error = QStringLiteral("LibreOffice made no PDF");
        return printed;
    }
    if (!keep.isEmpty()) {
        QFile::remove(keep + QLatin1Char('/') + job_name + QStringLiteral(".pdf"));
        QFile::copy(pdf, keep + QLatin1Char('/') + job_name + QStringLiteral(".pdf"));
    }
    printed.text = tools_.Text(pdf);
    printed.layout = tools_.Text(pdf, {QStringLiteral("-layout")});
    const QString info =
        tools_.Info(pdf, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("999")});
    static const QRegularExpression size(QStringLiteral("Page +\\d+ size: +([\\d.]+) x ([\\d.]+)"));
    for (const QRegularExpressionMatch &m : size.globalMatch(info))
        printed.pageSizes << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    return printed;
}

void tst_papers::papersReadAsALawyerWould_data()
{
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("corporation, five shareholders")
        << Fill(&CorporationWithFiveShareholders)
        << QStringList{QStringLiteral("☒"),
                       QStringLiteral("☐"),
                       QStringLiteral("Twelve and 50/100 dollars ($12.50)"),
                       QStringLiteral("March 1, 2025"),
                       QStringLiteral("Ann Lee, Ben Ortiz and Carla Ng."),
                       QStringLiteral("Signed at Dayton, Ohio."),
                       QStringLiteral("Signed at Dayton, Ohio, on March 20, 2018."),
                       QStringLiteral("$12.50"),
                       QStringLiteral("$5,000.00")};
    QTest::newRow("company, equipment member")
        << Fill(&CompanyWithEquipmentMember)
        << QStringList{QStringLiteral("North Coast Equipment Co., By: Janet Sobczak, its President"),
                       // The contribution's cell may wrap where the font is wider.
                       QStringLiteral("Roasting equipment valued at"), QStringLiteral("$10,000.00"),
                       QStringLiteral("September 1, 2026"), QStringLiteral("April 15, 2026")};
    QTest::newRow("corporation, shares without par value")
        << Fill(&CorporationWithoutParValue)
        << QStringList{QStringLiteral("$1,250.00"), QStringLiteral("Two and 50/100 dollars ($2.50)"),
                       QStringLiteral("common No par value")};
    QTest::newRow("corporation, later filings")
        << Fill(&CorporationWithLaterFilings)
        << QStringList{QStringLiteral("March 1, 2018"), QStringLiteral("June 30, 2026"), QStringLiteral("2231457"),
                       QStringLiteral("Harold Quince"), QStringLiteral("45 Market Street")};
    QTest::newRow("company, eleven members")
        << Fill(&CompanyWithElevenMembers)
        << QStringList{QStringLiteral("Riverbend Growers Cooperative LLC"),
                       QStringLiteral("and to do anything lawful that serves those ends."),
                       QStringLiteral("Columbus, Ohio, on May 4, 2026"), QStringLiteral("April 1, 2026")};
    QTest::newRow("professional association")
        << Fill(&AssociationOfThreeDentists)
        << QStringList{QStringLiteral("dentistry"),
                       QStringLiteral("Lakeside Dental Group, Inc."),
                       QStringLiteral("4102988"),
                       QStringLiteral("Maumee Valley Bank"),
                       QStringLiteral("Twenty dollars ($20.00)"),
                       QStringLiteral("June 24, 2019"),
                       QStringLiteral("will be held at the conference room, 410 "
                                      "Summit Street, Toledo, on June 24, 2019 at "
                                      "9:30 A.M."),
                       QStringLiteral("Title Attorney")};
}

void tst_papers::papersReadAsALawyerWould()
{
    QFETCH(Fill, fill);
    QFETCH(QStringList, expected);
    QStringList boxes;
    for (const QString &box : SelectAllBoxes({}))
        boxes << box;
    const Printed printed = print(fill, boxes);
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    QVERIFY(printed.pageSizes.size() > 40);
    // Sentences read across the line ends the page puts in them.
    const QString flowing = printed.text.simplified();
    const QString rows = printed.layout.simplified(); // a label and its value on one line
    for (const QString &text : expected)
        QVERIFY2(flowing.contains(text) || rows.contains(text), qPrintable(text + QStringLiteral(" is not printed")));
    // Minutes and certificates bear the date of the act, never the day of printing.
    const QString today = QLocale(QLocale::English).toString(QDate::currentDate(), QStringLiteral("MMMM d, yyyy"));
    QVERIFY2(!flowing.contains(today), "a paper is dated by the day it was printed");
    // One term of office, said one way.
    QVERIFY(!flowing.contains(QStringLiteral("year or until")));
    // A business shareholder signs through its signer, in a capacity.
    if (flowing.contains(QStringLiteral("Northfield Partners LLC")))
        QVERIFY(flowing.count(QStringLiteral("By: Evan Hart, its")) >= 2);
    // A wrong fact or a broken sentence where an answer is empty.
    static const QRegularExpression wrong(QStringLiteral(
        "\\b0 shares|\\b0 votes|\\b0 days|\\b0 months|\\(0\\)|\\$0\\.00|[^\\s] ,|  dollars|\\b(on|at|by|of) ,"));
    const QRegularExpressionMatch m = wrong.match(printed.text);
    QVERIFY2(!m.hasMatch(), qPrintable(QStringLiteral("printed: ") +
                                       printed.text.mid(std::max<qsizetype>(0, m.capturedStart() - 60), 120)));
}

void tst_papers::eachSignerOnce_data()
{
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("signer");
    // Anna Baker is the worksheet's representative and a representative in
    // the directory; the agent is another.
    QTest::newRow("533A") << Fill(&CompanyWithEquipmentMember) << "cbxForm533A"
                          << "Anna Baker";
    QTest::newRow("562") << Fill(&CompanyWithEquipmentMember) << "cbxForm562"
                         << "Anna Baker";
}

void tst_papers::eachSignerOnce()
{
    QFETCH(Fill, fill);
    QFETCH(QString, box);
    QFETCH(QString, signer);
    const Printed printed = print(fill, {box});
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    // Her name prints where she signs and, on the 562, as the person who
    // winds up the company's affairs; never in a second signer slot.
    const int expected = box == QLatin1String("cbxForm562") ? 2 : 1;
    QCOMPARE(int(printed.text.count(signer)), expected);
}

void tst_papers::mixedJobKeepsEachLayout()
{
    const Printed printed =
        print(&CorporationWithFiveShareholders,
              {QStringLiteral("cbxForm532A"), QStringLiteral("cbxPOC_OrderWaiver"), QStringLiteral("cbxStockFront")});
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    QVERIFY(printed.pageSizes.size() >= 3);
    // Letter paper upright, then the certificate sideways, last.
    QCOMPARE(printed.pageSizes.first(), QSizeF(612, 792));
    QCOMPARE(printed.pageSizes.last(), QSizeF(792, 612));
    QVERIFY(printed.text.contains(QStringLiteral("Ridgeway Tool Holdings, Inc.")));
}

void tst_papers::subscriptionSignedByEachSubscriber()
{
    // Five shareholders at $12.50 a share: each has a row and, under it, the
    // line where that subscriber signs and dates; no row is printed for nobody.
    const Printed printed = print(&CorporationWithFiveShareholders, {QStringLiteral("cbxPOC_ShareSubscription")});
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    QCOMPARE(printed.pageSizes.size(), 1);
    QVERIFY(printed.text.simplified().contains(QStringLiteral("at $12.50 a share, the price the incorporators fixed")));
    QCOMPARE(int(printed.text.count(QStringLiteral("Signature:"))), 5);
    QCOMPARE(int(printed.text.count(QStringLiteral("Date:"))), 5);
    // The last subscriber's line to sign follows the last subscriber's row.
    const qsizetype last = printed.text.indexOf(QStringLiteral("Northfield Partners LLC"));
    QVERIFY(last >= 0);
    QVERIFY(printed.text.indexOf(QStringLiteral("Signature:"), last) > last);
    // The business signs through the person the worksheet names for it.
    QVERIFY(printed.text.simplified().contains(QStringLiteral("Northfield Partners LLC, By: Evan Hart, its")));
}

void tst_papers::amendmentTakesEffectOnItsOwnDate()
{
    // The original articles took effect on January 15, 2027; the amendment
    // names no date of its own, so it takes effect on filing.
    const Printed printed = print(&CompanyAmendingItsArticles, {QStringLiteral("cbxForm543A")});
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    QVERIFY(printed.text.contains(QStringLiteral("Maple Row Bakers LLC")));
    QVERIFY(!printed.text.contains(QStringLiteral("2027")));
}

void tst_papers::dissolutionCertifiedByAnOfficer()
{
    // The shareholders dissolved the corporation: its President certifies
    // and acknowledges, not the lawyer who files, and no incorporator is
    // listed or asked to sign for an act that was not theirs.
    const Printed printed = print(&CorporationDissolvedByItsShareholders, {QStringLiteral("cbxForm561_FP")});
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    const QString flowing = printed.text.simplified();
    QVERIFY(flowing.contains(QStringLiteral("personally appeared Ann Lee, the President of")));
    QVERIFY(flowing.contains(QStringLiteral("signed it as President")));
    QVERIFY(flowing.contains(QStringLiteral("10 Elm Street")));
    QVERIFY(!flowing.contains(QStringLiteral("Attorney")));
    // Ben Ortiz, an incorporator, is listed among the directors and officers
    // only, not on the incorporators' pages.
    const qsizetype incorporators = flowing.indexOf(QStringLiteral("THE INCORPORATORS"));
    const qsizetype notices = flowing.indexOf(QStringLiteral("ADDRESS FOR NOTICES"));
    QVERIFY(incorporators > 0 && notices > incorporators);
    QVERIFY(!flowing.mid(incorporators, notices - incorporators).contains(QStringLiteral("Ben Ortiz")));
    QVERIFY(flowing.contains(QStringLiteral("Director, Vice President, Treasurer")));
    // The lawyer's address is where the State sends its notices.
    QVERIFY(flowing.contains(QStringLiteral("1 Courthouse Square")));
}

void tst_papers::operatingAgreementAsExecuted()
{
    // Signed as printed: only the alternatives the members chose, no box to
    // tick and nothing left dangling; the purpose ends its sentence; an
    // interest typed with its percent sign prints it once; the members'
    // resolution is certified on the day of adoption by a managing member.
    const Printed printed = print(&CompanyWithItsAgreement, {QStringLiteral("cbxLLC_OperatingAgreement"),
                                                             QStringLiteral("cbxLLC_GenericMembersResolution")});
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    const QString flowing = printed.text.simplified();
    for (const QString &present :
         {QStringLiteral("To roast and sell coffee."), QStringLiteral("by its members, who act together"),
          QStringLiteral("more than half of the percentage interests"), QStringLiteral("treated as a partnership"),
          QStringLiteral("at least 90 days before"), QStringLiteral("45%"), QStringLiteral("Managing Member"),
          QStringLiteral("Columbus, Ohio, on April 20, 2026")})
        QVERIFY2(flowing.contains(present), qPrintable(present + QStringLiteral(" is not printed")));
    for (const QString &absent :
         {QStringLiteral("☐"), QStringLiteral("☒"), QStringLiteral("if any:"), QStringLiteral("if anything:"),
          QStringLiteral("tick one"), QStringLiteral("when ticked"),
          QStringLiteral("by a manager, the managing member"), QStringLiteral("Tax distributions"),
          QStringLiteral("two thirds"), QStringLiteral("45%%"), QStringLiteral("Manager,")})
        QVERIFY2(!flowing.contains(absent), qPrintable(absent + QStringLiteral(" is printed")));
}

void tst_papers::everyoneOnTheirPapers_data()
{
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("people");
    QTest::addColumn<int>("times");
    QTest::addColumn<QStringList>("present");
    // Each of eleven members is named among the members, in the table of
    // those who pay cash (the one who ticked neither box among them) and on
    // the signature page; the managing members certify the resolution.
    QTest::newRow("company of eleven members")
        << Fill(&CompanyWithElevenMembers)
        << QStringList{QStringLiteral("cbxLLC_OperatingAgreement"), QStringLiteral("cbxLLC_GenericMembersResolution")}
        << QStringList{QStringLiteral("Anna Baker"), QStringLiteral("Lena Fischer"), QStringLiteral("Luis Ortega"),
                       QStringLiteral("Grace Obi")}
        << 3
        << QStringList{QStringLiteral("Grace Obi $1,500.00 14%"), QStringLiteral("Lena Fischer $2,000.00 8%"),
                       QStringLiteral("Luis Ortega $3,000.00 14%"),
                       QStringLiteral("No member contributes other than cash.")};
    // The association's papers name its profession, and every shareholder
    // subscribes and signs the assent; counsel files but certifies nothing.
    QTest::newRow("professional association")
        << Fill(&AssociationOfThreeDentists)
        << QStringList{QStringLiteral("cbxForm532C"), QStringLiteral("cbxForm520"),
                       QStringLiteral("cbxPOC_ShareSubscription"), QStringLiteral("cbxFSM_AssetToAdoption")}
        << QStringList{QStringLiteral("Maria Lopez"), QStringLiteral("David Kim"), QStringLiteral("Hannah Ruiz")} << 2
        << QStringList{QStringLiteral("dentistry"), QStringLiteral("Cornelius T. Ashdown")};
}

void tst_papers::everyoneOnTheirPapers()
{
    QFETCH(Fill, fill);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, people);
    QFETCH(int, times);
    QFETCH(QStringList, present);
    const Printed printed = print(fill, boxes);
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    const QString flowing = printed.text.simplified();
    for (const QString &person : people)
        QVERIFY2(flowing.count(person) >= times, qPrintable(person + QStringLiteral(" is missing from a paper")));
    const QString rows = printed.layout.simplified();
    for (const QString &text : present)
        QVERIFY2(flowing.contains(text) || rows.contains(text), qPrintable(text + QStringLiteral(" is not printed")));
}

void tst_papers::laterPapersAsFiled_data()
{
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const Fill corporation = &CorporationWithLaterPapers;
    // The agent named on page 1 signs in person; the representative signs
    // nothing, and the block for a business agent is not printed.
    QTest::newRow("526, the agent signs")
        << corporation << "cbxForm526"
        << QStringList{QStringLiteral("Signed by the statutory agent Signature ________________________________ "
                                      "Printed name Harold Quince"),
                       QStringLiteral("May 11, 2026")}
        << QStringList{QStringLiteral("Ann Lee"), QStringLiteral("Signed for the statutory agent")};
    // The representative signs with her title and a date; the agent dates his
    // acceptance; one signer, one slot; the instructions are not filed.
    QTest::newRow("525A, dated and titled")
        << corporation << "cbxForm525A"
        << QStringList{QStringLiteral("Printed name Ann Lee Title President"), QStringLiteral("Date May 13, 2026"),
                       QStringLiteral("Date signed May 14, 2026"),
                       QStringLiteral("☒ The corporation failed to keep a statutory agent.")}
        << QStringList{QStringLiteral("Business (if the representative is one)"),
                       QStringLiteral("FILING AN APPLICATION")};
    QTest::newRow("521, titled, one slot, section B empty")
        << corporation << "cbxForm521"
        << QStringList{QStringLiteral("Printed name of the person signing Ann Lee Title President"),
                       QStringLiteral("Date signed May 12, 2026"), QStringLiteral("Harold Quince")}
        << QStringList{QStringLiteral("State and ZIP code OH"), QStringLiteral("Entity or business signing"),
                       QStringLiteral("FILING THE STATUTORY AGENT UPDATE")};
    QTest::newRow("minutes, 10:00 a.m. typed")
        << corporation << "cbxMisc_Minutes" << QStringList{QStringLiteral("on May 4, 2026 at 10:00 a.m. Presiding")}
        << QStringList{QStringLiteral("a.m.."), QStringLiteral("Also present")};
    // The surrendered certificate is cancelled on its own line, as in a
    // transfer; the shares bought back follow, and the balance certificate.
    QTest::newRow("journal of a redemption")
        << Fill(&CorporationRedeemingShares) << "cbxMisc_ShareLedger"
        << QStringList{QStringLiteral("5/4/2026 Certificate cancelled Ben Ortiz 300 2"),
                       // Its words may wrap in the cell, so they are read as flowing text.
                       QStringLiteral("Redeemed by the corporation"), QStringLiteral("1,200.00"),
                       QStringLiteral("5/4/2026 4 Ben Ortiz Ben Ortiz 200 2")}
        << QStringList{};
    QTest::newRow("bond")
        << corporation
        << "cbxMisc_Bond"
        // (A line may end after "Twenty-", which the PDF's text joins.)
        << QStringList{QStringLiteral("Thousand Forty-Five dollars ($25,045.00)"),
                       QStringLiteral("Buckeye Fidelity and Surety Company, Surety By ________________________________ "
                                      "Harriet M. Vance, Attorney-in-fact"),
                       QStringLiteral("________________________________ Carla Ng, Secretary")}
        << QStringList{QStringLiteral("Twenty Five"), QStringLiteral("Forty Five")};
    QTest::newRow("corporate resolution, at a meeting")
        << corporation << "cbxMisc_CorporateResolution"
        << QStringList{QStringLiteral("At a meeting at which a quorum was present")}
        << QStringList{QStringLiteral("By written action"), QStringLiteral("☐")};
    QTest::newRow("members' resolution, by written consent")
        << Fill(&CompanyResolvingInWriting) << "cbxLLC_GenericMembersResolution"
        << QStringList{QStringLiteral("They adopted it without a meeting, by a written consent")}
        << QStringList{QStringLiteral("in this way"), QStringLiteral("at a meeting of the members"),
                       QStringLiteral("☐")};
    QTest::newRow("540 of a professional association")
        << Fill(&AssociationWithLaterPapers) << "cbxForm540_PA"
        << QStringList{QStringLiteral("Articles of incorporation of a professional association"),
                       QStringLiteral("under Chapters 1785 and 1701 of the Ohio Revised Code"),
                       QStringLiteral("Printed name Maria Lopez Title President")}
        << QStringList{QStringLiteral("corporation for profit"), QStringLiteral("FILING A CERTIFICATE")};
    QTest::newRow("525B, reasons, dates and the agent's acceptance")
        << Fill(&AssociationWithLaterPapers) << "cbxForm525B"
        << QStringList{QStringLiteral("☒ The association failed to keep a statutory agent."),
                       QStringLiteral("Printed name Maria Lopez Title President"),
                       QStringLiteral("Date signed March 9, 2026"),
                       QStringLiteral("Printed name Maria Lopez Date March 10, 2026")}
        << QStringList{QStringLiteral("Send both pages"), QStringLiteral("FILING AN APPLICATION")};
}

void tst_papers::laterPapersAsFiled()
{
    QFETCH(Fill, fill);
    QFETCH(QString, box);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const Printed printed = print(fill, {box});
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    const QString flowing = printed.text.simplified();
    const QString rows = printed.layout.simplified();
    for (const QString &text : present)
        QVERIFY2(flowing.contains(text) || rows.contains(text),
                 qPrintable(text + QStringLiteral(" is not printed in: ") + flowing));
    for (const QString &text : absent)
        QVERIFY2(!flowing.contains(text), qPrintable(text + QStringLiteral(" is printed in: ") + flowing));
    const QString today = QLocale(QLocale::English).toString(QDate::currentDate(), QStringLiteral("MMMM d, yyyy"));
    QVERIFY2(!flowing.contains(today), "a paper is dated by the day it was printed");
}

void tst_papers::instructionsApartOrNotAtAll()
{
    // Asked for, the 540's and the 525A's instructions follow both forms, as
    // their own pages; not asked for, they are not printed.
    const QStringList boxes{QStringLiteral("cbxForm540_FP"), QStringLiteral("cbxForm525A")};
    const Printed apart = print(&CorporationWithLaterPapers, boxes, true);
    QVERIFY2(apart.error.isEmpty(), qPrintable(apart.error));
    const QString text = apart.text.simplified();
    const qsizetype lastForm = std::max(text.lastIndexOf(QStringLiteral("Form 525A, page 2 of 2")),
                                        text.lastIndexOf(QStringLiteral("Form 540, page 2 of 2")));
    const qsizetype first = std::min(text.indexOf(QStringLiteral("Form 540: instructions")),
                                     text.indexOf(QStringLiteral("Form 525A: instructions")));
    QVERIFY(lastForm > 0 && first > lastForm);
    const Printed without = print(&CorporationWithLaterPapers, boxes);
    QVERIFY2(without.error.isEmpty(), qPrintable(without.error));
    QCOMPARE(without.pageSizes.size(), apart.pageSizes.size() - 2);
    QVERIFY(!without.text.contains(QStringLiteral("instructions")));
    // A corporation for profit amends under the general corporation law.
    QVERIFY(text.contains(QStringLiteral("Articles of incorporation of a corporation for profit")));
    QVERIFY(text.contains(QStringLiteral("under Chapter 1701 of the Ohio Revised Code")));
}

void tst_papers::papersFitTheClient_data()
{
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<QStringList>("boxes"); // empty: Select All
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const QStringList agreement{QStringLiteral("cbxLLC_OperatingAgreement")};
    // A company of one member: no paper speaks of other members, the capital
    // account is kept as for a disregarded entity, a successor takes the
    // interest on the member's death and the member's incapacity does not
    // stop the company.
    QTest::newRow("company of one member")
        << Fill(&CompanyOfOneMember) << QStringList()
        << QStringList{QStringLiteral("2.5 Capital account."),
                       QStringLiteral("disregarded as an entity separate"),
                       QStringLiteral("8.2 Successor on death."),
                       QStringLiteral("8.3 Incapacity."),
                       QStringLiteral("7.2 Transfers by the sole member."),
                       QStringLiteral("5.2 Other business. The member may engage in other businesses")}
        << QStringList{QStringLiteral("other members"), QStringLiteral("other member"),
                       QStringLiteral("rules for partnerships require."), QStringLiteral("Buy-out"),
                       QStringLiteral("4.7 Meetings. Any member")};
    // Two members keep the agreement for several.
    QTest::newRow("company of two members")
        << Fill(&CompleteCompany) << agreement
        << QStringList{QStringLiteral("the other members, by the vote of a majority"),
                       QStringLiteral("as the federal income tax rules for partnerships require."),
                       QStringLiteral("8.2 Buy-out events.")}
        << QStringList{QStringLiteral("sole member"), QStringLiteral("Successor on death")};
    // A professional association: its regulations and its certificates keep
    // the shares among persons licensed in its profession.
    const QStringList regulationsAndCertificate{QStringLiteral("cbxFSM_CodeOfRegulations")};
    QTest::newRow("professional association")
        << Fill(&AssociationOfThreeDentists) << regulationsAndCertificate
        << QStringList{QStringLiteral("is a professional association under Chapter 1785 of the Ohio Revised Code, "
                                      "organized to render the professional service of dentistry"),
                       QStringLiteral("Only an individual so licensed or authorized may subscribe for, hold or receive "
                                      "shares"),
                       QStringLiteral("7. Death or disqualification."), QStringLiteral("redeemed by the corporation"),
                       QStringLiteral("Every certificate for shares bears a legend")}
        << QStringList();
    QTest::newRow("professional association, its certificate")
        << Fill(&AssociationOfThreeDentists) << QStringList{QStringLiteral("cbxStockFront")}
        << QStringList{QStringLiteral("Lakeside Dental Group, Inc. is a professional association under Chapter 1785"),
                       QStringLiteral("only to an individual licensed or otherwise legally authorized to render "
                                      "dentistry in Ohio; any other transfer is void")}
        << QStringList();
    QTest::newRow("corporation for profit")
        << Fill(&CorporationWithFiveShareholders)
        << QStringList{QStringLiteral("cbxFSM_CodeOfRegulations"), QStringLiteral("cbxFSM_Election")} << QStringList()
        << QStringList{QStringLiteral("1785"), QStringLiteral("licensed")};
    // The resolution to take a new name was adopted under the old one; the
    // next, after the amendment took effect, under the new one. The articles
    // formed the company under its first name, and the amendment is filed
    // under the name of record.
    QTest::newRow("renamed company, its resolutions")
        << Fill(&CompanyRenamedByAmendment) << QStringList{QStringLiteral("cbxLLC_GenericMembersResolution")}
        << QStringList{QStringLiteral("The members of Ferrous Lantern LLC adopted the resolution below on September "
                                      "15, 2026"),
                       QStringLiteral("Managing Member of Ferrous Lantern LLC, certify"),
                       QStringLiteral("The members of Ferrous Lantern Metalworks LLC adopted the resolution below "
                                      "on November 3, 2026")}
        << QStringList{QStringLiteral("The members of Ferrous Lantern Metalworks LLC adopted the resolution below on "
                                      "September")};
    QTest::newRow("renamed company, its articles and amendment")
        << Fill(&CompanyRenamedByAmendment) << QStringList{QStringLiteral("cbxForm533A"), QStringLiteral("cbxForm543A")}
        << QStringList{QStringLiteral("Name of the limited liability company Ferrous Lantern LLC"),
                       QStringLiteral("The name of the company is Ferrous Lantern Metalworks LLC.")}
        << QStringList{QStringLiteral("Part A: Restated articles"),
                       QStringLiteral("FIRST: The name of the company is")};
    // The minutes record the meeting: the corporation, place, date and time,
    // who came in person and by proxy, the quorum, the adoption of the code
    // of regulations; a time typed with its "p.m." prints it once.
    QTest::newRow("first shareholders' minutes")
        << Fill(&CorporationWithAProxyAtFour) << QStringList{QStringLiteral("cbxFSM_Election")}
        << QStringList{QStringLiteral("The first meeting of the shareholders of Ridgeway Tool Holdings, Inc., an Ohio "
                                      "corporation, was held at 1200 Canal Street, Dayton, on March 20, 2018 at "
                                      "4:00 P.M."),
                       QStringLiteral("Carla Ng, secretary pro tem"),
                       QStringLiteral("present in person: Ann Lee (500 shares), Ben Ortiz (300 shares), Carla Ng "
                                      "(200 shares) and Northfield Partners LLC (100 shares)"),
                       QStringLiteral("represented by proxy, under written proxies filed with these minutes: Dora "
                                      "Patel (100 shares), by Ann Lee as her proxy"),
                       QStringLiteral(
                           "The secretary pro tem reported that 1,200 shares were represented at the meeting in "
                           "person or by proxy, of the 1,200 shares subscribed."),
                       QStringLiteral("declared a quorum present"),
                       QStringLiteral("the shareholders adopted the code of regulations"),
                       QStringLiteral("Ann Lee, Ben Ortiz and Carla Ng.")}
        << QStringList{QStringLiteral("p.m."), QStringLiteral("No shareholder was represented by proxy")};
    QTest::newRow("a time typed with its p.m.")
        << Fill(&CorporationWithAProxyAtFour)
        << QStringList{QStringLiteral("cbxPOC_OrderWaiver"), QStringLiteral("cbxPOC_NoticeWaiver"),
                       QStringLiteral("cbxPOC_WaiverOfNotice")}
        << QStringList{QStringLiteral("on March 20, 2018 at 4:00 P.M.")}
        << QStringList{QStringLiteral("p.m."), QStringLiteral(".M.."), QStringLiteral(" .M.")};
    // Totals of the shares subscribed (1,200 of 1,500 authorized) at $12.50
    // and $10 a share; share counts with their separators.
    QTest::newRow("order and waiver totals")
        << Fill(&CorporationWithFiveShareholders) << QStringList{QStringLiteral("cbxPOC_OrderWaiver")}
        << QStringList{QStringLiteral("in all $15,000.00 for the 1,200 shares subscribed"),
                       QStringLiteral("in all $12,000.00, be carried to stated capital")}
        << QStringList{QStringLiteral("18,750.00"), QStringLiteral("15,000.00,")};
    QTest::newRow("shares without par value on the worksheet")
        << Fill(&CorporationWithoutParValue) << QStringList{QStringLiteral("cbxGeneralInformationWorksheet")}
        << QStringList{QStringLiteral("Par value per share No par value")}
        << QStringList{QStringLiteral("Par value per share 0.00")};
    QTest::newRow("property at an agreed amount")
        << Fill(&CompanyWithEquipmentAtAgreedValue) << agreement
        << QStringList{QStringLiteral("North Coast Equipment Co. $35,000.00 25%")}
        << QStringList{QStringLiteral("Co. 35,000.00")};
    // The 562 prints no blank for an event nobody ticked, and a date to sign.
    QTest::newRow("dissolution by the members")
        << Fill(&CompanyWithEquipmentMember) << QStringList{QStringLiteral("cbxForm562")}
        << QStringList{QStringLiteral("Date signed")} << QStringList{QStringLiteral("The event:")};
}

void tst_papers::papersFitTheClient()
{
    QFETCH(Fill, fill);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    if (boxes.isEmpty())
        for (const QString &box : SelectAllBoxes({}))
            boxes << box;
    const Printed printed = print(fill, boxes);
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    const QString flowing = printed.text.simplified();
    const QString rows = printed.layout.simplified();
    for (const QString &text : present)
        QVERIFY2(flowing.contains(text) || rows.contains(text), qPrintable(text + QStringLiteral(" is not printed")));
    for (const QString &text : absent) {
        const qsizetype at = flowing.indexOf(text);
        QVERIFY2(at < 0, qPrintable(text + QStringLiteral(" is printed: ") +
                                    flowing.mid(std::max<qsizetype>(0, at - 80), 160)));
    }
}

void tst_papers::signerSlotsOnlyWhenFilled_data()
{
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("signers");
    // Two incorporators sign the articles, one representative each State
    // form of the company: the State form's further slots stay off the
    // paper.
    QTest::newRow("532A, two incorporators") << Fill(&CompleteCorporation) << "cbxForm532A" << 2;
    QTest::newRow("532C, two incorporators") << Fill(&AssociationOfThreeDentists) << "cbxForm532C" << 2;
    QTest::newRow("533A, one representative") << Fill(&CompanyOfOneMember) << "cbxForm533A" << 1;
    QTest::newRow("543A, the company signs") << Fill(&CompanyRenamedByAmendment) << "cbxForm543A" << 1;
    QTest::newRow("562, one representative") << Fill(&CompanyWithEquipmentMember) << "cbxForm562" << 1;
}

void tst_papers::signerSlotsOnlyWhenFilled()
{
    QFETCH(Fill, fill);
    QFETCH(QString, box);
    QFETCH(int, signers);
    const Printed printed = print(fill, {box});
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    QCOMPARE(int(printed.text.count(QStringLiteral("Printed name of the person signing"))), signers);
}

namespace {

// The names of a crowded client's holders, as PaperClients.h gives them.
QStringList crowdOfShareholders(int holders)
{
    QStringList names{QStringLiteral("Ann Lee"), QStringLiteral("Ben Ortiz"), QStringLiteral("Carla Ng"),
                      QStringLiteral("Dora Patel"), QStringLiteral("Northfield Partners LLC")};
    for (int n = 6; n <= holders; ++n)
        names << CrowdName(n % 5 == 0 ? "Trust" : "Holder", n);
    return names;
}

QStringList crowdOfMembers(int members)
{
    QStringList names{QStringLiteral("Anna Baker"),    QStringLiteral("Tom Reyes"),   QStringLiteral("Priya Nair"),
                      QStringLiteral("Walter Brandt"), QStringLiteral("Hye-jin Cho"), QStringLiteral("Sam Okafor"),
                      QStringLiteral("Rita Delgado"),  QStringLiteral("Marek Nowak"), QStringLiteral("Lena Fischer"),
                      QStringLiteral("Luis Ortega"),   QStringLiteral("Grace Obi")};
    for (int n = 12; n <= members; ++n)
        names << CrowdName("Member", n);
    return names;
}

} // namespace

void tst_papers::everyHolderOnEveryList_data()
{
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("holders");
    QTest::addColumn<int>("times");
    // A sheet with a row of the table (a further holder's name with another
    // cell after it) shows the table's heading; empty for a list that is no
    // table.
    QTest::addColumn<QString>("heading");
    // A line of the page as it stands that must be there: a business
    // holder's "By" line in its own row.
    QTest::addColumn<QString>("line");
    const QStringList shareholders = crowdOfShareholders(100);
    const QString trustRow = QStringLiteral("Trust 010 Ames +10\\b.*By: Ruth Kane, its Trustee");
    QTest::newRow("100 shareholders: subscription")
        << Fill(&CorporationWith100Shareholders) << "cbxPOC_ShareSubscription" << shareholders << 1 << ""
        << "";
    QTest::newRow("100 shareholders: waiver of notice")
        << Fill(&CorporationWith100Shareholders) << "cbxPOC_NoticeWaiver" << shareholders << 1 << "Date signed"
        << trustRow;
    QTest::newRow("100 shareholders: assent") << Fill(&CorporationWith100Shareholders) << "cbxFSM_AssetToAdoption"
                                              << shareholders << 1 << "Shareholder" << trustRow;
    QTest::newRow("100 shareholders: acceptance of subscriptions")
        << Fill(&CorporationWith100Shareholders) << "cbxElectionOfOfficers" << shareholders << 1 << "Consideration"
        << "Holder 099 Ames +10 +\\$125\\.00";
    QTest::newRow("100 shareholders: biennial report")
        << Fill(&CorporationWith100Shareholders) << "cbxForm520" << shareholders << 1 << "Shareholder"
        << "Holder 099 Ames +99 Wayne Avenue, Dayton, OH 45410";
    // Each member is named among the parties, in the table of cash or of
    // property, and on the signature pages.
    QTest::newRow("60 members: operating agreement")
        << Fill(&CompanyWith60Members) << "cbxLLC_OperatingAgreement" << crowdOfMembers(60) << 3 << "Interest"
        << "Member 060 Ames +Tools valued at \\$500\\.00 +1%";
}

void tst_papers::everyHolderOnEveryList()
{
    QFETCH(Fill, fill);
    QFETCH(QString, box);
    QFETCH(QStringList, holders);
    QFETCH(int, times);
    QFETCH(QString, heading);
    QFETCH(QString, line);
    const Printed printed = print(fill, {box});
    QVERIFY2(printed.error.isEmpty(), qPrintable(printed.error));
    const QString flowing = printed.text.simplified();
    for (const QString &holder : holders)
        QVERIFY2(flowing.count(holder) >= times, qPrintable(holder + QStringLiteral(" is left off")));
    // The table runs on over further sheets, each with its heading.
    const QStringList sheets = printed.layout.split(QLatin1Char('\f'));
    const QRegularExpression row(QStringLiteral("Ames {2,}\\S"));
    const QRegularExpression headed(heading);
    int tableSheets = 0;
    for (qsizetype s = 0; s < sheets.size() && !heading.isEmpty(); ++s) {
        if (!sheets[s].contains(row))
            continue;
        ++tableSheets;
        QVERIFY2(sheets[s].contains(headed), qPrintable(QStringLiteral("sheet %1 has no heading").arg(s + 1)));
    }
    QVERIFY(heading.isEmpty() || tableSheets >= 2);
    if (!line.isEmpty())
        QVERIFY2(printed.layout.contains(QRegularExpression(line)),
                 qPrintable(line + QStringLiteral(" is not printed")));
}

namespace {

void cannotComplete(PageCalc &)
{
    throw std::runtime_error("a test's procedure stops here");
}

} // namespace

void tst_papers::failedPaperLeavesTheOthers()
{
    // The waiver's procedure cannot complete: the message names its paper
    // and why, the check finds it, and the other papers print without it.
    const PageProcedure own = SetPageProcedure(10, &cannotComplete);
    QVERIFY(own);
    struct Restore
    {
        PageProcedure own;
        ~Restore() { SetPageProcedure(10, own); }
    } restore{own};

    CalcClient client;
    CorporationWithFiveShareholders(client);
    MessageRecorder recorder;
    QVERIFY(!client.calculate());
    QCOMPARE(recorder.numbers(), QList<int>{18047});
    const QString paper = QStringLiteral("Notice of Shareholders' Meeting & Waiver");
    QVERIFY2(
        recorder.messages().first().text.contains(paper + QStringLiteral(": its calculation could not be "
                                                                         "completed: a test's procedure stops here")),
        qPrintable(recorder.messages().first().text));
    // The later pages were calculated all the same.
    QCOMPARE(client.at(17, 3), QStringLiteral("Ann Lee"));

    const QList<Finding> findings = CheckForms(client.store, client.directory, {QStringLiteral("cbxPOC_NoticeWaiver")});
    QVERIFY(std::any_of(findings.cbegin(), findings.cend(), [](const Finding &f) {
        return f.page == 10 && f.severity == Severity::MustFix && f.text.contains(QStringLiteral("left out"));
    }));

    recorder.clear();
    TemplateMerge merge(&client.store, support_ + QStringLiteral("/DAT"));
    PrintJob job(client.store, client.directory, merge, support_ + QStringLiteral("/RTF"));
    PrintSelection selection;
    for (const char *box : {"cbxForm532A", "cbxPOC_NoticeWaiver", "cbxPOC_ShareSubscription"})
        selection.SetChecked(QLatin1String(box));
    QCOMPARE(job.BuildPrintDocument(selection), PrintBuildResult::Built);
    QCOMPARE(recorder.numbers(), QList<int>{18047});
    QVERIFY(recorder.messages().first().text.contains(paper));
    const QString document = job.PrintDocument();
    QVERIFY(document.contains(QStringLiteral("SHARE SUBSCRIPTION")));
    QVERIFY(document.contains(QStringLiteral("NOTICE OF THE FIRST MEETING OF THE SHAREHOLDERS")));
    QVERIFY(document.contains(QStringLiteral("Ridgeway Tool Holdings, Inc.")));
    QVERIFY(!document.contains(QStringLiteral("WAIVER OF NOTICE")));

    // Once it calculates, it prints again.
    SetPageProcedure(10, own);
    QVERIFY(client.calculate());
    recorder.clear();
    QCOMPARE(job.BuildPrintDocument(selection), PrintBuildResult::Built);
    QVERIFY(recorder.numbers().isEmpty());
    QVERIFY(job.PrintDocument().contains(QStringLiteral("WAIVER OF NOTICE")));
}

QTEST_GUILESS_MAIN(tst_papers)
#include "tst_papers.moc"
