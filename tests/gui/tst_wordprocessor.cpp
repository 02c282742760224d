// The word processor hand-off: which program opens the print document under
// the Force Word and Force WordPad switches, the launch failure message, the
// Find Word search and its switch, and the removal of the temporary print
// documents.
#include "OutputFixture.h"
#include "gui/app/MainMenus.h"
#include "gui/output/FileSearch.h"
#include "gui/output/OutputCommands.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace brevane;
using namespace brevane::test;

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

} // namespace

class tst_wordprocessor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { window_.reset(); }

    void launchChoice_data();
    void launchChoice();
    void writerFailingAtOnceNamesTheDocument_data();
    void writerFailingAtOnceNamesTheDocument();
    void forceSwitchesShowAsCheckMarks();

    void findFileRecursive_data();
    void findFileRecursive();
    void searchDoesNotFollowFolderLinks();
    void searchStopsOnceFound();
    void findWordIsASwitch();

    void deleteTempsRemovesOnlyPrintDocuments();
    void deleteTempsWarnsAndGoesOn();

private:
    GuiFixture fx_;
    std::unique_ptr<TfrmMain> window_;
};

void tst_wordprocessor::initTestCase()
{
    fx_.WritePage(0, {Edit("edtName", 1000, 10)});
    window_ = fx_.Start();
}

void tst_wordprocessor::launchChoice_data()
{
    QTest::addColumn<bool>("wordDetected");
    QTest::addColumn<bool>("forceWord");
    QTest::addColumn<bool>("forceWordPad");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("started");
    QTest::addColumn<QList<int>>("messages");
    const QList<int> none;
    QTest::newRow("nothing detected: WordPad after its margins") << false << false << false << 42 << "WordPad" << none;
    QTest::newRow("word detected") << true << false << false << 42 << "Word" << none;
    QTest::newRow("force word without word") << false << true << false << 42 << "Word" << none;
    QTest::newRow("force wordpad over detected word") << true << false << true << 42 << "WordPad" << none;
    QTest::newRow("both forced: wordpad") << false << true << true << 42 << "WordPad" << none;
    QTest::newRow("all three: wordpad") << true << true << true << 42 << "WordPad" << none;
    QTest::newRow("result 0 counts as started") << true << false << false << 0 << "Word" << none;
    QTest::newRow("force word, word not there: 11550")
        << false << true << false << ShellFileNotFound << "Word" << QList<int>{11550};
    QTest::newRow("wordpad not started: 11550")
        << false << false << false << ShellNoAssociation << "WordPad" << QList<int>{11550};
}

void tst_wordprocessor::launchChoice()
{
    QFETCH(bool, wordDetected);
    QFETCH(bool, forceWord);
    QFETCH(bool, forceWordPad);
    QFETCH(int, result);
    QFETCH(QString, started);
    QFETCH(QList<int>, messages);

    TfrmMain &w = *window_;
    w.WordDetected = wordDetected;
    w.settings.forceWord = forceWord;
    w.settings.forceWordPad = forceWordPad;
    FakeLauncher launcher;
    launcher.result = result;
    w.Output().SetLauncher(&launcher);
    MessageRecorder recorder;
    const QString temp = fx_.Path(QStringLiteral("Temp"));
    w.Output().LaunchWordProcessor(temp + QStringLiteral("/send_temp417.rtf"), temp);
    w.Output().SetLauncher(nullptr);

    // The document's file name alone, the temporary folder as working folder.
    QStringList expected;
    if (started == QLatin1String("WordPad"))
        expected << QStringLiteral("margins");
    expected << started + QStringLiteral(" send_temp417.rtf in ") + temp;
    QCOMPARE(launcher.calls, expected);
    QCOMPARE(recorder.numbers(), messages);
    QCOMPARE(ChooseWordProcessor(wordDetected, forceWord, forceWordPad) == WordProcessorChoice::Word,
             started == QLatin1String("Word"));
}

void tst_wordprocessor::writerFailingAtOnceNamesTheDocument_data()
{
    QTest::addColumn<QString>("script"); // the fake word processor; empty: a file that cannot run
    QTest::addColumn<QList<int>>("messages");
    QTest::newRow("ends at once with an error") << "#!/bin/sh\nexit 1\n" << QList<int>{11550};
    QTest::newRow("cannot start its window") << "#!/bin/sh\necho 'cannot open display' >&2\nexit 77\n"
                                             << QList<int>{11550};
    QTest::newRow("cannot be started") << QString() << QList<int>{11550};
    QTest::newRow("hands the document on and ends") << "#!/bin/sh\nexit 0\n" << QList<int>{};
    QTest::newRow("keeps running") << "#!/bin/sh\nsleep 1\n" << QList<int>{};
}

