// Print job assembly: which pages the checked boxes print and in what order,
// how merged pages join into one RTF document, the directory worksheet pages,
// the failures that leave a page out or end the job, the file the document is
// written to, the selection dialog's clearing rules, brevane-cli print, and a
// word processor that opens the result.
#include "PrintFixture.h"
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/forms/PageFacts.h"
#include "core/output/PrintJob.h"
#include "core/output/PrintSelection.h"
#include "core/output/RtfText.h"
#include "core/output/TemplateMerge.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using namespace brevane;
using brevane::test::MessageRecorder;
using brevane::test::PrintFolder;

namespace {

// Every page that has a print template, as the form sources say.
const QList<int> PrintablePages = [] {
    QList<int> pages;
    for (int p = 0; p < PageCount; ++p)
        if (FactsOfPage(p).isPrinted)
            pages << p;
    return pages;
}();

PrintSelection selectionOf(const QStringList &boxes)
{
    PrintSelection selection;
    for (const QString &box : boxes)
        selection.SetChecked(box);
    return selection;
}

CheckedBoxes boxSet(const QStringList &boxes)
{
    return CheckedBoxes(boxes.begin(), boxes.end());
}

} // namespace

class tst_printjob : public QObject
{
    Q_OBJECT
private slots:
    void temporaryDocumentNeverFollowsALink_data();
    void temporaryDocumentNeverFollowsALink();
    void aFullDiskIsAFailure();
    void init();

    void twoPagesMakeOneDocument();
    void selectAllPrintsBothMarginGroupsInBoxOrder();
    void boxesPrintTheirPages_data();
    void boxesPrintTheirPages();
    void eachPageKeepsItsLayout_data();
    void eachPageKeepsItsLayout();
    void instancesInUse_data();
    void instancesInUse();
    void worksheetChunks_data();
    void worksheetChunks();
    void nothingChecked();
    void pageFailures_data();
    void pageFailures();
    void stripTemplateHeader_data();
    void stripTemplateHeader();
    void documentIsWrittenInAscii();
    void fileNameWhilePreviousDocumentIsOpen();
    void clearingRules_data();
    void clearingRules();
    void selectAllAndClearAllLeaveTheStockBoxes();
    void boxForDisplayedPage_data();
    void boxForDisplayedPage();
    void everyPrintablePageHasABox();
    void commandLinePrint();
    void wordProcessorOpensTheDocument();

private:
    // Writes a template and data file for each page whose body names the
    // page and prints answer 0 of the continuation merged: "<N>:" + answer.
    void writePages(const QList<int> &pages);
    // The "<N>:<answer 0>" marks of the document, in order.
    QStringList marks(const QString &document) const;
    PrintBuildResult build(const QStringList &boxes);

    std::unique_ptr<PrintFolder> folder_;
    std::unique_ptr<TAnswer> store_;
    DirectoryTable directory_;
    std::unique_ptr<TemplateMerge> merge_;
    std::unique_ptr<PrintJob> job_;
};

void tst_printjob::init()
{
    brevane::test::UseUnitedStatesLocale();
    folder_ = std::make_unique<PrintFolder>();
    job_.reset();
    store_ = std::make_unique<TAnswer>();
    directory_ = DirectoryTable();
    merge_ = std::make_unique<TemplateMerge>(store_.get(), folder_->dataFolder());
    job_ = std::make_unique<PrintJob>(*store_, directory_, *merge_, folder_->templateFolder());
    for (int page : PrintablePages)
        for (int c = 0; c <= PageContinuationMax[page]; ++c)
            store_->SetText(page, c, 0, QStringLiteral("c") + QString::number(c));
}

void tst_printjob::writePages(const QList<int> &pages)
{
    for (int page : pages)
        folder_->writePage(page, QStringLiteral("<") + QString::number(page) + QStringLiteral(":/*0/>"));
}

QStringList tst_printjob::marks(const QString &document) const
{
    QStringList result;
    static const QRegularExpression mark(QStringLiteral("<(\\d+:[^>]*)>"));
    for (const QRegularExpressionMatch &m : mark.globalMatch(document))
        result.append(m.captured(1));
    return result;
}

PrintBuildResult tst_printjob::build(const QStringList &boxes)
{
    return job_->BuildPrintDocument(selectionOf(boxes));
}

