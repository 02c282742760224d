// brevane-cli export and import run as a user runs them: a client exported
// to JSON and imported again is the same client file, byte for byte; JSON
// that is not a client is refused with its fault named and nothing written.
#include "CliRun.h"
#include "FilledClient.h"
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/files/WholeFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace brevane;

class tst_cliexchange : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exportThenImportIsByteIdentical_data();
    void exportThenImportIsByteIdentical();
    void badJsonWritesNothing_data();
    void badJsonWritesNothing();
    void outputsNeverReplaced_data();
    void outputsNeverReplaced();
    void damagedClientIsNotExported();
    void exportToStandardOutput();
    void usage_data();
    void usage();

private:
    using Result = test::CliRun;
    Result run(const QStringList &args);
    QString program_;
    QTemporaryDir dir_;
};

void tst_cliexchange::initTestCase()
{
    program_ = QString::fromLocal8Bit(qgetenv("BREVANE_BINARY_DIR")) + QStringLiteral("/src/cli/brevane-cli");
    QVERIFY2(QFileInfo::exists(program_), qPrintable(program_));
    QVERIFY(dir_.isValid());
}

tst_cliexchange::Result tst_cliexchange::run(const QStringList &args)
{
    return test::RunCli(args);
}

void tst_cliexchange::exportThenImportIsByteIdentical_data()
{
    QTest::addColumn<QString>("client");
    TAnswer store;
    DirectoryTable directory;
    test::FillClient(store, directory);
    const QString filled = dir_.filePath(QStringLiteral("filled.cl1"));
    QVERIFY(SaveClientFile(filled, store, directory));
    QTest::newRow("filled client") << filled;
    // The other clients of the tests, as the program saves them (a file of an
    // earlier version is saved in the current one).
    for (const char *seed : {"empty.cl1", "copies.cl1"}) {
        TAnswer seedStore;
        DirectoryTable seedDirectory;
        QVERIFY(LoadClientFile(test::SourceDir() + QStringLiteral("/fuzz/seeds/clientfile/") + QLatin1String(seed),
                               seedStore, seedDirectory));
        const QString saved = dir_.filePath(QLatin1String(seed));
        QVERIFY(SaveClientFile(saved, seedStore, seedDirectory));
        QTest::newRow(seed) << saved;
    }
}

void tst_cliexchange::exportThenImportIsByteIdentical()
{
    QFETCH(QString, client);
    const QString json = dir_.filePath(QFileInfo(client).completeBaseName() + QStringLiteral(".json"));
    const QString back = dir_.filePath(QFileInfo(client).completeBaseName() + QStringLiteral("-back.cl1"));
    Result result = run({QStringLiteral("export"), client, json});
    QCOMPARE(result.errors, QString());
    QCOMPARE(result.exitCode, 0);
    result = run({QStringLiteral("import"), json, back});
    QCOMPARE(result.errors, QString());
    QCOMPARE(result.exitCode, 0);
    QByteArray original, imported;
    QVERIFY(ReadRegularFile(client, &original));
    QVERIFY(ReadRegularFile(back, &imported));
    QCOMPARE(imported, original);
}

void tst_cliexchange::badJsonWritesNothing_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("named");
    QTest::newRow("wrong type") << QByteArray(R"({"format": "Brevane client", "version": 1,
        "general": {"answers": {"EntityName": 42}}})")
                                << "general.answers.\"EntityName\": a text is expected, not a number";
    QTest::newRow("unknown page") << QByteArray(R"({"format": "Brevane client", "version": 1,
        "pages": [{"page": 140, "answers": {"1": "x"}}]})")
                                  << "pages[0].page: there is no page 140";
    QTest::newRow("missing version") << QByteArray(R"({"format": "Brevane client", "general": {}})")
                                     << "it has no \"version\"";
    QTest::newRow("not JSON") << QByteArray("format: Brevane client\n") << "it is not JSON";
}

