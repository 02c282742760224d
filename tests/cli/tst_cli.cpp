// brevane-cli run as a user runs it: real files, real process, its messages
// on standard error and its exit status.
#include "CliRun.h"
#include "FilledClient.h"
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/files/ClientLock.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>

using namespace brevane;

class tst_cli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void calcWritesDerivedAnswers();
    void unreadableNumbersAreReportedAndRunCompletes();
    void crowdedClientCalculatesAndPrints();
    void rejectedClientFile();
    void regionalSettings_data();
    void regionalSettings();
    void calcInEveryRegion_data();
    void calcInEveryRegion();
    void damagedInputIsRefused();
    void printToStandardOutput();
    void outputsNeverReplaced_data();
    void outputsNeverReplaced();
    void unreadableDatesAreNamedInOneMessage();
    void failedWriteSaysWhyAndKeepsTheOldFile_data();
    void failedWriteSaysWhyAndKeepsTheOldFile();
    void namesOutsideTheSystemsEncodingAreRefused_data();
    void namesOutsideTheSystemsEncodingAreRefused();
    void pageLeftOutExitsOne_data();
    void pageLeftOutExitsOne();
    void usage_data();
    void usage();

private:
    using Result = test::CliRun;
    Result run(const QStringList &args, const QString &locale = QStringLiteral("en_US.UTF-8"));
    QString write(const QString &name, TAnswer &store, DirectoryTable &directory);
    QString program_;
    QTemporaryDir dir_;
};

void tst_cli::initTestCase()
{
    program_ = QString::fromLocal8Bit(qgetenv("BREVANE_BINARY_DIR")) + QStringLiteral("/src/cli/brevane-cli");
    QVERIFY2(QFileInfo::exists(program_), qPrintable(program_));
}

tst_cli::Result tst_cli::run(const QStringList &args, const QString &locale)
{
    return test::RunCli(args, locale);
}

QString tst_cli::write(const QString &name, TAnswer &store, DirectoryTable &directory)
{
    const QString path = dir_.filePath(name);
    SaveClientFile(path, store, directory);
    return path;
}

void tst_cli::calcWritesDerivedAnswers()
{
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, QStringLiteral("Acme Holdings, Inc."));
    store.SetText(0, 0, 12, QStringLiteral("1/5/18"));
    store.SetText(0, 0, 15, QStringLiteral("1,000"));
    store.SetText(0, 0, 27, QStringLiteral("1.5"));
    store.SetText(7, 0, 13, QStringLiteral("kept by the user"));
    store.SetOvRide(7, 0, 13, true);
    // She subscribes for all 1,000 shares: the order and waiver totals the
    // shares subscribed.
    directory.SetCell(0, ColCode, QStringLiteral("SCI"));
    directory.SetCell(0, ColName, QStringLiteral("Ann Lee"));
    directory.SetCell(0, ColNoOfShares, QStringLiteral("1,000"));
    const QString in = write(QStringLiteral("in.cl1"), store, directory);
    const QString out = dir_.filePath(QStringLiteral("out.cl1"));

    const Result result = run({QStringLiteral("calc"), in, out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.errors, QString());

    TAnswer back;
    DirectoryTable backDirectory;
    QVERIFY(LoadClientFile(out, back, backDirectory));
    QCOMPARE(back.Text(1, 0, 0), QStringLiteral("January 5, 2018"));
    QCOMPARE(back.Text(2, 0, 0), QStringLiteral("Acme Holdings, Inc."));
    QCOMPARE(back.Text(7, 0, 12), QStringLiteral("One and 50/100 "));
    QCOMPARE(back.Text(7, 0, 13), QStringLiteral("kept by the user"));
    QCOMPARE(back.Text(7, 0, 14), QStringLiteral("1,500.00"));
    QCOMPARE(back.Text(7, 0, 18), QStringLiteral("Ann Lee"));
    QCOMPARE(backDirectory.Cell(0, ColName), QStringLiteral("Ann Lee"));
}