void tst_printjob::twoPagesMakeOneDocument()
{
    folder_->writePage(1, QStringLiteral("Page one /*1/"));
    folder_->writePage(7, QStringLiteral("Page seven /*1/"));
    store_->SetText(1, 0, 1, QStringLiteral("Smith"));
    store_->SetText(7, 0, 1, QStringLiteral("Jones"));
    MessageRecorder recorder;
    QCOMPARE(build({QStringLiteral("cbxPOC_OrderWaiver"), QStringLiteral("cbxPOC_Page1")}), PrintBuildResult::Built);
    QVERIFY(recorder.numbers().isEmpty());
    // Page 1 as merged, header included, in a section of its own; then a
    // section break and page 7's body; one "}".
    const QString document = job_->PrintDocument();
    QCOMPARE(document, brevane::test::FixtureHeader() + PageStart(1, true) + QStringLiteral("\\v0 Page one Smith\r\n") +
                           PageStart(7, false) + QStringLiteral("\\v0 Page seven Jones\r\n}"));
    QCOMPARE(document.count(QStringLiteral("{\\rtf1")), 1);
    QCOMPARE(document.count(QStringLiteral("\\'b7")), 1);
    QCOMPARE(document.count(QLatin1Char('{')), document.count(QLatin1Char('}')));
}

void tst_printjob::selectAllPrintsBothMarginGroupsInBoxOrder()
{
    writePages(PrintablePages);
    directory_.SetCell(0, ColName, QStringLiteral("Name0"));
    const CheckedBoxes all = SelectAllBoxes({});
    QCOMPARE(job_->BuildPrintDocument(PrintSelection{all}), PrintBuildResult::Built);
    // The order of the forms the program has always had; a form added later
    // takes its own place among them.
    // The filing instructions are not asked for, so none prints.
    const QList<int> order = {0,  88, 57, 58, 59, 60, 61, 62, 63, 64, 68, 1,  7,  8,  9,  10, 11, 12,
                              13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 38, 75, 76, 77, 78,
                              79, 36, 37, 80, 81, 82, 2,  3,  4,  26, 27, 28, 33, 29, 30, 31, 32, 34,
                              35, 45, 46, 43, 44, 39, 40, 41, 50, 51, 52, 53, 54, 55, 56, 65, 66, 67};
    QStringList expected;
    for (int page : order)
        expected.append(QString::number(page) + QStringLiteral(":c0"));
    expected[1] = QStringLiteral("88:"); // the worksheet prints the directory rows instead
    QStringList printed = marks(job_->PrintDocument());
    for (int page : {5, 42, 47, 48, 83, 84, 85})
        QVERIFY(!printed.contains(QString::number(page) + QStringLiteral(":c0")));
    printed.removeIf(
        [&](const QString &mark) { return !order.contains(mark.section(QLatin1Char(':'), 0, 0).toInt()); });
    QCOMPARE(printed, expected);
}

void tst_printjob::boxesPrintTheirPages_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("instructions");
    QTest::addColumn<QList<int>>("pages");
    QTest::newRow("notice and waiver") << QStringList{"cbxPOC_NoticeWaiver"} << false << QList<int>{9, 10};
    QTest::newRow("waiver of notice") << QStringList{"cbxPOC_WaiverOfNotice"} << false << QList<int>{10};
    QTest::newRow("both waivers print page 10 once")
        << QStringList{"cbxPOC_WaiverOfNotice", "cbxPOC_NoticeWaiver"} << false << QList<int>{9, 10};
    QTest::newRow("biennial report") << QStringList{"cbxForm520"} << false << QList<int>{45, 46};
    QTest::newRow("reinstatement 525B") << QStringList{"cbxForm525B"} << false << QList<int>{43, 44};
    QTest::newRow("both 540 boxes print once")
        << QStringList{"cbxForm540_PA", "cbxForm540_FP"} << false << QList<int>{26, 27};
    QTest::newRow("both 561 boxes print once, who authorized it second")
        << QStringList{"cbxForm561_FP", "cbxForm561_PA"} << false << QList<int>{28, 33, 29, 30, 31, 32, 34, 35};
    QTest::newRow("new boxes between their neighbours")
        << QStringList{"cbxForm532C", "cbxForm525B", "cbxForm561_FP", "cbxForm520"} << false
        << QList<int>{28, 33, 29, 30, 31, 32, 34, 35, 45, 46, 43, 44, 39, 40, 41};
    QTest::newRow("order follows the boxes, not the clicks")
        << QStringList{"cbxForm532A", "cbxCoverSheet"} << false << QList<int>{75, 2, 3, 4};
    QTest::newRow("stock certificate") << QStringList{"cbxStockBack", "cbxStockFront"} << false << QList<int>{86, 87};
    QTest::newRow("unknown names print nothing")
        << QStringList{"cbxNothing", "cbxForm526"} << false << QList<int>{80, 81, 82};
    // The filing instructions, asked for: after every form, in the forms'
    // order, each once.
    QTest::newRow("instructions after both forms")
        << QStringList{"cbxForm540_FP", "cbxForm525A"} << true << QList<int>{36, 37, 26, 27, 85, 84};
    QTest::newRow("instructions of both 540 boxes once")
        << QStringList{"cbxForm540_PA", "cbxForm540_FP"} << true << QList<int>{26, 27, 84};
    QTest::newRow("525B with its instructions") << QStringList{"cbxForm525B"} << true << QList<int>{43, 44, 48};
    QTest::newRow("a form without instructions") << QStringList{"cbxForm526"} << true << QList<int>{80, 81, 82};
}

