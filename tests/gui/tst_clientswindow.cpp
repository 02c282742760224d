// File > Clients as the user works it: the clients of the client folder
// listed (a damaged one with its state), filtered by typing, one opened by
// Enter, the list following the folder; the calendar window and its export.
#include "CheckClient.h"
#include "GuiFixture.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/files/ClientFile.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/office/TfrmCalendar.h"
#include "gui/office/TfrmClients.h"

#include <QFile>
#include <QTableView>
#include <QTableWidget>

using namespace brevane;
using namespace brevane::test;

namespace {

void writeClient(const QString &path, void (*plant)(CalcClient &))
{
    CalcClient c;
    plant(c);
    QVERIFY(c.calculate());
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QVERIFY(SaveClientFile(path, c.store, c.directory));
}

// Three clients and a damaged file in the client folder of the fixture.
void writeOffice(GuiFixture &fx)
{
    fx.WritePage(0, {Edit("edtName", 1000, 10)});
    writeClient(fx.ClientFolder() + "/ridgeway.cl1", CompleteCorporation);
    writeClient(fx.ClientFolder() + "/dental/lakeside.cl1", CompleteAssociation);
    writeClient(fx.ClientFolder() + "/maple.cl1", CompleteCompany);
    QFile cut(fx.ClientFolder() + "/cut.cl1");
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write("Brevane\r\n 1.02000000000000E+0000\r\n***** Page Counts\r\n0\r\n");
}

QString shownText(TfrmClients &clients, int row, int column)
{
    return clients.Table()->model()->index(row, column).data().toString();
}

} // namespace

class tst_clientswindow : public QObject
{
    Q_OBJECT
private slots:
    void listsEveryClient();
    void typingFilters();
    void enterOpensTheClient();
    void followsTheFolder();
    void calendarOfTheOffice();
    void exportThatCannotBeWritten();
};

void tst_clientswindow::listsEveryClient()
{
    GuiFixture fx;
    writeOffice(fx);
    auto w = fx.Start();
    TfrmClients *clients = TfrmClients::ShowFor(*w);
    QVERIFY(clients->isVisible());
    // Sorted by name; an unreadable file by its file name, never left out.
    QCOMPARE(clients->ShownFiles().size(), 4);
    QCOMPARE(shownText(*clients, 0, TfrmClients::ColName), QStringLiteral("cut"));
    QCOMPARE(shownText(*clients, 0, TfrmClients::ColState), QStringLiteral("damaged"));
    QCOMPARE(shownText(*clients, 1, TfrmClients::ColName), QStringLiteral("Lakeside Dental Group, Inc."));
    QCOMPARE(shownText(*clients, 1, TfrmClients::ColKind), QStringLiteral("professional association"));
    QCOMPARE(shownText(*clients, 1, TfrmClients::ColFile), QStringLiteral("dental/lakeside.cl1"));
    QCOMPARE(shownText(*clients, 3, TfrmClients::ColAgent), QStringLiteral("Harold Quince"));
    QCOMPARE(shownText(*clients, 3, TfrmClients::ColMustFix), QStringLiteral("0"));
    // Sorted by another column: the file, descending.
    clients->Table()->sortByColumn(TfrmClients::ColFile, Qt::DescendingOrder);
    QCOMPARE(shownText(*clients, 0, TfrmClients::ColFile), QStringLiteral("ridgeway.cl1"));
    // The one window: File > Clients again shows the same.
    Item(*w, "mnuClients")->trigger();
    QCOMPARE(w->findChildren<TfrmClients *>().size(), 1);
}

void tst_clientswindow::typingFilters()
{
    GuiFixture fx;
    writeOffice(fx);
    auto w = fx.Start();
    TfrmClients *clients = TfrmClients::ShowFor(*w);
    QTest::keyClicks(clients->Filter(), QStringLiteral("dent"));
    QCOMPARE(clients->ShownFiles(), QStringList{fx.ClientFolder() + "/dental/lakeside.cl1"});
    // Any column: the kind.
    clients->Filter()->clear();
    QTest::keyClicks(clients->Filter(), QStringLiteral("llc"));
    QCOMPARE(clients->ShownFiles(), QStringList{fx.ClientFolder() + "/maple.cl1"});
    // Typing while the table has the focus goes to the filter.
    clients->Filter()->clear();
    clients->Table()->setFocus();
    QTest::keyClicks(clients->Table(), QStringLiteral("ridge"));
    QCOMPARE(clients->Filter()->text(), QStringLiteral("ridge"));
    QCOMPARE(clients->ShownFiles().size(), 1);
    clients->Filter()->clear();
    QCOMPARE(clients->ShownFiles().size(), 4);
}

