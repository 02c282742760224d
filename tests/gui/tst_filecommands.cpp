// The File commands: the states untitled/named and clean/modified, the save
// question's three answers, Save As and its extension rules, Duplicate, the
// recent files and their menu, the default client, and bad input: files
// that cannot be read or written give their message and lose nothing the
// user typed.
#include "DocumentFill.h"
#include "GuiFixture.h"
#include "core/document/ClientDocument.h"
#include "core/files/ClientFile.h"
#include "core/files/ClientLock.h"
#include "core/store/Answers.h"
#include "gui/app/Navigation.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/files/FileCommands.h"

#include <QFile>
#include <QFileInfo>

using namespace brevane;
using namespace brevane::test;

namespace {

void writePages(GuiFixture &fx)
{
    fx.WritePage(0, {Edit("edtName", 1000, 10), Edit("edtCity", 1003, 40)});
    fx.WritePage(1, {Edit("edtDate", 1011, 10)});
}

// Types into page 0's name field and leaves it, as the user would.
void typeName(TfrmMain &w, const QString &text)
{
    w.Navigation().DisplayAPage(w.Invisible(0));
    auto *name = Control<QLineEdit>(w, "edtName");
    Enter(name);
    TypeOver(name, text);
}

QString savedName(const QString &path)
{
    TAnswer store;
    DirectoryTable directory;
    if (!LoadClientFile(path, store, directory))
        return QStringLiteral("<unreadable>");
    return store.Text(0, 0, 0);
}

void writeClient(const QString &path, const QString &name, const QString &directoryName = QString())
{
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, name);
    directory.SetCell(0, ColName, directoryName);
    QVERIFY(SaveClientFile(path, store, directory));
}

// acme.cl1 (page 0's name "Acme"), open in another window: `lock` holds it.
QString clientOpenElsewhere(GuiFixture &fx, ClientFileLock &lock)
{
    const QString path = fx.Path(QStringLiteral("acme.cl1"));
    writeClient(path, QStringLiteral("Acme"));
    if (lock.Take(path) != ClientFileLock::Result::Taken)
        qWarning("the lock of %s was not taken", qPrintable(path));
    return path;
}

} // namespace

class tst_filecommands : public QObject
{
    Q_OBJECT
private slots:
    void stateTable();
    void commandLineFiles_data();
    void commandLineFiles();
    void saveQuestion_data();
    void saveQuestion();
    void saveQuestionYesWithSaveAsCancelledKeepsTheClient();
    void saveAsExtensions_data();
    void saveAsExtensions();
    void saveAsOverAnExistingClientAsks_data();
    void saveAsOverAnExistingClientAsks();
    void openFindsTheClientTypedWithoutItsExtension();
    void saveAsProposesTheEntitysName_data();
    void saveAsProposesTheEntitysName();
    void saveAsCancelledWritesNothing();
    void duplicateThenSaveAsksForANewName();
    void recentFiles();
    void recentFilesMenuShowsFive();
    void defaultClient();
    void newStartsWithAnEmptyWorksheet();
    void badClientFiles_data();
    void badClientFiles();
    void damagedFileOpensAndSaveAsksForAName();
    void saveOverAFileChangedElsewhereAsks();
    void secondWindowIsTold_data();
    void secondWindowIsTold();
    void saveAsOntoAClientOpenElsewhere();
    void lockFollowsTheOpenFile_data();
    void lockFollowsTheOpenFile();
    void reopenOfAMissingFile();
    void saveIntoAFolderThatCannotBeWritten();
    void defaultFileLocations();
};

