// One meaning in every region: a client typed and saved in one region reads
// with the same amounts and dates in every other, a client saved by an
// earlier Brevane in a region's own forms reads as it was meant, and what can
// be read two ways is named. The regions are set through QLocale's default,
// so no system locale has to be installed.
#include "TestSupport.h"
#include "core/files/ClientFile.h"
#include "core/forms/FieldText.h"
#include "core/forms/PageFacts.h"
#include "core/store/Conversions.h"

#include <QLocale>
#include <QtTest>

#include <optional>

using namespace brevane;
using namespace brevane::test;

namespace {

const char *const Regions[] = {"en_US", "de_DE", "fr_FR", "sv_SE", "tr_TR"};

// The first field of a kind, or the one after it.
struct Field
{
    int page = -1;
    int answer = -1;
};

Field firstField(FieldKind kind, int skip = 0)
{
    for (int p = 0; p < PageCount; ++p)
        for (const FieldFact &field : FactsOfPage(p).fields)
            if (field.kind == kind && skip-- == 0)
                return {p, field.answer};
    return {};
}

// What the client holds, in values.
const double Amount = 1234.5;
const double Shares = 1500;
const QDate Filed(2018, 3, 1);
const QDate Meeting(2018, 12, 25);

struct Client
{
    TAnswer store;
    DirectoryTable directory;
};

// The fields the tests fill.
struct Fields
{
    Field money = firstField(FieldKind::Money);
    Field whole = firstField(FieldKind::Whole);
    Field date = firstField(FieldKind::Date);
    Field date2 = firstField(FieldKind::Date, 1);
    bool found() const { return money.page >= 0 && whole.page >= 0 && date.page >= 0 && date2.page >= 0; }
};

class RegionScope
{
public:
    explicit RegionScope(const QString &name) { QLocale::setDefault(QLocale(name)); }
    ~RegionScope() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

void set(Client &c, Field f, const QString &text)
{
    c.store.SetText(f.page, 0, f.answer, text);
}

QString text(const Client &c, Field f)
{
    return c.store.Text(f.page, 0, f.answer);
}

// The file bytes as an earlier Brevane wrote them: version 1.01.
QByteArray asEarlierVersion(QByteArray bytes)
{
    const QByteArray now = " 1.03000000000000E+0000";
    const qsizetype at = bytes.indexOf(now);
    if (at >= 0)
        bytes.replace(at, now.size(), " 1.01000000000000E+0000");
    return bytes;
}

void checkMeaning(const Client &read, const Fields &f, const QString &reader)
{
    // The answers are in the answer form, whatever the region.
    QCOMPARE(text(read, f.money), QStringLiteral("1,234.50"));
    QCOMPARE(text(read, f.whole), QStringLiteral("1,500"));
    QCOMPARE(text(read, f.date), QStringLiteral("3/1/2018"));
    QCOMPARE(text(read, f.date2), QStringLiteral("12/25/2018"));
    QCOMPARE(read.directory.Cell(0, ColNoOfShares), QStringLiteral("1,500"));
    QCOMPARE(read.directory.Cell(0, ColContribution), QStringLiteral("1,234.50"));
    // The values the calculations and the papers read.
    QCOMPARE(Str2Float_2(text(read, f.money)), Amount);
    QCOMPARE(Str2Float_0(text(read, f.whole)), Shares);
    QCOMPARE(ConvertDate(text(read, f.date)), QStringLiteral("March 1, 2018"));
    QCOMPARE(ConvertDate(text(read, f.date2)), QStringLiteral("December 25, 2018"));
    // And the fields show them in the reader's own form.
    const QLocale here(reader);
    QCOMPARE(FieldTextOfAnswer(FieldKind::Money, text(read, f.money)),
             FileSafeNumberText(here.toString(Amount, 'f', 2)));
    QCOMPARE(FieldTextOfAnswer(FieldKind::Date, text(read, f.date)), RegionalDateText(Filed));
}

} // namespace

class tst_regions : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void clientMeansTheSameInEveryRegion_data();
    void clientMeansTheSameInEveryRegion();
    void earlierClientReadsAsItWasMeant_data();
    void earlierClientReadsAsItWasMeant();
    void twoWayAnswersAreNamed_data();
    void twoWayAnswersAreNamed();
    void typedEntries_data();
    void typedEntries();
    void answerFormReadsTheSameEverywhere_data();
    void answerFormReadsTheSameEverywhere();
};