void tst_printjob::eachPageKeepsItsLayout_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("layout");
    // The state forms at half an inch, the minute book at an inch, the stock
    // certificate sideways.
    QTest::newRow("532A") << 2 << "\\pgwsxn12240\\pghsxn15840\\marglsxn720\\margrsxn720\\margtsxn720\\margbsxn720 ";
    QTest::newRow("minutes") << 7
                             << "\\pgwsxn12240\\pghsxn15840\\marglsxn1440\\margrsxn1440\\margtsxn1440\\margbsxn1440 ";
    QTest::newRow("stock front") << 86 << "\\pgwsxn15840\\pghsxn12240\\lndscpsxn\\marglsxn";
}

void tst_printjob::eachPageKeepsItsLayout()
{
    // A mixed job prints each page as it prints alone: a section per page
    // with the layout of its form source.
    QFETCH(int, page);
    QFETCH(QString, layout);
    writePages(PrintablePages);
    QCOMPARE(build({"cbxForm532A", "cbxPOC_OrderWaiver", "cbxStockFront"}), PrintBuildResult::Built);
    const QString document = job_->PrintDocument();
    const qsizetype at = document.indexOf(QStringLiteral("<%1:").arg(page));
    QVERIFY(at > 0);
    const qsizetype section = document.lastIndexOf(QStringLiteral("\\sectd\\sbkpage"), at);
    QVERIFY(section >= 0);
    QVERIFY2(document.mid(section, at - section).contains(layout), qPrintable(document.mid(section, at - section)));
    QCOMPARE(document.count(QStringLiteral("\\sectd")), marks(document).size());
}

void tst_printjob::boxesPrintTheirPages()
{
    QFETCH(QStringList, boxes);
    QFETCH(bool, instructions);
    QFETCH(QList<int>, pages);
    writePages(PrintablePages);
    MessageRecorder recorder;
    PrintSelection selection = selectionOf(boxes);
    selection.instructions = instructions;
    QCOMPARE(job_->BuildPrintDocument(selection), PrintBuildResult::Built);
    QStringList expected;
    for (int page : pages)
        expected.append(QString::number(page) + QStringLiteral(":c0"));
    QCOMPARE(marks(job_->PrintDocument()), expected);
    QVERIFY(recorder.numbers().isEmpty());
}

void tst_printjob::instancesInUse_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("three minutes") << QStringList{"cbxMisc_Minutes"} << 3 << QStringList{"23:c0", "23:c1", "23:c2"};
    QTest::newRow("count 0 prints instance 0") << QStringList{"cbxMisc_Minutes"} << 0 << QStringList{"23:c0"};
    QTest::newRow("count 1") << QStringList{"cbxMisc_Bond"} << 1 << QStringList{"25:c0"};
    QTest::newRow("after a page") << QStringList{"cbxMisc_CorporateResolution", "cbxPOC_Page1"} << 2
                                  << QStringList{"1:c0", "38:c0", "38:c1"};
    QTest::newRow("count beyond the lists")
        << QStringList{"cbxLLC_GenericMembersResolution"} << 500 << QStringList{"68:c0"};
}

void tst_printjob::instancesInUse()
{
    QFETCH(QStringList, boxes);
    QFETCH(int, count);
    QFETCH(QStringList, expected);
    writePages(PrintablePages);
    for (int page : RepeatablePages)
        store_->PgCt[page] = count;
    QCOMPARE(build(boxes), PrintBuildResult::Built);
    QStringList found = marks(job_->PrintDocument());
    if (count > 100) {
        QCOMPARE(found.size(), 100);
        QCOMPARE(found.last(), QStringLiteral("68:c99"));
        found = found.mid(0, 1);
    }
    QCOMPARE(found, expected);
}

void tst_printjob::worksheetChunks_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QString>("firstSlotAfter");
    QTest::addColumn<QString>("lastSlotAfter");
    QTest::newRow("no rows: one empty page") << 0 << QStringList{"88:||"} << ""
                                             << "";
    QTest::newRow("50 rows: one page") << 50 << QStringList{"88:Name0|Code49|Name49"} << "Name0"
                                       << "Name49";
    QTest::newRow("51 rows: two pages") << 51 << QStringList{"88:Name0|Code49|Name49", "88:Name50||"} << "Name50"
                                        << "";
    QTest::newRow("120 rows: three pages")
        << 120 << QStringList{"88:Name0|Code49|Name49", "88:Name50|Code99|Name99", "88:Name100||"} << "Name100"
        << "";
}

