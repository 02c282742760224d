// The converter process that keeps LibreOffice loaded, with a stand-in for
// it (FakeConverter.h): it is started once for many conversions, started
// again after it was killed in the middle of one, stopped with everything
// it started at the time limit, and stopped with its owner.
#include "FakeConverter.h"
#include "core/output/PdfExport.h"
#include "core/output/WarmConverter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>

using namespace brevane;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool processAlive(qint64 pid)
{
    // A process killed but not yet reaped by its new parent counts as ended.
    const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.isEmpty() && stat.contains(") Z"))
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

class tst_warmconverter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void oneProcessForManyConversions();
    void killedDuringAConversionStartsAgain();
    void hungConverterStoppedAtTheTimeLimit();
    void failureSaysWhatLibreOfficeSaid();
    void withoutLibreOffice_data();
    void withoutLibreOffice();
    void stoppedWithItsOwner();
    void settingsFromTheEnvironment();

private:
    ConverterSettings settings(int timeLimitMs = 60000) const;
    QString out(const QString &name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
    QString helper_;
    QString log_;
    QString document_;
};

void tst_warmconverter::initTestCase()
{
    helper_ = brevane::test::WriteFakeHelper(dir_.path());
    QVERIFY(!helper_.isEmpty());
    document_ = out(QStringLiteral("job.rtf"));
    QFile doc(document_);
    QVERIFY(doc.open(QIODevice::WriteOnly));
    doc.write("{\\rtf1 Body\\par}");
}

void tst_warmconverter::init()
{
    static int run = 0;
    log_ = out(QStringLiteral("log%1").arg(++run));
    qputenv("FAKE_LOG", QFile::encodeName(log_));
    qputenv("FAKE_MODE", "write");
}

ConverterSettings tst_warmconverter::settings(int timeLimitMs) const
{
    ConverterSettings s;
    s.helper = helper_;
    s.office = QStringLiteral("/bin/sh"); // stands for soffice: a program that exists
    s.profileFolder = dir_.filePath(QStringLiteral("profile"));
    s.timeLimitMs = timeLimitMs;
    return s;
}

void tst_warmconverter::oneProcessForManyConversions()
{
    WarmConverter converter(settings());
    QVERIFY(converter.Available());
    for (int i = 0; i < 3; ++i) {
        const QString pdf = out(QStringLiteral("many%1.pdf").arg(i));
        const ConversionResult result = converter.ConvertAndWait(QStringLiteral("pdf"), document_, pdf);
        QCOMPARE(int(result.end), int(ConversionEnd::Converted));
        QVERIFY(IsWholePdf(readAll(pdf)));
    }
    QCOMPARE(converter.Starts(), 1);
    QCOMPARE(readAll(log_ + QStringLiteral(".starts")).count('\n'), 1);
}

// Killed in the middle of a conversion (LibreOffice crashed): that one
// fails, saying so, and the next one starts a new process and works.
void tst_warmconverter::killedDuringAConversionStartsAgain()
{
    WarmConverter converter(settings());
    QFile hold(log_ + QStringLiteral(".hold"));
    QVERIFY(hold.open(QIODevice::WriteOnly));
    hold.close();
    QList<ConversionResult> ended;
    connect(&converter, &WarmConverter::Finished, this, [&ended](quint64, const ConversionResult &r) { ended << r; });
    converter.Convert(QStringLiteral("pdf"), document_, out(QStringLiteral("killed.pdf")));
    QTRY_VERIFY(QFileInfo::exists(log_ + QStringLiteral(".busy")));
    const qint64 pid = converter.HelperProcessId();
    QVERIFY(pid > 0);
    ::kill(pid_t(pid), SIGKILL);
    QTRY_COMPARE(ended.size(), 1);
    QCOMPARE(int(ended[0].end), int(ConversionEnd::Failed));
    QVERIFY2(ended[0].why.contains(QStringLiteral("ended unexpectedly")), qPrintable(ended[0].why));
    QVERIFY(!QFileInfo::exists(out(QStringLiteral("killed.pdf"))));

    QVERIFY(QFile::remove(log_ + QStringLiteral(".hold")));
    const ConversionResult next =
        converter.ConvertAndWait(QStringLiteral("pdf"), document_, out(QStringLiteral("after.pdf")));
    QCOMPARE(int(next.end), int(ConversionEnd::Converted));
    QVERIFY(IsWholePdf(readAll(out(QStringLiteral("after.pdf")))));
    QCOMPARE(converter.Starts(), 2);
}

