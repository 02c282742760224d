// The client document: a fresh store on reset, load and save through the
// client file, a recalculation announced after the run, and printing that
// leaves the client's answers as they were.
#include "DocumentFill.h"
#include "PrintFixture.h"
#include "TestSupport.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace brevane;
using namespace brevane::test;

class tst_clientdocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { UseUnitedStatesLocale(); }
    void startsEmptyAndResetsToAFreshStore();
    void savesAndLoadsTheWholeClient();
    void recalculationIsAnnouncedAfterTheRun();
    void aFileWrittenElsewhereIsNoticed();
    void printingLeavesTheAnswersAsTheyWere();
    void copiesAreAddedAndDeletedWithoutAWindow_data();
    void copiesAreAddedAndDeletedWithoutAWindow();
    void aCopyBeyondTheLimitIsRefused();
    void anOverrideIsMarkedAndCalculated();
    void theFileStateIsAnnounced();
    void anEditIsOneChange();
};

void tst_clientdocument::startsEmptyAndResetsToAFreshStore()
{
    ClientDocument client;
    QCOMPARE(client.FileName(), QStringLiteral("Untitled.cl1"));
    QVERIFY(!client.IsModified());
    QVERIFY(client.Answers());
    QCOMPARE(client.Directory().RowCount(), 1);
    FillAnswer(client, 0, 0, 0, QStringLiteral("Acme"));
    FillDocument(client, [&](TAnswer &answers, DirectoryTable &) { answers.PgCt[23] = 2; });
    QVERIFY(client.ResetAnswers());
    QVERIFY(client.Answers()->Text(0, 0, 0).isEmpty());
    QCOMPARE(client.Answers()->PgCt[23], 0);
}

void tst_clientdocument::savesAndLoadsTheWholeClient()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("acme.cl1"));
    ClientDocument saved;
    FillAnswer(saved, 0, 0, 0, QStringLiteral("Acme Tools, Inc."));
    FillDocument(saved, [&](TAnswer &answers, DirectoryTable &) { answers.SetOvRide(7, 0, 1, true); });
    FillDocument(saved, [&](TAnswer &, DirectoryTable &rows) { rows.SetCell(0, ColName, QStringLiteral("Ann Lee")); });
    QVERIFY(saved.Save(path));

    ClientDocument loaded;
    QVERIFY(loaded.Load(path));
    QCOMPARE(loaded.Answers()->Text(0, 0, 0), QStringLiteral("Acme Tools, Inc."));
    QVERIFY(loaded.Answers()->OvRide(7, 0, 1));
    QCOMPARE(loaded.Directory().Cell(0, ColName), QStringLiteral("Ann Lee"));

    const QString missing = dir.filePath(QStringLiteral("missing.cl1"));
    const Outcome notRead = loaded.Load(missing);
    QVERIFY(!notRead);
    QVERIFY(!ClientDocument::LoadProblem(notRead, missing).isEmpty());
}

void tst_clientdocument::recalculationIsAnnouncedAfterTheRun()
{
    ClientDocument client;
    FillAnswer(client, 0, 0, 0, QStringLiteral("Acme Tools, Inc."));
    QString nameWhenAnnounced;
    QObject::connect(&client, &ClientDocument::AnswersChanged, &client,
                     [&] { nameWhenAnnounced = client.Answers()->Text(7, 0, 0); });
    QSignalSpy changed(&client, &ClientDocument::AnswersChanged);
    QVERIFY(client.Recalculate());
    QCOMPARE(changed.count(), 1);
    // The order and waiver names the entity by the time anything refreshes.
    QCOMPARE(nameWhenAnnounced, QStringLiteral("Acme Tools, Inc."));
}

void tst_clientdocument::printingLeavesTheAnswersAsTheyWere()
{
    PrintFolder folder;
    folder.writePage(0, QStringLiteral("<0:/*0/>"));
    folder.writePage(88, QStringLiteral("<88:/*1/>"));
    ClientDocument client;
    FillAnswer(client, 0, 0, 0, QStringLiteral("Acme"));
    FillAnswer(client, 88, 0, 1, QStringLiteral("kept"));
    FillDocument(client, [&](TAnswer &answers, DirectoryTable &) { answers.SetOvRide(88, 0, 2, true); });
    FillDocument(client, [&](TAnswer &, DirectoryTable &rows) { rows.SetCell(0, ColName, QStringLiteral("Ann Lee")); });
    PrintSelection selection;
    selection.SetChecked(QStringLiteral("cbxGeneralInformationWorksheet"));
    QString document;
    QVERIFY(client.BuildPrintDocument(selection, folder.templateFolder(), folder.dataFolder(), &document));
    QVERIFY(document.contains(QStringLiteral("<0:Acme>")));
    QVERIFY(document.contains(QStringLiteral("<88:Ann Lee>")));
    QCOMPARE(client.Answers()->Text(88, 0, 1), QStringLiteral("kept"));
    QVERIFY(client.Answers()->OvRide(88, 0, 2));
    QVERIFY(client.Answers()->Text(88, 0, 0).isEmpty());
}

