// The client file: written and read back line for line, and every way a bad
// file is turned away without harm.
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/files/LineText.h"
#include "core/files/Windows1252.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace brevane;
using namespace brevane::test;

class tst_clientfile : public QObject
{
    Q_OBJECT
private slots:
    void emptyClientLayout();
    void roundTripKeepsEverything();
    void lineBreaksBecomeBars();
    void textIsFittedToTheCodePage_data();
    void textIsFittedToTheCodePage();
    void sectionsFollowPageCounts();
    void zeroDirectoryRows();
    void version_data();
    void version();
    void firstLine_data();
    void firstLine();
    void malformedNumbers_data();
    void malformedNumbers();
    void earlyEnd_data();
    void earlyEnd();
    void impossibleCountsAreRejected_data();
    void impossibleCountsAreRejected();
    void damageIsNamed_data();
    void damageIsNamed();
    void directoryThatDisagreesWithItsCount_data();
    void directoryThatDisagreesWithItsCount();
    void unixAndMacLineEnds();
    void columnCountLineIsIgnored();
    void hugeRowCountDoesNotExhaustMemory();
    void saveKeepsOldFileWhenItCannotWrite();
    void rejectedFileIsNotChanged();

private:
    static QByteArray emptyClient();
    static QList<QByteArray> lines(const QByteArray &bytes) { return bytes.split('\n'); }
};

QByteArray tst_clientfile::emptyClient()
{
    TAnswer store;
    DirectoryTable directory;
    return WriteClientFile(store, directory);
}

void tst_clientfile::emptyClientLayout()
{
    const QByteArray bytes = emptyClient();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 21372);
    QCOMPARE(bytes.count('\n'), 21372);
    QList<QByteArray> l = bytes.split('\n');
    l.removeLast();
    QCOMPARE(l[0], "Brevane\r");
    QCOMPARE(l[1], " 1.03000000000000E+0000\r");
    QCOMPARE(l[2], "***** Page Counts\r");
    QCOMPARE(l[3], "0\r");
    QCOMPARE(l[103], "***** Page Data\r");
    QCOMPARE(l[104], "***** Page 0; Cont 0\r");
    QCOMPARE(l[105], "\r");
    QCOMPARE(l[106], "0\r");
    QCOMPARE(l[104 + 1 + 2 * 101], "***** Page 1; Cont 0\r");
    const qsizetype worksheet = l.size() - 18;
    QCOMPARE(l[worksheet], "Worksheet - ***************\r");
    QCOMPARE(l[worksheet + 1], "Column Count\r");
    QCOMPARE(l[worksheet + 2], "13\r");
    QCOMPARE(l[worksheet + 3], "Row Count\r");
    QCOMPARE(l[worksheet + 4], "1\r");
}

void tst_clientfile::roundTripKeepsEverything()
{
    TAnswer store;
    DirectoryTable directory;
    // Every Windows-1252 character, blanks at both ends, bars.
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all.append(char(b));
    const QString every1252 = Decode1252(all);
    const QStringList texts = {every1252, QStringLiteral("  leading and trailing  "), QStringLiteral("a | b | c"),
                               QStringLiteral("José Müller – “Acme” €5"), QStringLiteral(" ")};
    int n = 0;
    for (int p : RepeatablePages) {
        store.PgCt[p] = 1 + p % 4;
        for (int c = 0; c <= store.PgCt[p]; ++c) {
            store.SetText(p, c, PageAnswerMax[p], texts[n % texts.size()]);
            store.SetOvRide(p, c, n % 7, true);
            ++n;
        }
    }
    store.PgCt[68] = 100; // every copy in use
    store.SetText(68, 99, 3, QStringLiteral("last copy"));
    store.SetText(0, 0, 0, texts[0]);
    store.SetText(5, 0, 150, texts[1]);
    store.SetText(88, 0, 300, texts[3]);
    store.SetOvRide(88, 0, 300, true);
    store.SetText(99, 0, 100, QStringLiteral("reserved page"));
    directory.SetRowCount(3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < DirectoryColumnCount; ++c)
            directory.SetCell(r, c, texts[(r + c) % texts.size()] + QString::number(c));

    const QByteArray bytes = WriteClientFile(store, directory);
    TAnswer back;
    DirectoryTable backDirectory;
    QVERIFY(ReadClientFile(bytes, back, backDirectory));
    QCOMPARE(back.PgCt, store.PgCt);
    for (int p = 0; p < PageCount; ++p)
        for (int c = 0; c <= PageContinuationMax[p]; ++c)
            for (int k = 0; k <= PageAnswerMax[p]; ++k) {
                QCOMPARE(back.Text(p, c, k), store.Text(p, c, k));
                QCOMPARE(back.OvRide(p, c, k), store.OvRide(p, c, k));
            }
    QCOMPARE(backDirectory.Rows(), directory.Rows());
    QCOMPARE(back.Text(0, 0, 0), every1252);
    // Written again, the file is the same byte for byte.
    QCOMPARE(WriteClientFile(back, backDirectory), bytes);
}

