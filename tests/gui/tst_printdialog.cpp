// The "Print Selected Forms" dialog and the Preview and Print command: the
// boxes on their tabs, the clearing rules of the margin groups, "Select All"
// and "Clear All", the box of the displayed page, and the print job from the
// dialog to the word processor.
#include "OutputFixture.h"
#include "core/dialogs/Messages.h"
#include "core/output/PrintJob.h"
#include "core/store/Answers.h"
#include "gui/app/Navigation.h"
#include "gui/output/OutputCommands.h"
#include "gui/output/TfrmSelectedForms.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

#include <algorithm>

using namespace brevane;
using namespace brevane::test;

namespace {

QStringList sorted(const CheckedBoxes &boxes)
{
    QStringList list(boxes.begin(), boxes.end());
    list.sort();
    return list;
}

// Every box of the half-inch and one-inch margin groups.
QStringList marginBoxes()
{
    QStringList list;
    for (const SelectionBox &box : SelectionBoxes())
        if (box.group != MarginGroup::Stock)
            list << box.name;
    list.sort();
    return list;
}

QStringList boxesOfGroup(MarginGroup group)
{
    QStringList list;
    for (const SelectionBox &box : SelectionBoxes())
        if (box.group == group)
            list << box.name;
    return list;
}

// Page 0 with the entity's name field, its print template, and the
// directory worksheet's template (page 88) unless told otherwise.
void writeJobPages(GuiFixture &fx, bool worksheet = true)
{
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    WritePrintPage(fx, 0, QStringLiteral("<Entity: /*0/>"));
    if (worksheet)
        WritePrintPage(fx, 88, QStringLiteral("<Row: /*1/>"));
}

} // namespace

class tst_printdialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }
    void everyBoxOnItsTab();
    void clicks_data();
    void clicks();
    void boxOfDisplayedPage_data();
    void boxOfDisplayedPage();
    void selectAllForTheClientsKind_data();
    void selectAllForTheClientsKind();
    void remembersTheTickedFormsPerClient();
    void certificatesAreReadBeforeTheDialogCloses();

    void previewPrintWritesAndOpensTheDocument();
    void documentStillOpenGetsANumberedName();
    void noBoxCheckedWritesNothing();
    void documentThatCannotBeWrittenIsReported();
    void closeRunsNoJob();
    void missingTemplateWritesNothing();
};