// The message is the catalogue's, names the file and what is wrong; no
// client file appears, and one already there stays as it was.
void tst_cliexchange::badJsonWritesNothing()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, named);
    const QString in = dir_.filePath(QStringLiteral("bad.json"));
    QVERIFY(ReplaceFile(in, json));
    const QString out = dir_.filePath(QStringLiteral("bad-out.cl1"));
    QFile::remove(out);
    Result result = run({QStringLiteral("import"), in, out});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.startsWith(QStringLiteral("error 40010: 4001-This file cannot be imported as a client")),
             qPrintable(result.errors));
    QVERIFY2(result.errors.contains(in), qPrintable(result.errors));
    QVERIFY2(result.errors.contains(named), qPrintable(result.errors));
    QVERIFY(!QFileInfo::exists(out));
    QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("bad-out*"), QStringLiteral("*.tmp")}), QStringList());

    // An existing client of that name is left as it was.
    TAnswer store;
    DirectoryTable directory;
    test::FillClient(store, directory);
    QVERIFY(SaveClientFile(out, store, directory));
    QByteArray before, after;
    QVERIFY(ReadRegularFile(out, &before));
    result = run({QStringLiteral("import"), in, out});
    QCOMPARE(result.exitCode, 1);
    QVERIFY(ReadRegularFile(out, &after));
    QCOMPARE(after, before);
}

void tst_cliexchange::outputsNeverReplaced_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QString>("named");
    QTest::newRow("export over a document") << "export" << QByteArray("{\\rtf1 a letter}") << "is not a JSON file";
    QTest::newRow("import over a document") << "import" << QByteArray("%PDF-1.7") << "is not a client file";
}

// A file of another kind is not replaced without --replace; the input is
// never its own output.
void tst_cliexchange::outputsNeverReplaced()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, existing);
    QFETCH(QString, named);
    TAnswer store;
    DirectoryTable directory;
    test::FillClient(store, directory);
    const QString client = dir_.filePath(QStringLiteral("guarded.cl1"));
    QVERIFY(SaveClientFile(client, store, directory));
    const QString json = dir_.filePath(QStringLiteral("guarded.json"));
    QCOMPARE(run({QStringLiteral("export"), client, json}).exitCode, 0);
    const QString in = command == QLatin1String("export") ? client : json;

    const QString other = dir_.filePath(QStringLiteral("other.doc"));
    QVERIFY(ReplaceFile(other, existing));
    Result result = run({command, in, other});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains(named), qPrintable(result.errors));
    QByteArray kept;
    QVERIFY(ReadRegularFile(other, &kept));
    QCOMPARE(kept, existing);
    QCOMPARE(run({command, in, other, QStringLiteral("--replace")}).exitCode, 0);

    result = run({command, in, in});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains(QStringLiteral("not written")), qPrintable(result.errors));
}

// A client file that breaks off is not handed on as if whole.
void tst_cliexchange::damagedClientIsNotExported()
{
    TAnswer store;
    DirectoryTable directory;
    test::FillClient(store, directory);
    const QByteArray whole = WriteClientFile(store, directory);
    const QString damaged = dir_.filePath(QStringLiteral("damaged.cl1"));
    QVERIFY(ReplaceFile(damaged, whole.left(whole.size() / 2)));
    const QString out = dir_.filePath(QStringLiteral("damaged.json"));
    const Result result = run({QStringLiteral("export"), damaged, out});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.errors.contains(QStringLiteral("is damaged")), qPrintable(result.errors));
    QVERIFY(!QFileInfo::exists(out));
}

// For a script: the JSON on standard output, as a file would hold it.
void tst_cliexchange::exportToStandardOutput()
{
    TAnswer store;
    DirectoryTable directory;
    test::FillClient(store, directory);
    const QString client = dir_.filePath(QStringLiteral("piped.cl1"));
    QVERIFY(SaveClientFile(client, store, directory));
    const QString file = dir_.filePath(QStringLiteral("piped.json"));
    QCOMPARE(run({QStringLiteral("export"), client, file}).exitCode, 0);
    QProcess process;
    process.start(program_, {QStringLiteral("export"), client, QStringLiteral("/dev/stdout")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    QByteArray expected;
    QVERIFY(ReadRegularFile(file, &expected));
    QCOMPARE(process.readAllStandardOutput(), expected);
}

void tst_cliexchange::usage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("export without output") << QStringList({"export", "in.cl1"});
    QTest::newRow("import with a box") << QStringList({"import", "in.json", "out.cl1", "cbxForm532A"});
}

void tst_cliexchange::usage()
{
    QFETCH(QStringList, args);
    const Result result = run(args);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.errors.contains(QStringLiteral("brevane-cli import IN.json OUT.cl1")));
}

QTEST_GUILESS_MAIN(tst_cliexchange)
#include "tst_cliexchange.moc"