void tst_printjob::worksheetChunks()
{
    QFETCH(int, rows);
    QFETCH(QStringList, pages);
    QFETCH(QString, firstSlotAfter);
    QFETCH(QString, lastSlotAfter);
    folder_->writePage(0, QStringLiteral("<0:/*0/>"));
    // Slot 0's name, slot 49's code and name.
    folder_->writePage(88, QStringLiteral("<88:/*1/|/*294/|/*295/>"));
    directory_.SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        directory_.SetCell(r, ColCode, QStringLiteral("Code") + QString::number(r));
        directory_.SetCell(r, ColName, QStringLiteral("Name") + QString::number(r));
        directory_.SetCell(r, ColZIP, QStringLiteral("Zip") + QString::number(r));
        directory_.SetCell(r, ColByName, QStringLiteral("not printed"));
    }
    store_->SetText(88, 0, 299, QStringLiteral("stale"));
    QCOMPARE(build({QStringLiteral("cbxGeneralInformationWorksheet")}), PrintBuildResult::Built);
    QCOMPARE(marks(job_->PrintDocument()), QStringList{"0:c0"} + pages);
    QVERIFY(!job_->PrintDocument().contains(QStringLiteral("not printed")));
    // Page 88 keeps the last chunk.
    QCOMPARE(store_->Text(88, 0, 1), firstSlotAfter);
    QCOMPARE(store_->Text(88, 0, 295), lastSlotAfter);
    QCOMPARE(store_->Text(88, 0, 5), rows ? QStringLiteral("Zip") + QString::number((rows - 1) / 50 * 50) : QString());
    QCOMPARE(store_->Text(88, 0, 299), rows == 50 ? QStringLiteral("Zip49") : QString());
}

void tst_printjob::nothingChecked()
{
    writePages(PrintablePages);
    MessageRecorder recorder;
    QCOMPARE(job_->BuildPrintDocument(PrintSelection{}), PrintBuildResult::NothingChecked);
    QVERIFY(job_->PrintDocument().isEmpty());
    QCOMPARE(build({QStringLiteral("cbxNoSuchBox")}), PrintBuildResult::NothingChecked);
    QVERIFY(recorder.numbers().isEmpty());
}

void tst_printjob::pageFailures_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("breakPage"); // "template 7", "data 7", "header 7", "answer 7"
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QList<int>>("messages");
    const QStringList three{"cbxPOC_Page1", "cbxPOC_OrderWaiver", "cbxPOC_ShareSubscription"};
    const int built = int(PrintBuildResult::Built);
    const int failed = int(PrintBuildResult::Failed);
    QTest::newRow("later page: template missing")
        << three << "template 7" << 1 << built << QStringList{"1:c0", "8:c0"} << QList<int>{11130};
    QTest::newRow("later page: data file missing")
        << three << "data 7" << 1 << built << QStringList{"1:c0", "8:c0"} << QList<int>{11120};
    QTest::newRow("later page: no header mark")
        << three << "header 7" << 1 << built << QStringList{"1:c0", "8:c0"} << QList<int>{11130};
    QTest::newRow("later page: answer beyond the page")
        << three << "answer 7" << 1 << built << QStringList{"1:c0", "8:c0"} << QList<int>{11120};
    QTest::newRow("first page: template missing ends the job")
        << three << "template 1" << 1 << failed << QStringList{} << QList<int>{11140};
    QTest::newRow("first page: merge fails, the next page opens")
        << three << "data 1" << 1 << built << QStringList{"7:c0", "8:c0"} << QList<int>{11120};
    QTest::newRow("instance page opening the job: template missing")
        << QStringList{"cbxMisc_Minutes", "cbxMisc_Bond"} << "template 23" << 3 << built << QStringList{"25:c0"}
        << QList<int>{11140};
    QTest::newRow("instance page opening the job: later instances left out")
        << QStringList{"cbxMisc_Minutes", "cbxMisc_Bond"} << "answer 23" << 3 << built << QStringList{"25:c0"}
        << QList<int>{11120};
    QTest::newRow("later instance page, one instance: left out")
        << QStringList{"cbxPOC_Page1", "cbxMisc_Minutes", "cbxMisc_Bond"} << "template 23" << 1 << built
        << QStringList{"1:c0", "25:c0"} << QList<int>{11130};
    QTest::newRow("later instance page, instance 1 fails: job ends")
        << QStringList{"cbxPOC_Page1", "cbxMisc_Minutes", "cbxMisc_Bond"} << "template 23" << 2 << failed
        << QStringList{} << QList<int>{11130, 11130};
    QTest::newRow("worksheet page left out")
        << QStringList{"cbxGeneralInformationWorksheet", "cbxCoverSheet"} << "template 88" << 1 << built
        << QStringList{"0:c0", "75:c0"} << QList<int>{11130};
    QTest::newRow("every page left out") << QStringList{"cbxMisc_Minutes"} << "template 23" << 1
                                         << int(PrintBuildResult::NothingPrinted) << QStringList{} << QList<int>{11140};
}

