// The PDF conversion: the title the print document carries into the PDF,
// the file name a PDF is offered under, and the conversion itself with a
// stand-in converter: Cancel stops it and what it started, and a second
// conversion at the same time does not share the first one's profile.
#include "FakeConverter.h"
#include "TestSupport.h"
#include "core/output/PdfExport.h"
#include "core/output/RtfText.h"

#include <QDate>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>

using namespace brevane;
using brevane::test::MessageRecorder;

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

const QString Document = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}\\v\\'b7\\v0 Body\\par}");

} // namespace

class tst_pdfexport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void timeLimitFromEnvironment_data();
    void timeLimitFromEnvironment();
    void title_data();
    void title();
    void pdfTitle();
    void offeredFileName_data();
    void offeredFileName();
    void cancelStopsTheConverterAndWhatItStarted();
    void secondConversionTakesAProfileOfItsOwn();

private:
    PdfSettings settings(const QString &profile) const;
    QTemporaryDir dir_;
    QString converter_;
};

void tst_pdfexport::initTestCase()
{
    converter_ = brevane::test::WriteFakeConverter(dir_.path());
    QVERIFY(!converter_.isEmpty());
}

PdfSettings tst_pdfexport::settings(const QString &profile) const
{
    PdfSettings s;
    s.converter = converter_;
    s.profileFolder = profile;
    s.timeLimitMs = 60000;
    return s;
}

// The information group goes after the header's tables, where a word
// processor reads it; the title is escaped like any answer.
void tst_pdfexport::title_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("titled");
    const QString info = QStringLiteral("{\\info{\\title Acme}}\r\n");
    QTest::newRow("generated header")
        << "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\r\n{\\fonttbl{\\f0\\froman Times New Roman;}}\r\n"
           "{\\colortbl;\\red192\\green0\\blue0;}\r\n\\paperw12240\\margl720\\v\\'b7\\v0 Text}"
        << "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\r\n{\\fonttbl{\\f0\\froman Times New Roman;}}\r\n"
           "{\\colortbl;\\red192\\green0\\blue0;}" +
               info + "\r\n\\paperw12240\\margl720\\v\\'b7\\v0 Text}";
    QTest::newRow("tables with braces escaped inside")
        << "{\\rtf1{\\fonttbl{\\f0 A\\{b;}}{\\stylesheet{\\s0 Normal;}}Text}"
        << "{\\rtf1{\\fonttbl{\\f0 A\\{b;}}{\\stylesheet{\\s0 Normal;}}" + info + "Text}";
    QTest::newRow("no tables") << "{\\rtf1\\ansi Text {\\b bold}}"
                               << "{\\rtf1\\ansi " + info + "Text {\\b bold}}";
    QTest::newRow("already titled") << "{\\rtf1{\\info{\\title Old}}Text}"
                                    << "{\\rtf1{\\info{\\title Old}}Text}";
    QTest::newRow("table never closes") << "{\\rtf1{\\fonttbl{\\f0 Times;}"
                                        << "{\\rtf1{\\fonttbl{\\f0 Times;}";
    QTest::newRow("not RTF") << "plain text"
                             << "plain text";
}

void tst_pdfexport::title()
{
    QFETCH(QString, document);
    QFETCH(QString, titled);
    QCOMPARE(WithDocumentTitle(document, QStringLiteral("Acme")), titled);
}

void tst_pdfexport::pdfTitle()
{
    QCOMPARE(WithDocumentTitle(Document, PdfTitle(QStringLiteral("Jos\u00e9 {Tools}, Inc."), {"Bond", "Cover Sheet"})),
             QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}{\\info{\\title Jos\\'E9 \\{Tools\\}, Inc. - Bond, "
                            "Cover Sheet}}\r\n\\v\\'b7\\v0 Body\\par}"));
    QCOMPARE(PdfTitle(QStringLiteral("  "), {"Bond"}), QStringLiteral("Bond"));
    QCOMPARE(PdfTitle(QStringLiteral("Acme"), {}), QStringLiteral("Acme"));
}

void tst_pdfexport::offeredFileName_data()
{
    QTest::addColumn<QString>("client");
    QTest::addColumn<QString>("name");
    QTest::newRow("entity") << "Ridgeway Tool Holdings, Inc."
                            << "Ridgeway Tool Holdings, Inc. 2024-03-05.pdf";
    QTest::newRow("slash and colon") << "A/B: C"
                                     << "A-B- C 2024-03-05.pdf";
    QTest::newRow("line break") << "Two\nLines"
                                << "Two Lines 2024-03-05.pdf";
    QTest::newRow("dots alone") << ".."
                                << "Brevane 2024-03-05.pdf";
    QTest::newRow("empty") << ""
                           << "Brevane 2024-03-05.pdf";
}

void tst_pdfexport::offeredFileName()
{
    QFETCH(QString, client);
    QFETCH(QString, name);
    QCOMPARE(DefaultPdfFileName(client, QDate(2024, 3, 5)), name);
}

