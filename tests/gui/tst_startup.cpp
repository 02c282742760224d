// Start-up and shutdown: the screen bands, the settings file read at start
// and written at close, the default client, the first page, and the
// temporary print documents removed at close.
#include "GuiFixture.h"
#include "core/files/ClientFile.h"
#include "core/files/Settings.h"
#include "core/files/Windows1252.h"
#include "core/store/Answers.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/files/FileCommands.h"

#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace brevane;
using namespace brevane::test;

namespace {

QString settingsPath(const GuiFixture &fx)
{
    return fx.InstallRoot() + QStringLiteral("Brevane/brevane.ini");
}

QStringList settingsLines(const GuiFixture &fx)
{
    QFile file(settingsPath(fx));
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<missing>")};
    QString text = Decode1252(file.readAll());
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

void writeSettings(const GuiFixture &fx, const QStringList &lines)
{
    QDir().mkpath(fx.InstallRoot() + QStringLiteral("Brevane"));
    QFile file(settingsPath(fx));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
}

} // namespace

class tst_startup : public QObject
{
    Q_OBJECT
private slots:
    void screenBands_data();
    void screenBands();
    void windowTakesItsBand();
    void narrowScreenStartsMinimized();
    void firstRunCreatesTheSettingsFile();
    void settingsAreReadAndWrittenBack();
    void defaultClientUnreadable();
    void settingsFileThatIsNoFile_data();
    void settingsFileThatIsNoFile();
    void closingRemovesTemporaryDocuments();
    void closingCommitsTheFieldBeingTyped();
};

void tst_startup::screenBands_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("tree");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("zoom");
    QTest::newRow("800") << 800 << 800 << 0 << 1.0 << 0.9;
    QTest::newRow("1023") << 1023 << 800 << 0 << 1.0 << 0.9;
    QTest::newRow("1024") << 1024 << 1024 << 0 << 0.7 << 1.0;
    QTest::newRow("1152") << 1152 << 1100 << 116 << 0.7 << 1.0;
    QTest::newRow("1176") << 1176 << 1100 << 140 << 0.7 << 1.0;
    QTest::newRow("1280") << 1280 << 1280 << 244 << 0.7 << 1.0;
    QTest::newRow("1366") << 1366 << 1366 << 330 << 1.0 << 1.0;
    QTest::newRow("1400") << 1400 << 1400 << 376 << 1.0 << 1.0;
    QTest::newRow("1919") << 1919 << 1400 << 376 << 1.0 << 1.0;
    QTest::newRow("1920") << 1920 << 1435 << 400 << 1.0 << 1.0;
    QTest::newRow("9999") << 9999 << 1435 << 400 << 1.0 << 1.0;
    QTest::newRow("10000") << 10000 << 800 << 0 << 1.0 << 1.0;
}

void tst_startup::screenBands()
{
    QFETCH(int, screen);
    QFETCH(int, window);
    QFETCH(int, tree);
    QFETCH(double, scale);
    QFETCH(double, zoom);
    const TfrmMain::ScreenBand band = TfrmMain::BandFor(screen);
    QCOMPARE(band.windowWidth, window);
    QCOMPARE(band.treeWidth, tree);
    QCOMPARE(band.treeScale, scale);
    QCOMPARE(band.zoom, zoom);
    QCOMPARE(band.tooNarrow, screen < 1024);
}

void tst_startup::windowTakesItsBand()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)}, 900, 1500);
    MessageRecorder messages;
    auto w = fx.Start(true, QSize(1366, 768));
    QCOMPARE(w->width(), 1366);
    QCOMPARE(w->height(), 768 - int(768 * 0.075));
    QCOMPARE(w->ZoomFactor(), 1.0);
    // The tree takes what the page leaves of the window: the page shows
    // whole, without a horizontal scroll bar.
    QVERIFY(w->TreeView1->width() >= w->width() - w->pnlMainForm->width() - 40);
    QCOMPARE(w->VertScrollBox1->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(w->ZoomBaseWidth, 900.0);
    QCOMPARE(w->CurrentPage, 0);
    QCOMPARE(w->windowTitle(), QStringLiteral("Untitled.cl1"));
    QCOMPARE(w->TreeView1->currentItem()->text(0), QStringLiteral("1 General Information Worksheet"));
    QVERIFY(messages.numbers().isEmpty());
}

void tst_startup::narrowScreenStartsMinimized()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    MessageRecorder messages;
    auto w = fx.Start(false, QSize(800, 600));
    w->show();
    QTRY_VERIFY(w->isMinimized());
    QCOMPARE(messages.numbers(), QList<int>{11080});
    QCOMPARE(w->ZoomFactor(), 0.9);
}

void tst_startup::firstRunCreatesTheSettingsFile()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    auto w = fx.Start(false);
    const QString clientFolder = QDir::toNativeSeparators(fx.InstallRoot() + QStringLiteral("Brevane/Files"));
    QCOMPARE(settingsLines(fx), (QStringList{clientFolder, "reserved", "FALSE", "FALSE", " 0.00000000000000E+0000",
                                             " 0.00000000000000E+0000", "0", "TRUE", "FALSE"}));
    w->show();
    Item(*w, "mnuForceWord")->trigger();
    w->settings.fontShrink = 0.5;
    w->close();
    QCOMPARE(settingsLines(fx), (QStringList{clientFolder, "reserved", "TRUE", "FALSE", " 1.00000000000000E+0000",
                                             " 5.00000000000000E-0001", "0", "TRUE", "FALSE"}));
}