void tst_printdialog::everyBoxOnItsTab()
{
    TfrmSelectedForms dialog(-1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Selected Forms"));
    QCOMPARE(dialog.TabControl1->count(), 4);
    for (SelectionTab tab : {TabGeneralInfo, TabCorporations, TabLLC, TabStock})
        QCOMPARE(dialog.TabControl1->tabText(tab), SelectionTabCaption(tab));
    for (const SelectionBox &box : SelectionBoxes()) {
        QCheckBox *check = dialog.Box(box.name);
        QVERIFY2(check, qPrintable(box.name));
        QCOMPARE(check->text(), box.caption);
        QVERIFY2(dialog.TabControl1->widget(box.tab)->isAncestorOf(check), qPrintable(box.name));
    }
    // The tabs hold the selection boxes and nothing else; below them are the
    // option of Save as PDF and the filing instructions, which print apart
    // from the forms only when ticked.
    QCOMPARE(dialog.TabControl1->findChildren<QCheckBox *>().size(), SelectionBoxes().size());
    QCOMPARE(dialog.findChildren<QCheckBox *>().size(), SelectionBoxes().size() + 2);
    QVERIFY(!dialog.TabControl1->isAncestorOf(dialog.cbxOpenPdf));
    QVERIFY(!dialog.TabControl1->isAncestorOf(dialog.cbxInstructions));
    QVERIFY(!dialog.cbxInstructions->isChecked());
    QVERIFY(!dialog.Selection().instructions);
    dialog.cbxInstructions->setChecked(true);
    QVERIFY(dialog.Selection().instructions);
}

void tst_printdialog::clicks_data()
{
    // Steps: a box name is a click on it; "Select All" is the context menu
    // item, "Select All button" and "Clear All" the buttons.
    QTest::addColumn<int>("displayedPage");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("checked");

    const QStringList all = marginBoxes();
    QStringList allButCover = all;
    allButCover.removeOne(QStringLiteral("cbxCoverSheet"));
    for (const QString &box : boxesOfGroup(MarginGroup::OneInch))
        allButCover.removeOne(box);
    QStringList halfInch = boxesOfGroup(MarginGroup::HalfInch);
    halfInch.sort();
    const QStringList llcTab{"cbxLLC_GenericMembersResolution", "cbxLLC_OperatingAgreement"};
    const QStringList llcAndFront = llcTab + QStringList{"cbxStockFront"};

    QTest::newRow("cover sheet clears the code of regulations")
        << -1 << QStringList{"cbxFSM_CodeOfRegulations", "cbxCoverSheet"} << QStringList{"cbxCoverSheet"};
    QTest::newRow("bond clears the cover sheet")
        << -1 << QStringList{"cbxCoverSheet", "cbxMisc_Bond"} << QStringList{"cbxMisc_Bond"};
    QTest::newRow("operating agreement clears the displayed 532A")
        << 3 << QStringList{"cbxLLC_OperatingAgreement"} << QStringList{"cbxLLC_OperatingAgreement"};
    QTest::newRow("half-inch boxes of different sections stay")
        << 2 << QStringList{"cbxForm533A", "cbxForm520"} << QStringList{"cbxForm520", "cbxForm532A", "cbxForm533A"};
    QTest::newRow("one-inch boxes of two tabs stay") << 1 << QStringList{"cbxLLC_GenericMembersResolution"}
                                                     << QStringList{"cbxLLC_GenericMembersResolution", "cbxPOC_Page1"};
    QTest::newRow("unchecking click also clears the other group")
        << 0 << QStringList{"Select All", "cbxCoverSheet"} << allButCover;
    QTest::newRow("select all ticks the boxes of the tab shown") << 0 << QStringList{"Select All"} << halfInch;
    QTest::newRow("select all on a tab clears the other group")
        << 57 << QStringList{"cbxForm526", "Select All"} << llcTab;
    QTest::newRow("select all leaves the front") << -1 << QStringList{"cbxStockFront", "Select All"} << llcAndFront;
    QTest::newRow("the select all button does the same")
        << -1 << QStringList{"cbxStockFront", "Select All button"} << llcAndFront;
    QTest::newRow("clear all leaves the front")
        << -1 << QStringList{"cbxStockFront", "Select All", "Clear All"} << QStringList{"cbxStockFront"};
    QTest::newRow("front clears both groups")
        << 0 << QStringList{"Select All", "cbxStockFront"} << QStringList{"cbxStockFront"};
    QTest::newRow("back clears the front")
        << -1 << QStringList{"cbxStockFront", "cbxStockBack"} << QStringList{"cbxStockBack"};
    QTest::newRow("front clears the back")
        << -1 << QStringList{"cbxStockBack", "cbxStockFront"} << QStringList{"cbxStockFront"};
    QTest::newRow("a margin box leaves the stock boxes")
        << -1 << QStringList{"cbxStockBack", "cbxCoverSheet", "cbxMisc_Bond"}
        << QStringList{"cbxMisc_Bond", "cbxStockBack"};
    QTest::newRow("second click unchecks") << -1 << QStringList{"cbxForm526", "cbxForm526"} << QStringList{};
}

void tst_printdialog::clicks()
{
    QFETCH(int, displayedPage);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, checked);
    TfrmSelectedForms dialog(displayedPage);
    for (const QString &step : steps) {
        if (step == QLatin1String("Select All")) {
            dialog.SelectAll1->trigger();
        } else if (step == QLatin1String("Select All button")) {
            dialog.btnSelectAll->click();
        } else if (step == QLatin1String("Clear All")) {
            dialog.btnClearAll->click();
        } else {
            QVERIFY2(dialog.Box(step), qPrintable(step));
            dialog.Box(step)->click();
        }
    }
    QCOMPARE(sorted(dialog.Checked()), checked);
}

void tst_printdialog::boxOfDisplayedPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<int>("tab");
    QTest::newRow("general information") << 0 << QStringList{"cbxGeneralInformationWorksheet"} << int(TabGeneralInfo);
    QTest::newRow("540 checks both boxes")
        << 84 << QStringList{"cbxForm540_FP", "cbxForm540_PA"} << int(TabGeneralInfo);
    QTest::newRow("waiver of notice") << 10 << QStringList{"cbxPOC_WaiverOfNotice"} << int(TabCorporations);
    QTest::newRow("members' resolution") << 68 << QStringList{"cbxLLC_GenericMembersResolution"} << int(TabLLC);
    QTest::newRow("stock front checks nothing") << 86 << QStringList{} << int(TabLLC);
    QTest::newRow("no page shown") << -1 << QStringList{} << int(TabLLC);
}

void tst_printdialog::boxOfDisplayedPage()
{
    QFETCH(int, page);
    QFETCH(QStringList, checked);
    QFETCH(int, tab);
    TfrmSelectedForms dialog(page);
    QCOMPARE(sorted(dialog.Checked()), checked);
    QCOMPARE(dialog.TabControl1->currentIndex(), tab);
}

