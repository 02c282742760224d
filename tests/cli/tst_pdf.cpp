// brevane-cli pdf run as a user runs it: the print document of the boxes
// handed to the converter (a stand-in script, then the real LibreOffice),
// its arguments, its time limit, its failures on standard error, and the
// PDF of a filled client read back with poppler's tools.
#include "FakeConverter.h"
#include "FilledClient.h"
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/output/PdfExport.h"
#include "core/output/PrintSelection.h"
#include "core/output/WarmConverter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>

using namespace brevane;
using brevane::test::EntityName;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool processAlive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Every box "Select All" checks.
QStringList selectAll()
{
    const CheckedBoxes all = SelectAllBoxes({});
    QStringList boxes;
    for (const SelectionBox &box : SelectionBoxes())
        if (all.contains(box.name))
            boxes << box.name;
    return boxes;
}

} // namespace

class tst_pdf : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void converterGetsItsArguments();
    void failuresKeepTheOldFile_data();
    void failuresKeepTheOldFile();
    void timeLimitStopsTheConverterAndWhatItStarted();
    void interruptionLeavesNothingBehind_data();
    void interruptionLeavesNothingBehind();
    void missingLibreOfficeNamesThePackage_data();
    void missingLibreOfficeNamesThePackage();
    void usage();
    void batchWritesEachClientAndNamesThoseThatFailed();
    void filledClientWithLibreOffice();
    void wordDocumentHoldsThePdfsText();

private:
    struct Result
    {
        int exitCode;
        QString errors;
    };
    Result run(const QStringList &args, const QMap<QString, QString> &env = {}, int timeoutMs = 60000);
    // The environment of a run with the stand-in converter in `mode`.
    QMap<QString, QString> fake(const QString &mode) const;

    QString program_;
    QString converter_;
    QString client_;
    QTemporaryDir dir_;
};

void tst_pdf::initTestCase()
{
    brevane::test::UseUnitedStatesLocale();
    program_ = qEnvironmentVariable("BREVANE_BINARY_DIR") + QStringLiteral("/src/cli/brevane-cli");
    QVERIFY2(QFileInfo::exists(program_), qPrintable(program_));
    converter_ = brevane::test::WriteFakeConverter(dir_.path());
    QVERIFY(!converter_.isEmpty());
    TAnswer store;
    DirectoryTable directory;
    brevane::test::FillClient(store, directory);
    client_ = dir_.filePath(QStringLiteral("filled.cl1"));
    QString error;
    QVERIFY2(SaveClientFile(client_, store, directory, &error), qPrintable(error));
}

tst_pdf::Result tst_pdf::run(const QStringList &args, const QMap<QString, QString> &env, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("BREVANE_PDF_CONVERTER"));
    environment.remove(QStringLiteral("BREVANE_PDF_TIME_LIMIT"));
    // The profile folder goes below the cache folder: keep it in the test's.
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), dir_.filePath(QStringLiteral("cache")));
    for (auto it = env.cbegin(); it != env.cend(); ++it)
        environment.insert(it.key(), it.value());
    process.setProcessEnvironment(environment);
    process.start(program_, args);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("timed out")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QMap<QString, QString> tst_pdf::fake(const QString &mode) const
{
    return {{QStringLiteral("BREVANE_PDF_CONVERTER"), converter_},
            {QStringLiteral("FAKE_MODE"), mode},
            {QStringLiteral("FAKE_LOG"), dir_.filePath(QStringLiteral("converter.log"))}};
}