void tst_regions::init()
{
    UseUnitedStatesLocale();
}

void tst_regions::cleanup()
{
    UseUnitedStatesLocale();
}

void tst_regions::clientMeansTheSameInEveryRegion_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("reader");
    for (const char *writer : Regions)
        for (const char *reader : Regions)
            QTest::addRow("written %s, read %s", writer, reader)
                << QString::fromLatin1(writer) << QString::fromLatin1(reader);
}

// The user types every entry in the writer's region as that region writes it;
// the fields take them, the client is saved, and another region opens it.
void tst_regions::clientMeansTheSameInEveryRegion()
{
    QFETCH(QString, writer);
    QFETCH(QString, reader);
    const Fields f;
    QVERIFY(f.found());
    MessageRecorder messages;
    QByteArray bytes;
    {
        RegionScope region(writer);
        const QLocale here(writer);
        Client c;
        const auto typed = [&](FieldKind kind, const QString &entry) {
            // As the field shows it once left, then as it writes its answer.
            return AnswerOfFieldText(kind, FieldTextOnExit(kind, entry));
        };
        set(c, f.money, typed(FieldKind::Money, here.toString(Amount, 'f', 2)));
        set(c, f.whole, typed(FieldKind::Whole, here.toString(Shares, 'f', 0)));
        set(c, f.date, typed(FieldKind::Date, here.toString(Filed, QLocale::ShortFormat)));
        set(c, f.date2, typed(FieldKind::Date, here.toString(Meeting, QLocale::ShortFormat)));
        c.directory.SetCell(0, ColNoOfShares, RegionalToAnswerForm(here.toString(Shares, 'f', 0)));
        c.directory.SetCell(0, ColContribution, RegionalToAnswerForm(here.toString(Amount, 'f', 2)));
        bytes = WriteClientFile(c.store, c.directory);
    }
    RegionScope region(reader);
    Client read;
    QVERIFY(ReadClientFile(bytes, read.store, read.directory));
    checkMeaning(read, f, reader);
    QCOMPARE(messages.numbers(), QList<int>());
}

void tst_regions::earlierClientReadsAsItWasMeant_data()
{
    clientMeansTheSameInEveryRegion_data();
}

// A client saved by an earlier Brevane holds its answers as the writer's
// region formatted them ("1.234,50", "01/03/2018"); the file itself shows
// which region that was, and every answer is read as it was meant.
void tst_regions::earlierClientReadsAsItWasMeant()
{
    QFETCH(QString, writer);
    QFETCH(QString, reader);
    const Fields f;
    QVERIFY(f.found());
    MessageRecorder messages;
    QByteArray bytes;
    {
        const QLocale here(writer);
        QString shortDate = here.dateFormat(QLocale::ShortFormat);
        if (!shortDate.contains(QLatin1String("yyyy")))
            shortDate.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        Client c;
        set(c, f.money, FileSafeNumberText(here.toString(Amount, 'f', 2)));
        set(c, f.whole, FileSafeNumberText(here.toString(Shares, 'f', 0)));
        set(c, f.date, here.toString(Filed, shortDate));
        set(c, f.date2, here.toString(Meeting, shortDate));
        c.directory.SetCell(0, ColNoOfShares, FileSafeNumberText(here.toString(Shares, 'f', 0)));
        c.directory.SetCell(0, ColContribution, FileSafeNumberText(here.toString(Amount, 'f', 2)));
        bytes = asEarlierVersion(WriteClientFile(c.store, c.directory));
    }
    QVERIFY(bytes.contains(" 1.01000000000000E+0000"));
    RegionScope region(reader);
    Client read;
    QVERIFY(ReadClientFile(bytes, read.store, read.directory));
    checkMeaning(read, f, reader);
    QCOMPARE(messages.numbers(), QList<int>());
}