void tst_clientfile::lineBreaksBecomeBars()
{
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 1, QStringLiteral("one\r\ntwo\nthree\rfour"));
    store.SetText(0, 0, 2, QStringLiteral("after"));
    directory.SetCell(0, ColName, QStringLiteral("Ann\nLee"));
    const QByteArray bytes = WriteClientFile(store, directory);
    QCOMPARE(bytes.count("\r\n"), 21372);
    TAnswer back;
    DirectoryTable backDirectory;
    QVERIFY(ReadClientFile(bytes, back, backDirectory));
    QCOMPARE(back.Text(0, 0, 1), QStringLiteral("one | two | three | four"));
    QCOMPARE(back.Text(0, 0, 2), QStringLiteral("after"));
    QCOMPARE(backDirectory.Cell(0, ColName), QStringLiteral("Ann | Lee"));
}

void tst_clientfile::sectionsFollowPageCounts()
{
    TAnswer store;
    DirectoryTable directory;
    store.PgCt[23] = 2;
    const QByteArray bytes = WriteClientFile(store, directory);
    QVERIFY(bytes.contains("\r\n***** Page 23; Cont 0\r\n"));
    QVERIFY(bytes.contains("\r\n***** Page 23; Cont 1\r\n"));
    QVERIFY(bytes.contains("\r\n***** Page 23; Cont 2\r\n"));
    QVERIFY(!bytes.contains("***** Page 23; Cont 3"));
    QCOMPARE(bytes.count("\r\n"), 21372 + 2 * (1 + 2 * 101));

    store.PgCt[24] = 100;
    const QByteArray full = WriteClientFile(store, directory);
    QVERIFY(full.contains("***** Page 24; Cont 99\r\n"));
    QVERIFY(!full.contains("***** Page 24; Cont 100"));
}

void tst_clientfile::zeroDirectoryRows()
{
    TAnswer store;
    DirectoryTable directory;
    directory.Clear();
    const QByteArray bytes = WriteClientFile(store, directory);
    QVERIFY(bytes.endsWith("Row Count\r\n0\r\n"));
    TAnswer back;
    DirectoryTable backDirectory;
    QCOMPARE(backDirectory.RowCount(), 1);
    QVERIFY(ReadClientFile(bytes, back, backDirectory));
    QCOMPARE(backDirectory.RowCount(), 0);
}

static QByteArray withLine(QByteArray bytes, int index, const QByteArray &line)
{
    QList<QByteArray> l = bytes.split('\n');
    l[index] = line + '\r';
    return l.join('\n');
}

void tst_clientfile::version_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("1.0") << QByteArray(" 1.00000000000000E+0000") << true;
    QTest::newRow("1.99") << QByteArray(" 1.99000000000000E+0000") << true;
    QTest::newRow("21.0") << QByteArray(" 2.10000000000000E+0001") << true;
    QTest::newRow("2.0") << QByteArray(" 2.00000000000000E+0000") << false;
    QTest::newRow("0.5") << QByteArray(" 5.00000000000000E-0001") << false;
    QTest::newRow("not a number") << QByteArray("one") << false;
    QTest::newRow("plain 1") << QByteArray("1") << true;
}

void tst_clientfile::version()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, accepted);
    MessageRecorder recorder;
    TAnswer store;
    DirectoryTable directory;
    QCOMPARE(ReadClientFile(withLine(emptyClient(), 1, line), store, directory), accepted);
    QCOMPARE(recorder.numbers(), accepted ? QList<int>() : QList<int>({33020}));
}

void tst_clientfile::firstLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("name alone") << QByteArray("Brevane") << true;
    QTest::newRow("name with other words") << QByteArray("Brevane client data") << true;
    QTest::newRow("lower case") << QByteArray("brevane") << false;
    QTest::newRow("another program") << QByteArray("Something else") << false;
}