void tst_clientdocument::aFileWrittenElsewhereIsNoticed()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("acme.cl1"));
    ClientDocument here;
    QVERIFY(!here.ChangedOnDisk(path)); // never read or saved here
    QVERIFY(here.Save(path));
    QVERIFY(!here.ChangedOnDisk(path));

    ClientDocument elsewhere;
    QVERIFY(elsewhere.Load(path));
    FillAnswer(elsewhere, 0, 0, 0, QStringLiteral("Written in another window"));
    QVERIFY(elsewhere.Save(path));
    QVERIFY(here.ChangedOnDisk(path));
    QVERIFY(!elsewhere.ChangedOnDisk(path));
    QVERIFY(!here.ChangedOnDisk(dir.filePath(QStringLiteral("other.cl1"))));

    QVERIFY(here.Save(path));
    QVERIFY(!here.ChangedOnDisk(path));
}

void tst_clientdocument::copiesAreAddedAndDeletedWithoutAWindow_data()
{
    // Each repeatable page with an answer the user types (no procedure
    // writes it), so what a copy holds shows where it went.
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("typed");
    QTest::newRow("generic minutes") << 23 << 7;
    QTest::newRow("share ledger") << 24 << 7;
    QTest::newRow("bond") << 25 << 0;
    QTest::newRow("corporate resolution") << 38 << 1;
    QTest::newRow("members' resolution") << 68 << 4;
}

