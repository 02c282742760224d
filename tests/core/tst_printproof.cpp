// The print document of a filled client opens in a real word processor:
// every printable page, merged from the generated print templates, is
// converted to PDF by LibreOffice without a window, and the text of the PDF
// holds the entity's name, a money amount, a long date and an overridden
// answer. A document that LibreOffice will not convert is a failure.
//
// The templates are those the build generates from forms/ into its support
// folder; while that folder holds none yet, the test is skipped.
#include "TestSupport.h"
#include "calc/Calculate.h"
#include "output/PrintJob.h"
#include "output/PrintSelection.h"
#include "output/TemplateMerge.h"
#include "store/Answers.h"
#include "store/DirectoryTable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

using namespace brevane;
using brevane::test::MessageRecorder;

namespace {

const QString EntityName = QStringLiteral("Ridgeway Tool Holdings, Inc.");
const QString OverriddenSigner = QStringLiteral("Quentin Override Signer");

// A client as a user would fill it: the general information worksheet, five
// people and businesses with their roles, and two copies of every repeatable
// page.
void fillClient(TAnswer &store, DirectoryTable &directory)
{
    const QList<QPair<int, QString>> general = {
        {0, EntityName},
        {1, QStringLiteral("1200 Canal Street")},
        {2, QStringLiteral("Dayton")},
        {3, QStringLiteral("OH")},
        {4, QStringLiteral("45402")},
        {5, QStringLiteral("Montgomery")},
        {8, QStringLiteral("2231457")},
        {12, QStringLiteral("3/1/2018")},
        {13, QStringLiteral("3/5/2018")},
        {15, QStringLiteral("850")},
        {16, QStringLiteral("common")},
        {17, QStringLiteral("1234.5")},
        {18, QStringLiteral("5,000")},
        {19, QStringLiteral("1200 Canal Street")},
        {20, QStringLiteral("Dayton")},
        {21, QStringLiteral("OH")},
        {23, QStringLiteral("3/20/2018")},
        {24, QStringLiteral("10:00")},
        {25, QStringLiteral("X")},
        {27, QStringLiteral("10")},
        {28, QStringLiteral("10")},
        {33, QStringLiteral("3/20/2018")},
        {37, QStringLiteral("3/20/2018")},
        {38, QStringLiteral("3/21/2018")},
        {46, QStringLiteral("4/2/2018")},
        {51, QStringLiteral("4/3/2018")},
        {56, QStringLiteral("X")},
        {57, QStringLiteral("Dana Whitcombe")},
        {70, QStringLiteral("Harold Quince")},
        {71, QStringLiteral("45 Market Street")},
        {72, QStringLiteral("Dayton")},
        {73, QStringLiteral("45402")},
        {90, QStringLiteral("5/1/2018")},
        {96, QStringLiteral("engineering")},
    };
    for (const auto &[answer, text] : general)
        store.SetText(0, 0, answer, text);

    struct Person
    {
        const char *code, *name, *address, *byName, *shares;
    };
    const Person people[] = {
        {"DOSCI", "Ann Lee", "10 Elm Street", "", "500"},
        {"DOSCI", "Ben Ortiz", "22 Oak Avenue", "", "300"},
        {"DSMGI", "Carla Ng", "7 Birch Lane", "", "50"},
        {"SMB", "Northfield Partners LLC", "400 Main Street", "Evan Hart", ""},
        {"RI", "Dana Whitcombe", "9 Pine Court", "", ""},
    };
    directory.SetRowCount(0);
    for (const Person &p : people) {
        directory.AddRow();
        const int row = directory.RowCount() - 1;
        directory.SetCell(row, ColCode, QLatin1String(p.code));
        directory.SetCell(row, ColName, QLatin1String(p.name));
        directory.SetCell(row, ColAddress, QLatin1String(p.address));
        directory.SetCell(row, ColCity, QStringLiteral("Dayton"));
        directory.SetCell(row, ColState, QStringLiteral("OH"));
        directory.SetCell(row, ColZIP, QStringLiteral("45402"));
        directory.SetCell(row, ColByName, QLatin1String(p.byName));
        directory.SetCell(row, ColNoOfShares, QLatin1String(p.shares));
    }
    for (int page : RepeatablePages)
        store.PgCt[page] = 2;

    // The first incorporator's printed name on the articles' signature page,
    // overridden by the user.
    store.SetText(4, 0, 2, OverriddenSigner);
    store.SetOvRide(4, 0, 2, true);
}

QString run(const QString &program, const QStringList &arguments, int timeoutMs, bool *ok)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    *ok = process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    return QString::fromUtf8(process.readAll());
}

} // namespace