void tst_cli::unreadableNumbersAreReportedAndRunCompletes()
{
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, QStringLiteral("Acme"));
    store.SetText(12, 0, 7, QStringLiteral("lots")); // the number of directors
    store.SetText(0, 0, 27, QStringLiteral("two dollars"));
    directory.SetCell(0, ColCode, QStringLiteral("S"));
    directory.SetCell(0, ColNoOfShares, QStringLiteral("1,000"));
    const QString in = write(QStringLiteral("bad-numbers.cl1"), store, directory);
    const QString out = dir_.filePath(QStringLiteral("bad-numbers-out.cl1"));

    const Result result = run({QStringLiteral("calc"), in, out});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.errors.contains(QStringLiteral("error 21212: 2121-Str2Int. An error occurred while Brevane was "
                                                   "converting lots to an integer.")),
             qPrintable(result.errors));
    QVERIFY2(result.errors.contains(QStringLiteral("error 21202: 2120-Str2Float_2.")), qPrintable(result.errors));
    TAnswer back;
    DirectoryTable backDirectory;
    QVERIFY(LoadClientFile(out, back, backDirectory));
    QCOMPARE(back.Text(7, 0, 14), QStringLiteral("0.00"));
    QCOMPARE(back.Text(40, 0, 0), QStringLiteral("Acme")); // later pages still computed
    QCOMPARE(back.Text(2, 0, 0), QStringLiteral("Acme"));
}

// More shareholders than the waiver keeps rows for: the client calculates,
// and the waiver prints every one of them.
void tst_cli::crowdedClientCalculatesAndPrints()
{
    TAnswer store;
    DirectoryTable directory;
    test::FillClient(store, directory);
    for (int i = 0; i < 30; ++i) {
        directory.AddRow();
        const int row = directory.RowCount() - 1;
        directory.SetCell(row, ColCode, QStringLiteral("S"));
        directory.SetCell(row, ColName, QStringLiteral("Holder %1").arg(i));
    }
    const QString in = write(QStringLiteral("crowded.cl1"), store, directory);
    const QString out = dir_.filePath(QStringLiteral("crowded-out.cl1"));
    Result result = run({QStringLiteral("calc"), in, out});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(!result.errors.contains(QStringLiteral("18047")), qPrintable(result.errors));

    const QString rtf = dir_.filePath(QStringLiteral("crowded-waiver.rtf"));
    result = run({QStringLiteral("print"), in, rtf, QStringLiteral("cbxPOC_NoticeWaiver")});
    QCOMPARE(result.exitCode, 0);
    QFile printed(rtf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QByteArray document = printed.readAll();
    for (int i = 0; i < 30; ++i)
        QVERIFY2(document.contains(QStringLiteral("Holder %1\\").arg(i).toLatin1()) ||
                     document.contains(QStringLiteral("Holder %1 ").arg(i).toLatin1()) ||
                     document.contains(QStringLiteral("Holder %1}").arg(i).toLatin1()),
                 qPrintable(QStringLiteral("Holder %1 is left off").arg(i)));
}

void tst_cli::rejectedClientFile()
{
    const QString in = dir_.filePath(QStringLiteral("notes.cl1"));
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("just some notes\r\n");
    f.close();
    const QString out = dir_.filePath(QStringLiteral("never.cl1"));
    Result result = run({QStringLiteral("calc"), in, out});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.errors.startsWith(QStringLiteral("error 33010: 3301-An error occurred when Brevane attempted to "
                                                    "open the client file.")));
    QVERIFY(!QFileInfo::exists(out));

    result = run({QStringLiteral("calc"), dir_.filePath(QStringLiteral("absent.cl1")), out});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(result.errors.contains(QStringLiteral("absent.cl1")));
}