// Preview & Print shows a result or says why not: a word processor that
// cannot be started, or ends at once with an error, gives a message naming
// the document's path. The fake stands on the PATH under Writer's name and
// is started by the program's own launcher.
void tst_wordprocessor::writerFailingAtOnceNamesTheDocument()
{
    QFETCH(QString, script);
    QFETCH(QList<int>, messages);
    QTemporaryDir bin;
    const QString fake = bin.filePath(QStringLiteral("lowriter"));
    {
        QFile file(fake);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(script.isEmpty() ? QByteArray("\x7f"
                                                 "ELF broken")
                                    : script.toUtf8());
    }
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
    TfrmMain &w = *window_;
    w.WordDetected = true;
    w.settings.forceWord = false;
    w.settings.forceWordPad = false;
    MessageRecorder recorder;
    const QString temp = fx_.Path(QStringLiteral("Temp"));
    const QString document = temp + QStringLiteral("/send_temp417.rtf");
    touch(document);
    w.Output().LaunchWordProcessor(document, temp);
    qputenv("PATH", path);
    if (messages.isEmpty()) {
        QTest::qWait(1500);
        QCOMPARE(recorder.numbers(), messages);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(recorder.numbers(), messages, 4000);
    QCOMPARE(recorder.messages().first().detail, QDir::toNativeSeparators(QFileInfo(document).absoluteFilePath()));
    QVERIFY(recorder.messages().first().text.endsWith(recorder.messages().first().detail));
}

void tst_wordprocessor::forceSwitchesShowAsCheckMarks()
{
    TfrmMain &w = *window_;
    w.settings.forceWord = false;
    w.settings.forceWordPad = false;
    QAction *forceWord = w.Menus().Action("mnuForceWord");
    QAction *forceWordPad = w.Menus().Action("mnuForceWordPad");
    forceWord->trigger();
    QVERIFY(w.settings.forceWord);
    QVERIFY(forceWord->isChecked());
    forceWordPad->trigger();
    QVERIFY(w.settings.forceWordPad);
    QVERIFY(forceWordPad->isChecked());
    forceWord->trigger();
    QVERIFY(!w.settings.forceWord);
    QVERIFY(!forceWord->isChecked());
    QVERIFY(forceWordPad->isChecked());
    w.settings.forceWordPad = false;
}

void tst_wordprocessor::findFileRecursive_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("found"); // empty: nothing found
    QTest::newRow("deep in the tree") << QStringList{"a/b/other", "a/b/c/d/soffice"} << "a/b/c/d/soffice";
    QTest::newRow("letter case ignored") << QStringList{"x/SOFFICE"} << "x/SOFFICE";
    QTest::newRow("a folder of that name is searched, not matched")
        << QStringList{"soffice/program/soffice"} << "soffice/program/soffice";
    QTest::newRow("hidden folder") << QStringList{".local/bin/soffice"} << ".local/bin/soffice";
    QTest::newRow("nothing of that name") << QStringList{"a/soffice.bin", "b/lowriter"} << "";
    QTest::newRow("empty tree") << QStringList{} << "";
}

void tst_wordprocessor::findFileRecursive()
{
    QFETCH(QStringList, files);
    QFETCH(QString, found);
    QTemporaryDir tree;
    for (const QString &file : files)
        touch(tree.filePath(file));
    TFileSearch search;
    search.FindFileRecursive(tree.path(), QStringLiteral("soffice"));
    QCOMPARE(search.Found, !found.isEmpty());
    QCOMPARE(search.FoundPath, found.isEmpty() ? QString() : tree.filePath(found));
}

void tst_wordprocessor::searchDoesNotFollowFolderLinks()
{
    // A link back up the tree would otherwise make the search endless; a
    // linked file is found like any other.
    QTemporaryDir tree;
    touch(tree.filePath(QStringLiteral("lib/program/soffice")));
    QDir().mkpath(tree.filePath(QStringLiteral("bin")));
    QVERIFY(QFile::link(tree.path(), tree.filePath(QStringLiteral("bin/up"))));
    TFileSearch search;
    search.FindFileRecursive(tree.filePath(QStringLiteral("bin")), QStringLiteral("soffice"));
    QVERIFY(!search.Found);
    QVERIFY(QFile::link(tree.filePath(QStringLiteral("lib/program/soffice")),
                        tree.filePath(QStringLiteral("bin/soffice"))));
    search.FindFileRecursive(tree.filePath(QStringLiteral("bin")), QStringLiteral("soffice"));
    QCOMPARE(search.FoundPath, tree.filePath(QStringLiteral("bin/soffice")));
}

void tst_wordprocessor::searchStopsOnceFound()
{
    QTemporaryDir tree;
    touch(tree.filePath(QStringLiteral("first/soffice")));
    touch(tree.filePath(QStringLiteral("second/soffice")));
    TFileSearch search;
    search.FindFileRecursive(tree.filePath(QStringLiteral("first")), QStringLiteral("soffice"));
    search.FindFileRecursive(tree.filePath(QStringLiteral("second")), QStringLiteral("soffice"));
    QCOMPARE(search.FoundPath, tree.filePath(QStringLiteral("first/soffice")));
}