// LibreOffice gets an argument list (no shell), Brevane's own profile, an
// output folder of the run's own and the print document titled with the
// entity's name and the forms in print order; the working folder is gone
// afterwards.
void tst_pdf::converterGetsItsArguments()
{
    const QString out = dir_.filePath(QStringLiteral("cover sheet; $(rm -rf x).pdf"));
    const Result result =
        run({QStringLiteral("pdf"), client_, out, QStringLiteral("cbxCoverSheet"), QStringLiteral("cbxPOC_Page1")},
            fake(QStringLiteral("write")));
    QCOMPARE(result.errors, QString());
    QCOMPARE(result.exitCode, 0);

    const QStringList args =
        QString::fromLocal8Bit(readAll(dir_.filePath(QStringLiteral("converter.log")))).split(QLatin1Char('\n'));
    QCOMPARE(args.size(), 9); // eight arguments and the last line end
    const QString profile = dir_.filePath(QStringLiteral("cache/brevane/libreoffice-profile"));
    QCOMPARE(args.mid(0, 6), QStringList({"--headless", "--norestore",
                                          "-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(),
                                          "--convert-to", "pdf", "--outdir"}));
    const QString outFolder = args.at(6);
    QCOMPARE(args.at(7), QFileInfo(outFolder).path() + QStringLiteral("/brevane.rtf"));
    QVERIFY2(outFolder.contains(QStringLiteral("brevane-pdf-")), qPrintable(outFolder));
    QVERIFY2(!QFileInfo::exists(outFolder), "the working folder stays behind");
    QVERIFY(QFileInfo(profile).isDir());

    const QByteArray pdf = readAll(out);
    QVERIFY(pdf.startsWith("%PDF-1.4\n{\\rtf1"));
    const QByteArray title =
        "{\\info{\\title " + EntityName.toLatin1() + " - Proceedings Of Incorporators, Page 1, Cover Sheet}}";
    QVERIFY2(pdf.contains(title), pdf.left(600).constData());
    QCOMPARE(pdf.count("{\\info"), 1);
}

// A converter that makes no PDF, says why, ends badly or leaves something
// else: the message names the PDF and what LibreOffice said, the exit status
// is 1, and the PDF the user had is still there.
void tst_pdf::failuresKeepTheOldFile_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("message");
    const QString here = QStringLiteral("old.pdf");
    QTest::newRow("cannot load") << "said" << here
                                 << "error 11580: 1158-LibreOffice could not make the PDF, so none was written: %1 "
                                    "(no PDF made: Error: source file could not be loaded)";
    QTest::newRow("exit status") << "status" << here
                                 << "error 11580: 1158-LibreOffice could not make the PDF, so none was written: %1 "
                                    "(LibreOffice ended with status 3: the office stopped)";
    QTest::newRow("cut short") << "short" << here
                               << "error 11580: 1158-LibreOffice could not make the PDF, so none was written: %1 "
                                  "(the PDF it made is not whole)";
    QTest::newRow("not a PDF") << "notpdf" << here
                               << "error 11580: 1158-LibreOffice could not make the PDF, so none was written: %1 "
                                  "(no PDF made)";
    QTest::newRow("folder missing") << "write" << QStringLiteral("missing/old.pdf")
                                    << "error 11590: 1159-The PDF could not be written: %1 (";
}

void tst_pdf::failuresKeepTheOldFile()
{
    QFETCH(QString, mode);
    QFETCH(QString, out);
    QFETCH(QString, message);
    const QString path = dir_.filePath(out);
    QFile::remove(path);
    QFile old(path);
    if (QDir(QFileInfo(path).path()).exists()) {
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("%PDF-1.4 the user's earlier PDF");
        old.close();
    }
    const Result result = run({QStringLiteral("pdf"), client_, path, QStringLiteral("cbxCoverSheet")}, fake(mode));
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.startsWith(message.arg(path)), qPrintable(result.errors));
    if (old.exists())
        QCOMPARE(readAll(path), QByteArray("%PDF-1.4 the user's earlier PDF"));
    else
        QVERIFY(!QFileInfo::exists(path));
}

// A converter that does not finish is stopped at the time limit with every
// process it started, and the user is told.
void tst_pdf::timeLimitStopsTheConverterAndWhatItStarted()
{
    const QString out = dir_.filePath(QStringLiteral("slow.pdf"));
    QMap<QString, QString> env = fake(QStringLiteral("hang"));
    env.insert(QStringLiteral("BREVANE_PDF_TIME_LIMIT"), QStringLiteral("2"));
    const Result result = run({QStringLiteral("pdf"), client_, out, QStringLiteral("cbxCoverSheet")}, env);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.errors.trimmed(),
             QStringLiteral("error 11570: 1157-LibreOffice took longer than allowed to make the PDF and was stopped. "
                            "No PDF was written: ") +
                 out);
    QVERIFY(!QFileInfo::exists(out));
    const qint64 child = readAll(dir_.filePath(QStringLiteral("converter.log.child"))).trimmed().toLongLong();
    QVERIFY(child > 0);
    QTRY_VERIFY2(!processAlive(child), "the converter's own child still runs");
}