// A client cut short is never calculated and written out as if whole.
void tst_cli::damagedInputIsRefused()
{
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, QStringLiteral("Acme"));
    const QByteArray whole = WriteClientFile(store, directory);
    const QString in = dir_.filePath(QStringLiteral("cut.cl1"));
    QFile f(in);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(whole.left(whole.size() / 3));
    f.close();
    const QString out = dir_.filePath(QStringLiteral("from-cut.cl1"));
    const Result result = run({QStringLiteral("calc"), in, out});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains(QStringLiteral("cut.cl1 is damaged: it ends early")), qPrintable(result.errors));
    QVERIFY(!QFileInfo::exists(out));
}

// Standard output is a pipe here: the document goes through it whole.
void tst_cli::printToStandardOutput()
{
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, QStringLiteral("Acme"));
    const QString in = write(QStringLiteral("stdout.cl1"), store, directory);
    QProcess process;
    process.start(program_,
                  {QStringLiteral("print"), in, QStringLiteral("/dev/stdout"), QStringLiteral("cbxCoverSheet")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray document = process.readAllStandardOutput();
    QVERIFY(document.startsWith("{\\rtf1"));
    QVERIFY(document.trimmed().endsWith('}'));
}

// No command writes over the client it reads (by its name or a link), over a
// client open in a window, or over a file of another kind unless told to.
void tst_cli::outputsNeverReplaced_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("out"); // "IN": the input itself; "link": a link to it
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("refusal"); // empty: written
    QTest::newRow("print onto its input") << "print"
                                          << "IN" << false << "is the client being read";
    QTest::newRow("print onto its input with --replace") << "print"
                                                         << "IN" << true << "is the client being read";
    QTest::newRow("print onto a link to its input") << "print"
                                                    << "link" << false << "is the client being read";
    QTest::newRow("pdf onto its input") << "pdf"
                                        << "IN" << false << "is the client being read";
    QTest::newRow("calc onto its input") << "calc"
                                         << "IN" << false << "is the client being read";
    QTest::newRow("calc onto a link to its input") << "calc"
                                                   << "link" << false << "is the client being read";
    QTest::newRow("calc onto a link to a client open in a window") << "calc"
                                                                   << "openlink" << false << "is open in another";
    QTest::newRow("print onto a link to a client open in a window") << "print"
                                                                    << "openlink" << true << "is open in another";
    QTest::newRow("calc onto a client whose lock is a folder")
        << "calc"
        << "blocked.cl1" << false << "is a folder, not a lock file. Brevane's locks are plain files: remove it";
    QTest::newRow("calc onto a client whose lock is a link to nothing")
        << "calc"
        << "dangling.cl1" << false
        << "which does not exist, not a lock file. Brevane's locks are plain files: remove it";
    QTest::newRow("print onto a client open in a window") << "print"
                                                          << "open.cl1" << false << "is open in another";
    QTest::newRow("pdf onto a client open in a window") << "pdf"
                                                        << "open.cl1" << true << "is open in another";
    QTest::newRow("print over a text file") << "print"
                                            << "notes.txt" << false << "notes.txt is not an RTF document";
    QTest::newRow("print over a client") << "print"
                                         << "other.cl1" << false << "other.cl1 is not an RTF document";
    QTest::newRow("pdf over a text file") << "pdf"
                                          << "notes.txt" << false << "notes.txt is not a PDF";
    QTest::newRow("print over a text file with --replace") << "print"
                                                           << "notes.txt" << true << "";
    QTest::newRow("print over an earlier document") << "print"
                                                    << "earlier.rtf" << false << "";
}