void tst_filecommands::stateTable()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start();
    const QString path = fx.Path(QStringLiteral("acme.cl1"));
    auto state = [&] {
        return QStringLiteral("%1, %2").arg(TFileCommands::IsUntitled(w->Document().FileName()) ? "untitled" : "named",
                                            w->Document().IsModified() ? "modified" : "clean");
    };
    QCOMPARE(state(), QStringLiteral("untitled, clean"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Untitled.cl1"));
    typeName(*w, QStringLiteral("Acme"));
    QCOMPARE(state(), QStringLiteral("untitled, modified"));

    dialogs.fileAnswers << path;
    Item(*w, "mnuSave")->trigger(); // Save of an untitled client is Save As
    QCOMPARE(dialogs.asked, QStringList{"Save Client As"});
    QCOMPARE(state(), QStringLiteral("named, clean"));
    QCOMPARE(w->windowTitle(), QStringLiteral("acme.cl1"));
    QCOMPARE(savedName(path), QStringLiteral("Acme"));

    typeName(*w, QStringLiteral("Acme Tools"));
    QCOMPARE(state(), QStringLiteral("named, modified"));
    QTest::keyClick(Control(*w, "edtCity"), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(state(), QStringLiteral("named, clean"));
    QCOMPARE(savedName(path), QStringLiteral("Acme Tools"));
    QCOMPARE(dialogs.asked.size(), 1);

    dialogs.fileAnswers << path;
    Item(*w, "mnuNew")->trigger();
    QCOMPARE(state(), QStringLiteral("untitled, clean"));
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QString());
    Item(*w, "mnuOpen")->trigger();
    QCOMPARE(state(), QStringLiteral("named, clean"));
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Acme Tools"));
    Item(*w, "mnuClose")->trigger();
    QCOMPARE(state(), QStringLiteral("untitled, clean"));
}

void tst_filecommands::saveQuestion_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("savedAs");    // the file's entity name afterwards
    QTest::addColumn<QString>("shownAfter"); // page 0's name field afterwards
    QTest::addColumn<bool>("modifiedAfter");
    const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
    QTest::newRow("New, Yes") << "new" << yes << "Changed"
                              << "" << false;
    QTest::newRow("New, No") << "new" << no << "Original"
                             << "" << false;
    QTest::newRow("New, Cancel") << "new" << cancel << "Original"
                                 << "Changed" << true;
    QTest::newRow("Open, Yes") << "open" << yes << "Changed"
                               << "Other" << false;
    QTest::newRow("Open, No") << "open" << no << "Original"
                              << "Other" << false;
    QTest::newRow("Open, Cancel") << "open" << cancel << "Original"
                                  << "Changed" << true;
    QTest::newRow("Reopen, Yes") << "reopen" << yes << "Changed"
                                 << "Other" << false;
    QTest::newRow("Reopen, No") << "reopen" << no << "Original"
                                << "Other" << false;
    QTest::newRow("Reopen, Cancel") << "reopen" << cancel << "Original"
                                    << "Changed" << true;
    QTest::newRow("Close window, Yes") << "close" << yes << "Changed"
                                       << "" << false;
    QTest::newRow("Close window, No") << "close" << no << "Original"
                                      << "" << false;
    QTest::newRow("Close window, Cancel") << "close" << cancel << "Original"
                                          << "Changed" << true;
}

void tst_filecommands::saveQuestion()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(QString, savedAs);
    QFETCH(QString, shownAfter);
    QFETCH(bool, modifiedAfter);
    GuiFixture fx;
    writePages(fx);
    const QString path = fx.Path(QStringLiteral("acme.cl1"));
    const QString other = fx.Path(QStringLiteral("other.cl1"));
    writeClient(path, QStringLiteral("Original"));
    writeClient(other, QStringLiteral("Other"));
    TestDialogs dialogs;
    auto w = fx.Start();
    w->settings.recentFiles = {other};
    dialogs.fileAnswers << path;
    Item(*w, "mnuOpen")->trigger();
    typeName(*w, QStringLiteral("Changed"));
    QVERIFY(w->Document().IsModified());

    dialogs.asked.clear();
    dialogs.questionAnswers << QMessageBox::StandardButton(answer);
    if (command == "new") {
        Item(*w, "mnuNew")->trigger();
    } else if (command == "open") {
        dialogs.fileAnswers << other;
        Item(*w, "mnuOpen")->trigger();
    } else if (command == "reopen") {
        w->Files().ReOpenClick(1); // other.cl1, second in the list now
    } else {
        // Closing: the field being typed in is committed before the question.
        auto *name = Control<QLineEdit>(*w, "edtName");
        Enter(name);
        name->setText(QStringLiteral("Changed"));
        w->close();
    }
    QCOMPARE(dialogs.asked.first(), QStringLiteral("Brevane: Do You Want To Save Your Changes"));
    QCOMPARE(savedName(path), savedAs);
    if (command == "close") {
        QCOMPARE(w->isVisible(), answer == QMessageBox::Cancel);
        if (answer != QMessageBox::Cancel)
            return;
    }
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), shownAfter);
    QCOMPARE(w->Document().IsModified(), modifiedAfter);
}

void tst_filecommands::saveQuestionYesWithSaveAsCancelledKeepsTheClient()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start();
    typeName(*w, QStringLiteral("Unsaved"));
    dialogs.questionAnswers << QMessageBox::Yes; // then the Save As dialog is cancelled
    Item(*w, "mnuNew")->trigger();
    QCOMPARE(dialogs.asked.last(), QStringLiteral("Save Client As"));
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Unsaved"));
    QVERIFY(w->Document().IsModified());
    dialogs.questionAnswers << QMessageBox::Yes;
    w->close();
    QVERIFY(w->isVisible());
}

void tst_filecommands::saveAsExtensions_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("warned");
    QTest::newRow("cl1") << "client.cl1"
                         << "client.cl1" << false;
    QTest::newRow("upper case CL1") << "CLIENT.CL1"
                                    << "CLIENT.CL1" << false;
    QTest::newRow("no extension") << "client"
                                  << "client.cl1" << false;
    QTest::newRow("txt") << "client.txt"
                         << "client.cl1" << true;
    QTest::newRow("two points") << "a.b.txt"
                                << "a.b.cl1" << true;
    QTest::newRow("point at the end") << "client."
                                      << "client.cl1" << true;
}