void tst_clientfile::firstLine()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, accepted);
    MessageRecorder recorder;
    TAnswer store;
    DirectoryTable directory;
    QCOMPARE(ReadClientFile(withLine(emptyClient(), 0, line), store, directory), accepted);
    QCOMPARE(recorder.numbers(), accepted ? QList<int>() : QList<int>({33010}));
}

void tst_clientfile::malformedNumbers_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("page count") << 10 << QByteArray("x7");
    QTest::newRow("page count too large for an integer") << 10 << QByteArray("99999999999");
    QTest::newRow("override flag") << 106 << QByteArray("yes");
    QTest::newRow("continuation of a single page") << 3 << QByteArray("1");
    QTest::newRow("more copies than a page has") << 3 + 23 << QByteArray("101");
    QTest::newRow("row count") << 21372 - 14 << QByteArray("many");
}

void tst_clientfile::malformedNumbers()
{
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    MessageRecorder recorder;
    TAnswer store;
    DirectoryTable directory;
    QString problem;
    QVERIFY(!ReadClientFile(withLine(emptyClient(), line, text), store, directory, &problem));
    // Refused without a message of the reader's own, saying what was wrong.
    QVERIFY(!problem.isEmpty());
    QVERIFY(recorder.numbers().isEmpty());
}

void tst_clientfile::earlyEnd_data()
{
    QTest::addColumn<int>("keepLines");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("rows");
    QTest::newRow("empty file") << 0 << "" << -1;
    QTest::newRow("inside the page counts") << 50 << "" << 0;
    QTest::newRow("inside the page data") << 300 << "Acme" << 0;
    // Rows are made only for cell lines the file still holds.
    QTest::newRow("before the cells") << 21372 - 13 << "Acme" << 0;
    QTest::newRow("inside column 0") << 21372 - 12 << "Acme" << 1;
    QTest::newRow("last line without line end") << 21372 << "Acme" << 1;
}

void tst_clientfile::earlyEnd()
{
    QFETCH(int, keepLines);
    QFETCH(QString, answer);
    QFETCH(int, rows);
    TAnswer original;
    DirectoryTable originalDirectory;
    original.SetText(0, 0, 0, QStringLiteral("Acme"));
    original.SetText(99, 0, 0, QStringLiteral("last page"));
    originalDirectory.SetCell(0, ColName, QStringLiteral("Ann"));
    QList<QByteArray> l = WriteClientFile(original, originalDirectory).split('\n');
    QByteArray cut = l.mid(0, keepLines).join('\n');
    if (keepLines == 21372)
        cut.chop(1); // drop the last CR: the file ends inside its last line

    MessageRecorder recorder;
    TAnswer store;
    DirectoryTable directory;
    QString problem;
    const bool read = ReadClientFile(cut, store, directory, &problem);
    if (rows < 0) { // an empty file is not a client file
        QVERIFY(!read);
        QCOMPARE(recorder.numbers(), QList<int>({33010}));
        return;
    }
    QVERIFY(read);
    QVERIFY(recorder.numbers().isEmpty());
    QCOMPARE(store.Text(0, 0, 0), answer);
    QVERIFY(store.Text(99, 0, 0).isEmpty() || keepLines >= 21372 - 13);
    QCOMPARE(directory.RowCount(), rows);
    // What was read is loaded, and the reader says the file ended early; a
    // last line without its line end is whole.
    if (keepLines == 21372) {
        QCOMPARE(directory.Cell(0, ColName), QStringLiteral("Ann"));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    } else {
        QVERIFY2(problem.startsWith(QStringLiteral("it ends early, in ")), qPrintable(problem));
    }
}

void tst_clientfile::impossibleCountsAreRejected_data()
{
    QTest::addColumn<int>("line"); // 0-based line of the count
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<QString>("problem");
    QTest::newRow("most negative page count")
        << 3 << QByteArray("-2147483648") << "page 0 has -2147483648 copies, which it cannot have";
    QTest::newRow("copies of a page kept once")
        << 3 + 7 << QByteArray("1") << "page 7 has 1 copies, which it cannot have";
    QTest::newRow("more than 100 copies")
        << 3 + 23 << QByteArray("101") << "page 23 has 101 copies, which it cannot have";
    QTest::newRow("page count not a number")
        << 3 + 5 << QByteArray("0x10") << "the count of copies of page 5 is not a number";
    QTest::newRow("negative row count") << -1 << QByteArray("-1")
                                        << "the count of directory rows is not a number of rows";
}

