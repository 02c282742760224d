// The settings file and the folders Brevane keeps its files in.
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/files/Folders.h"
#include "core/files/LineText.h"
#include "core/files/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>

using namespace brevane;
using namespace brevane::test;

class tst_settings : public QObject
{
    Q_OBJECT
private slots:
    void real23_data();
    void real23();
    void firstRunCreatesFile();
    void roundTrip();
    void openSavedPdf_data();
    void openSavedPdf();
    void flags_data();
    void flags();
    void missingLinesKeepDefaults();
    void sevenRecentFilesAllLoad();
    void pathsKeepEveryCharacter_data();
    void pathsKeepEveryCharacter();
    void valuesOutOfRangeKeepTheDefaults_data();
    void valuesOutOfRangeKeepTheDefaults();
    void numbersReadBackInEveryRegion_data();
    void numbersReadBackInEveryRegion();
    void defaultClientPathWithOrWithoutDelimiter();
    void folders();

private:
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

void tst_settings::real23_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("version") << 1.01 << " 1.01000000000000E+0000";
    QTest::newRow("zero") << 0.0 << " 0.00000000000000E+0000";
    QTest::newRow("half") << 0.5 << " 5.00000000000000E-0001";
    QTest::newRow("one and a half") << 1.5 << " 1.50000000000000E+0000";
    QTest::newRow("twenty-one") << 21.0 << " 2.10000000000000E+0001";
    QTest::newRow("negative") << -2.25 << "-2.25000000000000E+0000";
    QTest::newRow("large exponent") << 1e120 << " 1.00000000000000E+0120";
}

void tst_settings::real23()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatReal23(value), text);
    QCOMPARE(FormatReal23(value).size(), 23);
    bool ok = false;
    QCOMPARE(ParseReal(text, &ok), value);
    QVERIFY(ok);
}

void tst_settings::firstRunCreatesFile()
{
    QTemporaryDir root;
    const Folders folders = DefaultFolders(root.path());
    Settings settings;
    settings.clientFolder = folders.clientFolder;
    QVERIFY(!QFileInfo::exists(folders.settingsFolder));
    QVERIFY(ReadSettings(folders.settingsFolder, settings));
    const QByteArray expected = Encode1252(folders.clientFolder) +
                                "\r\nreserved\r\nFALSE\r\nFALSE\r\n"
                                " 0.00000000000000E+0000\r\n 0.00000000000000E+0000\r\n0\r\nTRUE\r\nFALSE\r\n";
    QCOMPARE(read(folders.settingsFolder + "/brevane.ini"), expected);
    QCOMPARE(settings.clientFolder, folders.clientFolder);
    QVERIFY(settings.recentFiles.isEmpty());
}

void tst_settings::roundTrip()
{
    QTemporaryDir dir;
    Settings settings;
    settings.clientFolder = QStringLiteral("/data/Clients Ünïcode");
    settings.forceWord = true;
    settings.zoomFactor = 1.25;
    settings.fontShrink = 1.5;
    settings.recentFiles = {QStringLiteral("/data/a.cl1"), QStringLiteral("/data/b b.cl1")};
    QVERIFY(WriteSettings(dir.path(), settings));
    Settings back;
    QVERIFY(ReadSettings(dir.path(), back));
    QCOMPARE(back.clientFolder, settings.clientFolder);
    QCOMPARE(back.forceWord, true);
    QCOMPARE(back.forceWordPad, false);
    QCOMPARE(back.zoomFactor, 1.25);
    QCOMPARE(back.fontShrink, 1.5);
    QCOMPARE(back.recentFiles, settings.recentFiles);
    QVERIFY(read(dir.path() + "/brevane.ini").contains("\r\n 1.50000000000000E+0000\r\n2\r\n"));
}

void tst_settings::flags_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("value");
    QTest::newRow("TRUE") << QByteArray("TRUE") << true;
    QTest::newRow("True") << QByteArray("True") << false;
    QTest::newRow("true") << QByteArray("true") << false;
    QTest::newRow("1") << QByteArray("1") << false;
    QTest::newRow("FALSE") << QByteArray("FALSE") << false;
}

