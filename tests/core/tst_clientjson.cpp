// The client as JSON: every client written to JSON and read back writes the
// same client file, byte for byte; JSON that is not a client, or holds a
// wrong member, is refused with the member named and changes nothing.
#include "CalcFixture.h"
#include "CheckClient.h"
#include "FilledClient.h"
#include "PaperClients.h"
#include "TestSupport.h"
#include "core/calc/Calculate.h"
#include "core/dialogs/Messages.h"
#include "core/exchange/ClientJson.h"
#include "core/exchange/DirectoryColumns.h"
#include "core/files/ClientFile.h"
#include "core/files/WholeFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <functional>
#include <memory>

using namespace brevane;
using namespace brevane::test;

Q_DECLARE_METATYPE(std::function<void(CalcClient &)>)

namespace {

// A client that holds every kind of text in places no form fills: odd
// characters, answers on the last places of the lists, overridden empty
// answers, every copy of one repeatable page and none of another, no
// directory rows at all.
void HardClient(CalcClient &c)
{
    const QString texts[] = {
        QStringLiteral("quote \" and backslash \\ and {braces}"),
        QStringLiteral("  leading and trailing blanks  "),
        QStringLiteral("caf\u00e9 \u20ac 100 \u2013 \u201cquoted\u201d"),
        QStringLiteral("a | bar, as a line break is kept"),
        QStringLiteral("tab\there, control \x01 and C1 \u0081"),
        QString(2000, QLatin1Char('w')),
    };
    int n = 0;
    for (int page = 0; page < PageCount; ++page)
        c.store.SetText(page, 0, PageAnswerMax[size_t(page)], texts[n++ % std::size(texts)]);
    c.store.SetOvRide(7, 0, 3, true);
    c.store.PgCt[23] = 100;
    for (int copy = 0; copy <= PageContinuationMax[23]; ++copy)
        c.store.SetText(23, copy, copy % (PageAnswerMax[23] + 1), QStringLiteral("copy %1").arg(copy));
    c.store.PgCt[24] = 3;
    c.store.SetText(24, 3, 0, QStringLiteral("the section after the last copy"));
    c.store.SetOvRide(68, 0, 1, true);
    c.directory.Clear();
}

void Filled(CalcClient &c)
{
    FillClient(c.store, c.directory);
}

void Empty(CalcClient &c)
{
    c.directory = DirectoryTable();
}

QByteArray ClientBytes(const std::function<void(CalcClient &)> &make, bool calculate)
{
    CalcClient c;
    make(c);
    if (calculate) {
        const Outcome run = Calculate(&c.store, c.directory);
        if (!run)
            qWarning("the calculation of a test client failed");
    }
    return WriteClientFile(c.store, c.directory);
}

QJsonObject ExportedJson(const QByteArray &clientBytes)
{
    TAnswer store;
    DirectoryTable directory;
    if (!ReadClientFile(clientBytes, store, directory))
        return {};
    return QJsonDocument::fromJson(WriteClientJson(store, directory)).object();
}

QByteArray Json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonObject MinimalJson()
{
    return QJsonObject{{QStringLiteral("format"), QLatin1String(ClientJsonFormat)},
                       {QStringLiteral("version"), ClientJsonVersion}};
}

} // namespace

class tst_clientjson : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }
    void roundTripIsByteIdentical_data();
    void roundTripIsByteIdentical();
    void layoutNamesWhatItHolds();
    void answerKeys_data();
    void answerKeys();
    void rejected_data();
    void rejected();
    void importFitsTextToTheClientFile();
    void documentedExampleImports();
};

void tst_clientjson::roundTripIsByteIdentical_data()
{
    QTest::addColumn<QByteArray>("client");
    const auto add = [](const char *name, std::function<void(CalcClient &)> make, bool calculate) {
        QTest::newRow(name) << ClientBytes(make, calculate);
    };
    add("filled client", Filled, false);
    add("filled client, calculated", Filled, true);
    add("empty client", Empty, false);
    add("hard texts and every copy", HardClient, false);
    add("complete corporation", CompleteCorporation, true);
    add("complete company", CompleteCompany, true);
    add("complete association", CompleteAssociation, true);
    add("corporation with five shareholders", CorporationWithFiveShareholders, true);
    add("company with an equipment member", CompanyWithEquipmentMember, true);
    add("corporation with later filings", CorporationWithLaterFilings, true);
    add("corporation dissolved", CorporationDissolvedByItsShareholders, true);
    add("corporation without par value", CorporationWithoutParValue, true);
    add("company with its agreement", CompanyWithItsAgreement, true);
    add("company amending its articles", CompanyAmendingItsArticles, true);
    for (const char *seed : {"empty.cl1", "copies.cl1"}) {
        QByteArray bytes;
        QVERIFY(ReadRegularFile(SourceDir() + QStringLiteral("/fuzz/seeds/clientfile/") + QLatin1String(seed), &bytes));
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(QLatin1String(seed)))) << bytes;
    }
}

