// "Save as PDF..." in the print selection dialog, with a stand-in converter:
// the offered name, the progress window while the window keeps working,
// Cancel, the PDF opened in the desktop's viewer (or not, as the option
// says), and no converter at all.
#include "FakeConverter.h"
#include "OutputFixture.h"
#include "core/output/PdfExport.h"
#include "core/output/WarmConverter.h"
#include "core/store/Answers.h"
#include "gui/output/OutputCommands.h"
#include "gui/output/TfrmSelectedForms.h"

#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QUrl>

using namespace brevane;
using namespace brevane::test;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_savepdf : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void savesOpensAndKeepsTheOption();
    void cancelWritesNothing();
    void withoutLibreOfficeTheUserIsTold();
    void savedFileIsNamedWithItsFolder();
    void withoutPdfViewerTheUserIsTold();
    void wordDocumentThroughTheConverterProcess();

private:
    // A main window on page 0 with the entity's name, and print templates.
    std::unique_ptr<TfrmMain> start(GuiFixture &fx);
    // Preview and Print, then "Save as PDF..." with the option as given.
    void saveAsPdf(TfrmMain &w, bool open);

    QTemporaryDir dir_;
    QString converter_;
};

void tst_savepdf::initTestCase()
{
    UseUnitedStatesLocale();
    converter_ = WriteFakeConverter(dir_.path());
    QVERIFY(!converter_.isEmpty());
    qputenv("BREVANE_PDF_CONVERTER", converter_.toLocal8Bit());
    qputenv("FAKE_LOG", dir_.filePath(QStringLiteral("converter.log")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", dir_.filePath(QStringLiteral("cache")).toLocal8Bit());
}

void tst_savepdf::init()
{
    qputenv("FAKE_MODE", "write");
}

std::unique_ptr<TfrmMain> tst_savepdf::start(GuiFixture &fx)
{
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    WritePrintPage(fx, 0, QStringLiteral("<Entity: /*0/>"));
    WritePrintPage(fx, 88, QStringLiteral("<Row: /*1/>"));
    auto w = fx.Start();
    TypeOver(Control<QLineEdit>(*w, "edtName"), QStringLiteral("Acme Tools, Inc."));
    return w;
}

void tst_savepdf::saveAsPdf(TfrmMain &w, bool open)
{
    WhenShown([open](QWidget *dialog) {
        auto *selection = qobject_cast<TfrmSelectedForms *>(dialog);
        QVERIFY(selection);
        QVERIFY(selection->cbxOpenPdf->isChecked()); // on until the user turns it off
        selection->cbxOpenPdf->setChecked(open);
        Press(dialog, "btnSaveAsPdf");
    });
    w.Output().PrintSelectedForms(TSender::Button());
}

void tst_savepdf::savesOpensAndKeepsTheOption()
{
    GuiFixture fx;
    auto w = start(fx);
    TestDialogs dialogs;
    const QString path = fx.Path(QStringLiteral("papers")); // the ".pdf" is added
    dialogs.fileAnswers << path;
    MessageRecorder recorder;
    saveAsPdf(*w, true);

    // Offered: the client's name and the date, in the client file folder.
    QCOMPARE(dialogs.folders, QStringList{fx.ClientFolder() + QStringLiteral("/Acme Tools, Inc. ") +
                                          QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".pdf")});
    // The command returns while LibreOffice works; the progress shows.
    QProgressDialog *progress = w->Output().PdfProgress();
    QVERIFY(progress && progress->isVisible());
    QVERIFY(w->Output().PdfInProgress());
    QTRY_VERIFY(!w->Output().PdfInProgress());
    QVERIFY(!w->Output().PdfProgress());
    QCOMPARE(recorder.numbers(), QList<int>{});

    const QByteArray pdf = readAll(path + QStringLiteral(".pdf"));
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY2(pdf.contains("{\\info{\\title Acme Tools, Inc. - General Information & Directory Worksheets}}"),
             pdf.constData());
    QVERIFY(pdf.contains("<Entity: Acme Tools, Inc.>"));
    QCOMPARE(dialogs.openedUrls, QList<QUrl>{QUrl::fromLocalFile(path + QStringLiteral(".pdf"))});
    QVERIFY(w->settings.openSavedPdf);

    // Turned off, the PDF is written and not opened, and the setting keeps it.
    const QString second = fx.Path(QStringLiteral("second.pdf"));
    dialogs.fileAnswers << second;
    saveAsPdf(*w, false);
    QTRY_VERIFY(!w->Output().PdfInProgress());
    QVERIFY(readAll(second).startsWith("%PDF"));
    QCOMPARE(dialogs.openedUrls.size(), 1);
    QVERIFY(!w->settings.openSavedPdf);
}

void tst_savepdf::cancelWritesNothing()
{
    qputenv("FAKE_MODE", "hang");
    GuiFixture fx;
    auto w = start(fx);
    TestDialogs dialogs;
    const QString path = fx.Path(QStringLiteral("cancelled.pdf"));
    dialogs.fileAnswers << path;
    MessageRecorder recorder;
    saveAsPdf(*w, true);
    QProgressDialog *progress = w->Output().PdfProgress();
    QVERIFY(progress);
    // The window keeps painting and answering while LibreOffice works.
    QTest::qWait(200);
    QVERIFY(w->Output().PdfInProgress());
    auto *cancel = progress->findChild<QPushButton *>();
    QVERIFY(cancel && cancel->isVisible());
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    cancel->click();
    QTRY_VERIFY(!w->Output().PdfInProgress());
    QVERIFY(!w->Output().PdfProgress());
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(recorder.numbers(), QList<int>{});
    QVERIFY(dialogs.openedUrls.isEmpty());
}

void tst_savepdf::withoutLibreOfficeTheUserIsTold()
{
    qputenv("BREVANE_PDF_CONVERTER", QByteArray("/nonexistent/soffice"));
    GuiFixture fx;
    auto w = start(fx);
    TestDialogs dialogs;
    dialogs.fileAnswers << fx.Path(QStringLiteral("none.pdf"));
    MessageRecorder recorder;
    saveAsPdf(*w, true);
    qputenv("BREVANE_PDF_CONVERTER", converter_.toLocal8Bit());
    QCOMPARE(recorder.numbers(), QList<int>{11560});
    QVERIFY(recorder.messages().first().text.contains(QStringLiteral("libreoffice-writer")));
    QVERIFY(!w->Output().PdfProgress());
    QVERIFY2(!dialogs.asked.contains(QStringLiteral("Save as PDF")), "a name was asked for first");
    QVERIFY(!QFileInfo::exists(fx.Path(QStringLiteral("none.pdf"))));
}

// "Save as Word document..." goes through the program's converter process,
// the one the paper view keeps loaded: one process for both, the document
// under the client's name with ".docx", and nothing opened in a PDF viewer.
void tst_savepdf::wordDocumentThroughTheConverterProcess()
{
    const QString helper = WriteFakeHelper(dir_.path());
    QVERIFY(!helper.isEmpty());
    qputenv("BREVANE_CONVERTER_HELPER", helper.toLocal8Bit());
    qputenv("BREVANE_PDF_CONVERTER", "/bin/sh"); // stands for soffice
    const auto restore = qScopeGuard([this] {
        qunsetenv("BREVANE_CONVERTER_HELPER");
        qputenv("BREVANE_PDF_CONVERTER", converter_.toLocal8Bit());
    });
    GuiFixture fx;
    auto w = start(fx);
    TestDialogs dialogs;
    const QString path = fx.Path(QStringLiteral("papers")); // the ".docx" is added
    dialogs.fileAnswers << path;
    MessageRecorder recorder;
    WhenShown([](QWidget *dialog) { Press(dialog, "btnSaveAsWord"); });
    w->Output().PrintSelectedForms(TSender::Button());
    QTRY_VERIFY(!w->Output().PdfInProgress());
    QCOMPARE(recorder.numbers(), QList<int>{});
    QCOMPARE(dialogs.folders, QStringList{fx.ClientFolder() + QStringLiteral("/Acme Tools, Inc. ") +
                                          QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".docx")});
    const QByteArray word = readAll(path + QStringLiteral(".docx"));
    QVERIFY(IsWholeWordDocument(word));
    QVERIFY(word.contains("<Entity: Acme Tools, Inc.>"));
    QVERIFY(dialogs.openedUrls.isEmpty());
    QVERIFY(w->StatusText().startsWith(QStringLiteral("Saved as Word document: ")));
    QVERIFY(w->Converter());
    QCOMPARE(w->Converter()->Starts(), 1);
}