void tst_regions::twoWayAnswersAreNamed_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("shares");
    QTest::newRow("United States reads month first") << "en_US"
                                                     << "1/3/2018"
                                                     << "1,000";
    QTest::newRow("France reads day first") << "fr_FR"
                                            << "3/1/2018"
                                            << "1";
    QTest::newRow("Germany reads day first, a point between thousands") << "de_DE"
                                                                        << "3/1/2018"
                                                                        << "1";
}

// An earlier client that shows nothing of its region, holding only answers
// that read two ways ("01/03/2018", "1,000"): they are read as this
// computer's region reads them, and each is named in one message.
void tst_regions::twoWayAnswersAreNamed()
{
    QFETCH(QString, reader);
    QFETCH(QString, date);
    QFETCH(QString, shares);
    const Fields f;
    Client c;
    set(c, f.date, QStringLiteral("01/03/2018"));
    set(c, f.whole, QStringLiteral("1,000"));
    const QByteArray bytes = asEarlierVersion(WriteClientFile(c.store, c.directory));
    RegionScope region(reader);
    MessageRecorder messages;
    Client read;
    QVERIFY(ReadClientFile(bytes, read.store, read.directory));
    QCOMPARE(messages.numbers(), QList<int>{38100});
    const QString detail = messages.messages().first().detail;
    QVERIFY2(detail.contains(QLatin1String("\"01/03/2018\"")) && detail.contains(QLatin1String("\"1,000\"")),
             qPrintable(detail));
    QCOMPARE(text(read, f.date), date);
    QCOMPARE(Str2Float_0(text(read, f.whole)), shares == QLatin1String("1") ? 1.0 : 1000.0);
    // Saved again, the client is in the answer form and opens without a word.
    const QByteArray again = WriteClientFile(read.store, read.directory);
    messages.clear();
    Client reread;
    QVERIFY(ReadClientFile(again, reread.store, reread.directory));
    QCOMPARE(messages.numbers(), QList<int>());
    QCOMPARE(text(reread, f.date), text(read, f.date));
}