void tst_pdf::interruptionLeavesNothingBehind_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("earlierPdf");
    QTest::newRow("Ctrl-C") << int(SIGINT) << true;
    QTest::newRow("hang-up") << int(SIGHUP) << false;
    QTest::newRow("TERM") << int(SIGTERM) << true;
}

// brevane-cli pdf interrupted while the converter works: the converter and
// what it started are stopped, the temporary print document and the lock are
// removed, the PDF the user had is untouched (or none appears), and the
// command ends by the signal.
void tst_pdf::interruptionLeavesNothingBehind()
{
    QFETCH(int, signal);
    QFETCH(bool, earlierPdf);
    QTemporaryDir here;
    const QString tmp = here.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(tmp));
    const QString out = here.filePath(QStringLiteral("papers.pdf"));
    if (earlierPdf) {
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("%PDF-1.4 the user's earlier PDF");
    }
    const QString log = here.filePath(QStringLiteral("converter.log"));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BREVANE_PDF_CONVERTER"), converter_);
    environment.insert(QStringLiteral("FAKE_MODE"), QStringLiteral("hang"));
    environment.insert(QStringLiteral("FAKE_LOG"), log);
    environment.insert(QStringLiteral("TMPDIR"), tmp);
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), here.filePath(QStringLiteral("cache")));
    process.setProcessEnvironment(environment);
    process.start(program_, {QStringLiteral("pdf"), client_, out, QStringLiteral("cbxCoverSheet")});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!readAll(log + QStringLiteral(".child")).trimmed().isEmpty(), 60000);
    const qint64 converter = readAll(log + QStringLiteral(".pid")).trimmed().toLongLong();
    const qint64 child = readAll(log + QStringLiteral(".child")).trimmed().toLongLong();
    QVERIFY(converter > 0 && child > 0);
    QVERIFY(!QDir(tmp).isEmpty()); // the print document, while it converts

    ::kill(pid_t(process.processId()), signal);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit); // ended by the signal
    QTRY_VERIFY2(!processAlive(converter), "the converter still runs");
    QTRY_VERIFY2(!processAlive(child), "what the converter started still runs");
    const QStringList left = QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
    if (earlierPdf)
        QCOMPARE(readAll(out), QByteArray("%PDF-1.4 the user's earlier PDF"));
    // Nor a lock or a half-written PDF beside it.
    const QStringList beside = QDir(here.path()).entryList({QStringLiteral("*papers*")}, QDir::Files | QDir::Hidden);
    QCOMPARE(beside, earlierPdf ? QStringList{QStringLiteral("papers.pdf")} : QStringList());
}

// Without LibreOffice the message says which package brings it.
void tst_pdf::missingLibreOfficeNamesThePackage_data()
{
    QTest::addColumn<QString>("converter");
    QTest::newRow("not on the PATH") << QString();
    QTest::newRow("named but missing") << QStringLiteral("/nonexistent/soffice");
}

void tst_pdf::missingLibreOfficeNamesThePackage()
{
    QFETCH(QString, converter);
    const QString out = dir_.filePath(QStringLiteral("none.pdf"));
    QMap<QString, QString> env{{QStringLiteral("PATH"), dir_.filePath(QStringLiteral("empty-path"))}};
    if (!converter.isEmpty())
        env.insert(QStringLiteral("BREVANE_PDF_CONVERTER"), converter);
    const Result result = run({QStringLiteral("pdf"), client_, out, QStringLiteral("cbxCoverSheet")}, env);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.errors.trimmed(),
             QStringLiteral("error 11560: 1156-Saving as PDF needs LibreOffice Writer, which is not installed. "
                            "Install the package libreoffice-writer (as root: apt-get install libreoffice-writer) "
                            "and try again."));
    QVERIFY(!QFileInfo::exists(out));
}