// Export, then import into a fresh client: the client file it writes is the
// one exported, byte for byte, and exporting that gives the same JSON.
void tst_clientjson::roundTripIsByteIdentical()
{
    QFETCH(QByteArray, client);
    MessageRecorder recorder;
    TAnswer store;
    DirectoryTable directory;
    QString problem;
    QVERIFY(ReadClientFile(client, store, directory, &problem));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const QByteArray saved = WriteClientFile(store, directory);
    const QByteArray json = WriteClientJson(store, directory);

    TAnswer imported;
    DirectoryTable importedRows;
    const Outcome read = ReadClientJson(json, imported, importedRows);
    QVERIFY2(read.ok(), read.messages().isEmpty() ? "" : qPrintable(read.messages().first().detail));
    QCOMPARE(WriteClientFile(imported, importedRows), saved);
    QCOMPARE(WriteClientJson(imported, importedRows), json);
    QVERIFY(recorder.messages().isEmpty());
}

// The general worksheet's answers by name, the other pages by number with
// their flags, the copies and the directory rows by column name.
void tst_clientjson::layoutNamesWhatItHolds()
{
    const QJsonObject json = ExportedJson(ClientBytes(Filled, false));
    QCOMPARE(json.value(QStringLiteral("format")).toString(), QStringLiteral("Brevane client"));
    QCOMPARE(json.value(QStringLiteral("version")).toInt(), 1);
    const QJsonObject general = json.value(QStringLiteral("general")).toObject();
    QCOMPARE(general.value(QStringLiteral("answers")).toObject().value(QStringLiteral("EntityName")).toString(),
             EntityName);
    QCOMPARE(general.value(QStringLiteral("answers")).toObject().value(QStringLiteral("DirectorsMeetingStreet")),
             QJsonValue(QStringLiteral("1200 Canal Street")));
    QCOMPARE(json.value(QStringLiteral("copies")).toObject().value(QStringLiteral("23")).toInt(), 2);
    QJsonObject page4;
    for (const QJsonValue &section : json.value(QStringLiteral("pages")).toArray())
        if (section.toObject().value(QStringLiteral("page")).toInt() == 4)
            page4 = section.toObject();
    QCOMPARE(page4.value(QStringLiteral("copy")).toInt(), 0);
    QCOMPARE(page4.value(QStringLiteral("answers")).toObject().value(QStringLiteral("2")).toString(), OverriddenSigner);
    QCOMPARE(page4.value(QStringLiteral("overridden")).toArray(), QJsonArray{QStringLiteral("2")});
    const QJsonArray rows = json.value(QStringLiteral("directory")).toArray();
    QCOMPARE(rows.size(), 5);
    QCOMPARE(rows[3].toObject().value(QStringLiteral("Name")).toString(), QStringLiteral("Northfield Partners LLC"));
    QCOMPARE(rows[3].toObject().value(QStringLiteral("ByName")).toString(), QStringLiteral("Evan Hart"));
    QCOMPARE(rows[0].toObject().value(QStringLiteral("NoOfShares")).toString(), QStringLiteral("500"));
}

void tst_clientjson::answerKeys_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("answer");
    QTest::newRow("page 0 by name") << 0 << "EntityName" << 0;
    QTest::newRow("page 0 by number too") << 0 << "0" << 0;
    QTest::newRow("another page by number") << 7 << "13" << 13;
    QTest::newRow("last answer of the page") << 23 << QString::number(PageAnswerMax[23]) << PageAnswerMax[23];
    QTest::newRow("past the last answer") << 23 << QString::number(PageAnswerMax[23] + 1) << -1;
    QTest::newRow("a leading zero") << 7 << "07" << -1;
    QTest::newRow("a sign") << 7 << "+7" << -1;
    QTest::newRow("a name of page 0 on another page") << 7 << "EntityName" << -1;
    QTest::newRow("names are exact") << 0 << "entityname" << -1;
    QTest::newRow("empty") << 0 << "" << -1;
}