void tst_cli::outputsNeverReplaced()
{
    QFETCH(QString, command);
    QFETCH(QString, out);
    QFETCH(bool, replace);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, QStringLiteral("Acme"));
    const QString in = dir.filePath(QStringLiteral("acme.cl1"));
    QVERIFY(SaveClientFile(in, store, directory));
    QVERIFY(SaveClientFile(dir.filePath(QStringLiteral("open.cl1")), store, directory));
    QVERIFY(SaveClientFile(dir.filePath(QStringLiteral("other.cl1")), store, directory));
    QVERIFY(QFile::link(in, dir.filePath(QStringLiteral("link"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("open.cl1")), dir.filePath(QStringLiteral("openlink"))));
    QVERIFY(SaveClientFile(dir.filePath(QStringLiteral("blocked.cl1")), store, directory));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral(".~blocked.cl1.lock")));
    QVERIFY(SaveClientFile(dir.filePath(QStringLiteral("dangling.cl1")), store, directory));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral(".~dangling.cl1.lock"))));
    const QMap<QString, QByteArray> others{{QStringLiteral("notes.txt"), "shopping list\n"},
                                           {QStringLiteral("earlier.rtf"), "{\\rtf1 earlier}"}};
    for (auto other = others.begin(); other != others.end(); ++other) {
        QFile file(dir.filePath(other.key()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(other.value());
    }
    ClientFileLock window;
    QCOMPARE(window.Take(dir.filePath(QStringLiteral("open.cl1"))), ClientFileLock::Result::Taken);
    const QString target = out == QLatin1String("IN") ? in : dir.filePath(out);
    QFile before(target);
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray kept = before.readAll();
    before.close();

    QStringList args{command, in, target};
    if (command != QLatin1String("calc"))
        args << QStringLiteral("cbxCoverSheet");
    if (replace)
        args << QStringLiteral("--replace");
    const Result result = run(args);
    QFile after(target);
    QVERIFY(after.open(QIODevice::ReadOnly));
    if (refusal.isEmpty()) {
        QCOMPARE(result.exitCode, 0);
        QVERIFY(after.readAll().startsWith("{\\rtf1"));
        return;
    }
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains(refusal), qPrintable(result.errors));
    QCOMPARE(after.readAll(), kept);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("link"))).isSymLink());
}

void tst_cli::failedWriteSaysWhyAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("out"); // "/dev/full", or a file in the test's folder
    QTest::addColumn<QString>("reason");
    if (QFileInfo(QStringLiteral("/dev/full")).exists()) {
        QTest::newRow("print to a full device") << "print"
                                                << "/dev/full"
                                                << "No space left on device";
    }
    QTest::newRow("print over an earlier document, disk full") << "print"
                                                               << "earlier.rtf"
                                                               << "File too large";
    QTest::newRow("calc over an earlier client, disk full") << "calc"
                                                            << "earlier.cl1"
                                                            << "File too large";
}

// A write that fails names the system's reason, exits 1, and leaves the file
// that was there as it was. A disk that fills is stood in for by a limit on
// the size of the files the command may write (ulimit -f), which fails the
// same writes a full disk does.
void tst_cli::failedWriteSaysWhyAndKeepsTheOldFile()
{
    QFETCH(QString, command);
    QFETCH(QString, out);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    TAnswer store;
    DirectoryTable directory;
    brevane::test::FillClient(store, directory);
    const QString in = dir.filePath(QStringLiteral("acme.cl1"));
    QVERIFY(SaveClientFile(in, store, directory));
    const QByteArray earlier = out.endsWith(QLatin1String(".rtf")) ? QByteArray("{\\rtf1 the earlier papers}")
                                                                   : QByteArray("Brevane\r\n the earlier client\r\n");
    const QString target = out.startsWith(QLatin1Char('/')) ? out : dir.filePath(out);
    if (!out.startsWith(QLatin1Char('/'))) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(earlier);
    }
    QStringList args{command, in, target};
    if (command == QLatin1String("print"))
        args << QStringLiteral("cbxCoverSheet") << QStringLiteral("cbxFSM_CodeOfRegulations");
    if (out.startsWith(QLatin1Char('/')))
        args << QStringLiteral("--replace");
    // 4 KB (8 blocks of 512 bytes): room for a lock, not for the papers or a
    // client.
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 8; exec \"$@\""),
                              QStringLiteral("sh"), program_} +
                      args);
    QVERIFY(process.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(errors.contains(reason), qPrintable(errors));
    QVERIFY2(!errors.contains(QLatin1String("Unknown error")), qPrintable(errors));
    if (!out.startsWith(QLatin1Char('/'))) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier);
        // Nor a half-written file beside it.
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList({QStringLiteral("acme.cl1"), out}));
    }
}