void tst_filecommands::saveAsExtensions()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QFETCH(bool, warned);
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    MessageRecorder messages;
    auto w = fx.Start();
    typeName(*w, QStringLiteral("Acme"));
    dialogs.fileAnswers << fx.Path(typed);
    QVERIFY(w->Files().SaveAsClick());
    QCOMPARE(messages.numbers(), warned ? QList<int>{11010} : QList<int>{});
    QCOMPARE(w->Document().FileName(), fx.Path(saved));
    QCOMPARE(savedName(fx.Path(saved)), QStringLiteral("Acme"));
    if (typed != saved)
        QVERIFY(!QFileInfo::exists(fx.Path(typed)));
    QCOMPARE(w->settings.recentFiles.first(), fx.Path(saved));
    QVERIFY(!w->Document().IsModified());
}

// The dialog asked about the name it returned; a client under the name the
// extension rules make of it is never replaced without its own question.
void tst_filecommands::saveAsOverAnExistingClientAsks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("no extension, keep") << "other" << QMessageBox::No << false;
    QTest::newRow("no extension, replace") << "other" << QMessageBox::Yes << true;
    QTest::newRow("other extension, keep") << "other.txt" << QMessageBox::No << false;
    QTest::newRow("other extension, replace") << "other.txt" << QMessageBox::Yes << true;
    QTest::newRow("point at the end, keep") << "other." << QMessageBox::No << false;
}

void tst_filecommands::saveAsOverAnExistingClientAsks()
{
    QFETCH(QString, typed);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, replaced);
    GuiFixture fx;
    writePages(fx);
    const QString other = fx.Path(QStringLiteral("other.cl1"));
    writeClient(other, QStringLiteral("Other"));
    TestDialogs dialogs;
    MessageRecorder messages;
    auto w = fx.Start();
    typeName(*w, QStringLiteral("Acme"));
    dialogs.fileAnswers << fx.Path(typed);
    dialogs.questionAnswers << answer;
    QCOMPARE(w->Files().SaveAsClick(), replaced);
    QCOMPARE(dialogs.asked.size(), 2); // the picker, then the question
    QVERIFY2(dialogs.asked.last().contains(QStringLiteral("other.cl1 already exists")),
             qPrintable(dialogs.asked.last()));
    QCOMPARE(savedName(other), replaced ? QStringLiteral("Acme") : QStringLiteral("Other"));
    QCOMPARE(w->Document().IsModified(), !replaced);
    QCOMPARE(TFileCommands::IsUntitled(w->Document().FileName()), !replaced);
    QVERIFY(!QFileInfo::exists(fx.Path(typed)));
}

void tst_filecommands::openFindsTheClientTypedWithoutItsExtension()
{
    GuiFixture fx;
    writePages(fx);
    writeClient(fx.Path(QStringLiteral("other.cl1")), QStringLiteral("Other"));
    TestDialogs dialogs;
    MessageRecorder messages;
    auto w = fx.Start();
    dialogs.fileAnswers << fx.Path(QStringLiteral("other"));
    w->Files().OpenClick(TSender::Menu(0));
    QCOMPARE(messages.numbers(), QList<int>{});
    QCOMPARE(w->Document().FileName(), fx.Path(QStringLiteral("other.cl1")));
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Other"));
}

void tst_filecommands::saveAsProposesTheEntitysName_data()
{
    QTest::addColumn<QString>("entity");
    QTest::addColumn<QString>("proposed"); // empty: the folder alone
    QTest::newRow("plain name") << "Acme"
                                << "/Acme.cl1";
    QTest::newRow("name with a comma and a dot") << "Acme Tools, Inc."
                                                 << "/Acme Tools, Inc..cl1";
    QTest::newRow("a slash cannot be in a file name") << "A/B Partners LLC"
                                                      << "/A-B Partners LLC.cl1";
    QTest::newRow("no name yet") << ""
                                 << "/";
}

// A new client is offered under the entity's name, as typed on the General
// Information Worksheet.
void tst_filecommands::saveAsProposesTheEntitysName()
{
    QFETCH(QString, entity);
    QFETCH(QString, proposed);
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start();
    if (!entity.isEmpty())
        typeName(*w, entity);
    QVERIFY(!QFileInfo::exists(fx.ClientFolder()));
    w->Files().SaveAsClick();
    // The dialog opens in the client folder, made on the first run.
    QVERIFY(QFileInfo(fx.ClientFolder()).isDir());
    QVERIFY2(dialogs.folders.last().endsWith(proposed), qPrintable(dialogs.folders.last()));
    QVERIFY(dialogs.folders.last().startsWith(fx.ClientFolder()));
    // A named client proposes nothing.
    dialogs.fileAnswers << fx.Path(QStringLiteral("named.cl1"));
    w->Files().SaveAsClick();
    w->Files().SaveAsClick();
    QVERIFY(dialogs.folders.last().endsWith(QLatin1Char('/')));
}