void tst_settings::flags()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, value);
    Settings settings;
    ParseSettings("folder\r\nreserved\r\n" + line + "\r\n" + line + "\r\n", settings);
    QCOMPARE(settings.forceWord, value);
    QCOMPARE(settings.forceWordPad, value);
}

void tst_settings::missingLinesKeepDefaults()
{
    Settings settings;
    settings.clientFolder = QStringLiteral("default folder");
    settings.zoomFactor = 1.1;
    settings.fontShrink = 0.5;
    settings.forceWord = true;
    ParseSettings("\r\nreserved\r\n", settings);
    QCOMPARE(settings.clientFolder, QStringLiteral("default folder"));
    QCOMPARE(settings.forceWord, false);
    QCOMPARE(settings.zoomFactor, 1.1);
    QCOMPARE(settings.fontShrink, 0.5);
    QVERIFY(settings.recentFiles.isEmpty());

    Settings empty;
    ParseSettings(QByteArray(), empty); // an empty file
    QVERIFY(empty.clientFolder.isEmpty());

    Settings bad; // unreadable numbers keep the values in memory
    bad.fontShrink = 2.0;
    ParseSettings("x\r\nreserved\r\nFALSE\r\nFALSE\r\nabc\r\n1,5\r\nnone\r\n/a.cl1\r\n", bad);
    QCOMPARE(bad.fontShrink, 2.0);
    QVERIFY(bad.recentFiles.isEmpty());
}

// The switch that opens a saved PDF follows the recent files, and the paper
// view's after it; a file written before them leaves the first on and the
// paper view hidden, and a stray word leaves each as it is.
void tst_settings::openSavedPdf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QStringList>("recent");
    QTest::addColumn<bool>("paper");
    const QByteArray head = "f\r\nreserved\r\nFALSE\r\nFALSE\r\n\r\n\r\n";
    QTest::newRow("off after two files") << head + "2\r\n/a.cl1\r\n/b.cl1\r\nFALSE\r\n"
                                         << false << QStringList{"/a.cl1", "/b.cl1"} << false;
    QTest::newRow("off without files") << head + "0\r\nFALSE\r\n" << false << QStringList{} << false;
    QTest::newRow("on") << head + "1\r\n/a.cl1\r\nTRUE\r\n" << true << QStringList{"/a.cl1"} << false;
    QTest::newRow("older file without it") << head + "1\r\n/a.cl1\r\n" << true << QStringList{"/a.cl1"} << false;
    QTest::newRow("stray word") << head + "0\r\nmaybe\r\n" << true << QStringList{} << false;
    QTest::newRow("paper view shown") << head + "1\r\n/a.cl1\r\nFALSE\r\nTRUE\r\n"
                                      << false << QStringList{"/a.cl1"} << true;
    QTest::newRow("paper view, stray word") << head + "0\r\nTRUE\r\nyes\r\n" << true << QStringList{} << false;
}

void tst_settings::openSavedPdf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, open);
    QFETCH(QStringList, recent);
    QFETCH(bool, paper);
    Settings settings;
    ParseSettings(bytes, settings);
    QCOMPARE(settings.openSavedPdf, open);
    QCOMPARE(settings.recentFiles, recent);
    QCOMPARE(settings.paperView, paper);
    Settings back;
    back.openSavedPdf = !open;
    back.paperView = !paper;
    ParseSettings(FormatSettings(settings), back);
    QCOMPARE(back.openSavedPdf, open);
    QCOMPARE(back.recentFiles, recent);
    QCOMPARE(back.paperView, paper);
}

