// The Directory Worksheet as CSV: the rows come back as they went out, with
// commas, quotes and line breaks in their cells; a file with a bad row or
// column is refused whole, each bad row named by its line.
#include "TestSupport.h"
#include "core/exchange/DirectoryColumns.h"
#include "core/exchange/DirectoryCsv.h"

#include <QtTest>

using namespace brevane;
using namespace brevane::test;

namespace {

DirectoryTable Rows(std::initializer_list<std::initializer_list<const char *>> rows)
{
    DirectoryTable table;
    table.Clear();
    for (const auto &cells : rows) {
        table.AddRow();
        int column = 0;
        for (const char *cell : cells)
            table.SetCell(table.RowCount() - 1, column++, QString::fromUtf8(cell));
    }
    return table;
}

const QByteArray Heading = "Code,Name,Street Address,City,State,ZIP Code,By Name,Cash,Noncash,Contribution,Interest,"
                           "Number of Shares,Class of Shares\r\n";

} // namespace

class tst_directorycsv : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }
    void roundTrip_data();
    void roundTrip();
    void writesHeadingsAndQuotes();
    void headingsFindTheirColumns_data();
    void headingsFindTheirColumns();
    void readsWhatSpreadsheetsWrite_data();
    void readsWhatSpreadsheetsWrite();
    void badFileRefusedWithItsLine_data();
    void badFileRefusedWithItsLine();
    void mappingDecidesWhatIsChecked();
    void importedRowsReplaceOrFollow();
};

void tst_directorycsv::roundTrip_data()
{
    QTest::addColumn<DirectoryTable>("rows");
    QTest::newRow("a new worksheet's one empty row") << DirectoryTable();
    QTest::newRow("no rows") << Rows({});
    QTest::newRow("commas, quotes and line breaks")
        << Rows({{"DOSCI", "Lee, Ann \"Annie\"", "10 Elm Street | Apartment 2", "Dayton", "OH", "45402", "", "X", "",
                  "1,000.00", "25", "500", "common"},
                 {"SMB", "Northfield Partners, LLC", "400 Main Street | Suite 9 | Floor 2", "Dayton", "OH", "45402",
                  "Evan \"Ev\" Hart", "", "X", "$2,500.00", "0.75", "", ""},
                 {"RI", "\"", ",", " | ", "a | \"b\", c", "\"\"", ",\",", "", "", "", "", "", ""}});
    QTest::newRow("blanks, accents and empty rows in between")
        << Rows({{"D", "  Ann Lee  ", " 10 Elm", "Montr\u00e9al", "", "", "", "", "", "", "", "", ""},
                 {},
                 {"S", "Caf\u00e9 \u20ac Partners", "", "", "", "", "", "", "", "", "", "12", "preferred"},
                 {}});
}

// Exported and imported again: the same rows, cell for cell.
void tst_directorycsv::roundTrip()
{
    QFETCH(DirectoryTable, rows);
    const DirectoryCsvImport csv(WriteDirectoryCsv(rows));
    QCOMPARE(csv.Mapping.size(), DirectoryColumnCount);
    for (int column = 0; column < DirectoryColumnCount; ++column)
        QCOMPARE(csv.Mapping[column], column);
    if (rows.RowCount() == 0) {
        // A file of headings alone holds nothing to import.
        QCOMPARE(csv.ProblemText(), QStringLiteral("the file holds no rows below its headings"));
        return;
    }
    QVERIFY2(csv.Problems().isEmpty(), qPrintable(csv.ProblemText()));
    QCOMPARE(csv.Rows().Rows(), rows.Rows());
}

void tst_directorycsv::writesHeadingsAndQuotes()
{
    const QByteArray csv = WriteDirectoryCsv(
        Rows({{"D", "Lee, Ann", "say \"hi\"", "two | lines", "", " lead", "", "", "", "", "", "", ""}}));
    QVERIFY(csv.startsWith("\xEF\xBB\xBF" + Heading));
    QCOMPARE(csv.mid(3 + Heading.size()), QByteArray("D,\"Lee, Ann\",\"say \"\"hi\"\"\",\"two\nlines\",,\" lead\","
                                                     ",,,,,,\r\n"));
}

void tst_directorycsv::headingsFindTheirColumns_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("column");
    QTest::newRow("the heading written") << "Street Address" << int(ColAddress);
    QTest::newRow("the JSON key") << "NoOfShares" << int(ColNoOfShares);
    QTest::newRow("any case, blanks and points") << "no. of shares" << int(ColNoOfShares);
    QTest::newRow("ZIP alone") << "Zip" << int(ColZIP);
    QTest::newRow("by name") << "\"By\" Name" << int(ColByName);
    QTest::newRow("unknown") << "Telephone" << -1;
    QTest::newRow("empty") << "" << -1;
}