void tst_cli::namesOutsideTheSystemsEncodingAreRefused_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("calc") << "calc";
    QTest::newRow("print") << "print";
}

// A file name in bytes the system's encoding (UTF-8) cannot read ("caf\xe9",
// written in Latin-1) is refused by name, exit 1, rather than looked for or
// written under a mangled name.
void tst_cli::namesOutsideTheSystemsEncodingAreRefused()
{
    QFETCH(QString, command);
    QTemporaryDir dir;
    TAnswer store;
    DirectoryTable directory;
    const QString in = dir.filePath(QStringLiteral("acme.cl1"));
    QVERIFY(SaveClientFile(in, store, directory));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    QStringList args{QStringLiteral("-c"),
                     QStringLiteral("exec \"$0\" \"$1\" acme.cl1 \"$(printf 'caf\\351.out')\" \"$2\""), program_,
                     command};
    args << (command == QLatin1String("print") ? QStringLiteral("cbxCoverSheet") : QString());
    process.start(QStringLiteral("/bin/sh"), args);
    QVERIFY(process.waitForFinished(60000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(errors.contains(QLatin1String("is not in the system's encoding")), qPrintable(errors));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("acme.cl1")});
}

// Date entries that are no date print as typed, and the job names every one
// of them, by page and field label, in one message instead of one each.
void tst_cli::unreadableDatesAreNamedInOneMessage()
{
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, QStringLiteral("Acme"));
    store.SetText(0, 0, 12, QStringLiteral("Fall 2026"));     // the articles' filing date
    store.SetText(0, 0, 23, QStringLiteral("after harvest")); // the ordered meeting's date
    store.SetText(0, 0, 33, QStringLiteral("2026-02-03"));    // an ISO date reads
    const QString in = write(QStringLiteral("dates.cl1"), store, directory);
    const QString out = dir_.filePath(QStringLiteral("dates.rtf"));
    const Result result = run({QStringLiteral("print"), in, out, QStringLiteral("cbxPOC_OrderWaiver"),
                               QStringLiteral("cbxPOC_NoticeWaiver")});
    QCOMPARE(result.exitCode, 0);
    const QStringList lines = result.errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    const QString line = lines.first();
    QVERIFY2(line.startsWith(QLatin1String("error 11200: 1120-")), qPrintable(line));
    QVERIFY2(line.contains(QLatin1String("page 7, \"")) && line.contains(QLatin1String("\": \"Fall 2026\"")),
             qPrintable(line));
    QVERIFY2(line.contains(QLatin1String("\": \"after harvest\"")), qPrintable(line));
    QVERIFY2(!line.contains(QLatin1String("2026-02-03")), qPrintable(line));
    QFile document(out);
    QVERIFY(document.open(QIODevice::ReadOnly));
    const QByteArray text = document.readAll();
    QVERIFY(text.contains("Fall 2026"));
    QVERIFY(text.contains("February 3, 2026"));
}

// A page that cannot be printed (its template or print data file missing
// or damaged) is named, and the document is not written: the papers would
// not be what was asked for.
void tst_cli::pageLeftOutExitsOne_data()
{
    QTest::addColumn<QString>("file");     // in the support folder
    QTest::addColumn<QByteArray>("bytes"); // what it holds instead; null: removed
    QTest::addColumn<QString>("named");    // what the messages name
    QTest::newRow("later page's template missing")
        << QStringLiteral("RTF/page75.rtf") << QByteArray() << QStringLiteral("page75.rtf");
    QTest::newRow("later page's template damaged")
        << QStringLiteral("RTF/page75.rtf") << QByteArray("{\\rtf1 cut") << QStringLiteral("page75.rtf");
    QTest::newRow("later page's print data missing")
        << QStringLiteral("DAT/PAGE75.DAT") << QByteArray() << QStringLiteral("PAGE75.DAT");
    QTest::newRow("later page's print data damaged")
        << QStringLiteral("DAT/PAGE75.DAT") << QByteArray("not a line of numbers\r\n") << QStringLiteral("error 21011");
    QTest::newRow("first page's template missing")
        << QStringLiteral("RTF/page7.rtf") << QByteArray() << QStringLiteral("page7.rtf");
}

