// The Directory Worksheet's CSV import and export: the preview with the
// column mapping before anything changes, a bad row keeping the whole file
// out with its line named, and the rows handed to the client after an import.

#include "GuiFixture.h"
#include "TestSupport.h"
#include "core/dialogs/Messages.h"
#include "core/exchange/DirectoryCsv.h"
#include "core/files/WholeFile.h"
#include "gui/dialogs/UserDialogs.h"
#include "gui/directory/CsvImportDialog.h"
#include "gui/directory/TfrmDirectory.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace brevane;
using namespace brevane::test;

namespace {

DirectoryTable TwoPeople()
{
    DirectoryTable rows;
    rows.SetRowCount(2);
    rows.SetCell(0, ColCode, QStringLiteral("DOSCI"));
    rows.SetCell(0, ColName, QStringLiteral("Ann Lee"));
    rows.SetCell(1, ColCode, QStringLiteral("S"));
    rows.SetCell(1, ColName, QStringLiteral("Ben Ortiz"));
    return rows;
}

} // namespace

class tst_csvimport : public QObject
{
    Q_OBJECT

private:
    DirectoryTable clientRows;
    int modified = 0;
    std::unique_ptr<TfrmDirectory> window;
    std::unique_ptr<TestDialogs> dialogs;
    QTemporaryDir dir;

    bool Open(const DirectoryTable &rows)
    {
        clientRows = rows;
        modified = 0;
        DirectoryHooks hooks;
        hooks.markModified = [this] { ++modified; };
        hooks.keepRows = [this](const DirectoryTable &rowsKept) { clientRows = rowsKept; };
        hooks.programFolder = QStringLiteral("/nonexistent-program-folder");
        hooks.dataFolder = dir.path();
        window = std::make_unique<TfrmDirectory>(clientRows, hooks);
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }
    QString CsvFile(const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("people.csv"));
        if (!ReplaceFile(path, bytes))
            return QString();
        return path;
    }

private Q_SLOTS:
    void init() { dialogs = std::make_unique<TestDialogs>(); }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
    }
    void previewShowsTheMappingThenImports();
    void badRowKeepsTheWholeFileOut();
    void changedMappingLetsTheFileIn();
    void replaceTakesThePlaceOfTheRows();
    void exportWritesTheRows();
    void unreadableFileIsNamed();
};

void tst_csvimport::previewShowsTheMappingThenImports()
{
    QVERIFY(Open(TwoPeople()));
    dialogs->fileAnswers << CsvFile("Telephone,Name,Code,Number of Shares\r\n"
                                    "555-0142,\"Ng, Carla\",DSMGI,50\r\n"
                                    "555-0143,Dana Whitcombe,RI,\r\n");
    bool seen = false;
    WhenShown([&](QWidget *shown) {
        auto *preview = qobject_cast<CsvImportDialog *>(shown);
        QVERIFY(preview);
        seen = true;
        // Where each column of the file goes; the unknown one goes nowhere.
        QCOMPARE(preview->tblMapping->rowCount(), 4);
        QStringList targets;
        for (int i = 0; i < 4; ++i)
            targets << qobject_cast<QComboBox *>(preview->tblMapping->cellWidget(i, 2))->currentText();
        QCOMPARE(targets, QStringList({"(not imported)", "Name", "Code", "Number of Shares"}));
        // The rows as they will come in, under their lines.
        QCOMPARE(preview->tblPreview->rowCount(), 2);
        QCOMPARE(preview->tblPreview->verticalHeaderItem(1)->text(), QStringLiteral("line 3"));
        QCOMPARE(preview->tblPreview->item(0, 1)->text(), QStringLiteral("Ng, Carla"));
        QVERIFY(preview->btnImport->isEnabled());
        // Nothing changed while the preview is open.
        QCOMPARE(window->Rows(), TwoPeople());
        QCOMPARE(clientRows, TwoPeople());
        Press(preview, "btnImport");
    });
    window->ImportFromCsv();
    QVERIFY(seen);
    QCOMPARE(dialogs->folders, QStringList{dir.path()});
    QCOMPARE(window->Rows().RowCount(), 4);
    QCOMPARE(window->Rows().Cell(2, ColName), QStringLiteral("Ng, Carla"));
    QCOMPARE(window->Rows().Cell(2, ColCode), QStringLiteral("DSMGI"));
    QCOMPARE(window->Rows().Cell(2, ColNoOfShares), QStringLiteral("50"));
    QCOMPARE(window->Rows().Cell(3, ColName), QStringLiteral("Dana Whitcombe"));
    // The client has the rows and knows it changed.
    QCOMPARE(clientRows, window->Rows());
    QVERIFY(modified > 0);
}