QTEST_MAIN(tst_savepdf)
#include "tst_savepdf.moc"

// After the PDF is written the status line names it, and its button opens
// the folder the file is in.
void tst_savepdf::savedFileIsNamedWithItsFolder()
{
    GuiFixture fx;
    auto w = start(fx);
    TestDialogs dialogs;
    const QString path = fx.Path(QStringLiteral("named.pdf"));
    dialogs.fileAnswers << path;
    saveAsPdf(*w, false);
    QTRY_VERIFY(!w->Output().PdfInProgress());
    QCOMPARE(w->StatusText(), QStringLiteral("Saved as PDF: ") + QDir::toNativeSeparators(path));
    auto *openFolder = w->findChild<QPushButton *>(QStringLiteral("StatusAction"));
    QVERIFY(openFolder && openFolder->isVisible());
    QCOMPARE(openFolder->text(), QStringLiteral("Open Folder"));
    openFolder->click();
    QCOMPARE(dialogs.openedUrls, QList<QUrl>{QUrl::fromLocalFile(fx.dir.path())});

    // The next line of the status bar takes the button away.
    w->ShowStatus(QStringLiteral("something else"));
    QVERIFY(!openFolder->isVisible());
}

// A desktop without a PDF viewer (or without a file manager) is named in a
// message with the file, never left to a line on standard error.
void tst_savepdf::withoutPdfViewerTheUserIsTold()
{
    GuiFixture fx;
    auto w = start(fx);
    TestDialogs dialogs;
    dialogs.openUrlFailsLater = true;
    const QString path = fx.Path(QStringLiteral("unviewed.pdf"));
    dialogs.fileAnswers << path;
    MessageRecorder recorder;
    saveAsPdf(*w, true);
    QTRY_VERIFY(!w->Output().PdfInProgress());
    QCOMPARE(recorder.numbers(), QList<int>{11220});
    QCOMPARE(recorder.messages().first().detail, QDir::toNativeSeparators(path));
    recorder.clear();
    w->findChild<QPushButton *>(QStringLiteral("StatusAction"))->click();
    QCOMPARE(recorder.numbers(), QList<int>{11230});
    QCOMPARE(recorder.messages().first().detail, QDir::toNativeSeparators(fx.dir.path()));
}