class tst_printproof : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { brevane::test::UseUnitedStatesLocale(); }
    void everyPrintablePageOpensInLibreOffice();
};

void tst_printproof::everyPrintablePageOpensInLibreOffice()
{
    const QString support = qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/support");
    const QDir templates(support + QStringLiteral("/RTF"));
    if (templates.entryList({QStringLiteral("page*.rtf")}, QDir::Files).isEmpty())
        QSKIP("the build has not generated the print templates yet");
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    QVERIFY2(!soffice.isEmpty() && !pdftotext.isEmpty() && !pdfinfo.isEmpty(),
             "LibreOffice Writer (soffice) and poppler-utils (pdftotext, pdfinfo) are needed; "
             "scripts/test.sh installs them");

    // Every box whose pages all have a template. A page whose form source
    // exists but whose template was not generated is a fault of the build;
    // pages whose source is not written yet are named and left out.
    const QDir forms(qEnvironmentVariable("BREVANE_SOURCE_DIR") + QStringLiteral("/forms"));
    PrintSelection selection;
    QStringList notYetWritten;
    for (const SelectionBox &box : SelectionBoxes()) {
        bool complete = true;
        for (int page : box.pages) {
            const QString name = QStringLiteral("page%1").arg(page);
            if (templates.exists(name + QStringLiteral(".rtf")))
                continue;
            QVERIFY2(!forms.exists(name + QStringLiteral(".form")),
                     qPrintable(name + QStringLiteral(".form has no generated template")));
            complete = false;
            if (!notYetWritten.contains(name))
                notYetWritten << name;
        }
        if (complete)
            selection.SetChecked(box.name);
    }
    if (!notYetWritten.isEmpty())
        qWarning("no form source yet, not printed: %s", qPrintable(notYetWritten.join(QLatin1Char(' '))));
    QVERIFY(selection.IsChecked(QStringLiteral("cbxGeneralInformationWorksheet")));
    QVERIFY(selection.IsChecked(QStringLiteral("cbxForm532A")));

    auto store = std::make_unique<TAnswer>();
    DirectoryTable directory;
    fillClient(*store, directory);
    MessageRecorder recorder;
    QVERIFY(Calculate(store.get(), directory, false));
    QCOMPARE(store->Text(4, 0, 2), OverriddenSigner);

    TemplateMerge merge(store.get(), support + QStringLiteral("/DAT"));
    PrintJob job(*store, directory, merge, templates.path());
    QCOMPARE(job.BuildPrintDocument(selection), PrintBuildResult::Built);
    QCOMPARE(recorder.numbers(), QList<int>{});

    QTemporaryDir dir;
    const QString rtf = PrintDocumentPath(dir.path());
    QString error;
    QVERIFY2(WritePrintDocument(rtf, job.PrintDocument(), &error), qPrintable(error));
    const int printedPages = int(job.PrintDocument().count(QStringLiteral("\\page "))) + 1;

    // A profile of its own, so that no running LibreOffice takes the job.
    const QString profile = QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString();
    bool ok = false;
    const QString log =
        run(soffice,
            {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=") + profile,
             QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), dir.path(), rtf},
            480000, &ok);
    const QString pdf = dir.filePath(QStringLiteral("send_temp.pdf"));
    QVERIFY2(ok && QFileInfo(pdf).size() > 0, qPrintable(QStringLiteral("LibreOffice did not convert it:\n") + log));

    const QString info = run(pdfinfo, {pdf}, 60000, &ok);
    QVERIFY2(ok, qPrintable(info));
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY2(pages.hasMatch(), qPrintable(info));
    QVERIFY2(pages.captured(1).toInt() >= printedPages,
             qPrintable(QStringLiteral("%1 PDF pages for %2 printed pages").arg(pages.captured(1)).arg(printedPages)));

    const QString printed = run(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")}, 60000, &ok);
    QVERIFY(ok);
    for (const QString &expected :
         {EntityName, QStringLiteral("1,234.50"), QStringLiteral("March 1, 2018"), OverriddenSigner})
        QVERIFY2(printed.contains(expected), qPrintable(expected + QStringLiteral(" is not in the PDF")));
    // Read as RTF, not as plain text: no control word, group or unmerged
    // variable shows.
    static const QRegularExpression leftovers(QStringLiteral("\\\\rtf1|\\\\par\\b|\\\\page\\b|/[*<$#%&^+]\\d{1,3}/"));
    const QRegularExpressionMatch leftover = leftovers.match(printed);
    QVERIFY2(!leftover.hasMatch(), qPrintable(QStringLiteral("printed as text: ") + leftover.captured(0)));
}

QTEST_GUILESS_MAIN(tst_printproof)
#include "tst_printproof.moc"