// One bad row: the preview names its line in message 40020, Import is not
// offered, and the worksheet and the client keep every row they had.
void tst_csvimport::badRowKeepsTheWholeFileOut()
{
    QVERIFY(Open(TwoPeople()));
    dialogs->fileAnswers << CsvFile("Name,Code,Number of Shares\r\n"
                                    "Carla Ng,DS,50\r\n"
                                    "Dana Whitcombe,RI,fifty\r\n"
                                    "Evan Hart,S,5\r\n");
    bool seen = false;
    WhenShown([&](QWidget *shown) {
        auto *preview = qobject_cast<CsvImportDialog *>(shown);
        QVERIFY(preview);
        seen = true;
        QVERIFY(!preview->btnImport->isEnabled());
        const QString text = preview->lblProblems->text();
        QVERIFY2(text.startsWith(QStringLiteral("4002-The CSV file cannot be imported")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("people.csv: line 3: Number of Shares \"fifty\" is not a number")),
                 qPrintable(text));
        // The bad row stands out; the good ones do not.
        QVERIFY(preview->tblPreview->item(1, 0)->background().color() !=
                preview->tblPreview->item(0, 0)->background().color());
        // Import cannot be forced.
        Press(preview, "btnImport");
        QVERIFY(preview->isVisible());
        Press(preview, "btnCancel");
    });
    window->ImportFromCsv();
    QVERIFY(seen);
    QCOMPARE(window->Rows(), TwoPeople());
    QCOMPARE(clientRows, TwoPeople());
    QCOMPARE(modified, 0);
}

// A column sent nowhere is not checked: the file comes in without it.
void tst_csvimport::changedMappingLetsTheFileIn()
{
    QVERIFY(Open(DirectoryTable()));
    dialogs->fileAnswers << CsvFile("Name,Contribution\nCarla Ng,see the agreement\n");
    WhenShown([&](QWidget *shown) {
        auto *preview = qobject_cast<CsvImportDialog *>(shown);
        QVERIFY(preview);
        QVERIFY(!preview->btnImport->isEnabled());
        auto *target = qobject_cast<QComboBox *>(preview->tblMapping->cellWidget(1, 2));
        target->setCurrentIndex(target->findData(-1));
        QVERIFY(preview->btnImport->isEnabled());
        QCOMPARE(preview->lblProblems->text(), QStringLiteral("All 1 rows can be imported."));
        Press(preview, "btnImport");
    });
    window->ImportFromCsv();
    // The new worksheet's empty row gave way to the row imported.
    QCOMPARE(window->Rows().RowCount(), 1);
    QCOMPARE(window->Rows().Cell(0, ColName), QStringLiteral("Carla Ng"));
    QCOMPARE(window->Rows().Cell(0, ColContribution), QString());
}

void tst_csvimport::replaceTakesThePlaceOfTheRows()
{
    QVERIFY(Open(TwoPeople()));
    dialogs->fileAnswers << CsvFile("Name\nCarla Ng\n");
    WhenShown([&](QWidget *shown) {
        auto *preview = qobject_cast<CsvImportDialog *>(shown);
        QVERIFY(preview);
        preview->rbtnReplace->setChecked(true);
        Press(preview, "btnImport");
    });
    window->ImportFromCsv();
    QCOMPARE(window->Rows().RowCount(), 1);
    QCOMPARE(clientRows.Cell(0, ColName), QStringLiteral("Carla Ng"));
}

// The rows as the worksheet holds them, read back the same.
void tst_csvimport::exportWritesTheRows()
{
    DirectoryTable rows = TwoPeople();
    rows.SetCell(1, ColAddress, QStringLiteral("22 Oak Avenue, \"rear\" | Dayton"));
    QVERIFY(Open(rows));
    const QString path = dir.filePath(QStringLiteral("out"));
    dialogs->fileAnswers << path;
    window->ExportToCsv();
    QByteArray written;
    QVERIFY(ReadRegularFile(path + QStringLiteral(".csv"), &written));
    QCOMPARE(written, WriteDirectoryCsv(rows));
    QCOMPARE(DirectoryCsvImport(written).Rows(), rows);
}

void tst_csvimport::unreadableFileIsNamed()
{
    QVERIFY(Open(TwoPeople()));
    MessageRecorder recorder;
    dialogs->fileAnswers << dir.path();
    window->ImportFromCsv();
    QCOMPARE(recorder.numbers(), QList<int>{msg::ExchangeFileUnreadable});
    QVERIFY(recorder.messages().first().text.contains(dir.path()));
    QCOMPARE(window->Rows(), TwoPeople());
}

QTEST_MAIN(tst_csvimport)
#include "tst_csvimport.moc"