void tst_clientdocument::copiesAreAddedAndDeletedWithoutAWindow()
{
    QFETCH(int, page);
    QFETCH(int, typed);
    ClientDocument client;
    QSignalSpy copies(&client, &ClientDocument::CopiesChanged);
    QSignalSpy answers(&client, &ClientDocument::AnswersChanged);
    QCOMPARE(client.CopyCount(page), 0);
    for (int c = 0; c < 3; ++c) {
        QVERIFY(client.AddCopy(page));
        QCOMPARE(client.CopyCount(page), c + 1);
        client.StoreAnswer(page, c, typed, QStringLiteral("copy %1").arg(c + 1));
    }
    FillDocument(client, [&](TAnswer &answers, DirectoryTable &) { answers.SetOvRide(page, 2, typed, true); });
    QVERIFY(client.IsModified());
    QCOMPARE(copies.count(), 3);
    QCOMPARE(copies.first().first().toInt(), page);
    QCOMPARE(answers.count(), 3); // each change ends with a recalculation

    // The middle copy goes: the third moves into its place with its override
    // flag, and the place it left is empty for the next New.
    QVERIFY(client.DeleteCopy(page, 1));
    QCOMPARE(client.CopyCount(page), 2);
    QCOMPARE(client.Answers()->Text(page, 0, typed), QStringLiteral("copy 1"));
    QCOMPARE(client.Answers()->Text(page, 1, typed), QStringLiteral("copy 3"));
    QVERIFY(client.Answers()->OvRide(page, 1, typed));
    QVERIFY(client.Answers()->Text(page, 2, typed).isEmpty());
    QVERIFY(!client.Answers()->OvRide(page, 2, typed));
    QCOMPARE(copies.count(), 4);

    // A copy not in use, and the last one twice, are refused unchanged.
    QVERIFY(!client.DeleteCopy(page, 2));
    QVERIFY(!client.DeleteCopy(page, -1));
    QVERIFY(client.DeleteCopy(page, 1));
    QVERIFY(client.DeleteCopy(page, 0));
    QCOMPARE(client.CopyCount(page), 0);
    QVERIFY(client.Answers()->Text(page, 0, typed).isEmpty());
    const Outcome none = client.DeleteCopy(page, 0);
    QVERIFY(!none);
    QVERIFY(none.has(msg::DeleteFormFailed));
    QCOMPARE(copies.count(), 6);

    // What the document changed is what a saved and read file holds.
    QVERIFY(client.AddCopy(page));
    client.StoreAnswer(page, 0, typed, QStringLiteral("kept"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copies.cl1"));
    QVERIFY(client.Save(path));
    QVERIFY(!client.IsModified());
    ClientDocument loaded;
    QVERIFY(loaded.Load(path));
    QCOMPARE(loaded.CopyCount(page), 1);
    QCOMPARE(loaded.Answers()->Text(page, 0, typed), QStringLiteral("kept"));
}

void tst_clientdocument::aCopyBeyondTheLimitIsRefused()
{
    ClientDocument client;
    const int page = 25;
    const int most = PageContinuationMax[page] + 1;
    for (int c = 0; c < most; ++c)
        QVERIFY(client.AddCopy(page));
    QSignalSpy copies(&client, &ClientDocument::CopiesChanged);
    const Outcome refused = client.AddCopy(page);
    QVERIFY(!refused);
    QVERIFY(refused.has(msg::ContinuationLimitReached));
    QCOMPARE(client.CopyCount(page), most);
    QCOMPARE(copies.count(), 0);

    // A page that does not repeat has no copies to add or delete.
    client.SetModified(false);
    QVERIFY(client.AddCopy(7).has(msg::NewFormFailed));
    QVERIFY(client.DeleteCopy(7, 0).has(msg::DeleteFormFailed));
    QCOMPARE(client.CopyCount(7), 0);
    QVERIFY(!client.IsModified());
}

void tst_clientdocument::anOverrideIsMarkedAndCalculated()
{
    // Page 7's price in figures is computed from page 0; overridden, the
    // user's own text stays through the run, and given back it is computed
    // again.
    ClientDocument client;
    client.StoreAnswer(0, 0, 15, QStringLiteral("1,000"));
    client.StoreAnswer(0, 0, 27, QStringLiteral("1.5"));
    QVERIFY(client.Recalculate());
    const QString computed = client.Answers()->Text(7, 0, 13);
    QVERIFY(!client.IsModified());

    QSignalSpy answers(&client, &ClientDocument::AnswersChanged);
    client.StoreAnswer(7, 0, 13, QStringLiteral("kept by the user"));
    QVERIFY(client.SetOverride(7, 0, 13, true));
    QVERIFY(client.IsModified());
    QCOMPARE(answers.count(), 1);
    QVERIFY(client.Answers()->OvRide(7, 0, 13));
    QCOMPARE(client.Answers()->Text(7, 0, 13), QStringLiteral("kept by the user"));

    QVERIFY(client.SetOverride(7, 0, 13, false));
    QCOMPARE(client.Answers()->Text(7, 0, 13), computed);
    QVERIFY(!client.SetOverride(7, 0, 9999, true));
}

void tst_clientdocument::theFileStateIsAnnounced()
{
    ClientDocument client;
    QSignalSpy state(&client, &ClientDocument::FileStateChanged);
    client.MarkEdited();
    client.MarkEdited();
    QCOMPARE(state.count(), 1); // a change, not every call
    client.SetFileName(QStringLiteral("/tmp/acme.cl1"));
    QCOMPARE(state.count(), 2);
    client.BindFile(ClientFileLock(), true);
    QVERIFY(client.IsReadOnly());
    QCOMPARE(state.count(), 3);

    // Rows the worksheet leaves as they were change nothing.
    DirectoryTable rows = client.Directory();
    client.SetModified(false);
    QSignalSpy directory(&client, &ClientDocument::DirectoryChanged);
    QVERIFY(client.SetDirectory(rows).ok());
    QVERIFY(!client.IsModified());
    rows.SetCell(0, ColName, QStringLiteral("Ann Lee"));
    QVERIFY(client.SetDirectory(rows).ok());
    QVERIFY(client.IsModified());
    QCOMPARE(directory.count(), 1);
    QCOMPARE(client.Directory().Cell(0, ColName), QStringLiteral("Ann Lee"));
}

// An edit that adds copies and changes the rows marks the client modified,
// announces each once and recalculates once; a failed edit changes nothing.
void tst_clientdocument::anEditIsOneChange()
{
    ClientDocument client;
    FillAnswer(client, 0, 0, 0, QStringLiteral("Acme Tools, Inc."));
    QSignalSpy copies(&client, &ClientDocument::CopiesChanged);
    QSignalSpy directory(&client, &ClientDocument::DirectoryChanged);
    QSignalSpy answers(&client, &ClientDocument::AnswersChanged);
    QString nameWhenAnnounced;
    QObject::connect(&client, &ClientDocument::AnswersChanged, &client,
                     [&] { nameWhenAnnounced = client.Answers()->Text(7, 0, 0); });
    const Outcome edited = client.Edit([](TAnswer &store, DirectoryTable &rows) {
        Outcome outcome;
        for (int i = 0; i < 3; ++i)
            outcome.add(ClientDocument::AddCopyTo(store, 23));
        rows.SetCell(0, ColName, QStringLiteral("Ann Lee"));
        return outcome;
    });
    QVERIFY(edited.ok());
    QVERIFY(client.IsModified());
    QCOMPARE(client.CopyCount(23), 3);
    QCOMPARE(copies.count(), 1);
    QCOMPARE(copies.first().first().toInt(), 23);
    QCOMPARE(directory.count(), 1);
    QCOMPARE(answers.count(), 1);
    QCOMPARE(nameWhenAnnounced, QStringLiteral("Acme Tools, Inc."));

    client.SetModified(false);
    const Outcome refused =
        client.Edit([](TAnswer &, DirectoryTable &) { return Outcome::failure(msg::ContinuationLimitReached); });
    QVERIFY(!refused);
    QVERIFY(refused.has(msg::ContinuationLimitReached));
    QVERIFY(!client.IsModified());
    QCOMPARE(answers.count(), 1);
    QCOMPARE(copies.count(), 1);
}

QTEST_GUILESS_MAIN(tst_clientdocument)
#include "tst_clientdocument.moc"