void tst_directorycsv::headingsFindTheirColumns()
{
    QFETCH(QString, heading);
    QFETCH(int, column);
    QCOMPARE(DirectoryColumnOfHeading(heading), column);
}

void tst_directorycsv::readsWhatSpreadsheetsWrite_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("mapping"); // the worksheet column of each of the file's columns
    QTest::addColumn<QString>("name");        // the first row's Name
    QTest::addColumn<QString>("shares");      // and its Number of Shares
    QTest::newRow("columns in another order, one unknown")
        << QByteArray("Telephone,Number of Shares,Name\n555-0142,500,Ann Lee\n") << QStringList{"-1", "11", "1"}
        << "Ann Lee"
        << "500";
    QTest::newRow("semicolons, no line end at the end")
        << QByteArray("Name;Number of Shares\r\n\"Lee; Ann\";1,000") << QStringList{"1", "11"} << "Lee; Ann"
        << "1,000";
    QTest::newRow("tabs") << QByteArray("Name\tNumber of Shares\nAnn Lee\t5\n") << QStringList{"1", "11"} << "Ann Lee"
                          << "5";
    QTest::newRow("Windows-1252 bytes") << QByteArray("Name,Number of Shares\r\nRen\xe9 Caf\xe9,7\r\n")
                                        << QStringList{"1", "11"} << QString::fromUtf8("Ren\u00e9 Caf\u00e9") << "7";
    QTest::newRow("line breaks in a cell, as the worksheet keeps them")
        << QByteArray("Name,Number of Shares\r\n\"Ann\r\nLee\nof\rDayton\",3\r\n") << QStringList{"1", "11"}
        << "Ann | Lee | of | Dayton"
        << "3";
    QTest::newRow("blank lines skipped") << QByteArray("\r\nName,Number of Shares\r\n\r\nAnn Lee,3\r\n\r\n")
                                         << QStringList{"1", "11"} << "Ann Lee"
                                         << "3";
    QTest::newRow("a second heading for a column goes nowhere")
        << QByteArray("Name,Name,Number of Shares\nAnn Lee,Lee,9\n") << QStringList{"1", "-1", "11"} << "Ann Lee"
        << "9";
}

void tst_directorycsv::readsWhatSpreadsheetsWrite()
{
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, mapping);
    QFETCH(QString, name);
    QFETCH(QString, shares);
    const DirectoryCsvImport import(csv);
    QVERIFY2(import.Problems().isEmpty(), qPrintable(import.ProblemText()));
    QStringList found;
    for (int column : import.Mapping)
        found << QString::number(column);
    QCOMPARE(found, mapping);
    const DirectoryTable rows = import.Rows();
    QCOMPARE(rows.RowCount(), 1);
    QCOMPARE(rows.Cell(0, ColName), name);
    QCOMPARE(rows.Cell(0, ColNoOfShares), shares);
}