void tst_regions::typedEntries_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("answer");
    const int money = int(FieldKind::Money), whole = int(FieldKind::Whole), percent = int(FieldKind::Percent),
              date = int(FieldKind::Date), text = int(FieldKind::Text);
    QTest::newRow("us amount") << "en_US" << money << "1234.5"
                               << "1,234.50"
                               << "1,234.50";
    QTest::newRow("us amount typed the German way") << "en_US" << money << "1.234,5"
                                                    << "1,234.50"
                                                    << "1,234.50";
    QTest::newRow("de amount") << "de_DE" << money << "1.234,5"
                               << "1.234,50"
                               << "1,234.50";
    QTest::newRow("de amount typed as the papers print it") << "de_DE" << money << "1,234.50"
                                                            << "1.234,50"
                                                            << "1,234.50";
    QTest::newRow("de decimal point that is no thousands") << "de_DE" << money << "1.5"
                                                           << "1,50"
                                                           << "1.50";
    QTest::newRow("de thousands") << "de_DE" << whole << "1.000"
                                  << "1.000"
                                  << "1,000";
    QTest::newRow("fr amount") << "fr_FR" << money << "1 234,5" << QString::fromUtf8("1\u00a0234,50") << "1,234.50";
    QTest::newRow("fr point read as a decimal point") << "fr_FR" << money << "12.5"
                                                      << "12,50"
                                                      << "12.50";
    QTest::newRow("sv percent") << "sv_SE" << percent << "25,5 %"
                                << "25,50%"
                                << "0.255";
    QTest::newRow("tr percent") << "tr_TR" << percent << "12,5"
                                << "12,50%"
                                << "0.125";
    QTest::newRow("us date") << "en_US" << date << "3/1/18"
                             << "3/1/2018"
                             << "3/1/2018";
    QTest::newRow("de date") << "de_DE" << date << "1.3.2018"
                             << "01.03.2018"
                             << "3/1/2018";
    QTest::newRow("fr date") << "fr_FR" << date << "1/3/2018"
                             << "01/03/2018"
                             << "3/1/2018";
    QTest::newRow("sv date") << "sv_SE" << date << "2018-03-01"
                             << "2018-03-01"
                             << "3/1/2018";
    QTest::newRow("tr date") << "tr_TR" << date << "1.3.2018"
                             << "1.03.2018"
                             << "3/1/2018";
    QTest::newRow("de date in words") << "de_DE" << date << "im Mai"
                                      << "im Mai"
                                      << "im Mai";
    // A text answer that may hold an amount or words ("none"): an amount is
    // kept, and shown, as it prints.
    QTest::newRow("de amount in a text field") << "de_DE" << text << "5.000,00"
                                               << "5,000.00"
                                               << "5,000.00";
    QTest::newRow("fr amount in a text field") << "fr_FR" << text << "12,5"
                                               << "12.5"
                                               << "12.5";
    QTest::newRow("us amount in a text field") << "en_US" << text << "5,000.00"
                                               << "5,000.00"
                                               << "5,000.00";
    QTest::newRow("de words in a text field") << "de_DE" << text << "Suite 1.200"
                                              << "Suite 1.200"
                                              << "Suite 1.200";
    QTest::newRow("de telephone in a text field") << "de_DE" << text << "(614) 555-1234"
                                                  << "(614) 555-1234"
                                                  << "(614) 555-1234";
    // Read both ways: kept as typed, never changed by leaving the field.
    QTest::newRow("de number both forms read in a text field") << "de_DE" << text << "1.234"
                                                               << "1.234"
                                                               << "1.234";
    QTest::newRow("de charter number in a text field") << "de_DE" << text << "2231457"
                                                       << "2231457"
                                                       << "2231457";
}

// What the user types in the region's form: how the field shows it once left
// and the answer it keeps.
void tst_regions::typedEntries()
{
    QFETCH(QString, region);
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, answer);
    RegionScope scope(region);
    MessageRecorder messages;
    const QString left = FieldTextOnExit(FieldKind(kind), typed);
    QCOMPARE(left, shown);
    QCOMPARE(AnswerOfFieldText(FieldKind(kind), left), answer);
    // The field shows its answer as it showed it on leaving.
    QCOMPARE(FieldTextOfAnswer(FieldKind(kind), answer), shown);
    QCOMPARE(messages.numbers(), QList<int>());
}

void tst_regions::answerFormReadsTheSameEverywhere_data()
{
    QTest::addColumn<QString>("region");
    for (const char *region : Regions)
        QTest::newRow(region) << QString::fromLatin1(region);
}

// The conversions the calculations and the papers use read the answer form
// alone: a date with points is not read month first, and nothing depends on
// the region.
void tst_regions::answerFormReadsTheSameEverywhere()
{
    QFETCH(QString, region);
    RegionScope scope(region);
    MessageRecorder messages;
    QCOMPARE(Str2Float_2(QStringLiteral("1,234.50")), 1234.5);
    QCOMPARE(Float2Dollar(1234.5), QStringLiteral("1,234.50"));
    QCOMPARE(FormatNumber(1500, 0), QStringLiteral("1,500"));
    QCOMPARE(ConvertDate(QStringLiteral("3/1/2018")), QStringLiteral("March 1, 2018"));
    QCOMPARE(ShortDateText(Filed), QStringLiteral("3/1/2018"));
    QCOMPARE(ReadShortDate(QStringLiteral("01.03.2018")), QDate());
    QCOMPARE(messages.numbers(), QList<int>());
}

QTEST_GUILESS_MAIN(tst_regions)
#include "tst_regions.moc"