void tst_clientjson::answerKeys()
{
    QFETCH(int, page);
    QFETCH(QString, key);
    QFETCH(int, answer);
    QCOMPARE(AnswerOfKey(page, key), answer);
    if (answer >= 0)
        QCOMPARE(AnswerOfKey(page, AnswerKey(page, answer)), answer);
}

void tst_clientjson::rejected_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("named");
    const auto with = [](const char *member, const QJsonValue &value) {
        QJsonObject o = MinimalJson();
        o.insert(QLatin1String(member), value);
        return Json(o);
    };
    const auto page = [](const QJsonObject &section) { return QJsonArray{section}; };
    QJsonObject noVersion = MinimalJson();
    noVersion.remove(QStringLiteral("version"));
    QTest::newRow("not JSON") << QByteArray("{\"format\": \"Brevane client\",\n \"version\": 1,,}")
                              << "it is not JSON (";
    QTest::newRow("not JSON, line named") << QByteArray("{\n\n  \"version\": tru }") << "on line 3";
    QTest::newRow("a list, not an object") << QByteArray("[1, 2]") << "it is not a JSON object";
    QTest::newRow("empty file") << QByteArray() << "it is not JSON";
    QTest::newRow("another format") << Json({{"format", "Other"}, {"version", 1}}) << "its \"format\" is not";
    QTest::newRow("missing version") << Json(noVersion) << "it has no \"version\"";
    QTest::newRow("version as text") << with("version", QStringLiteral("1")) << "not a version number";
    QTest::newRow("version with a fraction") << with("version", 1.5) << "not a version number";
    QTest::newRow("newer version") << with("version", 2) << "version 2, newer";
    QTest::newRow("unknown member") << with("pagse", QJsonArray()) << "\"pagse\" is not a member";
    QTest::newRow("unknown page") << with("pages", page({{"page", 100}, {"answers", QJsonObject{}}}))
                                  << "pages[0].page: there is no page 100";
    QTest::newRow("negative page") << with("pages", page({{"page", -1}})) << "there is no page -1";
    QTest::newRow("page as text") << with("pages", page({{"page", "7"}}))
                                  << "pages[0].page: a page number is expected, not a text";
    QTest::newRow("page without its number")
        << with("pages", page({{"answers", QJsonObject{}}})) << "a page number is expected, not nothing";
    QTest::newRow("pages not a list") << with("pages", QJsonObject{}) << "pages: a list of pages is expected";
    QTest::newRow("page 0 among the pages") << with("pages", page({{"page", 0}})) << "page 0 is given under";
    QTest::newRow("a section twice") << with("pages", QJsonArray{QJsonObject{{"page", 7}},
                                                                 QJsonObject{{"page", 7}, {"copy", 0}}})
                                     << "pages[1]: copy 0 of page 7 is given twice";
    QTest::newRow("answer as a number") << with("general", QJsonObject{{"answers", QJsonObject{{"EntityName", 5}}}})
                                        << "general.answers.\"EntityName\": a text is expected, not a number";
    QTest::newRow("answer as null") << with("pages", page({{"page", 7}, {"answers", QJsonObject{{"6", QJsonValue()}}}}))
                                    << "a text is expected, not null";
    QTest::newRow("unknown answer name") << with("general", QJsonObject{{"answers", QJsonObject{{"EntityNmae", "x"}}}})
                                         << "page 0 has no answer of that name or number";
    QTest::newRow("answer past the page")
        << with("pages", page({{"page", 7}, {"answers", QJsonObject{{"999", "x"}}}})) << "\"999\": page 7 has no";
    QTest::newRow("one answer by name and number")
        << with("general", QJsonObject{{"answers", QJsonObject{{"EntityName", "a"}, {"0", "b"}}}}) << "given twice";
    QTest::newRow("overridden not a list")
        << with("pages", page({{"page", 7}, {"overridden", "3"}})) << "a list of answers is expected, not a text";
    QTest::newRow("overridden unknown answer")
        << with("pages", page({{"page", 7}, {"overridden", QJsonArray{"Bank"}}})) << "page 7 has no answer \"Bank\"";
    QJsonObject twoCopies = MinimalJson();
    twoCopies.insert(QStringLiteral("copies"), QJsonObject{{"23", 2}});
    twoCopies.insert(QStringLiteral("pages"), QJsonArray{QJsonObject{{"page", 23}, {"copy", 3}}});
    QTest::newRow("copy beyond the copies")
        << Json(twoCopies) << "page 23 has 2 copies in \"copies\", so it holds no copy 3";
    QTest::newRow("copy of a page that has none")
        << with("pages", page({{"page", 7}, {"copy", 1}})) << "page 7 has no copies, so it holds no copy 1";
    QTest::newRow("copies of a page that does not repeat")
        << with("copies", QJsonObject{{"7", 1}}) << "copies.\"7\": not a page that has copies";
    QTest::newRow("too many copies") << with("copies", QJsonObject{{"23", 101}})
                                     << "a whole number from 0 to 100, not 101";
    QTest::newRow("copies as text") << with("copies", QJsonObject{{"23", "2"}}) << "not a text";
    QTest::newRow("unknown column") << with("directory", QJsonArray{QJsonObject{{"Nmae", "Ann"}}})
                                    << "directory[0].\"Nmae\": the Directory Worksheet has no such column";
    QTest::newRow("cell as a number") << with("directory", QJsonArray{QJsonObject{{"NoOfShares", 500}}})
                                      << "directory[0].\"NoOfShares\": a text is expected, not a number";
    QTest::newRow("more rows than the worksheet takes")
        << with("directory", QJsonArray::fromVariantList(QVariantList(MostImportedRows + 1, QVariantMap())))
        << "directory: 10001 rows are more than the 10000";
    QTest::newRow("row as text") << with("directory", QJsonArray{"Ann Lee"}) << "directory[0]: a row";
}