void tst_wordprocessor::findWordIsASwitch()
{
    TfrmMain &w = *window_;
    QTemporaryDir tree;
    touch(tree.filePath(QStringLiteral("opt/libreoffice/program/soffice")));
    TOutputCommands &output = w.Output();
    const QStringList folders = output.WordSearchFolders;
    output.WordSearchFolders = {tree.filePath(QStringLiteral("usr/bin")), tree.filePath(QStringLiteral("opt"))};
    const bool detected = w.WordDetected;
    QAction *item = w.Menus().Action("mnuFindWord");
    TestDialogs dialogs;

    item->trigger();
    QCOMPARE(output.FoundWordPath, tree.filePath(QStringLiteral("opt/libreoffice/program/soffice")));
    QCOMPARE(item->text(), QStringLiteral("Find Word: FOUND"));
    QCOMPARE(dialogs.asked, QStringList{"Brevane: Found Word installation."});
    QCOMPARE(w.WordDetected, detected); // finding it does not make printing use it

    // Used again it forgets what it found, without searching or a message.
    item->trigger();
    QVERIFY(output.FoundWordPath.isEmpty());
    QCOMPARE(item->text(), QStringLiteral("F&ind Word"));
    QCOMPARE(dialogs.asked.size(), 1);

    QVERIFY(QFile::remove(tree.filePath(QStringLiteral("opt/libreoffice/program/soffice"))));
    item->trigger();
    QVERIFY(output.FoundWordPath.isEmpty());
    QCOMPARE(dialogs.asked.last(), QStringLiteral("Brevane: Did not find Word installation."));
    QVERIFY(!w.findChild<QDialog *>(QStringLiteral("TfrmProgress")));
    output.WordSearchFolders = folders;
}

void tst_wordprocessor::deleteTempsRemovesOnlyPrintDocuments()
{
    QTemporaryDir temp;
    for (const char *name : {"send_temp.rtf", "send_temp417.rtf", "send_temp.txt", "other.rtf", "client.cl1"})
        touch(temp.filePath(QLatin1String(name)));
    TestDialogs dialogs;
    window_->Output().DeleteTemps(temp.path(), QStringLiteral("send_temp*.rtf"));
    QStringList left = QDir(temp.path()).entryList(QDir::Files);
    left.sort();
    QCOMPARE(left, QStringList({"client.cl1", "other.rtf", "send_temp.txt"}));
    QVERIFY(dialogs.asked.isEmpty());
    // A folder that does not exist is nothing to clean.
    window_->Output().DeleteTemps(temp.filePath(QStringLiteral("absent")), QStringLiteral("send_temp*.rtf"));
    QVERIFY(dialogs.asked.isEmpty());
}

void tst_wordprocessor::deleteTempsWarnsAndGoesOn()
{
    // A document that cannot be deleted: made immutable where the file system
    // allows it (as the superuser), else its folder is made read-only.
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("Temp"));
    const QString locked = folder + QStringLiteral("/send_temp.rtf");
    const QString other = folder + QStringLiteral("/send_temp2.rtf");
    touch(locked);
    touch(other);
    const bool immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), locked}) == 0;
    const QFile::Permissions permissions = QFile::permissions(folder);
    if (!immutable)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    struct Unlock
    {
        bool immutable;
        QString file, folder;
        QFile::Permissions permissions;
        ~Unlock()
        {
            if (immutable)
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), file});
            QFile::setPermissions(folder, permissions);
        }
    } unlock{immutable, locked, folder, permissions};
    if (!immutable) {
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("no way to make a file undeletable here");
        }
    }

    TestDialogs dialogs;
    window_->Output().DeleteTemps(folder, QStringLiteral("send_temp*.rtf"));
    QVERIFY(QFile::exists(locked));
    QCOMPARE(dialogs.asked.size(), 1);
    if (immutable) {
        // The other document is deleted all the same.
        QCOMPARE(dialogs.asked.first(), QStringLiteral("Brevane: Unable to delete send_temp.rtf"));
        QVERIFY(!QFile::exists(other));
    } else {
        // In a read-only folder neither goes; one message names both.
        QVERIFY(dialogs.asked.first().startsWith(QStringLiteral("Brevane: Unable to delete ")));
        QVERIFY(dialogs.asked.first().contains(QStringLiteral("send_temp.rtf")));
        QVERIFY(dialogs.asked.first().contains(QStringLiteral("send_temp2.rtf")));
    }
}

QTEST_MAIN(tst_wordprocessor)
#include "tst_wordprocessor.moc"