// A count no saved file has would shift every later section: the file is
// rejected, and the reader says what was wrong.
void tst_clientfile::impossibleCountsAreRejected()
{
    QFETCH(int, line);
    QFETCH(QByteArray, count);
    QFETCH(QString, problem);
    QList<QByteArray> l = emptyClient().split('\n');
    const int at = line >= 0 ? line : int(l.size()) - 1 - 13 - 1; // the row count before the 13 cell lines
    l[at] = count + '\r';
    TAnswer store;
    DirectoryTable directory;
    QString said;
    QVERIFY(!ReadClientFile(l.join('\n'), store, directory, &said));
    QCOMPARE(said, problem);
}

// Every kind of damage is named: what was wrong, and where. A malformed or
// impossible number turns the file away; sections that stop following the
// counts load what stands before them (and the directory rows, found by
// their heading), so that the user sees what is left and nothing later is
// read into the wrong place.
void tst_clientfile::damageIsNamed_data()
{
    QTest::addColumn<QString>("line");       // the line changed: its text in the whole file
    QTest::addColumn<QByteArray>("becomes"); // its new text; "-" removes the line
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<bool>("laterPageKept");
    QTest::addColumn<bool>("rowsKept");
    QTest::newRow("override mark x") << "flag of page 0" << QByteArray("x") << false
                                     << "the override mark of answer 0 on page 0, copy 1 is not 0 or 1" << false
                                     << false;
    QTest::newRow("row count abc") << "row count" << QByteArray("abc") << false
                                   << "the count of directory rows is not a number of rows" << false << false;
    QTest::newRow("page count 0x10") << "count of page 5" << QByteArray("0x10") << false
                                     << "the count of copies of page 5 is not a number" << false << false;
    QTest::newRow("copies of a page kept once") << "count of page 7" << QByteArray("1") << false
                                                << "page 7 has 1 copies, which it cannot have" << false << false;
    QTest::newRow("a count above its sections")
        << "count of page 23" << QByteArray("2") << true
        << "its sections do not follow its page counts from page 23, copy 3 on (the line there reads \"***** Page "
           "24; Cont 0\"); what could be read is shown"
        << false << true;
    QTest::newRow("a count below its sections")
        << "count of page 23" << QByteArray("0") << true
        << "its sections do not follow its page counts from page 24, copy 1 on (the line there reads \"***** Page "
           "23; Cont 1\"); what could be read is shown"
        << false << true;
    QTest::newRow("a section heading gone")
        << "heading of page 30" << QByteArray("-") << true
        << "its sections do not follow its page counts from page 30, copy 1 on" << false << true;
    QTest::newRow("the worksheet heading gone")
        << "worksheet heading" << QByteArray("-") << true
        << "its sections do not follow its page counts from the directory rows on (the line there reads \"Column "
           "Count\"); its directory rows were not found"
        << true << false;
}

void tst_clientfile::damageIsNamed()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, becomes);
    QFETCH(bool, loaded);
    QFETCH(QString, problem);
    QFETCH(bool, laterPageKept);
    QFETCH(bool, rowsKept);
    TAnswer original;
    DirectoryTable rows;
    original.PgCt[23] = 1; // one copy in use: sections Cont 0 and Cont 1
    original.SetText(0, 0, 0, QStringLiteral("Acme"));
    original.SetText(50, 0, 0, QStringLiteral("later page"));
    rows.SetCell(0, ColName, QStringLiteral("Ann"));
    QList<QByteArray> l = lines(WriteClientFile(original, rows));
    const QMap<QString, qsizetype> at = {
        {QStringLiteral("flag of page 0"), 106},
        {QStringLiteral("count of page 5"), 3 + 5},
        {QStringLiteral("count of page 7"), 3 + 7},
        {QStringLiteral("count of page 23"), 3 + 23},
        {QStringLiteral("heading of page 30"), l.indexOf("***** Page 30; Cont 0\r")},
        {QStringLiteral("worksheet heading"), l.indexOf("Worksheet - ***************\r")},
        {QStringLiteral("row count"), l.size() - 1 - 13 - 1},
    };
    const qsizetype index = at.value(line);
    QVERIFY(index > 0);
    if (becomes == "-")
        l.removeAt(index);
    else
        l[index] = becomes + '\r';

    MessageRecorder recorder;
    TAnswer store;
    DirectoryTable directory;
    QString said;
    QCOMPARE(ReadClientFile(l.join('\n'), store, directory, &said), loaded);
    QVERIFY2(said.startsWith(problem), qPrintable(said));
    QVERIFY(recorder.numbers().isEmpty()); // the caller names the file with it
    if (!loaded)
        return;
    QCOMPARE(store.Text(0, 0, 0), QStringLiteral("Acme"));
    QCOMPARE(store.Text(50, 0, 0), laterPageKept ? QStringLiteral("later page") : QString());
    QCOMPARE(directory.RowCount() > 0 && directory.Cell(0, ColName) == QStringLiteral("Ann"), rowsKept);
}