void tst_filecommands::saveAsCancelledWritesNothing()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start();
    typeName(*w, QStringLiteral("Acme"));
    QVERIFY(!w->Files().SaveAsClick());
    QVERIFY(QDir(fx.ClientFolder()).entryList(QDir::Files).isEmpty());
    // Nothing was saved, so the client still counts as modified.
    QVERIFY(w->Document().IsModified());
    QVERIFY(TFileCommands::IsUntitled(w->Document().FileName()));
}

void tst_filecommands::duplicateThenSaveAsksForANewName()
{
    GuiFixture fx;
    writePages(fx);
    const QString path = fx.Path(QStringLiteral("acme.cl1"));
    writeClient(path, QStringLiteral("Original"));
    TestDialogs dialogs;
    auto w = fx.Start();
    dialogs.fileAnswers << path;
    Item(*w, "mnuOpen")->trigger();
    w->Files().DuplicateClick();
    QCOMPARE(w->CurrentPage, 1);
    QVERIFY(TFileCommands::IsUntitled(w->Document().FileName()));
    QVERIFY(!w->Document().IsModified());
    FillAnswer(w->Document(), 0, 0, 0, QStringLiteral("Copy"));
    const QString copy = fx.Path(QStringLiteral("copy.cl1"));
    dialogs.fileAnswers << copy;
    dialogs.asked.clear();
    Item(*w, "mnuSave")->trigger();
    QCOMPARE(dialogs.asked, QStringList{"Save Client As"});
    QCOMPARE(savedName(path), QStringLiteral("Original"));
    QCOMPARE(savedName(copy), QStringLiteral("Copy"));
}

void tst_filecommands::recentFiles()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start();
    QStringList paths;
    for (int i = 1; i <= 6; ++i) {
        paths << fx.Path(QStringLiteral("client%1.cl1").arg(i));
        writeClient(paths.last(), QStringLiteral("Client %1").arg(i));
        dialogs.fileAnswers << paths.last();
        Item(*w, "mnuOpen")->trigger();
    }
    // A sixth file drops the oldest.
    QCOMPARE(w->settings.recentFiles, (QStringList{paths[5], paths[4], paths[3], paths[2], paths[1]}));
    // Opening a listed file moves it to the top without a second entry.
    dialogs.fileAnswers << paths[2];
    Item(*w, "mnuOpen")->trigger();
    QCOMPARE(w->settings.recentFiles, (QStringList{paths[2], paths[5], paths[4], paths[3], paths[1]}));
    // The comparison ignores case over the whole path.
    QVERIFY(w->Files().MoveToTopOfRecent(paths[4].toUpper()));
    QCOMPARE(w->settings.recentFiles, (QStringList{paths[4].toUpper(), paths[2], paths[5], paths[3], paths[1]}));
    QVERIFY(w->Files().MoveToTopOfRecent(QStringLiteral("/any/UNTITLED.cl1")));
    QCOMPARE(w->settings.recentFiles.size(), 5);
    // Reopen from the menu.
    Item(*w, "HX3")->trigger();
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Client 4"));
    QCOMPARE(w->settings.recentFiles.first(), paths[3]);
    QCOMPARE(Item(*w, "HX0")->text(), QStringLiteral("&0-client4.cl1"));
    QVERIFY(!w->Document().IsModified());
}

void tst_filecommands::recentFilesMenuShowsFive()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start(false);
    QVERIFY(!Item(*w, "HX_Line")->isVisible());
    w->settings.recentFiles = {"/a/Smith Corp.cl1", "/a/b.cl1", "/a/c.cl1", "/a/d.cl1",
                               "/a/e.cl1",          "/a/f.cl1", "/a/g.cl1"};
    w->Files().RebuildRecentMenu();
    QCOMPARE(w->settings.recentFiles.size(), 5);
    QVERIFY(Item(*w, "HX_Line")->isVisible());
    QCOMPARE(Item(*w, "HX0")->text(), QStringLiteral("&0-Smith Corp.cl1"));
    QCOMPARE(Item(*w, "HX4")->text(), QStringLiteral("&4-e.cl1"));
    QVERIFY(Item(*w, "HX4")->isVisible());
    w->settings.recentFiles = {"/a/only.cl1"};
    w->Files().RebuildRecentMenu();
    QVERIFY(Item(*w, "HX0")->isVisible());
    QVERIFY(!Item(*w, "HX1")->isVisible());
}

void tst_filecommands::defaultClient()
{
    GuiFixture fx;
    writePages(fx);
    QDir().mkpath(fx.ClientFolder());
    writeClient(fx.ClientFolder() + QStringLiteral("/default.cl1"), QStringLiteral("Our Firm"), QStringLiteral("Ann"));
    MessageRecorder messages;
    auto w = fx.Start();
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Our Firm"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Untitled.cl1"));
    typeName(*w, QStringLiteral("Changed"));
    FillDocument(w->Document(),
                 [&](TAnswer &, DirectoryTable &rows) { rows.SetCell(0, ColName, QStringLiteral("Bob")); });
    TestDialogs dialogs;
    dialogs.questionAnswers << QMessageBox::No;
    Item(*w, "mnuNew")->trigger();
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Our Firm"));
    QCOMPARE(w->Document().Directory().Cell(0, ColName), QStringLiteral("Ann"));
    QVERIFY(messages.numbers().isEmpty());
}