void tst_printdialog::selectAllForTheClientsKind_data()
{
    QTest::addColumn<unsigned>("kind");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("checked");
    // Every business's; 525A (reinstatement) is a corporation's.
    const QStringList general{"cbxCoverSheet", "cbxCreditCardAuthorization", "cbxForm521", "cbxForm526",
                              "cbxGeneralInformationWorksheet"};
    const QStringList corporationTab{"cbxConclusion_FDM",
                                     "cbxElectionOfOfficers",
                                     "cbxFSM_AssetToAdoption",
                                     "cbxFSM_CodeOfRegulations",
                                     "cbxFSM_Conclusion",
                                     "cbxFSM_Election",
                                     "cbxMisc_Bond",
                                     "cbxMisc_CorporateResolution",
                                     "cbxMisc_Minutes",
                                     "cbxMisc_ShareLedger",
                                     "cbxPOC_ElectionProTem",
                                     "cbxPOC_NoticeWaiver",
                                     "cbxPOC_OrderWaiver",
                                     "cbxPOC_Page1",
                                     "cbxPOC_ShareSubscription",
                                     "cbxPage1_FDM",
                                     "cbxPOC_WaiverOfNotice"};
    const auto sortedList = [](QStringList list) {
        list.sort();
        return list;
    };
    QTest::newRow("corporation, State forms: no LLC or professional box")
        << unsigned(ForProfitCorporation) << int(TabGeneralInfo)
        << sortedList(general + QStringList{"cbxForm525A", "cbxForm532A", "cbxForm540_FP", "cbxForm561_FP"});
    QTest::newRow("corporation, LLC tab: nothing") << unsigned(ForProfitCorporation) << int(TabLLC) << QStringList{};
    QTest::newRow("corporation, its own papers")
        << unsigned(ForProfitCorporation) << int(TabCorporations) << sortedList(corporationTab);
    QTest::newRow("professional association, State forms")
        << unsigned(ProfessionalAssociation) << int(TabGeneralInfo)
        << sortedList(general + QStringList{"cbxForm520", "cbxForm525A", "cbxForm525B", "cbxForm532C", "cbxForm540_PA",
                                            "cbxForm561_PA"});
    QTest::newRow("LLC, State forms") << unsigned(LimitedLiabilityCompany) << int(TabGeneralInfo)
                                      << sortedList(general + QStringList{"cbxForm533A", "cbxForm543A", "cbxForm562"});
    QTest::newRow("LLC, corporations tab: nothing")
        << unsigned(LimitedLiabilityCompany) << int(TabCorporations) << QStringList{};
    QTest::newRow("LLC, its own papers") << unsigned(LimitedLiabilityCompany) << int(TabLLC)
                                         << QStringList{"cbxLLC_GenericMembersResolution", "cbxLLC_OperatingAgreement"};
    QTest::newRow("stock certificate tab: left alone")
        << unsigned(ForProfitCorporation) << int(TabStock) << QStringList{};
}

// Select All ticks what the client's kind of business prints from the tab
// shown, and nothing that the client cannot file.
void tst_printdialog::selectAllForTheClientsKind()
{
    QFETCH(unsigned, kind);
    QFETCH(int, tab);
    QFETCH(QStringList, checked);
    TfrmSelectedForms dialog(-1);
    dialog.SetEntity(kind);
    dialog.TabControl1->setCurrentIndex(tab);
    dialog.btnSelectAll->click();
    QCOMPARE(sorted(dialog.Checked()), checked);
}