void tst_settings::sevenRecentFilesAllLoad()
{
    QByteArray bytes = "f\r\nreserved\r\nFALSE\r\nFALSE\r\n 1.00000000000000E+0000\r\n 5.00000000000000E-0001\r\n7\r\n";
    for (int i = 1; i <= 7; ++i)
        bytes += "/clients/c" + QByteArray::number(i) + ".cl1\r\n";
    Settings settings;
    ParseSettings(bytes, settings);
    QCOMPARE(settings.recentFiles.size(), 7);
    QCOMPARE(settings.recentFiles.last(), QStringLiteral("/clients/c7.cl1"));
    QCOMPARE(settings.fontShrink, 0.5);

    Settings fewer; // a count larger than the paths present reads what is there
    ParseSettings("f\r\nreserved\r\nFALSE\r\nFALSE\r\n\r\n\r\n3\r\n/one.cl1\r\n", fewer);
    QCOMPARE(fewer.recentFiles, QStringList({"/one.cl1"}));
}

void tst_settings::pathsKeepEveryCharacter_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("asWritten"); // Windows-1252 holds it: written as it is
    QTest::newRow("plain") << "/home/ana/clients/acme.cl1" << true;
    QTest::newRow("western accents") << "/home/jos\u00e9/Cr\u00e8me Br\u00fbl\u00e9e.cl1" << true;
    QTest::newRow("percent sign") << "/home/ana/100% done.cl1" << true;
    QTest::newRow("cyrillic")
        << "/home/ana/\u0414\u043e\u043a\u0443\u043c\u0435\u043d\u0442\u044b/\u043a\u043b\u0438\u0435\u043d\u0442.cl1"
        << false;
    QTest::newRow("beyond the basic plane") << "/home/ana/\U0001F4C1 files/x.cl1" << false;
    QTest::newRow("starts with the mark") << "utf-8:%41" << false;
}

// The client folder and the recent files keep every character through the
// settings file; a path Windows-1252 holds is written as older files have it.
void tst_settings::pathsKeepEveryCharacter()
{
    QFETCH(QString, path);
    QFETCH(bool, asWritten);
    Settings settings;
    settings.clientFolder = path;
    settings.recentFiles = {path, QStringLiteral("/other.cl1")};
    const QByteArray bytes = FormatSettings(settings);
    QCOMPARE(bytes.startsWith(Encode1252(path) + "\r\n"), asWritten);
    Settings back;
    ParseSettings(bytes, back);
    QCOMPARE(back.clientFolder, path);
    QCOMPARE(back.recentFiles, settings.recentFiles);
}

void tst_settings::valuesOutOfRangeKeepTheDefaults_data()
{
    QTest::addColumn<QByteArray>("zoom");
    QTest::addColumn<QByteArray>("shrink");
    QTest::addColumn<double>("expectedZoom");
    QTest::addColumn<double>("expectedShrink");
    QTest::newRow("in range") << QByteArray(" 1.50000000000000E+0000") << QByteArray(" 2.50000000000000E+0000") << 1.5
                              << 2.5;
    QTest::newRow("huge negative shrink")
        << QByteArray(" 1.00000000000000E+0000") << QByteArray("-1.00000000000000E+0308") << 1.0 << 0.25;
    QTest::newRow("huge zoom") << QByteArray(" 1.00000000000000E+0010") << QByteArray(" 0.00000000000000E+0000") << 0.75
                               << 0.0;
    QTest::newRow("not a number") << QByteArray("nan") << QByteArray("inf") << 0.75 << 0.25;
}

void tst_settings::valuesOutOfRangeKeepTheDefaults()
{
    QFETCH(QByteArray, zoom);
    QFETCH(QByteArray, shrink);
    QFETCH(double, expectedZoom);
    QFETCH(double, expectedShrink);
    Settings settings;
    settings.zoomFactor = 0.75;
    settings.fontShrink = 0.25;
    ParseSettings("/clients\r\nreserved\r\nFALSE\r\nFALSE\r\n" + zoom + "\r\n" + shrink + "\r\n0\r\n", settings);
    QCOMPARE(settings.zoomFactor, expectedZoom);
    QCOMPARE(settings.fontShrink, expectedShrink);
}

