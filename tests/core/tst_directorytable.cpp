// The directory rows without the worksheet window: inserting and removing a
// row, where the selection lands, the row clipboard, the role code and the
// role test the calculations and the window share.
#include "core/store/DirectoryRoles.h"
#include "core/store/DirectoryTable.h"

#include <QtTest>

using namespace brevane;

namespace {

// A row that fills more than one cell, so that a row moved or pasted whole is told from one written in part.
DirectoryRow NamedRow(const QString &name, const QString &code = QString())
{
    DirectoryRow row;
    row[ColCode] = code;
    row[ColName] = name;
    row[ColCity] = name + QStringLiteral(" City");
    row[ColClassOfShares] = name + QStringLiteral(" class");
    return row;
}

DirectoryTable Table(const QStringList &names)
{
    DirectoryTable table;
    table.Clear();
    for (const QString &name : names)
        table.Rows().append(NamedRow(name));
    return table;
}

// The rows' names; an empty row shows as "-" and a row changed in any other cell as "?".
QStringList Names(const DirectoryTable &table)
{
    QStringList names;
    for (const DirectoryRow &row : table.Rows()) {
        if (row == DirectoryRow{})
            names << QStringLiteral("-");
        else if (row == NamedRow(row[ColName]))
            names << row[ColName];
        else
            names << QStringLiteral("?");
    }
    return names;
}

} // namespace

class tst_directorytable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { CurrentRowClipboard() = RCurrentRow{}; }

    void insertRow_data();
    void insertRow();
    void removeRow_data();
    void removeRow();
    void clampRow_data();
    void clampRow();
    void clipboardOutlivesTheTable();
    void copyAndPasteOutsideTheTable_data();
    void copyAndPasteOutsideTheTable();
    void roleCode_data();
    void roleCode();
    void hasRole_data();
    void hasRole();
    void signerAndCapacity_data();
    void signerAndCapacity();
};

void tst_directorytable::insertRow_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("at");
    QTest::addColumn<bool>("inserted");
    QTest::addColumn<QStringList>("after");
    const QStringList abc = {"A", "B", "C"};
    QTest::newRow("middle row") << abc << 1 << true << QStringList({"A", "-", "B", "C"});
    QTest::newRow("first row") << abc << 0 << true << QStringList({"-", "A", "B", "C"});
    QTest::newRow("last row moves down") << abc << 2 << true << QStringList({"A", "B", "-", "C"});
    QTest::newRow("past the last row") << abc << 3 << false << abc;
    QTest::newRow("no row selected") << abc << -1 << false << abc;
    QTest::newRow("table without rows") << QStringList() << 0 << false << QStringList();
}

void tst_directorytable::insertRow()
{
    QFETCH(QStringList, rows);
    QFETCH(int, at);
    QFETCH(bool, inserted);
    QFETCH(QStringList, after);
    DirectoryTable table = Table(rows);
    QCOMPARE(table.InsertRow(at), inserted);
    QCOMPARE(Names(table), after);
}

void tst_directorytable::removeRow_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("at");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selected");
    const QStringList abc = {"A", "B", "C"};
    QTest::newRow("middle row") << abc << 1 << true << QStringList({"A", "C"}) << 1;
    QTest::newRow("first row") << abc << 0 << true << QStringList({"B", "C"}) << 0;
    QTest::newRow("last row selects the new last") << abc << 2 << true << QStringList({"A", "B"}) << 1;
    QTest::newRow("only row leaves none") << QStringList({"A"}) << 0 << true << QStringList() << -1;
    QTest::newRow("past the last row") << abc << 3 << false << abc << 2;
    QTest::newRow("table without rows") << QStringList() << 0 << false << QStringList() << -1;
}

// The row selected afterwards is where the selection of the removed row lands.
void tst_directorytable::removeRow()
{
    QFETCH(QStringList, rows);
    QFETCH(int, at);
    QFETCH(bool, removed);
    QFETCH(QStringList, after);
    QFETCH(int, selected);
    DirectoryTable table = Table(rows);
    QCOMPARE(table.RemoveRow(at), removed);
    QCOMPARE(Names(table), after);
    QCOMPARE(table.ClampRow(at), selected);
}

void tst_directorytable::clampRow_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("lands");
    QTest::newRow("inside") << 3 << 1 << 1;
    QTest::newRow("before the first row") << 3 << -1 << 0;
    QTest::newRow("past the last row") << 3 << 7 << 2;
    QTest::newRow("no rows") << 0 << 0 << -1;
}

void tst_directorytable::clampRow()
{
    QFETCH(int, rowCount);
    QFETCH(int, row);
    QFETCH(int, lands);
    DirectoryTable table;
    table.SetRowCount(rowCount);
    QCOMPARE(table.ClampRow(row), lands);
}