void tst_printjob::pageFailures()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, breakPage);
    QFETCH(int, minutes);
    QFETCH(int, result);
    QFETCH(QStringList, printed);
    QFETCH(QList<int>, messages);
    writePages(PrintablePages);
    folder_->writePage(88, QStringLiteral("<88:c0>"));
    directory_.SetRowCount(120);
    store_->PgCt[23] = minutes;
    const QStringList what = breakPage.split(QLatin1Char(' '));
    const int page = what[1].toInt();
    if (what[0] == QLatin1String("template"))
        QFile::remove(folder_->templatePath(page));
    else if (what[0] == QLatin1String("data"))
        QFile::remove(folder_->dataPath(page));
    else if (what[0] == QLatin1String("header"))
        folder_->writeRawTemplate(page, "{\\rtf1 <7:/*0/>}\r\n");
    else
        folder_->writePage(page, QStringLiteral("<x:/*101/>"));

    MessageRecorder recorder;
    QCOMPARE(int(build(boxes)), result);
    QCOMPARE(recorder.numbers(), messages);
    if (result == int(PrintBuildResult::Built)) {
        QCOMPARE(marks(job_->PrintDocument()), printed);
        QVERIFY(job_->PrintDocument().startsWith(brevane::test::FixtureHeader()));
        QCOMPARE(job_->PrintDocument().count(QStringLiteral("{\\rtf1")), 1);
    }
}

void tst_printjob::stripTemplateHeader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("expected");
    QTest::newRow("header") << "{\\rtf1{\\fonttbl}\\'b7body}" << true << "body}";
    QTest::newRow("first mark only") << "{\\rtf1\\'b7a\\'b7b}" << true << "a\\'b7b}";
    QTest::newRow("mark at the end") << "head\\'b7" << true << "";
    QTest::newRow("no mark") << "{\\rtf1 body}" << false << "{\\rtf1 body}";
    QTest::newRow("capital escape is no mark") << "{\\rtf1\\'B7 body}" << false << "{\\rtf1\\'B7 body}";
}

void tst_printjob::stripTemplateHeader()
{
    QFETCH(QString, text);
    QFETCH(bool, found);
    QFETCH(QString, expected);
    QCOMPARE(StripTemplateHeader(text), found);
    QCOMPARE(text, expected);
}

