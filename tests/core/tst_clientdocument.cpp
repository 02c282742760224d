// The client document: a fresh store on reset, load and save through the
// client file, a recalculation announced after the run, and printing that
// leaves the client's answers as they were.
#include "PrintFixture.h"
#include "TestSupport.h"
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
};

void tst_clientdocument::startsEmptyAndResetsToAFreshStore()
{
    ClientDocument client;
    QCOMPARE(client.FileName, QStringLiteral("Untitled.cl1"));
    QVERIFY(!client.Modified);
    QVERIFY(client.Answers());
    QCOMPARE(client.Directory().RowCount(), 1);
    client.Answers()->SetText(0, 0, 0, QStringLiteral("Acme"));
    client.Answers()->PgCt[23] = 2;
    QVERIFY(client.ResetAnswers());
    QVERIFY(client.Answers()->Text(0, 0, 0).isEmpty());
    QCOMPARE(client.Answers()->PgCt[23], 0);
}

void tst_clientdocument::savesAndLoadsTheWholeClient()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("acme.cl1"));
    ClientDocument saved;
    saved.Answers()->SetText(0, 0, 0, QStringLiteral("Acme Tools, Inc."));
    saved.Answers()->SetOvRide(7, 0, 1, true);
    saved.Directory().SetCell(0, ColName, QStringLiteral("Ann Lee"));
    QVERIFY(saved.Save(path));

    ClientDocument loaded;
    QVERIFY(loaded.Load(path));
    QCOMPARE(loaded.Answers()->Text(0, 0, 0), QStringLiteral("Acme Tools, Inc."));
    QVERIFY(loaded.Answers()->OvRide(7, 0, 1));
    QCOMPARE(loaded.Directory().Cell(0, ColName), QStringLiteral("Ann Lee"));

    QString error;
    QVERIFY(!loaded.Load(dir.filePath(QStringLiteral("missing.cl1")), &error));
    QVERIFY(!error.isEmpty());
}

void tst_clientdocument::recalculationIsAnnouncedAfterTheRun()
{
    ClientDocument client;
    client.Answers()->SetText(0, 0, 0, QStringLiteral("Acme Tools, Inc."));
    client.Answers()->ErrFlag = true;
    QString nameWhenAnnounced;
    QObject::connect(&client, &ClientDocument::AnswersChanged, &client,
                     [&] { nameWhenAnnounced = client.Answers()->Text(7, 0, 0); });
    QSignalSpy changed(&client, &ClientDocument::AnswersChanged);
    QVERIFY(client.Recalculate());
    QCOMPARE(changed.count(), 1);
    // The order and waiver names the entity by the time anything refreshes.
    QCOMPARE(nameWhenAnnounced, QStringLiteral("Acme Tools, Inc."));
    QVERIFY(!client.Answers()->ErrFlag);
}

void tst_clientdocument::printingLeavesTheAnswersAsTheyWere()
{
    PrintFolder folder;
    folder.writePage(0, QStringLiteral("<0:/*0/>"));
    folder.writePage(88, QStringLiteral("<88:/*1/>"));
    ClientDocument client;
    client.Answers()->SetText(0, 0, 0, QStringLiteral("Acme"));
    client.Answers()->SetText(88, 0, 1, QStringLiteral("kept"));
    client.Answers()->SetOvRide(88, 0, 2, true);
    client.Directory().SetCell(0, ColName, QStringLiteral("Ann Lee"));
    PrintSelection selection;
    selection.SetChecked(QStringLiteral("cbxGeneralInformationWorksheet"));
    QString document;
    QCOMPARE(client.BuildPrintDocument(selection, folder.templateFolder(), folder.dataFolder(), &document),
             PrintBuildResult::Built);
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
    elsewhere.Answers()->SetText(0, 0, 0, QStringLiteral("Written in another window"));
    QVERIFY(elsewhere.Save(path));
    QVERIFY(here.ChangedOnDisk(path));
    QVERIFY(!elsewhere.ChangedOnDisk(path));
    QVERIFY(!here.ChangedOnDisk(dir.filePath(QStringLiteral("other.cl1"))));

    QVERIFY(here.Save(path));
    QVERIFY(!here.ChangedOnDisk(path));
}

QTEST_GUILESS_MAIN(tst_clientdocument)
#include "tst_clientdocument.moc"