void tst_pdf::usage()
{
    const Result noBox = run({QStringLiteral("pdf"), client_, dir_.filePath(QStringLiteral("u.pdf"))});
    QCOMPARE(noBox.exitCode, 2);
    QVERIFY2(noBox.errors.contains(QStringLiteral("brevane-cli pdf IN.cl1 OUT.pdf BOX")), qPrintable(noBox.errors));
    const Result badBox =
        run({QStringLiteral("pdf"), client_, dir_.filePath(QStringLiteral("u.pdf")), QStringLiteral("cbxNoSuchForm")},
            fake(QStringLiteral("write")));
    QCOMPARE(badBox.exitCode, 2);
    QVERIFY(!QFileInfo::exists(dir_.filePath(QStringLiteral("u.pdf"))));
}

// brevane-cli pdf --out-dir: one PDF per client, named after its file; a
// client that cannot be read, or whose PDF would take another client's
// name, is named at the end and the others are still written.
void tst_pdf::batchWritesEachClientAndNamesThoseThatFailed()
{
    QTemporaryDir here;
    const QString first = here.filePath(QStringLiteral("acme.cl1"));
    const QString second = here.filePath(QStringLiteral("harbor.cl1"));
    const QString damaged = here.filePath(QStringLiteral("damaged.cl1"));
    QVERIFY(here.path() != QString() && QDir().mkpath(here.filePath(QStringLiteral("other"))));
    const QString twin = here.filePath(QStringLiteral("other/acme.cl1"));
    for (const QString &copy : {first, second, twin})
        QVERIFY(QFile::copy(client_, copy));
    QFile bad(damaged);
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not a client");
    bad.close();
    const QString out = here.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));

    const Result result = run({QStringLiteral("pdf"), QStringLiteral("--out-dir"), out, first, damaged, second, twin,
                               QStringLiteral("--boxes"), QStringLiteral("cbxCoverSheet")},
                              fake(QStringLiteral("write")));
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.trimmed().endsWith(
                 QStringLiteral("brevane-cli: 2 of 4 clients not written: %1, %2").arg(damaged, twin)),
             qPrintable(result.errors));
    QVERIFY(IsWholePdf(readAll(out + QStringLiteral("/acme.pdf"))));
    QVERIFY(IsWholePdf(readAll(out + QStringLiteral("/harbor.pdf"))));
    QCOMPARE(QDir(out).entryList(QDir::Files).size(), 2);

    // The usage wants the folder, a client and a box.
    for (const QStringList &args : {QStringList{QStringLiteral("pdf"), QStringLiteral("--out-dir"), out, first},
                                    QStringList{QStringLiteral("pdf"), QStringLiteral("--out-dir"), out,
                                                QStringLiteral("--boxes"), QStringLiteral("cbxCoverSheet")}})
        QCOMPARE(run(args, fake(QStringLiteral("write"))).exitCode, 2);
}