void tst_printjob::documentIsWrittenInAscii()
{
    // The template's own "é" becomes "?"; the answer's is escaped and kept.
    folder_->writePage(1, QStringLiteral("caf\u00e9 /*1/"));
    store_->SetText(1, 0, 1, QStringLiteral("Jos\u00e9 \u2014 \u4e2d"));
    QCOMPARE(build({QStringLiteral("cbxPOC_Page1")}), PrintBuildResult::Built);
    const QString path = PrintDocumentPath(folder_->tempFolder());
    QCOMPARE(path, folder_->tempFolder() + QStringLiteral("/send_temp.rtf"));
    QVERIFY(WritePrintDocument(path, job_->PrintDocument()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (char c : bytes)
        QVERIFY(uchar(c) < 0x80);
    QVERIFY(bytes.contains("caf? Jos\\'E9 \\'97 \\u20013?\r\n}\r\n"));
    QVERIFY(bytes.endsWith("}\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));

    QString error;
    QVERIFY(
        !WritePrintDocument(folder_->path() + QStringLiteral("/no/such/folder/x.rtf"), QStringLiteral("x"), &error));
    QVERIFY(!error.isEmpty());
}

void tst_printjob::fileNameWhilePreviousDocumentIsOpen()
{
    const QString temp = folder_->tempFolder();
    const QString plain = temp + QStringLiteral("/send_temp.rtf");
    QVERIFY(WritePrintDocument(plain, QStringLiteral("old")));
    QCOMPARE(PrintDocumentPath(temp), plain);
    QVERIFY(!QFile::exists(plain)); // the previous document is gone

    // A folder in its place cannot be deleted, as a document held open by
    // the word processor cannot.
    QVERIFY(QDir(temp).mkpath(QStringLiteral("send_temp.rtf/held")));
    static const QRegularExpression numbered(QStringLiteral("^send_temp(\\d{1,3})\\.rtf$"));
    for (int k = 0; k < 20; ++k) {
        const QString path = PrintDocumentPath(temp);
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(temp).absoluteFilePath());
        const QRegularExpressionMatch m = numbered.match(QFileInfo(path).fileName());
        QVERIFY2(m.hasMatch(), qPrintable(path));
        QVERIFY(m.captured(1).toInt() <= 998);
        QVERIFY(!QFileInfo::exists(path));
    }
}

void tst_printjob::clearingRules_data()
{
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Cover Sheet after Code of Regulations")
        << QStringList{"cbxFSM_CodeOfRegulations", "cbxCoverSheet"} << "cbxCoverSheet" << QStringList{"cbxCoverSheet"};
    QTest::newRow("Bond after Cover Sheet")
        << QStringList{"cbxCoverSheet", "cbxMisc_Bond"} << "cbxMisc_Bond" << QStringList{"cbxMisc_Bond"};
    QTest::newRow("LLC tab clears the first tab")
        << QStringList{"cbxForm533A", "cbxForm520", "cbxLLC_OperatingAgreement"} << "cbxLLC_OperatingAgreement"
        << QStringList{"cbxLLC_OperatingAgreement"};
    QTest::newRow("same group stays") << QStringList{"cbxCoverSheet", "cbxForm521", "cbxForm525B"} << "cbxForm521"
                                      << QStringList{"cbxCoverSheet", "cbxForm521", "cbxForm525B"};
    QTest::newRow("Corporations and LLC tabs are one group")
        << QStringList{"cbxMisc_Bond", "cbxLLC_GenericMembersResolution"} << "cbxLLC_GenericMembersResolution"
        << QStringList{"cbxMisc_Bond", "cbxLLC_GenericMembersResolution"};
    QTest::newRow("half-inch click keeps the stock boxes")
        << QStringList{"cbxStockFront", "cbxMisc_Bond", "cbxCoverSheet"} << "cbxCoverSheet"
        << QStringList{"cbxStockFront", "cbxCoverSheet"};
    QTest::newRow("one-inch click keeps the stock boxes")
        << QStringList{"cbxStockBack", "cbxMisc_Bond", "cbxCoverSheet"} << "cbxMisc_Bond"
        << QStringList{"cbxStockBack", "cbxMisc_Bond"};
    QTest::newRow("unticking a box clears the other group too")
        << QStringList{"cbxMisc_Bond", "cbxForm521"} << "cbxCoverSheet" << QStringList{"cbxForm521"};
    QTest::newRow("Front clears Back and both groups")
        << QStringList{"cbxStockBack", "cbxCoverSheet", "cbxMisc_Bond", "cbxStockFront"} << "cbxStockFront"
        << QStringList{"cbxStockFront"};
    QTest::newRow("Back clears Front and both groups")
        << QStringList{"cbxStockFront", "cbxForm562", "cbxLLC_OperatingAgreement", "cbxStockBack"} << "cbxStockBack"
        << QStringList{"cbxStockBack"};
    QTest::newRow("unknown box changes nothing")
        << QStringList{"cbxCoverSheet", "cbxMisc_Bond"} << "cbxNothing" << QStringList{"cbxCoverSheet", "cbxMisc_Bond"};
}

void tst_printjob::clearingRules()
{
    QFETCH(QStringList, checked);
    QFETCH(QString, clicked);
    QFETCH(QStringList, expected);
    QCOMPARE(AfterBoxClick(boxSet(checked), clicked), boxSet(expected));
}

void tst_printjob::selectAllAndClearAllLeaveTheStockBoxes()
{
    const CheckedBoxes all = SelectAllBoxes(boxSet({"cbxStockFront"}));
    QCOMPARE(all.size(), SelectionBoxes().size() - 1);
    QVERIFY(all.contains(QStringLiteral("cbxStockFront")));
    QVERIFY(!all.contains(QStringLiteral("cbxStockBack")));
    QVERIFY(all.contains(QStringLiteral("cbxForm520")));
    QVERIFY(all.contains(QStringLiteral("cbxLLC_GenericMembersResolution")));
    QCOMPARE(ClearAllBoxes(all), boxSet({"cbxStockFront"}));
}

void tst_printjob::boxForDisplayedPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("tab");
    QTest::newRow("0") << 0 << QStringList{"cbxGeneralInformationWorksheet"} << int(TabGeneralInfo);
    QTest::newRow("4") << 4 << QStringList{"cbxForm532A"} << int(TabGeneralInfo);
    QTest::newRow("9") << 9 << QStringList{"cbxPOC_NoticeWaiver"} << int(TabCorporations);
    QTest::newRow("10") << 10 << QStringList{"cbxPOC_WaiverOfNotice"} << int(TabCorporations);
    QTest::newRow("84") << 84 << QStringList{"cbxForm540_FP", "cbxForm540_PA"} << int(TabGeneralInfo);
    QTest::newRow("30") << 30 << QStringList{"cbxForm561_FP", "cbxForm561_PA"} << int(TabGeneralInfo);
    QTest::newRow("46") << 46 << QStringList{"cbxForm520"} << int(TabGeneralInfo);
    QTest::newRow("64") << 64 << QStringList{"cbxLLC_OperatingAgreement"} << int(TabLLC);
    QTest::newRow("83") << 83 << QStringList{"cbxForm521"} << int(TabGeneralInfo);
    QTest::newRow("86: nothing") << 86 << QStringList{} << int(TabLLC);
    QTest::newRow("88: nothing") << 88 << QStringList{} << int(TabLLC);
}

void tst_printjob::boxForDisplayedPage()
{
    QFETCH(int, page);
    QFETCH(QStringList, boxes);
    QFETCH(int, tab);
    const InitialSelection initial = SelectionForDisplayedPage(page);
    QCOMPARE(initial.checked, boxSet(boxes));
    QCOMPARE(int(initial.tab), tab);
}

void tst_printjob::everyPrintablePageHasABox()
{
    QSet<int> printed;
    QSet<QString> names;
    for (const SelectionBox &box : SelectionBoxes()) {
        QVERIFY2(!names.contains(box.name), qPrintable(box.name));
        names.insert(box.name);
        // The first tab is the half-inch group, the stock tab the stock group.
        QCOMPARE(box.tab == TabGeneralInfo, box.group == MarginGroup::HalfInch);
        QCOMPARE(box.tab == TabStock, box.group == MarginGroup::Stock);
        for (int page : box.pages + box.instructions)
            printed.insert(page);
    }
    QCOMPARE(printed, QSet<int>(PrintablePages.begin(), PrintablePages.end()));
}

void tst_printjob::commandLinePrint()
{
    const QString cli = QString::fromLocal8Bit(qgetenv("BREVANE_BINARY_DIR")) + QStringLiteral("/src/cli/brevane-cli");
    if (!QFileInfo(cli).isExecutable())
        QSKIP("brevane-cli is not built");
    // brevane-cli looks for the templates under RTF and DAT of --support.
    writePages(PrintablePages);
    store_->SetText(0, 0, 1, QStringLiteral("Acme {Holdings}"));
    const QString client = folder_->path() + QStringLiteral("/client.cl1");
    QVERIFY(SaveClientFile(client, *store_, directory_));
    const QString out = folder_->path() + QStringLiteral("/out.rtf");
    folder_->writePage(0, QStringLiteral("<0:/*1/>"));

    const auto run = [&](const QStringList &args) {
        QProcess process;
        process.start(cli, args);
        process.waitForFinished(120000);
        return process.exitCode();
    };
    QCOMPARE(run({QStringLiteral("print"), client, out, QStringLiteral("cbxGeneralInformationWorksheet"),
                  QStringLiteral("cbxCoverSheet"), QStringLiteral("--support"), folder_->path()}),
             0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString document = QString::fromLatin1(file.readAll());
    QCOMPARE(marks(document).value(0), QStringLiteral("0:Acme \\{Holdings\\}"));
    QVERIFY(marks(document).value(2).startsWith(QStringLiteral("75:")));
    file.close();
    QFile::remove(out);

    QCOMPARE(run({QStringLiteral("print"), client, out, QStringLiteral("cbxNoSuchBox"), QStringLiteral("--support"),
                  folder_->path()}),
             2);
    QCOMPARE(run({QStringLiteral("print"), client, out}), 2);
    QFile::remove(folder_->templatePath(75));
    QFile::remove(folder_->templatePath(0));
    QCOMPARE(run({QStringLiteral("print"), client, out, QStringLiteral("cbxCoverSheet"), QStringLiteral("--support"),
                  folder_->path()}),
             1);
    QVERIFY(!QFile::exists(out));
}

void tst_printjob::wordProcessorOpensTheDocument()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (soffice.isEmpty() || pdftotext.isEmpty())
        QSKIP("LibreOffice (soffice) or pdftotext is not installed");

    folder_->writePage(1, QStringLiteral("\\fs24 Entity: /*1/\\par Capital: /$2/\\par Dated: /^3/\\par "
                                         "Agent: /*4/\\par Notes: /+5/\\par Box: /&6/ end"));
    folder_->writePage(7, QStringLiteral("\\fs24 Second page: /*1/"));
    store_->SetText(1, 0, 1, QStringLiteral("Jos\u00e9 {Holdings} \\ Co."));
    store_->SetText(1, 0, 2, QStringLiteral("1234.5"));
    store_->SetText(1, 0, 3, QStringLiteral("3/1/2018"));
    store_->SetText(1, 0, 4, QStringLiteral("Overridden Agent"));
    store_->SetOvRide(1, 0, 4, true);
    store_->SetText(1, 0, 5, QStringLiteral("first line | /*1/ line"));
    store_->SetText(1, 0, 6, QStringLiteral("X"));
    store_->SetText(7, 0, 1, QStringLiteral("Z\u00fcrich \u03a9"));
    QCOMPARE(build({QStringLiteral("cbxPOC_Page1"), QStringLiteral("cbxPOC_OrderWaiver")}), PrintBuildResult::Built);
    const QString rtf = PrintDocumentPath(folder_->tempFolder());
    QVERIFY(WritePrintDocument(rtf, job_->PrintDocument()));

    const QString profile = QUrl::fromLocalFile(folder_->path() + QStringLiteral("/profile")).toString();
    QProcess convert;
    convert.start(soffice, {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                            QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                            folder_->tempFolder(), rtf});
    QVERIFY(convert.waitForFinished(300000));
    const QString pdf = folder_->tempFolder() + QStringLiteral("/send_temp.pdf");
    QVERIFY2(QFile::exists(pdf), convert.readAllStandardError().constData());

    QProcess text;
    text.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(60000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString &expected : {QStringLiteral("Entity: Jos\u00e9 {Holdings} \\ Co."),
                                    QStringLiteral("Capital: 1,234.50"), QStringLiteral("Dated: March 1, 2018"),
                                    QStringLiteral("Agent: Overridden Agent"), QStringLiteral("Notes: first line"),
                                    QStringLiteral("/*1/ line"), QStringLiteral("Second page: Z\u00fcrich \u03a9")})
        QVERIFY2(printed.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + printed));
    // Two pages, nothing of the hidden header mark.
    QCOMPARE(printed.count(QLatin1Char('\f')), 2);
    QVERIFY(!printed.contains(QChar(0x00b7)));
}

void tst_printjob::temporaryDocumentNeverFollowsALink_data()
{
    QTest::addColumn<QString>("planted");
    QTest::newRow("link to another file") << "victim.txt";
    QTest::newRow("broken link") << "nowhere.txt";
}

// A link planted at the document's name is deleted (never what it points
// to) before the document is made, and a link planted after the name was
// chosen makes the write fail: no file but the document is ever written.
void tst_printjob::temporaryDocumentNeverFollowsALink()
{
    QFETCH(QString, planted);
    const QString temp = folder_->tempFolder();
    const QString victim = temp + QStringLiteral("/victim.txt");
    QFile file(victim);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("precious") == 8);
    file.close();
    const QString document = temp + QStringLiteral("/send_temp.rtf");
    if (!QFile::link(temp + QLatin1Char('/') + planted, document))
        QSKIP("this system has no symbolic links");

    const QString path = PrintDocumentPath(temp);
    QCOMPARE(path, document);
    QVERIFY(WritePrintDocument(path, QStringLiteral("{\\rtf1 doc}"), nullptr, WriteMode::CreateNew));
    QVERIFY(!QFileInfo(path).isSymLink());

    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::link(temp + QLatin1Char('/') + planted, path));
    QString error;
    QVERIFY(!WritePrintDocument(path, QStringLiteral("{\\rtf1 doc}"), &error, WriteMode::CreateNew));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(path).isSymLink());

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("precious"));
    QVERIFY(!QFileInfo::exists(temp + QStringLiteral("/nowhere.txt")));
}

// A device that takes no more data stands for a full disk: the write is a
// failure with the system's reason, and the device is left alone.
void tst_printjob::aFullDiskIsAFailure()
{
    if (!QFileInfo(QStringLiteral("/dev/full")).exists())
        QSKIP("this system has no /dev/full");
    const QString out = folder_->tempFolder() + QStringLiteral("/out.rtf");
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), out));
    QString error;
    QVERIFY(!WritePrintDocument(out, QStringLiteral("{\\rtf1 doc}"), &error));
    QVERIFY2(error.contains(QStringLiteral("space"), Qt::CaseInsensitive), qPrintable(error));
    QVERIFY(QFileInfo::exists(QStringLiteral("/dev/full")));
}

QTEST_GUILESS_MAIN(tst_printjob)
#include "tst_printjob.moc"