void tst_filecommands::newStartsWithAnEmptyWorksheet()
{
    GuiFixture fx;
    writePages(fx);
    auto w = fx.Start();
    FillDocument(w->Document(), [&](TAnswer &, DirectoryTable &rows) {
        rows.SetCell(0, ColName, QStringLiteral("Previous Client's Director"));
    });
    FillDocument(w->Document(), [&](TAnswer &, DirectoryTable &rows) { rows.AddRow(); });
    w->Files().NewClick(TSender::Menu(0));
    QCOMPARE(w->Document().Directory().RowCount(), 1);
    QCOMPARE(w->Document().Directory().Cell(0, ColName), QString());
}

// Every file turned away gets one message naming the file and what was
// wrong with it.
void tst_filecommands::badClientFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<int>>("messages");
    QTest::addColumn<QString>("says");
    QTest::newRow("missing file") << "missing" << QList<int>{38014} << "No such file";
    QTest::newRow("a folder") << "folder" << QList<int>{38014} << "not a regular file";
    QTest::newRow("wrong extension, not a client file") << "text" << QList<int>{33010} << "not a client file";
    QTest::newRow("unknown version") << "version" << QList<int>{33020} << "version 9";
    QTest::newRow("malformed count") << "malformed" << QList<int>{38014} << "copies of page 0 is not a number";
    QTest::newRow("override mark x") << "line 106 x" << QList<int>{38014} << "override mark of answer 0 on page 0";
    QTest::newRow("page count 0x10") << "line 8 0x10" << QList<int>{38014} << "copies of page 5 is not a number";
    QTest::newRow("copies of a page kept once")
        << "line 10 1" << QList<int>{38014} << "page 7 has 1 copies, which it cannot have";
    QTest::newRow("row count abc") << "line -15 abc" << QList<int>{38014} << "count of directory rows";
}

void tst_filecommands::badClientFiles()
{
    QFETCH(QString, kind);
    QFETCH(QList<int>, messages);
    QFETCH(QString, says);
    GuiFixture fx;
    writePages(fx);
    QString path = fx.Path(QStringLiteral("bad.cl1"));
    if (kind.startsWith("line ")) { // one line of a saved client changed
        TAnswer store;
        DirectoryTable rows;
        QList<QByteArray> l = WriteClientFile(store, rows).split('\n');
        const QStringList change = kind.split(QLatin1Char(' '));
        const int at = change[1].toInt() >= 0 ? change[1].toInt() : int(l.size()) + change[1].toInt();
        l[at] = change[2].toLatin1() + '\r';
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(l.join('\n'));
    } else if (kind == "folder") {
        QDir().mkpath(path);
    } else if (kind != "missing") {
        QFile file(kind == "text" ? (path = fx.Path(QStringLiteral("notes.txt"))) : path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == "text")
            file.write("Meeting notes\r\nnothing else\r\n");
        else if (kind == "version")
            file.write("Brevane\r\n 9.00000000000000E+0000\r\n");
        else
            file.write("Brevane\r\n 1.01000000000000E+0000\r\n***** Page Counts\r\nmany\r\n");
    }
    TestDialogs dialogs;
    MessageRecorder recorder;
    auto w = fx.Start();
    typeName(*w, QStringLiteral("Typed Before"));
    dialogs.questionAnswers << QMessageBox::Yes;
    const QString saved = fx.Path(QStringLiteral("kept.cl1"));
    dialogs.fileAnswers << path << saved; // the Save As of the save question comes second
    dialogs.fileAnswers.swapItemsAt(0, 1);
    Item(*w, "mnuOpen")->trigger();
    QCOMPARE(recorder.numbers(), messages);
    const QString text = recorder.messages().first().text;
    QVERIFY2(text.contains(QFileInfo(path).fileName()) && text.contains(says), qPrintable(text));
    // What was typed was saved at the question; the rejected file is bound to nothing.
    QCOMPARE(savedName(saved), QStringLiteral("Typed Before"));
    QVERIFY(TFileCommands::IsUntitled(w->Document().FileName()));
    QCOMPARE(w->CurrentPage, 0);
    QVERIFY(!w->Document().IsModified());
    QVERIFY(!w->settings.recentFiles.contains(path));
}