void tst_directorycsv::badFileRefusedWithItsLine_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("named");
    const QByteArray good = "DOSCI,Ann Lee,,,,,,,,,,500,common\r\n";
    QTest::newRow("a row with fields missing")
        << Heading + good + "S,Ben Ortiz,22 Oak\r\n" + good << "line 3: it has 3 fields where the heading line has 13";
    QTest::newRow("a row with a field too many") << Heading + good + good + "S,Ben,,,,,,,,,,,,extra\r\n"
                                                 << "line 4: it has 14 fields";
    QTest::newRow("a role that is none") << Heading + "DX,Ann Lee,,,,,,,,,,,\r\n"
                                         << "line 2: Code \"DX\" holds \"X\", which is no role";
    QTest::newRow("a role in small letters") << Heading + good + "ds,Ann Lee,,,,,,,,,,,\r\n"
                                             << "line 3: Code \"ds\" holds \"d\"";
    QTest::newRow("cash neither X nor empty") << Heading + "M,Ann Lee,,,,,,yes,,,,,\r\n"
                                              << "line 2: Cash \"yes\" is neither X nor empty";
    QTest::newRow("an amount that is no number") << Heading + good + good + good + "M,Ann Lee,,,,,,X,,ten,,,\r\n"
                                                 << "line 5: Contribution \"ten\" is not a number";
    QTest::newRow("an amount in a European form")
        << Heading + "M,Ann Lee,,,,,,X,,\"1.000,00\",,,\r\n"
        << "line 2: Contribution \"1.000,00\" is not a number written as 1,234.50";
    QTest::newRow("shares that are no number") << Heading + "S,Ann Lee,,,,,,,,,,5OO,\r\n"
                                               << "line 2: Number of Shares \"5OO\" is not a number";
    QTest::newRow("a quote never closed") << Heading + good + "S,\"Ben Ortiz,,,,,,,,,,,\r\n" + good + good
                                          << "line 3: a field opened with a quote on this line is never closed";
    QTest::newRow("a quote never closed in the heading line")
        << QByteArray("Name,\"Code\r\nAnn,D\r\n") << "line 1: a field opened with a quote";
    QTest::newRow("text after a closing quote") << Heading + "S,\"Ben\" Ortiz,,,,,,,,,,,\r\n"
                                                << "line 2: a quoted field is followed by other text";
    // A cell's line break moves every later row down a line of the file.
    QTest::newRow("line counted across a line break in a cell")
        << Heading + "S,\"Ben\r\nOrtiz\",\"1\n2\n3\",,,,,,,,,,\r\n" + "S,Carla Ng,,,,,,,,,,many,\r\n"
        << "line 6: Number of Shares \"many\" is not a number";
    QTest::newRow("every bad row named")
        << Heading + "S,Ann,,,,,,,,,,x,\r\n" + good + "S,Ben,,,,,,,,,,y,\r\n"
        << "line 2: Number of Shares \"x\" is not a number written as 1,234.50; line 4: Number of Shares \"y\"";
    QTest::newRow("more columns than a worksheet file has")
        << QByteArray("Name") + QByteArray(",x").repeated(MostCsvColumns) + "\nAnn\n"
        << "line 1: its heading line has 101 columns";
    QTest::newRow("a row far wider than the headings") << Heading + "S,Ann" + QByteArray(",").repeated(5000) + "\r\n"
                                                       << "line 2: it has 5002 fields";
    QTest::newRow("more rows than the worksheet takes")
        << QByteArray("Name\n") + QByteArray("Ann\n").repeated(MostImportedRows + 1)
        << "its 10001 rows are more than the 10000 the worksheet takes";
    QTest::newRow("headings alone") << Heading << "the file holds no rows below its headings";
    QTest::newRow("empty file") << QByteArray() << "the file is empty";
    QTest::newRow("no heading known") << QByteArray("Telephone,Fax\r\n555,556\r\n")
                                      << "none of the file's columns goes into a column of the worksheet";
}

// One bad row keeps the whole file out: its problems name the line, and
// there are no rows to take while any problem stands.
void tst_directorycsv::badFileRefusedWithItsLine()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, named);
    const DirectoryCsvImport import(csv);
    QVERIFY(!import.Problems().isEmpty());
    QVERIFY2(import.ProblemText().contains(named), qPrintable(import.ProblemText()));
    // The preview can still show where each column would go.
    QCOMPARE(import.Mapping.size(), import.Headings().size());
}

// A column the user sends nowhere is not checked; two into one are refused.
void tst_directorycsv::mappingDecidesWhatIsChecked()
{
    DirectoryCsvImport import(QByteArray("Name,Contribution\nAnn Lee,see the agreement\n"));
    QVERIFY(import.ProblemText().contains(QStringLiteral("line 2: Contribution")));
    import.Mapping[1] = -1;
    QVERIFY2(import.Problems().isEmpty(), qPrintable(import.ProblemText()));
    QCOMPARE(import.Rows().Cell(0, ColContribution), QString());
    import.Mapping[1] = ColName;
    QCOMPARE(import.ProblemText(), QStringLiteral("2 of the file's columns (\"Name\", \"Contribution\") go into Name"));
}

void tst_directorycsv::importedRowsReplaceOrFollow()
{
    const DirectoryTable current = Rows({{"D", "Ann Lee"}});
    const DirectoryTable imported = Rows({{"S", "Ben Ortiz"}});
    QCOMPARE(WithImportedRows(current, imported, true).Rows(), imported.Rows());
    const DirectoryTable both = WithImportedRows(current, imported, false);
    QCOMPARE(both.RowCount(), 2);
    QCOMPARE(both.Cell(1, ColName), QStringLiteral("Ben Ortiz"));
    // A new worksheet's empty row gives way to the rows added.
    QCOMPARE(WithImportedRows(DirectoryTable(), imported, false).Rows(), imported.Rows());
}

QTEST_GUILESS_MAIN(tst_directorycsv)
#include "tst_directorycsv.moc"