void tst_startup::settingsAreReadAndWrittenBack()
{
    GuiFixture fx;
    ComponentRecord label = Label("lblHeading", 0, 10, QStringLiteral("Heading"));
    label.Set(QStringLiteral("TextSettings.Font.Size"), StreamValue::Number(14));
    fx.WritePage(0, {label, Edit("edtName", 1000, 40)});
    const QString clients = fx.Path(QStringLiteral("clients"));
    writeSettings(fx, {clients + "/", "reserved", "TRUE", "True", " 2.00000000000000E+0000", " 1.50000000000000E+0000",
                       "7", "/c/1.cl1", "/c/2.cl1", "/c/3.cl1", "/c/4.cl1", "/c/5.cl1", "/c/6.cl1", "/c/7.cl1"});
    auto w = fx.Start();
    QVERIFY(w->settings.forceWord);
    QVERIFY(!w->settings.forceWordPad); // only "TRUE" reads as true
    QVERIFY(Item(*w, "mnuForceWord")->isChecked());
    QCOMPARE(w->FontShrink(), 1.5);
    QCOMPARE(w->ZoomFactor(), 1.0); // start-up sets the zoom itself
    QCOMPARE(Control(*w, "lblHeading")->font().pointSizeF(), (14 - 1.5) * 0.75);
    QCOMPARE(Item(*w, "HX4")->text(), QStringLiteral("&4-5.cl1"));
    QCOMPARE(w->Files().DefaultClientPath(), clients + QStringLiteral("/default.cl1"));
    w->close();
    const QStringList lines = settingsLines(fx);
    QCOMPARE(lines.mid(0, 7), (QStringList{clients + "/", "reserved", "TRUE", "FALSE", " 1.00000000000000E+0000",
                                           " 1.50000000000000E+0000", "5"}));
    // The recent files the menu keeps, then the option of Save as PDF.
    QCOMPARE(lines.mid(7), (QStringList{"/c/1.cl1", "/c/2.cl1", "/c/3.cl1", "/c/4.cl1", "/c/5.cl1", "TRUE", "FALSE"}));
}

void tst_startup::defaultClientUnreadable()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    QDir().mkpath(fx.ClientFolder());
    QFile file(fx.ClientFolder() + QStringLiteral("/default.cl1"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a client file\r\n");
    file.close();
    MessageRecorder messages;
    auto w = fx.Start();
    QCOMPARE(messages.numbers(), (QList<int>{33010, 11340}));
    QCOMPARE(w->CurrentPage, 0);
    QCOMPARE(w->windowTitle(), QStringLiteral("Untitled.cl1"));
    QVERIFY(!w->Document().IsModified());
    // The window works: typing and leaving a field reaches the store.
    auto *name = Control<QLineEdit>(*w, "edtName");
    QTest::keyClicks(name, QStringLiteral("Acme"));
    QTest::keyClick(name, Qt::Key_Tab);
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Acme"));
}

void tst_startup::settingsFileThatIsNoFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a pipe") << "pipe";
    QTest::newRow("a link to a pipe") << "link";
    QTest::newRow("a folder") << "folder";
}

// A settings file that is no file the program can read: the program starts
// at once with its usual settings and says so, naming the file. Closing
// writes a regular settings file in place of a link, never through it (a
// pipe stands in for a device: as an administrator, writing through a link
// to /dev/zero would replace the device); a pipe or folder is left alone.
void tst_startup::settingsFileThatIsNoFile()
{
    QFETCH(QString, kind);
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    QDir().mkpath(fx.InstallRoot() + QStringLiteral("Brevane"));
    const QString path = settingsPath(fx);
    const QString pipe = kind == "link" ? fx.Path(QStringLiteral("pipe")) : path;
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    else
        QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    if (kind == "link")
        QVERIFY(QFile::link(pipe, path));
    MessageRecorder messages;
    auto w = fx.Start();
    QCOMPARE(messages.numbers(), QList<int>{11210});
    QVERIFY2(messages.messages().first().text.contains(path), qPrintable(messages.messages().first().text));
    QCOMPARE(w->CurrentPage, 0);
    QCOMPARE(w->settings.fontShrink, 0.0);
    w->close();
    w.reset();
    if (kind != "link") {
        QVERIFY(!QFileInfo(path).isFile());
        return;
    }
    QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
    QCOMPARE(settingsLines(fx).value(1), QStringLiteral("reserved"));
    QVERIFY(!QFileInfo(pipe).isFile() && QFileInfo::exists(pipe));
}

void tst_startup::closingRemovesTemporaryDocuments()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    auto w = fx.Start();
    QDir().mkpath(w->folders.tempFolder);
    for (const char *name : {"send_temp.RTF", "send_temp417.rtf", "keep.rtf"}) {
        QFile file(w->folders.tempFolder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    w->close();
    QCOMPARE(QDir(w->folders.tempFolder).entryList(QDir::Files), QStringList{"keep.rtf"});
    QVERIFY(!w->Document().Answers());
}

void tst_startup::closingCommitsTheFieldBeingTyped()
{
    GuiFixture fx;
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtCapital", 2030, 40)});
    const QString path = fx.Path(QStringLiteral("acme.cl1"));
    TestDialogs dialogs;
    dialogs.questionAnswers << QMessageBox::Yes;
    dialogs.fileAnswers << path;
    auto w = fx.Start();
    auto *capital = Control<QLineEdit>(*w, "edtCapital");
    Enter(capital);
    capital->selectAll();
    QTest::keyClicks(capital, QStringLiteral("2500"));
    w->close();
    QVERIFY(!w->isVisible());
    TAnswer store;
    DirectoryTable directory;
    QVERIFY(LoadClientFile(path, store, directory));
    QCOMPARE(store.Text(0, 0, 30), QStringLiteral("2,500.00"));
}

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