// A client file cut short opens with what it holds and a message naming it;
// the next Save asks for a name, so the damaged file stays as it was.
void tst_filecommands::damagedFileOpensAndSaveAsksForAName()
{
    GuiFixture fx;
    writePages(fx);
    TAnswer original;
    DirectoryTable rows;
    original.SetText(0, 0, 0, QStringLiteral("Acme Tools, Inc."));
    rows.SetCell(0, ColName, QStringLiteral("Ann Lee"));
    const QByteArray whole = WriteClientFile(original, rows);
    const QByteArray cut = whole.left(whole.size() / 2);
    const QString damaged = fx.Path(QStringLiteral("damaged.cl1"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(cut) == cut.size());
    file.close();

    TestDialogs dialogs;
    MessageRecorder recorder;
    auto w = fx.Start();
    dialogs.fileAnswers << damaged;
    Item(*w, "mnuOpen")->trigger();
    QCOMPARE(recorder.numbers(), QList<int>{38070});
    QVERIFY(recorder.messages().first().text.contains(QStringLiteral("damaged.cl1")));
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Acme Tools, Inc."));
    QVERIFY(TFileCommands::IsUntitled(w->Document().FileName()));

    const QString renamed = fx.Path(QStringLiteral("recovered.cl1"));
    dialogs.fileAnswers << renamed;
    Item(*w, "mnuSave")->trigger();
    QVERIFY(QFileInfo::exists(renamed));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), cut);
}

// Another window saved the client since it was opened here: Save asks
// before replacing that work, and No keeps it.
void tst_filecommands::saveOverAFileChangedElsewhereAsks()
{
    GuiFixture fx;
    writePages(fx);
    const QString path = fx.Path(QStringLiteral("shared.cl1"));
    {
        ClientDocument first;
        FillAnswer(first, 0, 0, 0, QStringLiteral("First"));
        QVERIFY(first.Save(path));
    }
    TestDialogs dialogs;
    auto w = fx.Start();
    dialogs.fileAnswers << path;
    Item(*w, "mnuOpen")->trigger();
    QCOMPARE(w->Document().FileName(), path);

    ClientDocument other;
    QVERIFY(other.Load(path));
    FillAnswer(other, 0, 0, 0, QStringLiteral("Saved in the other window"));
    QVERIFY(other.Save(path));

    typeName(*w, QStringLiteral("Typed here"));
    dialogs.questionAnswers << QMessageBox::No;
    Item(*w, "mnuSave")->trigger();
    QVERIFY2(dialogs.asked.last().contains(QStringLiteral("shared.cl1 was changed on disk")),
             qPrintable(dialogs.asked.last()));
    QCOMPARE(savedName(path), QStringLiteral("Saved in the other window"));
    QVERIFY(w->Document().IsModified());

    dialogs.questionAnswers << QMessageBox::Yes;
    Item(*w, "mnuSave")->trigger();
    QCOMPARE(savedName(path), QStringLiteral("Typed here"));
    QVERIFY(!w->Document().IsModified());
}

// A client open in another window (or program): the second window is told
// who has it, and may open it read-only, whose Save asks for a new name, or
// leave it closed.
void tst_filecommands::secondWindowIsTold_data()
{
    QTest::addColumn<bool>("fromRecent");
    QTest::addColumn<int>("answer");
    QTest::newRow("Open, read-only") << false << int(QMessageBox::Open);
    QTest::newRow("Open, cancelled") << false << int(QMessageBox::Cancel);
    QTest::newRow("recent file, read-only") << true << int(QMessageBox::Open);
    QTest::newRow("recent file, cancelled") << true << int(QMessageBox::Cancel);
}

void tst_filecommands::secondWindowIsTold()
{
    QFETCH(bool, fromRecent);
    QFETCH(int, answer);
    GuiFixture fx;
    writePages(fx);
    ClientFileLock firstWindow;
    const QString path = clientOpenElsewhere(fx, firstWindow);

    TestDialogs dialogs;
    MessageRecorder recorder;
    auto w = fx.Start();
    typeName(*w, QStringLiteral("Before"));
    w->Document().SetModified(false);
    dialogs.questionAnswers << QMessageBox::StandardButton(answer);
    if (fromRecent) {
        w->settings.recentFiles = {path};
        w->Files().RebuildRecentMenu();
        Item(*w, "HX0")->trigger();
    } else {
        dialogs.fileAnswers << path;
        Item(*w, "mnuOpen")->trigger();
    }
    const QString told = dialogs.asked.last();
    QVERIFY2(told.startsWith(QStringLiteral("Client File: 3802-")) && told.contains(QStringLiteral("acme.cl1")) &&
                 told.contains(QStringLiteral("process %1").arg(QCoreApplication::applicationPid())),
             qPrintable(told));
    QVERIFY(recorder.numbers().isEmpty());
    QVERIFY(firstWindow.Holds(path));

    if (answer == QMessageBox::Cancel) {
        QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Before"));
        QVERIFY(TFileCommands::IsUntitled(w->Document().FileName()));
        return;
    }
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Acme"));
    QCOMPARE(w->Document().FileName(), path);
    QCOMPARE(w->windowTitle(), QStringLiteral("acme.cl1 (read-only)"));
    // Save asks for a new name; the first window's file is left alone.
    typeName(*w, QStringLiteral("Changed here"));
    const QString copy = fx.Path(QStringLiteral("acme copy.cl1"));
    dialogs.fileAnswers << copy;
    Item(*w, "mnuSave")->trigger();
    QCOMPARE(dialogs.asked.last(), QStringLiteral("Save Client As"));
    QCOMPARE(savedName(path), QStringLiteral("Acme"));
    QCOMPARE(savedName(copy), QStringLiteral("Changed here"));
    QVERIFY(w->Document().Lock.Holds(copy));
    QCOMPARE(w->windowTitle(), QStringLiteral("acme copy.cl1"));
}