// A converter that does not answer is stopped at the time limit with every
// process it started; the conversion after it gets a new one.
void tst_warmconverter::hungConverterStoppedAtTheTimeLimit()
{
    qputenv("FAKE_MODE", "hang");
    WarmConverter converter(settings(1000));
    const ConversionResult result =
        converter.ConvertAndWait(QStringLiteral("pdf"), document_, out(QStringLiteral("hung.pdf")));
    QCOMPARE(int(result.end), int(ConversionEnd::TimedOut));
    QCOMPARE(converter.HelperProcessId(), 0);
    const qint64 child = readAll(log_ + QStringLiteral(".child")).trimmed().toLongLong();
    QVERIFY(child > 0);
    QTRY_VERIFY2(!processAlive(child), "what the converter started still runs");
    const qint64 helper = readAll(log_ + QStringLiteral(".starts")).trimmed().toLongLong();
    QTRY_VERIFY2(!processAlive(helper), "the converter still runs");

    qputenv("FAKE_MODE", "write");
    QCOMPARE(int(converter.ConvertAndWait(QStringLiteral("pdf"), document_, out(QStringLiteral("unhung.pdf"))).end),
             int(ConversionEnd::Converted));
}

void tst_warmconverter::failureSaysWhatLibreOfficeSaid()
{
    qputenv("FAKE_MODE", "fail");
    WarmConverter converter(settings());
    const ConversionResult result =
        converter.ConvertAndWait(QStringLiteral("pdf"), document_, out(QStringLiteral("failed.pdf")));
    QCOMPARE(int(result.end), int(ConversionEnd::Failed));
    QCOMPARE(result.why, QStringLiteral("LibreOffice could not read the document: source file could not be loaded"));
    // The process stays for the next one.
    QVERIFY(converter.HelperProcessId() > 0);
}

void tst_warmconverter::withoutLibreOffice_data()
{
    QTest::addColumn<QString>("helper");
    QTest::addColumn<QString>("office");
    QTest::addColumn<QString>("why");
    QTest::newRow("no LibreOffice") << QString() << QStringLiteral("/nonexistent/soffice")
                                    << QStringLiteral("LibreOffice is not installed");
    QTest::newRow("no converter process")
        << QStringLiteral("/nonexistent/brevane-converter") << QStringLiteral("/bin/sh")
        << QStringLiteral("the converter process is not installed");
}

void tst_warmconverter::withoutLibreOffice()
{
    QFETCH(QString, helper);
    QFETCH(QString, office);
    QFETCH(QString, why);
    ConverterSettings s = settings();
    if (!helper.isEmpty())
        s.helper = helper;
    s.office = office;
    WarmConverter converter(s);
    QVERIFY(!converter.Available());
    const ConversionResult result =
        converter.ConvertAndWait(QStringLiteral("pdf"), document_, out(QStringLiteral("none.pdf")));
    QCOMPARE(int(result.end), int(ConversionEnd::Failed));
    QCOMPARE(result.why, why);
    QCOMPARE(converter.Starts(), 0);
}

void tst_warmconverter::stoppedWithItsOwner()
{
    qint64 pid = 0;
    {
        WarmConverter converter(settings());
        QCOMPARE(int(converter.ConvertAndWait(QStringLiteral("pdf"), document_, out(QStringLiteral("owner.pdf"))).end),
                 int(ConversionEnd::Converted));
        pid = converter.HelperProcessId();
        QVERIFY(pid > 0);
    }
    QTRY_VERIFY2(!processAlive(pid), "the converter outlived its owner");
}

// A stand-in for soffice alone keeps the conversion of old (a LibreOffice
// started for the document); with a stand-in converter process it goes
// through that.
void tst_warmconverter::settingsFromTheEnvironment()
{
    qputenv("BREVANE_PDF_CONVERTER", "/bin/sh");
    qunsetenv("BREVANE_CONVERTER_HELPER");
    QCOMPARE(PdfSettingsFromEnvironment().helper, QString());
    qputenv("BREVANE_CONVERTER_HELPER", QFile::encodeName(helper_));
    QCOMPARE(PdfSettingsFromEnvironment().helper, helper_);
    const ConverterSettings converter = ConverterSettingsOf(PdfSettingsFromEnvironment());
    QCOMPARE(converter.helper, helper_);
    QCOMPARE(converter.office, QStringLiteral("/bin/sh"));
    qunsetenv("BREVANE_PDF_CONVERTER");
    qunsetenv("BREVANE_CONVERTER_HELPER");
}

QTEST_GUILESS_MAIN(tst_warmconverter)
#include "tst_warmconverter.moc"