void tst_clientswindow::enterOpensTheClient()
{
    GuiFixture fx;
    writeOffice(fx);
    auto w = fx.Start();
    TfrmClients *clients = TfrmClients::ShowFor(*w);
    QTest::keyClicks(clients->Filter(), QStringLiteral("ridgeway"));
    QTest::keyClick(clients->Filter(), Qt::Key_Return);
    QCOMPARE(w->Document().FileName(), fx.ClientFolder() + "/ridgeway.cl1");
    QCOMPARE(w->Document().Answers()->Text(0, 0, 0), QStringLiteral("Ridgeway Tool Holdings, Inc."));
    QVERIFY(!clients->isVisible());

    // From the table: Enter on the chosen row opens it, as a double click does.
    clients = TfrmClients::ShowFor(*w);
    clients->Filter()->clear();
    clients->Table()->setFocus();
    clients->Table()->setCurrentIndex(clients->Table()->model()->index(2, 0)); // maple.cl1
    QTest::keyClick(clients->Table(), Qt::Key_Return);
    QCOMPARE(w->Document().FileName(), fx.ClientFolder() + "/maple.cl1");
}

void tst_clientswindow::followsTheFolder()
{
    GuiFixture fx;
    writeOffice(fx);
    auto w = fx.Start();
    TfrmClients *clients = TfrmClients::ShowFor(*w);
    QCOMPARE(clients->ShownFiles().size(), 4);
    writeClient(fx.ClientFolder() + "/dental/second.cl1", CompleteAssociation);
    QTRY_COMPARE_WITH_TIMEOUT(clients->ShownFiles().size(), 5, 10000);
    QVERIFY(QFile::remove(fx.ClientFolder() + "/cut.cl1"));
    QTRY_COMPARE_WITH_TIMEOUT(clients->ShownFiles().size(), 4, 10000);
}

void tst_clientswindow::calendarOfTheOffice()
{
    GuiFixture fx;
    writeOffice(fx);
    auto w = fx.Start();
    TfrmClients *clients = TfrmClients::ShowFor(*w);
    TfrmCalendar calendar(clients->Register().Clients(), QStringLiteral("every client"), QDate(2026, 3, 1), w.get());
    // March 1 to May 29, 2026: both corporations' annual meetings.
    QCOMPARE(calendar.Table()->rowCount(), 2);
    QCOMPARE(calendar.Table()->item(0, TfrmCalendar::ColClient)->text(), QStringLiteral("Lakeside Dental Group, Inc."));
    QVERIFY(calendar.Table()->item(0, TfrmCalendar::ColWhat)->toolTip().contains(QLatin1String("1701.39")));
    calendar.SetDays(180);
    QCOMPARE(calendar.Table()->rowCount(), 3);
    QCOMPARE(calendar.Table()->item(2, TfrmCalendar::ColSource)->text(), QStringLiteral("Ohio Revised Code 1785.06"));

    TestDialogs dialogs;
    const QString ics = fx.Path(QStringLiteral("office"));
    dialogs.fileAnswers << ics;
    calendar.ExportClick();
    QFile f(ics + QStringLiteral(".ics"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count("BEGIN:VEVENT"), 3);
}

void tst_clientswindow::exportThatCannotBeWritten()
{
    MessageRecorder messages;
    TfrmCalendar calendar({}, QStringLiteral("every client"), QDate(2026, 3, 1), nullptr);
    QTemporaryDir dir;
    // A folder stands where the file would go.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.ics")));
    QVERIFY(!calendar.ExportTo(dir.filePath(QStringLiteral("taken.ics"))));
    QCOMPARE(messages.numbers(), QList<int>{msg::CalendarNotSaved});
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("taken.ics"))).isDir());
}

QTEST_MAIN(tst_clientswindow)
#include "tst_clientswindow.moc"