// Save As never replaces a client another window has open.
void tst_filecommands::saveAsOntoAClientOpenElsewhere()
{
    GuiFixture fx;
    writePages(fx);
    ClientFileLock firstWindow;
    const QString path = clientOpenElsewhere(fx, firstWindow);
    TestDialogs dialogs;
    MessageRecorder recorder;
    auto w = fx.Start();
    typeName(*w, QStringLiteral("Typed here"));
    dialogs.fileAnswers << path;
    Item(*w, "mnuSaveAs")->trigger();
    QCOMPARE(recorder.numbers(), QList<int>{38030});
    QVERIFY(recorder.messages().first().text.contains(QStringLiteral("acme.cl1 (open by ")));
    QCOMPARE(savedName(path), QStringLiteral("Acme"));
    QVERIFY(w->Document().IsModified());
    QVERIFY(TFileCommands::IsUntitled(w->Document().FileName()));
}

// The lock beside a client file lasts while the file is open in the window:
// New, Close, Open of another file, Save As to a new name (whose file is
// locked instead), Duplicate and closing the window let it go.
void tst_filecommands::lockFollowsTheOpenFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("acmeLocked");
    QTest::addColumn<bool>("otherLocked");
    QTest::newRow("New") << "New" << false << false;
    QTest::newRow("Close") << "Close" << false << false;
    QTest::newRow("Open of another file") << "Open other" << false << true;
    QTest::newRow("Open of the same file again") << "Open acme" << true << false;
    QTest::newRow("Save As a new name") << "Save As other" << false << true;
    QTest::newRow("Save") << "Save" << true << false;
    QTest::newRow("Duplicate") << "Duplicate" << false << false;
    QTest::newRow("window closed") << "close window" << false << false;
}

void tst_filecommands::lockFollowsTheOpenFile()
{
    QFETCH(QString, command);
    QFETCH(bool, acmeLocked);
    QFETCH(bool, otherLocked);
    GuiFixture fx;
    writePages(fx);
    const QString acme = fx.Path(QStringLiteral("acme.cl1"));
    const QString other = fx.Path(QStringLiteral("other.cl1"));
    writeClient(acme, QStringLiteral("Acme"));
    if (!command.startsWith(QLatin1String("Save As")))
        writeClient(other, QStringLiteral("Other"));
    const auto locked = [](const QString &path) { return QFileInfo::exists(ClientFileLock::LockPathOf(path)); };

    TestDialogs dialogs;
    MessageRecorder recorder;
    auto w = fx.Start();
    dialogs.fileAnswers << acme;
    Item(*w, "mnuOpen")->trigger();
    QVERIFY(locked(acme));
    ClientFileLock probe;
    QCOMPARE(probe.Take(acme), ClientFileLock::Result::HeldElsewhere);

    if (command == "New" || command == "Close") {
        Item(*w, command == "New" ? "mnuNew" : "mnuClose")->trigger();
    } else if (command.startsWith(QLatin1String("Open"))) {
        dialogs.fileAnswers << (command.endsWith(QLatin1String("other")) ? other : acme);
        Item(*w, "mnuOpen")->trigger();
    } else if (command == "Save As other") {
        dialogs.fileAnswers << other;
        Item(*w, "mnuSaveAs")->trigger();
        QCOMPARE(savedName(other), QStringLiteral("Acme"));
    } else if (command == "Save") {
        typeName(*w, QStringLiteral("Acme Tools"));
        Item(*w, "mnuSave")->trigger();
        QCOMPARE(savedName(acme), QStringLiteral("Acme Tools"));
    } else if (command == "Duplicate") {
        w->Files().DuplicateClick();
    } else {
        w.reset();
    }
    QVERIFY(recorder.numbers().isEmpty());
    QVERIFY2(dialogs.questionAnswers.isEmpty() &&
                 !dialogs.asked.join(QLatin1Char('|')).contains(QStringLiteral("3802")),
             qPrintable(dialogs.asked.join(QLatin1Char('|'))));
    QCOMPARE(locked(acme), acmeLocked);
    QCOMPARE(locked(other), otherLocked);
}

void tst_filecommands::reopenOfAMissingFile()
{
    GuiFixture fx;
    writePages(fx);
    MessageRecorder recorder;
    auto w = fx.Start();
    w->settings.recentFiles = {fx.Path(QStringLiteral("gone.cl1"))};
    w->Files().RebuildRecentMenu();
    FillAnswer(w->Document(), 0, 0, 0, QStringLiteral("Before"));
    Item(*w, "HX0")->trigger();
    // Named as gone and taken off the list; the client open is kept.
    QCOMPARE(recorder.numbers(), QList<int>{38080});
    QVERIFY(recorder.messages().first().text.contains(QStringLiteral("gone.cl1")));
    QVERIFY(w->settings.recentFiles.isEmpty());
    QVERIFY(!Item(*w, "HX0")->isVisible());
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Before"));
}