// The directory's cells are stored column by column: a row count that
// disagrees with them, or data after them, is damage, named, and the rows
// stored are read whole rather than scrambled.
void tst_clientfile::directoryThatDisagreesWithItsCount_data()
{
    QTest::addColumn<int>("less");         // how many rows the count line says fewer than stored
    QTest::addColumn<QByteArray>("after"); // bytes added after the last cell
    QTest::addColumn<bool>("rowsKept");    // every stored row read in place
    QTest::addColumn<QString>("problem");  // %1: the count written, %2: the rows stored
    QTest::newRow("as saved") << 0 << QByteArray() << true << QString();
    QTest::newRow("blank lines after") << 0 << QByteArray("\r\n\r\n") << true << QString();
    QTest::newRow("count lower") << 1 << QByteArray() << true
                                 << "its count of directory rows (%1) disagrees with the %2 rows it holds; what it "
                                    "holds is shown";
    QTest::newRow("count zero") << -1 << QByteArray() << true
                                << "its count of directory rows (%1) disagrees with the %2 rows it holds; what it "
                                   "holds is shown";
    QTest::newRow("text after the last cell") << 0 << QByteArray("left over\r\n") << true
                                              << "it holds data after its last directory row; what it holds is shown";
    QTest::newRow("count lower and text after") << 1 << QByteArray("left over\r\n") << false
                                                << "it holds data after its last directory row; what it holds is shown";
}

void tst_clientfile::directoryThatDisagreesWithItsCount()
{
    QFETCH(int, less);
    QFETCH(QByteArray, after);
    QFETCH(bool, rowsKept);
    QFETCH(QString, problem);
    TAnswer store;
    DirectoryTable directory;
    const QStringList names{QStringLiteral("Ann Lee"), QStringLiteral("Bo Ruiz"), QStringLiteral("Cy Park")};
    directory.SetRowCount(int(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        directory.SetCell(row, ColName, names[row]);
        directory.SetCell(row, DirectoryColumnCount - 1, QStringLiteral("last %1").arg(row));
    }
    const int stored = directory.RowCount();
    const int count = less < 0 ? 0 : stored - less;
    QByteArray bytes = WriteClientFile(store, directory);
    const QByteArray countLine = "Row Count\r\n" + QByteArray::number(stored) + "\r\n";
    QVERIFY(bytes.contains(countLine));
    bytes.replace(countLine, "Row Count\r\n" + QByteArray::number(count) + "\r\n");
    bytes += after;

    TAnswer readStore;
    DirectoryTable read;
    QString said;
    QVERIFY(ReadClientFile(bytes, readStore, read, &said));
    QCOMPARE(said, problem.isEmpty() ? QString()
                                     : QString(problem)
                                           .replace(QLatin1String("%1"), QString::number(count))
                                           .replace(QLatin1String("%2"), QString::number(stored)));
    if (rowsKept) {
        QCOMPARE(read.RowCount(), stored);
        for (int row = 0; row < names.size(); ++row) {
            QCOMPARE(read.Cell(row, ColName), names[row]);
            QCOMPARE(read.Cell(row, DirectoryColumnCount - 1), QStringLiteral("last %1").arg(row));
        }
    }
}

void tst_clientfile::unixAndMacLineEnds()
{
    TAnswer original;
    DirectoryTable originalDirectory;
    original.SetText(12, 0, 7, QStringLiteral("seven"));
    original.SetOvRide(12, 0, 7, true);
    originalDirectory.SetCell(0, ColCode, QStringLiteral("CI"));
    const QByteArray windows = WriteClientFile(original, originalDirectory);
    for (const QByteArray &ending : {QByteArray("\n"), QByteArray("\r")}) {
        QByteArray other = windows;
        other.replace("\r\n", ending);
        TAnswer store;
        DirectoryTable directory;
        QVERIFY(ReadClientFile(other, store, directory));
        QCOMPARE(store.Text(12, 0, 7), QStringLiteral("seven"));
        QVERIFY(store.OvRide(12, 0, 7));
        QCOMPARE(directory.Cell(0, ColCode), QStringLiteral("CI"));
    }
}

void tst_clientfile::columnCountLineIsIgnored()
{
    TAnswer original;
    DirectoryTable originalDirectory;
    originalDirectory.SetCell(0, ColClassOfShares, QStringLiteral("common"));
    const QByteArray bytes = withLine(WriteClientFile(original, originalDirectory), 21372 - 16, "7");
    TAnswer store;
    DirectoryTable directory;
    QVERIFY(ReadClientFile(bytes, store, directory));
    QCOMPARE(directory.Cell(0, ColClassOfShares), QStringLiteral("common"));
}

void tst_clientfile::hugeRowCountDoesNotExhaustMemory()
{
    const QByteArray bytes = withLine(emptyClient(), 21372 - 14, "2000000000");
    TAnswer store;
    DirectoryTable directory;
    QVERIFY(ReadClientFile(bytes, store, directory));
    QVERIFY(directory.RowCount() <= 13);
}

void tst_clientfile::saveKeepsOldFileWhenItCannotWrite()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("client.cl1"));
    TAnswer store;
    DirectoryTable directory;
    store.SetText(0, 0, 0, QStringLiteral("First"));
    QVERIFY(SaveClientFile(path, store, directory));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    store.SetText(0, 0, 0, QStringLiteral("Second"));
    QString error;
    const bool saved = SaveClientFile(path, store, directory, &error);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    TAnswer back;
    DirectoryTable backDirectory;
    QVERIFY(LoadClientFile(path, back, backDirectory));
    if (saved) // running as root: the folder's permissions do not stop the save
        QCOMPARE(back.Text(0, 0, 0), QStringLiteral("Second"));
    else {
        QVERIFY(!error.isEmpty());
        QCOMPARE(back.Text(0, 0, 0), QStringLiteral("First"));
    }
    // Saving into a folder that does not exist fails and says why.
    QVERIFY(!SaveClientFile(dir.filePath(QStringLiteral("missing/x.cl1")), store, directory, &error));
    QVERIFY(!error.isEmpty());
}