// The dialog opens with the forms last ticked for the client, whatever page
// is shown; another client starts afresh.
void tst_printdialog::remembersTheTickedFormsPerClient()
{
    GuiFixture fx;
    writeJobPages(fx);
    auto w = fx.Start();
    TypeOver(Control<QLineEdit>(*w, "edtName"), QStringLiteral("Acme Tools, Inc."));
    const auto openDialog = [&w](std::function<void(TfrmSelectedForms *)> act) {
        WhenShown([act](QWidget *dialog) {
            auto *selection = qobject_cast<TfrmSelectedForms *>(dialog);
            QVERIFY(selection);
            act(selection);
            if (selection->isVisible())
                selection->btnClose->click();
        });
        w->Output().PrintSelectedForms(TSender::Button());
    };
    openDialog([](TfrmSelectedForms *dialog) {
        // A corporation: Select All on the State forms ticks no LLC form.
        dialog->TabControl1->setCurrentIndex(TabGeneralInfo);
        dialog->btnSelectAll->click();
        QVERIFY(dialog->Box("cbxForm532A")->isChecked());
        QVERIFY(!dialog->Box("cbxForm533A")->isChecked());
        dialog->Box("cbxForm540_FP")->click(); // the user leaves out the amendment
    });
    QStringList remembered;
    openDialog([&remembered](TfrmSelectedForms *dialog) {
        remembered = sorted(dialog->Checked());
        QCOMPARE(dialog->TabControl1->currentIndex(), int(TabGeneralInfo));
    });
    QVERIFY(remembered.contains(QStringLiteral("cbxForm532A")));
    QVERIFY(!remembered.contains(QStringLiteral("cbxForm540_FP")));

    // Another client, not yet saved: the displayed page's form, as ever.
    w->Document().SetFileName(QStringLiteral("Untitled.cl1"));
    TypeOver(Control<QLineEdit>(*w, "edtName"), QStringLiteral("Riverside Bakery LLC"));
    openDialog([](TfrmSelectedForms *dialog) {
        QCOMPARE(sorted(dialog->Checked()), QStringList{"cbxGeneralInformationWorksheet"});
        dialog->btnSelectAll->click();
        QVERIFY(dialog->Box("cbxForm533A")->isChecked());
        QVERIFY(!dialog->Box("cbxForm532A")->isChecked());
    });
}

// The Stock tab's certificate numbers: a slip keeps the dialog open with its
// message and the field; numbers that read go with the selection.
void tst_printdialog::certificatesAreReadBeforeTheDialogCloses()
{
    TfrmSelectedForms dialog(-1);
    dialog.show();
    dialog.Box(QStringLiteral("cbxStockFront"))->click();
    dialog.edtCertificates->setText(QStringLiteral("6, seven"));
    MessageRecorder recorder;
    dialog.btnPreviewPrint->click();
    QCOMPARE(recorder.numbers(), QList<int>{int(msg::CertificatesUnreadable)});
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.TabControl1->currentIndex(), int(TabStock));

    dialog.edtCertificates->setText(QStringLiteral("7, 6"));
    dialog.btnSaveAsPdf->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), TfrmSelectedForms::SaveAsPdfResult);
    QCOMPARE(dialog.Selection().certificates, (QList<int>{7, 6}));
    QCOMPARE(recorder.numbers().size(), 1);
}

void tst_printdialog::previewPrintWritesAndOpensTheDocument()
{
    GuiFixture fx;
    writeJobPages(fx);
    auto w = fx.Start();
    FakeLauncher launcher;
    w->Output().SetLauncher(&launcher);
    w->WordDetected = false;
    w->Document().Directory().SetCell(0, 1, QStringLiteral("Ann Lee"));

    // Typed but not yet left: the job stores the displayed page first.
    auto *name = Control<QLineEdit>(*w, "edtName");
    Enter(name);
    QTest::keyClicks(name, QStringLiteral("Acme Tools, Inc."));

    MessageRecorder recorder;
    WhenShown([](QWidget *dialog) {
        auto *selection = qobject_cast<TfrmSelectedForms *>(dialog);
        QVERIFY(selection);
        QCOMPARE(sorted(selection->Checked()), QStringList{"cbxGeneralInformationWorksheet"});
        Press(dialog, "btnPreviewPrint");
    });
    w->Output().PrintSelectedForms(TSender::Button());
    QVERIFY(recorder.numbers().isEmpty());

    const QString temp = w->folders.tempFolder;
    QCOMPARE(launcher.calls,
             QStringList({QStringLiteral("margins"), QStringLiteral("WordPad send_temp.rtf in ") + temp}));
    QFile document(QDir(temp).filePath(QStringLiteral("send_temp.rtf")));
    QVERIFY(document.open(QIODevice::ReadOnly));
    const QByteArray text = document.readAll();
    QVERIFY2(text.contains("<Entity: Acme Tools, Inc.>\r\n" + PageStart(DirectoryWorksheetPage, false).toLatin1() +
                           "\\v0 <Row: Ann Lee>"),
             text.constData());
    QVERIFY(text.startsWith("{\\rtf1"));
    QVERIFY(text.trimmed().endsWith("}"));
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Acme Tools, Inc."));

    // The program's close deletes the document.
    TestDialogs dialogs;
    dialogs.questionAnswers << QMessageBox::No; // do not save the client
    w->close();
    QVERIFY(!document.exists());
}