void tst_filecommands::saveIntoAFolderThatCannotBeWritten()
{
    GuiFixture fx;
    writePages(fx);
    // A "folder" that is a file: no one, not even an administrator, can create
    // a file in it.
    QFile blocker(fx.Path(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = fx.Path(QStringLiteral("blocked/client.cl1"));
    TestDialogs dialogs;
    MessageRecorder recorder;
    auto w = fx.Start();
    typeName(*w, QStringLiteral("Precious"));
    dialogs.fileAnswers << path;
    Item(*w, "mnuSave")->trigger();
    QCOMPARE(recorder.numbers(), QList<int>{38060});
    QVERIFY(recorder.messages().first().text.contains(QStringLiteral("client.cl1")));
    QVERIFY(w->Document().IsModified());
    QVERIFY(TFileCommands::IsUntitled(w->Document().FileName()));
    QVERIFY(w->settings.recentFiles.isEmpty());
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Precious"));
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), QStringLiteral("Precious"));
    // Saving elsewhere then works.
    const QString good = fx.Path(QStringLiteral("client.cl1"));
    dialogs.fileAnswers << good;
    Item(*w, "mnuSaveAs")->trigger();
    QCOMPARE(savedName(good), QStringLiteral("Precious"));
    QVERIFY(!w->Document().IsModified());
}

void tst_filecommands::defaultFileLocations()
{
    GuiFixture fx;
    writePages(fx);
    TestDialogs dialogs;
    auto w = fx.Start(false);
    const QString before = w->settings.clientFolder;
    Item(*w, "mnuDefaultCL1")->trigger(); // cancelled
    QCOMPARE(w->settings.clientFolder, before);
    dialogs.fileAnswers << fx.Path(QStringLiteral("clients")) << fx.Path(QStringLiteral("temp"));
    Item(*w, "mnuDefaultCL1")->trigger();
    Item(*w, "mnuDefaultTempDir")->trigger();
    QCOMPARE(dialogs.asked,
             (QStringList{"Select client file folder", "Select client file folder", "Select temporary file folder"}));
    QCOMPARE(w->settings.clientFolder, fx.Path(QStringLiteral("clients")));
    QCOMPARE(w->folders.clientFolder, fx.Path(QStringLiteral("clients")));
    QCOMPARE(w->folders.tempFolder, fx.Path(QStringLiteral("temp")));
}

// brevane FILE.cl1: the first file named opens as File, Open opens it, with
// its messages; more files are named in a message and stay closed.
void tst_filecommands::commandLineFiles_data()
{
    QTest::addColumn<QStringList>("files"); // names in the fixture's folder
    QTest::addColumn<QList<int>>("messages");
    QTest::addColumn<QString>("opened"); // the entity's name shown, empty: none opened
    QTest::newRow("one client") << QStringList{"acme.cl1"} << QList<int>{} << "Acme";
    QTest::newRow("two clients") << QStringList{"acme.cl1", "other.cl1"} << QList<int>{38090} << "Acme";
    QTest::newRow("missing file") << QStringList{"gone.cl1"} << QList<int>{38014} << "";
    QTest::newRow("not a client file") << QStringList{"notes.txt"} << QList<int>{33010} << "";
    QTest::newRow("a folder") << QStringList{"folder.cl1"} << QList<int>{38014} << "";
    QTest::newRow("none") << QStringList{} << QList<int>{} << "";
}

void tst_filecommands::commandLineFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QList<int>, messages);
    QFETCH(QString, opened);
    GuiFixture fx;
    writePages(fx);
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, QStringLiteral("Acme"));
    QVERIFY(SaveClientFile(fx.Path(QStringLiteral("acme.cl1")), store, directory));
    store.SetText(0, 0, 0, QStringLiteral("Other"));
    QVERIFY(SaveClientFile(fx.Path(QStringLiteral("other.cl1")), store, directory));
    QFile notes(fx.Path(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("shopping list\r\n");
    notes.close();
    QDir(fx.dir.path()).mkdir(QStringLiteral("folder.cl1"));

    auto w = fx.Start();
    MessageRecorder recorder;
    QStringList paths;
    for (const QString &file : files)
        paths << fx.Path(file);
    w->Files().OpenFromCommandLine(paths);
    QCOMPARE(recorder.numbers(), messages);
    QCOMPARE(Control<QLineEdit>(*w, "edtName")->text(), opened);
    QCOMPARE(w->Document().IsModified(), false);
    if (opened.isEmpty()) {
        QVERIFY(TFileCommands::IsUntitled(w->Document().FileName()));
    } else {
        QCOMPARE(w->Document().FileName(), paths.first());
        QCOMPARE(w->settings.recentFiles.value(0), paths.first());
    }
    if (messages.contains(33090))
        QCOMPARE(recorder.messages().last().detail, paths.mid(1).join(QStringLiteral(", ")));
}

QTEST_MAIN(tst_filecommands)
#include "tst_filecommands.moc"