void tst_settings::numbersReadBackInEveryRegion_data()
{
    QTest::addColumn<QString>("region");
    for (const char *region : {"en_US", "de_DE", "fr_FR", "sv_SE", "tr_TR"})
        QTest::newRow(region) << QString::fromLatin1(region);
}

// The regional settings of the program (QLocale) and of the C library
// (which the program's start takes from the system) both set to a region:
// the settings and the client file's version line are written with a point
// and read back in any other region.
void tst_settings::numbersReadBackInEveryRegion()
{
    QFETCH(QString, region);
    const QByteArray name = region.toLatin1() + ".UTF-8";
    const QByteArray previous = setlocale(LC_ALL, nullptr);
    if (!setlocale(LC_ALL, name.constData()))
        QSKIP(qPrintable(QStringLiteral("the system has no %1 locale (scripts/deps.sh test makes it)").arg(region)));
    const QLocale saved;
    QLocale::setDefault(QLocale(region));
    Settings settings;
    settings.zoomFactor = 0.75;
    settings.fontShrink = 2.5;
    const QByteArray bytes = FormatSettings(settings);
    TAnswer store;
    const QByteArray client = WriteClientFile(store, DirectoryTable());
    setlocale(LC_ALL, previous.constData());
    QLocale::setDefault(saved);

    QVERIFY(bytes.contains(" 2.50000000000000E+0000"));
    QVERIFY(client.contains("\r\n 1.03000000000000E+0000\r\n"));
    Settings back;
    ParseSettings(bytes, back);
    QCOMPARE(back.zoomFactor, 0.75);
    QCOMPARE(back.fontShrink, 2.5);
    MessageRecorder messages;
    TAnswer read;
    DirectoryTable rows;
    QVERIFY(ReadClientFile(client, read, rows));
    QVERIFY(messages.numbers().isEmpty());
}

void tst_settings::defaultClientPathWithOrWithoutDelimiter()
{
    QCOMPARE(FileInFolder(QStringLiteral("/data/clients"), QStringLiteral("default.cl1")),
             FileInFolder(QStringLiteral("/data/clients/"), QStringLiteral("default.cl1")));
    QCOMPARE(FileInFolder(QStringLiteral("C:\\Tarnwick\\Brevane\\Files\\"), QStringLiteral("default.cl1")),
             QStringLiteral("C:\\Tarnwick\\Brevane\\Files\\default.cl1"));
}

void tst_settings::folders()
{
    const Folders f = DefaultFolders(QStringLiteral("/root/Tarnwick"));
    QCOMPARE(f.installRoot, QStringLiteral("/root/Tarnwick/"));
    QCOMPARE(f.settingsFolder, QStringLiteral("/root/Tarnwick/Brevane"));
    QCOMPARE(f.clientFolder, QDir::toNativeSeparators(QStringLiteral("/root/Tarnwick/Brevane/Files")));
    QCOMPARE(f.tempFolder, QDir::toNativeSeparators(QStringLiteral("/root/Tarnwick/Brevane/Temp")));

    // The program folder: beside the executable when it holds PSF, else the
    // installed share folder.
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("bin"));
    QDir(dir.path()).mkpath(QStringLiteral("share/brevane/PSF"));
    qunsetenv("BREVANE_SUPPORT");
    QCOMPARE(FindProgramFolder(dir.path() + "/bin"), QDir::cleanPath(dir.path() + "/share/brevane"));
    QDir(dir.path()).mkpath(QStringLiteral("bin/PSF"));
    QCOMPARE(FindProgramFolder(dir.path() + "/bin"), QDir::cleanPath(dir.path() + "/bin"));
    QCOMPARE(FindProgramFolder(dir.path() + "/bin", QStringLiteral("/elsewhere")), QStringLiteral("/elsewhere"));
}

QTEST_GUILESS_MAIN(tst_settings)
#include "tst_settings.moc"