void tst_printdialog::documentStillOpenGetsANumberedName()
{
    GuiFixture fx;
    writeJobPages(fx);
    auto w = fx.Start();
    FakeLauncher launcher;
    w->Output().SetLauncher(&launcher);
    w->WordDetected = true;
    Control<QLineEdit>(*w, "edtName")->setText(QStringLiteral("Second Job Ltd."));

    // The earlier document is open in the word processor, which would show
    // its own copy again if asked to open that name.
    const QDir temp(w->folders.tempFolder);
    QVERIFY(temp.mkpath(QStringLiteral(".")));
    for (const char *name : {"send_temp.rtf", ".~lock.send_temp.rtf#"}) {
        QFile file(temp.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    MessageRecorder recorder;
    WhenShown([](QWidget *dialog) { Press(dialog, "btnPreviewPrint"); });
    w->Output().PrintSelectedForms(TSender::Menu(0));

    QCOMPARE(launcher.calls.size(), 1);
    static const QRegularExpression started(QStringLiteral("^Word (send_temp(\\d{1,3})\\.rtf) in (.*)$"));
    const QRegularExpressionMatch match = started.match(launcher.calls.first());
    QVERIFY2(match.hasMatch(), qPrintable(launcher.calls.first()));
    QVERIFY(match.captured(2).toInt() <= 998);
    QCOMPARE(match.captured(3), w->folders.tempFolder);
    QFile document(temp.filePath(match.captured(1)));
    QVERIFY(document.open(QIODevice::ReadOnly));
    QVERIFY(document.readAll().contains("<Entity: Second Job Ltd.>"));
    QFile earlier(temp.filePath(QStringLiteral("send_temp.rtf")));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    QCOMPARE(recorder.numbers(), QList<int>{});
}

void tst_printdialog::noBoxCheckedWritesNothing()
{
    GuiFixture fx;
    writeJobPages(fx, false);
    auto w = fx.Start();
    FakeLauncher launcher;
    w->Output().SetLauncher(&launcher);
    TestDialogs dialogs;
    MessageRecorder recorder;
    WhenShown([](QWidget *dialog) {
        Press(dialog, "btnClearAll");
        Press(dialog, "btnPreviewPrint");
    });
    w->Output().PrintSelectedForms(TSender::Menu(0));

    QCOMPARE(recorder.numbers(), QList<int>{11160});
    QVERIFY(launcher.calls.isEmpty());
    QVERIFY(QDir(w->folders.tempFolder).entryList({QStringLiteral("send_temp*")}, QDir::Files).isEmpty());
}

void tst_printdialog::documentThatCannotBeWrittenIsReported()
{
    GuiFixture fx;
    writeJobPages(fx);
    auto w = fx.Start();
    FakeLauncher launcher;
    w->Output().SetLauncher(&launcher);
    // The temporary folder's place is taken by a file.
    QDir().rmdir(w->folders.tempFolder);
    QFile blocker(w->folders.tempFolder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    MessageRecorder recorder;
    WhenShown([](QWidget *dialog) { Press(dialog, "btnPreviewPrint"); });
    w->Output().PrintSelectedForms(TSender::Menu(0));
    QCOMPARE(recorder.numbers(), QList<int>{11174});
    QVERIFY(recorder.messages().first().detail.contains(QStringLiteral("send_temp")));
    QVERIFY(launcher.calls.isEmpty());
}

void tst_printdialog::closeRunsNoJob()
{
    GuiFixture fx;
    writeJobPages(fx, false);
    auto w = fx.Start();
    FakeLauncher launcher;
    w->Output().SetLauncher(&launcher);
    TestDialogs dialogs;
    WhenShown([](QWidget *dialog) { Press(dialog, "btnClose"); });
    w->Output().PrintSelectedForms(TSender::Tree(0));
    QVERIFY(launcher.calls.isEmpty());
    QVERIFY(dialogs.asked.isEmpty());
    QVERIFY(QDir(w->folders.tempFolder).entryList({QStringLiteral("send_temp*")}, QDir::Files).isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_printdialog::missingTemplateWritesNothing()
{
    // Page 0 opens the job; without its template the job ends.
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    auto w = fx.Start();
    FakeLauncher launcher;
    w->Output().SetLauncher(&launcher);
    MessageRecorder recorder;
    WhenShown([](QWidget *dialog) { Press(dialog, "btnPreviewPrint"); });
    w->Output().PrintSelectedForms(TSender::Menu(0));
    QCOMPARE(recorder.numbers(), QList<int>{11140});
    QVERIFY(launcher.calls.isEmpty());
    QVERIFY(QDir(w->folders.tempFolder).entryList({QStringLiteral("send_temp*")}, QDir::Files).isEmpty());
}

QTEST_MAIN(tst_printdialog)
#include "tst_printdialog.moc"