void tst_pdfexport::cancelStopsTheConverterAndWhatItStarted()
{
    MessageRecorder recorder;
    const QString log = dir_.filePath(QStringLiteral("cancel.log"));
    qputenv("FAKE_MODE", "hang");
    qputenv("FAKE_LOG", log.toLocal8Bit());
    PdfExport pdf(settings(dir_.filePath(QStringLiteral("profile"))));
    QList<PdfResult> finished;
    connect(&pdf, &PdfExport::Finished, this, [&finished](PdfResult r) { finished << r; });
    const QString out = dir_.filePath(QStringLiteral("cancelled.pdf"));
    QVERIFY(pdf.Start(Document, out));
    QVERIFY(pdf.IsRunning());
    QTRY_VERIFY(QFileInfo::exists(log + QStringLiteral(".child")));
    QTRY_VERIFY(!readText(log + QStringLiteral(".child")).trimmed().isEmpty());
    const pid_t child = pid_t(readText(log + QStringLiteral(".child")).trimmed().toLongLong());
    pdf.Cancel();
    QCOMPARE(finished, QList<PdfResult>{PdfResult::Cancelled});
    QVERIFY(!pdf.IsRunning());
    QVERIFY(!QFileInfo::exists(out));
    QCOMPARE(recorder.numbers(), QList<int>{});
    QTRY_VERIFY2(::kill(child, 0) != 0 && errno == ESRCH, "the converter's own child still runs");
}

// LibreOffice hands a second start on a profile in use to the first: the
// second conversion would end at once without its PDF.
void tst_pdfexport::secondConversionTakesAProfileOfItsOwn()
{
    const QString profile = dir_.filePath(QStringLiteral("shared-profile"));
    const QString firstLog = dir_.filePath(QStringLiteral("first.log"));
    const QString secondLog = dir_.filePath(QStringLiteral("second.log"));
    qputenv("FAKE_MODE", "hang");
    qputenv("FAKE_LOG", firstLog.toLocal8Bit());
    PdfExport first(settings(profile));
    QVERIFY(first.Start(Document, dir_.filePath(QStringLiteral("first.pdf"))));
    QTRY_VERIFY(readText(firstLog).contains(QStringLiteral("--outdir")));

    qputenv("FAKE_MODE", "write");
    qputenv("FAKE_LOG", secondLog.toLocal8Bit());
    PdfExport second(settings(profile));
    const QString out = dir_.filePath(QStringLiteral("second.pdf"));
    QCOMPARE(second.Convert(Document, out), PdfResult::Written);
    QVERIFY(readText(out).startsWith(QStringLiteral("%PDF")));

    const QString shared = QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString();
    QVERIFY(readText(firstLog).split(QLatin1Char('\n')).contains(shared));
    const QStringList secondArgs = readText(secondLog).split(QLatin1Char('\n'));
    QVERIFY2(!secondArgs.contains(shared), qPrintable(secondArgs.join(QLatin1Char(' '))));
    QVERIFY(secondArgs.at(2).startsWith(QStringLiteral("-env:UserInstallation=file://")));
    first.Cancel();

    // Once the first is done, the next conversion uses the profile again.
    PdfExport third(settings(profile));
    QCOMPARE(third.Convert(Document, out), PdfResult::Written);
    QVERIFY(readText(secondLog).split(QLatin1Char('\n')).contains(shared));
}

void tst_pdfexport::timeLimitFromEnvironment_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("milliseconds");
    const int standard = DefaultPdfTimeLimitSeconds * 1000;
    const int most = MaxPdfTimeLimitSeconds * 1000;
    QTest::newRow("unset") << QByteArray() << standard;
    QTest::newRow("two seconds") << QByteArray("2") << 2000;
    QTest::newRow("zero") << QByteArray("0") << standard;
    QTest::newRow("negative") << QByteArray("-5") << standard;
    QTest::newRow("words") << QByteArray("soon") << standard;
    QTest::newRow("past int seconds in ms") << QByteArray("2147484") << most;
    QTest::newRow("past int") << QByteArray("4294967296") << most;
    QTest::newRow("past long long") << QByteArray("99999999999999999999999") << standard;
    QTest::newRow("a day") << QByteArray("86400") << most;
}

void tst_pdfexport::timeLimitFromEnvironment()
{
    QFETCH(QByteArray, value);
    QFETCH(int, milliseconds);
    const QByteArray before = qgetenv("BREVANE_PDF_TIME_LIMIT");
    const bool wasSet = qEnvironmentVariableIsSet("BREVANE_PDF_TIME_LIMIT");
    const auto restore = qScopeGuard([&] {
        if (wasSet)
            qputenv("BREVANE_PDF_TIME_LIMIT", before);
        else
            qunsetenv("BREVANE_PDF_TIME_LIMIT");
    });
    if (value.isNull())
        qunsetenv("BREVANE_PDF_TIME_LIMIT");
    else
        qputenv("BREVANE_PDF_TIME_LIMIT", value);
    QCOMPARE(PdfSettingsFromEnvironment().timeLimitMs, milliseconds);
}

QTEST_GUILESS_MAIN(tst_pdfexport)
#include "tst_pdfexport.moc"