// The clipboard keeps its row after the table it came from is gone, as it
// does while the worksheet window is closed and opened again; a paste writes
// every cell, also those the clipboard row has empty.
void tst_directorytable::clipboardOutlivesTheTable()
{
    {
        DirectoryTable closed = Table({"A", "Kept"});
        closed.SetCell(1, ColCode, QStringLiteral("SC"));
        QVERIFY(closed.CopyRow(1));
    }
    DirectoryTable table = Table({"X", "Y"});
    table.SetCell(0, ColByName, QStringLiteral("Signer"));
    QVERIFY(table.PasteRow(0));
    QCOMPARE(table.Row(0), NamedRow(QStringLiteral("Kept"), QStringLiteral("SC")));
    QVERIFY(table.PasteRow(1));
    QCOMPARE(table.Row(1), table.Row(0));
}

void tst_directorytable::copyAndPasteOutsideTheTable_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("at");
    QTest::newRow("past the last row") << QStringList({"A", "B"}) << 2;
    QTest::newRow("no row selected") << QStringList({"A", "B"}) << -1;
    QTest::newRow("table without rows") << QStringList() << 0;
}

// Outside the table Copy keeps the clipboard's row and Paste writes nothing.
void tst_directorytable::copyAndPasteOutsideTheTable()
{
    QFETCH(QStringList, rows);
    QFETCH(int, at);
    CurrentRowClipboard() = NamedRow(QStringLiteral("Z"), QStringLiteral("M"));
    DirectoryTable table = Table(rows);
    QVERIFY(!table.CopyRow(at));
    QCOMPARE(CurrentRowClipboard(), NamedRow(QStringLiteral("Z"), QStringLiteral("M")));
    QVERIFY(!table.PasteRow(at));
    QCOMPARE(Names(table), rows);
}

void tst_directorytable::roleCode_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("code");
    QTest::newRow("any order") << "SID"
                               << "DSI";
    QTest::newRow("every role, reversed") << "RBIGMCSOD"
                                          << "DOSCMGIBR";
    QTest::newRow("repeated letters once") << "BBRB"
                                           << "BR";
    QTest::newRow("lower case is no role") << "dsiB"
                                           << "B";
    QTest::newRow("other characters left out") << "x-C, M"
                                               << "CM";
    QTest::newRow("no role") << ""
                             << "";
}

void tst_directorytable::roleCode()
{
    QFETCH(QString, letters);
    QFETCH(QString, code);
    QCOMPARE(RoleCode(letters), code);
}

void tst_directorytable::hasRole_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("has");
    QTest::addColumn<bool>("hasIgnoringCase");
    QTest::newRow("first letter") << "DSI"
                                  << "D" << true << true;
    QTest::newRow("last letter") << "DSI"
                                 << "I" << true << true;
    QTest::newRow("letter in any order") << "IDS"
                                         << "S" << true << true;
    QTest::newRow("letter absent") << "DSI"
                                   << "C" << false << false;
    QTest::newRow("lower-case cell") << "dsi"
                                     << "S" << false << true;
    QTest::newRow("lower-case letter asked") << "DSI"
                                             << "s" << false << true;
    QTest::newRow("among other characters") << "x-B R"
                                            << "R" << true << true;
    QTest::newRow("empty code") << ""
                                << "C" << false << false;
}

// The test on a code text and on a row's Code cell agree; only the
// ignoring-case form counts a letter of the other case.
void tst_directorytable::hasRole()
{
    QFETCH(QString, code);
    QFETCH(QString, letter);
    QFETCH(bool, has);
    QFETCH(bool, hasIgnoringCase);
    DirectoryRow row = NamedRow(QStringLiteral("Ann Lee"), code);
    QCOMPARE(HasRole(code, letter.at(0)), has);
    QCOMPARE(HasRole(row, letter.at(0)), has);
    QCOMPARE(HasRoleIgnoringCase(row, letter.at(0)), hasIgnoringCase);
}

void tst_directorytable::signerAndCapacity_data()
{
    QTest::addColumn<QString>("byName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("capacity");
    QTest::newRow("name only") << " Janet  Sobczak "
                               << "Janet Sobczak"
                               << "";
    QTest::newRow("name and title") << "Janet Sobczak, President"
                                    << "Janet Sobczak"
                                    << "President";
    QTest::newRow("title of two words") << "Evan Hart ,Managing Member"
                                        << "Evan Hart"
                                        << "Managing Member";
    QTest::newRow("suffix is the name's") << "Paul Reyes, Jr."
                                          << "Paul Reyes, Jr."
                                          << "";
    QTest::newRow("suffix then title") << "Paul Reyes, Jr., Treasurer"
                                       << "Paul Reyes, Jr."
                                       << "Treasurer";
    QTest::newRow("trailing comma") << "Janet Sobczak,"
                                    << "Janet Sobczak"
                                    << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void tst_directorytable::signerAndCapacity()
{
    QFETCH(QString, byName);
    QFETCH(QString, name);
    QFETCH(QString, capacity);
    const BusinessSigner signer = SplitByName(byName);
    QCOMPARE(signer.name, name);
    QCOMPARE(signer.capacity, capacity);
}

QTEST_APPLESS_MAIN(tst_directorytable)
#include "tst_directorytable.moc"