// Nothing of a refused file reaches the client, and the message names what
// is wrong.
void tst_clientjson::rejected()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, named);
    TAnswer store;
    DirectoryTable directory;
    FillClient(store, directory);
    const QByteArray before = WriteClientFile(store, directory);
    const Outcome read = ReadClientJson(json, store, directory);
    QVERIFY(!read.ok());
    QCOMPARE(read.messages().size(), 1);
    QCOMPARE(read.messages().first().number, msg::ClientJsonRejected);
    QVERIFY2(read.messages().first().detail.contains(named), qPrintable(read.messages().first().detail));
    QCOMPARE(WriteClientFile(store, directory), before);
}

// What the client file cannot keep is fitted as typed text is; what it can
// stays as given; a line break becomes " | ".
void tst_clientjson::importFitsTextToTheClientFile()
{
    QJsonObject o = MinimalJson();
    o.insert(QStringLiteral("general"),
             QJsonObject{{"answers", QJsonObject{{"City", QStringLiteral("\u0141\u00f3d\u017a")},
                                                 {"Street", QStringLiteral("1 Main Street\r\nSuite 2")}}}});
    o.insert(QStringLiteral("directory"), QJsonArray{QJsonObject{{"Name", QStringLiteral("Nguy\u1ec5n")}}});
    TAnswer store;
    DirectoryTable directory;
    QVERIFY(ReadClientJson(Json(o), store, directory).ok());
    QCOMPARE(store.Text(0, 0, 2), QStringLiteral("L\u00f3dz"));
    // A line break as the answers keep one.
    QCOMPARE(store.Text(0, 0, 1), QStringLiteral("1 Main Street | Suite 2"));
    QCOMPARE(directory.RowCount(), 1);
    QCOMPARE(directory.Cell(0, ColName), QStringLiteral("Nguyen"));
}

// The example of docs/json-layout.md is a client, and it says what it
// shows.
void tst_clientjson::documentedExampleImports()
{
    QByteArray doc;
    QVERIFY(ReadRegularFile(SourceDir() + QStringLiteral("/docs/json-layout.md"), &doc));
    const qsizetype from = doc.indexOf("```json\n");
    QVERIFY(from >= 0);
    const qsizetype to = doc.indexOf("```", from + 8);
    QVERIFY(to > from);
    TAnswer store;
    DirectoryTable directory;
    const Outcome read = ReadClientJson(doc.mid(from + 8, to - from - 8), store, directory);
    QVERIFY2(read.ok(), read.messages().isEmpty() ? "" : qPrintable(read.messages().first().detail));
    QCOMPARE(store.Text(0, 0, 0), QStringLiteral("Ridgeway Tool Holdings, Inc."));
    QVERIFY(store.OvRide(4, 0, 2));
    QCOMPARE(store.PgCt[23], 2);
    QCOMPARE(store.Text(23, 1, 0), QStringLiteral("Special meeting of the directors"));
    QCOMPARE(directory.RowCount(), 2);
    QCOMPARE(directory.Cell(1, ColByName), QStringLiteral("Evan Hart"));
}

QTEST_GUILESS_MAIN(tst_clientjson)
#include "tst_clientjson.moc"