void tst_cli::pageLeftOutExitsOne()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, named);
    const QString built = QString::fromLocal8Bit(qgetenv("BREVANE_BINARY_DIR")) + QStringLiteral("/support/");
    QTemporaryDir support;
    for (const char *folder : {"PSF", "RTF", "DAT"}) {
        const QString name = QLatin1String(folder);
        QVERIFY(QDir(support.path()).mkpath(name));
        for (const QString &entry : QDir(built + name).entryList(QDir::Files))
            QVERIFY(QFile::copy(built + name + QLatin1Char('/') + entry,
                                support.filePath(name + QLatin1Char('/') + entry)));
    }
    QVERIFY(QFile::remove(support.filePath(file)));
    if (!bytes.isNull()) {
        QFile damaged(support.filePath(file));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(bytes);
    }

    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, QStringLiteral("Acme"));
    const QString in = write(QStringLiteral("left-out.cl1"), store, directory);
    const QString out = dir_.filePath(QStringLiteral("left-out.rtf"));
    const Result result = run({QStringLiteral("print"), in, out, QStringLiteral("cbxPOC_OrderWaiver"),
                               QStringLiteral("cbxCoverSheet"), QStringLiteral("--support"), support.path()});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains(named), qPrintable(result.errors));
    QVERIFY2(result.errors.contains(QStringLiteral("not written")), qPrintable(result.errors));
    QVERIFY(!QFileInfo::exists(out));

    // The same client and boxes from the whole support folder print.
    const Result whole = run({QStringLiteral("print"), in, out, QStringLiteral("cbxPOC_OrderWaiver"),
                              QStringLiteral("cbxCoverSheet"), QStringLiteral("--support"), built});
    QCOMPARE(whole.exitCode, 0);
    QVERIFY(QFile::remove(out));
}

void tst_cli::regionalSettings_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("earlier"); // saved by an earlier Brevane, as its region wrote dates
    QTest::addColumn<QString>("filed");
    QTest::addColumn<QString>("message");
    // A client's dates are in the answer form, month first, in every region.
    QTest::newRow("United States") << "en_US.UTF-8" << false << "January 5, 2018"
                                   << "";
    QTest::newRow("C") << "C.UTF-8" << false << "January 5, 2018"
                       << "";
    QTest::newRow("POSIX") << "POSIX" << false << "January 5, 2018"
                           << "";
    QTest::newRow("United Kingdom") << "en_GB.UTF-8" << false << "January 5, 2018"
                                    << "";
    // An earlier client that shows nothing of the region it was written in
    // reads as this computer's region writes dates, and says so.
    QTest::newRow("earlier, United States") << "en_US.UTF-8" << true << "January 5, 2018"
                                            << "\"1/5/18\" read as January 5, 2018";
    QTest::newRow("earlier, no regional settings") << "C.UTF-8" << true << "January 5, 2018"
                                                   << "\"1/5/18\" read as January 5, 2018";
    QTest::newRow("earlier, United Kingdom") << "en_GB.UTF-8" << true << "May 1, 2018"
                                             << "\"1/5/18\" read as May 1, 2018";
}

