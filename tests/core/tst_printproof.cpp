// The print document of a filled client opens in a real word processor:
// every printable page, merged from the generated print templates, is
// converted to PDF by LibreOffice without a window, and the text of the PDF
// holds the entity's name, a money amount, a long date and an overridden
// answer. A document that LibreOffice will not convert is a failure.
//
// The templates are those the build generates from forms/ into its support
// folder; while that folder holds none yet, the test is skipped.
#include "FilledClient.h"
#include "TestSupport.h"
#include "core/calc/Calculate.h"
#include "core/files/ClientFile.h"
#include "core/output/PrintJob.h"
#include "core/output/PrintSelection.h"
#include "core/output/TemplateMerge.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryTable.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace brevane;
using brevane::test::EntityName;
using brevane::test::MessageRecorder;
using brevane::test::OverriddenSigner;

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
    const brevane::test::PdfTools tools = brevane::test::FindPdfTools();
    QVERIFY2(tools.Found(), brevane::test::PdfToolsNeeded);

    // Every box whose pages all have a template. A page whose form source
    // exists but whose template was not generated is a fault of the build;
    // pages whose source is not written yet are named and left out.
    const QDir forms(qEnvironmentVariable("BREVANE_SOURCE_DIR") + QStringLiteral("/forms"));
    PrintSelection selection;
    selection.instructions = true; // every printable page, the instructions too
    QStringList notYetWritten;
    for (const SelectionBox &box : SelectionBoxes()) {
        bool complete = true;
        for (int page : box.pages + box.instructions) {
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
    brevane::test::FillClient(*store, directory);
    MessageRecorder recorder;
    QVERIFY(Calculate(store.get(), directory));
    QCOMPARE(store->Text(4, 0, 2), OverriddenSigner);

    TemplateMerge merge(store.get(), support + QStringLiteral("/DAT"));
    PrintJob job(*store, directory, merge, templates.path());
    QCOMPARE(job.BuildPrintDocument(selection), PrintBuildResult::Built);
    QCOMPARE(recorder.numbers(), QList<int>{});

    QTemporaryDir dir;
    const QString rtf = PrintDocumentPath(dir.path());
    QString error;
    QVERIFY2(WritePrintDocument(rtf, job.PrintDocument(), &error), qPrintable(error));
    // Every page after the first starts a section of its own.
    const int printedPages = int(job.PrintDocument().count(QStringLiteral("\\sect\\sectd"))) + 1;

    QString log;
    const QString pdf = tools.ConvertToPdf(rtf, &log);
    QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("LibreOffice did not convert it:\n") + log));

    // BREVANE_KEEP_PROOF names a folder that gets the PDF and the client, to
    // look at the printed pages and to open the client in the program.
    if (const QString keep = qEnvironmentVariable("BREVANE_KEEP_PROOF"); !keep.isEmpty()) {
        QDir().mkpath(keep);
        QFile::remove(keep + QStringLiteral("/proof.pdf"));
        QVERIFY(QFile::copy(pdf, keep + QStringLiteral("/proof.pdf")));
        QVERIFY(SaveClientFile(keep + QStringLiteral("/filled.cl1"), *store, directory, &error));
    }

    const QString info = tools.Info(pdf);
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY2(pages.hasMatch(), qPrintable(info));
    QVERIFY2(pages.captured(1).toInt() >= printedPages,
             qPrintable(QStringLiteral("%1 PDF pages for %2 printed pages").arg(pages.captured(1)).arg(printedPages)));

    const QString printed = tools.Text(pdf, {QStringLiteral("-layout")});
    QVERIFY(!printed.isEmpty());
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