// Select All of a filled client through the real LibreOffice: the PDF holds
// the entity's name in its text and title, and has the pages that
// LibreOffice makes of the same print document handed to it directly.
void tst_pdf::filledClientWithLibreOffice()
{
    const brevane::test::PdfTools tools = brevane::test::FindPdfTools();
    QVERIFY2(tools.Found(), brevane::test::PdfToolsNeeded);
    const QString &soffice = tools.soffice, &pdftotext = tools.pdftotext, &pdfinfo = tools.pdfinfo;
    const QStringList boxes = selectAll();
    const QString out = dir_.filePath(QStringLiteral("papers.pdf"));
    const Result made = run(QStringList{QStringLiteral("pdf"), client_, out} + boxes, {}, 540000);
    QCOMPARE(made.errors, QString());
    QCOMPARE(made.exitCode, 0);

    // The same document as the print command writes it, converted directly.
    const QString rtf = dir_.filePath(QStringLiteral("papers-direct.rtf"));
    QCOMPARE(run(QStringList{QStringLiteral("print"), client_, rtf} + boxes).exitCode, 0);
    QProcess direct;
    direct.start(soffice,
                 {QStringLiteral("--headless"),
                  QStringLiteral("-env:UserInstallation=") +
                      QUrl::fromLocalFile(dir_.filePath(QStringLiteral("direct-profile"))).toString(),
                  QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), dir_.path(), rtf});
    QVERIFY(direct.waitForFinished(540000));
    const QString directPdf = dir_.filePath(QStringLiteral("papers-direct.pdf"));
    QVERIFY(QFileInfo::exists(directPdf));

    auto info = [&](const QString &pdf) {
        QProcess p;
        p.start(pdfinfo, {pdf});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAll());
    };
    auto pages = [](const QString &infoText) {
        return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(infoText).captured(1).toInt();
    };
    const QString ours = info(out);
    // Every page after the first starts a section of its own.
    const int printedPages = int(QString::fromLatin1(readAll(rtf)).count(QStringLiteral("\\sect\\sectd"))) + 1;
    QVERIFY2(pages(ours) >= printedPages && printedPages > 20, qPrintable(ours));
    QCOMPARE(pages(ours), pages(info(directPdf)));
    const QString title = QRegularExpression(QStringLiteral("Title:\\s+(.*)\\n")).match(ours).captured(1);
    QVERIFY2(title.startsWith(EntityName + QStringLiteral(" - General Information & Directory Worksheets, ")),
             qPrintable(ours));

    QProcess text;
    text.start(pdftotext, {out, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(60000));
    const QString printed = QString::fromUtf8(text.readAll());
    QVERIFY2(printed.contains(EntityName), "the entity's name is not in the PDF's text");
}

// brevane-cli docx through the real LibreOffice: the Word document, opened
// in LibreOffice again (made a PDF by the converter process), has the PDF's
// pages and words.
void tst_pdf::wordDocumentHoldsThePdfsText()
{
    const brevane::test::PdfTools tools = brevane::test::FindPdfTools();
    QVERIFY2(tools.Found(), brevane::test::PdfToolsNeeded);
    const QStringList boxes = {QStringLiteral("cbxCoverSheet"), QStringLiteral("cbxForm532A"),
                               QStringLiteral("cbxFSM_CodeOfRegulations")};
    const QString pdf = dir_.filePath(QStringLiteral("word-check.pdf"));
    const QString docx = dir_.filePath(QStringLiteral("word-check.docx"));
    const Result madePdf = run(QStringList{QStringLiteral("pdf"), client_, pdf} + boxes, {}, 540000);
    QCOMPARE(madePdf.errors, QString());
    const Result madeWord = run(QStringList{QStringLiteral("docx"), client_, docx} + boxes, {}, 540000);
    QCOMPARE(madeWord.errors, QString());
    QCOMPARE(madeWord.exitCode, 0);
    QVERIFY(IsWholeWordDocument(readAll(docx)));

    qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache"))));
    WarmConverter reopen(ConverterSettingsOf(PdfSettingsFromEnvironment()));
    QVERIFY2(reopen.Available(), "the converter process (brevane-converter) is not built");
    const QString again = dir_.filePath(QStringLiteral("word-check-again.pdf"));
    const ConversionResult converted = reopen.ConvertAndWait(QStringLiteral("pdf"), docx, again);
    QVERIFY2(converted.end == ConversionEnd::Converted, qPrintable(converted.why));

    auto run = [](const QString &program, const QStringList &args) {
        QProcess p;
        p.start(program, args);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    auto pages = [&](const QString &file) {
        return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(run(tools.pdfinfo, {file}))
            .captured(1)
            .toInt();
    };
    auto words = [&](const QString &file) {
        return run(tools.pdftotext, {file, QStringLiteral("-")})
            .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    };
    QVERIFY(pages(pdf) > 3);
    QCOMPARE(pages(again), pages(pdf));
    const QStringList fromPdf = words(pdf);
    QVERIFY(fromPdf.join(QLatin1Char(' ')).contains(EntityName));
    QCOMPARE(words(again), fromPdf);
}

QTEST_GUILESS_MAIN(tst_pdf)
#include "tst_pdf.moc"