// A client means the same in every region; an earlier one that cannot tell
// is read in this computer's order, and the date is named.
void tst_cli::regionalSettings()
{
    QFETCH(QString, locale);
    QFETCH(bool, earlier);
    QFETCH(QString, filed);
    QFETCH(QString, message);
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 12, QStringLiteral("1/5/18"));
    const QString in = write(QStringLiteral("dates.cl1"), store, directory);
    if (earlier) {
        QFile file(in);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        bytes.replace(" 1.03000000000000E+0000", " 1.01000000000000E+0000");
        file.seek(0);
        file.write(bytes);
    }
    const QString out = dir_.filePath(QStringLiteral("dates-out.cl1"));
    const Result result = run({QStringLiteral("calc"), in, out}, locale);
    QCOMPARE(result.exitCode, 0);
    if (message.isEmpty())
        QCOMPARE(result.errors, QString());
    else
        QVERIFY2(result.errors.startsWith(QLatin1String("error 38100: 3810-")) && result.errors.contains(message),
                 qPrintable(result.errors));
    TAnswer back;
    DirectoryTable backDirectory;
    QVERIFY(LoadClientFile(out, back, backDirectory));
    QCOMPARE(back.Text(1, 0, 0), filed);
}

void tst_cli::calcInEveryRegion_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *region : {"en_US", "de_DE", "fr_FR", "sv_SE", "tr_TR"})
        QTest::newRow(region) << QString::fromLatin1(region) + QStringLiteral(".UTF-8");
}

// A filled client calculated in a region whose numbers are written unlike
// the United States' opens anywhere with what the user typed, no computed
// answer holds a character the client file cannot keep ("?"), and an empty
// client calculates without a message.
void tst_cli::calcInEveryRegion()
{
    QFETCH(QString, locale);
    const QByteArray previous = setlocale(LC_ALL, nullptr);
    const bool installed = setlocale(LC_ALL, locale.toLatin1().constData()) != nullptr;
    setlocale(LC_ALL, previous.constData());
    if (!installed)
        QSKIP(qPrintable(QStringLiteral("the system has no %1 locale (scripts/deps.sh test makes it)").arg(locale)));

    TAnswer typed;
    DirectoryTable typedRows;
    test::FillClient(typed, typedRows);
    const QString in = write(QStringLiteral("filled.cl1"), typed, typedRows);
    const QString out = dir_.filePath(QStringLiteral("filled-%1.cl1").arg(locale));
    const Result result = run({QStringLiteral("calc"), in, out}, locale);
    QCOMPARE(result.exitCode, 0);

    TAnswer back;
    DirectoryTable backRows;
    QString problem;
    QVERIFY(LoadClientFile(out, back, backRows, nullptr, &problem));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(backRows, typedRows);
    for (int p = 0; p < PageCount; ++p) {
        QCOMPARE(back.PgCt[p], typed.PgCt[p]);
        for (int c = 0; c <= qMin(typed.PgCt[p], PageContinuationMax[p]); ++c) {
            for (int k = 0; k <= PageAnswerMax[p]; ++k) {
                const QString before = typed.Text(p, c, k);
                const QString after = back.Text(p, c, k);
                const QString where =
                    QStringLiteral("page %1, copy %2, answer %3: \"%4\"").arg(p).arg(c).arg(k).arg(after);
                // The general information worksheet and overridden answers are
                // the user's own.
                if (p == 0 || typed.Entry(p, c, k).obj.OvRide)
                    QVERIFY2(after == before, qPrintable(where));
                else if (!before.contains(QLatin1Char('?')))
                    QVERIFY2(!after.contains(QLatin1Char('?')), qPrintable(where));
            }
        }
    }

    TAnswer empty;
    DirectoryTable noRows;
    const QString blank = write(QStringLiteral("empty.cl1"), empty, noRows);
    const Result quiet = run({QStringLiteral("calc"), blank, dir_.filePath(QStringLiteral("empty-out.cl1"))}, locale);
    QCOMPARE(quiet.exitCode, 0);
    QCOMPARE(quiet.errors, QString());
}

void tst_cli::usage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("unknown command") << QStringList({"frobnicate"});
    QTest::newRow("calc without output") << QStringList({"calc", "in.cl1"});
    QTest::newRow("support without folder") << QStringList({"calc", "a", "b", "--support"});
}

void tst_cli::usage()
{
    QFETCH(QStringList, args);
    const Result result = run(args);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.errors.contains(QStringLiteral("usage:")));
}

QTEST_GUILESS_MAIN(tst_cli)
#include "tst_cli.moc"