void tst_clientfile::rejectedFileIsNotChanged()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.cl1"));
    const QByteArray content = "Shopping list\r\nmilk\r\n";
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    MessageRecorder recorder;
    TAnswer store;
    DirectoryTable directory;
    QVERIFY(!LoadClientFile(path, store, directory));
    QCOMPARE(recorder.numbers(), QList<int>({33010}));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), content);

    QString error;
    QVERIFY(!LoadClientFile(dir.filePath(QStringLiteral("absent.cl1")), store, directory, &error));
    QVERIFY(!error.isEmpty());
}

void tst_clientfile::textIsFittedToTheCodePage_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("Western European letters")
        << QStringLiteral("Jos\u00e9 M\u00fcller \u0152uvre \u20ac5 \u201cA\u201d")
        << QStringLiteral("Jos\u00e9 M\u00fcller \u0152uvre \u20ac5 \u201cA\u201d");
    QTest::newRow("Vietnamese name") << QStringLiteral("Nguy\u1ec5n Th\u1ecb") << QStringLiteral("Nguyen Thi");
    QTest::newRow("Polish city") << QStringLiteral("\u0141\u00f3d\u017a") << QStringLiteral("L\u00f3dz");
    QTest::newRow("no letter to fall back on") << QStringLiteral("\u65e5\u672c \u03a9") << QStringLiteral("?? ?");
    QTest::newRow("outside the basic plane")
        << QStringLiteral("Caf\u00e9 \U0001F600!") << QStringLiteral("Caf\u00e9 ?!");
    QTest::newRow("line breaks") << QStringLiteral("one\ntwo") << QStringLiteral("one\ntwo");
}

// What a user types comes back from the file as it was fitted, never with
// more changed than the fitting showed.
void tst_clientfile::textIsFittedToTheCodePage()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const QString fitted = FitWindows1252(typed);
    QCOMPARE(fitted, kept);
    QCOMPARE(Decode1252(Encode1252(fitted)), QString(fitted).replace(QLatin1Char('\n'), QStringLiteral(" | ")));
}

QTEST_GUILESS_MAIN(tst_clientfile)
#include "tst_clientfile.moc"
