// Ohio's calendar of a client: the professional association's biennial
// statement in even years only, the window of an effective date, the annual
// meeting after each fiscal year, the notice before the first meeting; and
// the iCalendar file a calendar program imports.
#include "CheckClient.h"
#include "TestSupport.h"
#include "core/forms/FormCatalogue.h"
#include "core/office/ICalendar.h"
#include "core/office/OhioCalendar.h"

#include <QtTest>

using namespace brevane;
using namespace brevane::test;

namespace {

// The dates of one kind, in order.
QList<QDate> datesOf(const QList<DueDate> &dates, DueKind kind)
{
    QList<QDate> out;
    for (const DueDate &d : dates)
        if (d.kind == kind)
            out << d.date;
    return out;
}

ClientDates association(const QDate &filed = QDate())
{
    ClientDates c;
    c.kind = ProfessionalAssociation;
    c.filed = filed;
    return c;
}

} // namespace

class tst_ohiocalendar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { UseUnitedStatesLocale(); }
    void biennialStatement_data();
    void biennialStatement();
    void nextStatementFromAnOddYear();
    void effectiveDate_data();
    void effectiveDate();
    void annualMeeting_data();
    void annualMeeting();
    void noticeBeforeTheFirstMeeting();
    void datesOfAClient_data();
    void datesOfAClient();
    void everyDateNamesItsSource();
    void icalendarFile();
    void folding_data();
    void folding();
    void escaping();
};

void tst_ohiocalendar::biennialStatement_data()
{
    QTest::addColumn<unsigned>("kind");
    QTest::addColumn<QDate>("filed");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QList<QDate>>("due");
    const unsigned pa = ProfessionalAssociation;
    QTest::newRow("even year: thirty days after June 30")
        << pa << QDate() << QDate(2026, 1, 1) << QDate(2026, 12, 31) << QList<QDate>{QDate(2026, 7, 30)};
    QTest::newRow("odd year: nothing due")
        << pa << QDate() << QDate(2027, 1, 1) << QDate(2027, 12, 31) << QList<QDate>{};
    QTest::newRow("odd into even year") << pa << QDate() << QDate(2027, 7, 1) << QDate(2028, 12, 31)
                                        << QList<QDate>{QDate(2028, 7, 30)};
    QTest::newRow("four years: every other year") << pa << QDate() << QDate(2025, 1, 1) << QDate(2028, 12, 31)
                                                  << QList<QDate>{QDate(2026, 7, 30), QDate(2028, 7, 30)};
    QTest::newRow("the last day itself is in the window")
        << pa << QDate() << QDate(2026, 7, 30) << QDate(2026, 7, 30) << QList<QDate>{QDate(2026, 7, 30)};
    QTest::newRow("the day after is not")
        << pa << QDate() << QDate(2026, 7, 31) << QDate(2027, 12, 31) << QList<QDate>{};
    QTest::newRow("filed after that year's statement was due")
        << pa << QDate(2026, 8, 15) << QDate(2026, 1, 1) << QDate(2028, 12, 31) << QList<QDate>{QDate(2028, 7, 30)};
    QTest::newRow("filed in May of an even year: due that July")
        << pa << QDate(2026, 5, 4) << QDate(2026, 5, 4) << QDate(2026, 12, 31) << QList<QDate>{QDate(2026, 7, 30)};
    QTest::newRow("a corporation for profit files none")
        << unsigned(ForProfitCorporation) << QDate() << QDate(2026, 1, 1) << QDate(2026, 12, 31) << QList<QDate>{};
    QTest::newRow("a company files none")
        << unsigned(LimitedLiabilityCompany) << QDate() << QDate(2026, 1, 1) << QDate(2026, 12, 31) << QList<QDate>{};
}

void tst_ohiocalendar::biennialStatement()
{
    QFETCH(unsigned, kind);
    QFETCH(QDate, filed);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    ClientDates c;
    c.kind = kind;
    c.filed = filed;
    const QList<DueDate> dates = DueDates(c, from, to);
    QTEST(datesOf(dates, DueKind::BiennialStatement), "due");
    for (const DueDate &d : dates) {
        QCOMPARE(d.source, QStringLiteral("Ohio Revised Code 1785.06"));
        QVERIFY2(d.help.contains(QStringLiteral("from July 1 to July 30, %1").arg(d.date.year())), qPrintable(d.help));
    }
}

void tst_ohiocalendar::nextStatementFromAnOddYear()
{
    const std::optional<DueDate> next = NextDueDate(association(QDate(2019, 6, 4)), QDate(2027, 3, 1));
    QVERIFY(next);
    QCOMPARE(next->date, QDate(2028, 7, 30));
    QCOMPARE(next->kind, DueKind::BiennialStatement);
    const std::optional<DueDate> even = NextDueDate(association(QDate(2019, 6, 4)), QDate(2026, 7, 30));
    QVERIFY(even);
    QCOMPARE(even->date, QDate(2026, 7, 30));
    ClientDates none;
    none.kind = ForProfitCorporation;
    QVERIFY(!NextDueDate(none, QDate(2026, 1, 1)));
}

void tst_ohiocalendar::effectiveDate_data()
{
    QTest::addColumn<unsigned>("kind");
    QTest::addColumn<QDate>("filed");
    QTest::addColumn<QDate>("effective");
    QTest::addColumn<int>("dueKind");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("helpHolds");
    const unsigned corporation = ForProfitCorporation;
    QTest::newRow("not filed yet: filed between 90 days before and the day")
        << corporation << QDate() << QDate(2026, 5, 1) << int(DueKind::FileArticlesBy)
        << "Ohio Revised Code 1701.04; form 532A"
        << "between January 31, 2026 and May 1, 2026";
    QTest::newRow("filed, inside the window")
        << corporation << QDate(2026, 3, 1) << QDate(2026, 4, 15) << int(DueKind::ArticlesTakeEffect)
        << "Ohio Revised Code 1701.04; form 532A"
        << "filed on March 1, 2026 and take effect on April 15, 2026";
    QTest::newRow("filed, 136 days later") << corporation << QDate(2026, 3, 1) << QDate(2026, 7, 15)
                                           << int(DueKind::ArticlesTakeEffect) << "Ohio Revised Code 1701.04; form 532A"
                                           << "136 days after the filing, outside that window";
    QTest::newRow("company") << unsigned(LimitedLiabilityCompany) << QDate() << QDate(2026, 9, 1)
                             << int(DueKind::FileArticlesBy) << "Ohio Revised Code 1706.16; form 533A"
                             << "articles of organization give September 1, 2026";
}

void tst_ohiocalendar::effectiveDate()
{
    QFETCH(unsigned, kind);
    QFETCH(QDate, filed);
    QFETCH(QDate, effective);
    QFETCH(int, dueKind);
    ClientDates c;
    c.kind = kind;
    c.filed = filed;
    c.effective = effective;
    const QList<DueDate> dates = DueDates(c, QDate(2026, 1, 1), QDate(2026, 12, 31));
    QCOMPARE(dates.size(), 1);
    QCOMPARE(int(dates[0].kind), dueKind);
    QCOMPARE(dates[0].date, effective);
    QTEST(dates[0].source, "source");
    QFETCH(QString, helpHolds);
    QVERIFY2(dates[0].help.contains(helpHolds), qPrintable(dates[0].help));
}

void tst_ohiocalendar::annualMeeting_data()
{
    QTest::addColumn<QDate>("fiscalYearEnd");
    QTest::addColumn<QList<QDate>>("closes");
    QTest::addColumn<QList<QDate>>("meetings");
    // The first Monday of the fourth month after the close.
    QTest::newRow("calendar year") << QDate(2026, 12, 31) << QList<QDate>{QDate(2026, 12, 31), QDate(2027, 12, 31)}
                                   << QList<QDate>{QDate(2027, 4, 5)};
    QTest::newRow("year to June 30, meeting in October")
        << QDate(2026, 6, 30) << QList<QDate>{QDate(2026, 6, 30), QDate(2027, 6, 30)}
        << QList<QDate>{QDate(2026, 10, 5), QDate(2027, 10, 4)};
    QTest::newRow("first year closed long ago: later closes and meetings")
        << QDate(2018, 3, 31) << QList<QDate>{QDate(2026, 3, 31), QDate(2027, 3, 31)}
        << QList<QDate>{QDate(2026, 7, 6), QDate(2027, 7, 5)};
    QTest::newRow("a Monday on the first") << QDate(2026, 2, 28) << QList<QDate>{QDate(2026, 2, 28), QDate(2027, 2, 28)}
                                           << QList<QDate>{QDate(2026, 6, 1), QDate(2027, 6, 7)};
}

void tst_ohiocalendar::annualMeeting()
{
    QFETCH(QDate, fiscalYearEnd);
    ClientDates c;
    c.kind = ForProfitCorporation;
    c.fiscalYearEnd = fiscalYearEnd;
    const QList<DueDate> dates = DueDates(c, QDate(2026, 1, 1), QDate(2027, 12, 31));
    QTEST(datesOf(dates, DueKind::FiscalYearEnd), "closes");
    QTEST(datesOf(dates, DueKind::AnnualMeeting), "meetings");
    for (const DueDate &d : dates)
        if (d.kind == DueKind::AnnualMeeting)
            QVERIFY(d.source.contains(QLatin1String("Ohio Revised Code 1701.39")));
    // A company has no shareholders' meeting.
    c.kind = LimitedLiabilityCompany;
    QVERIFY(DueDates(c, QDate(2026, 1, 1), QDate(2027, 12, 31)).isEmpty());
}

void tst_ohiocalendar::noticeBeforeTheFirstMeeting()
{
    ClientDates c;
    c.kind = ForProfitCorporation;
    c.shareholdersMeeting = QDate(2026, 5, 20);
    c.directorsMeeting = QDate(2026, 5, 21);
    const QList<DueDate> dates = DueDates(c, QDate(2026, 5, 1), QDate(2026, 5, 31));
    QCOMPARE(datesOf(dates, DueKind::ShareholdersNotice), QList<QDate>{QDate(2026, 5, 13)});
    QCOMPARE(datesOf(dates, DueKind::ShareholdersMeeting), QList<QDate>{QDate(2026, 5, 20)});
    QCOMPARE(datesOf(dates, DueKind::DirectorsMeeting), QList<QDate>{QDate(2026, 5, 21)});
    QVERIFY(dates[0].help.contains(QLatin1String("from March 21, 2026 to May 13, 2026")));
    // In date order.
    for (qsizetype i = 1; i < dates.size(); ++i)
        QVERIFY(dates[i - 1].date <= dates[i].date);
}

void tst_ohiocalendar::datesOfAClient_data()
{
    QTest::addColumn<int>("client");
    QTest::addColumn<unsigned>("kind");
    QTest::addColumn<QDate>("filed");
    QTest::addColumn<QDate>("fiscalYearEnd");
    QTest::newRow("corporation") << 0 << unsigned(ForProfitCorporation) << QDate(2018, 3, 1) << QDate(2018, 12, 31);
    QTest::newRow("association") << 1 << unsigned(ProfessionalAssociation) << QDate(2019, 6, 4) << QDate(2019, 12, 31);
    QTest::newRow("company") << 2 << unsigned(LimitedLiabilityCompany) << QDate() << QDate();
}

void tst_ohiocalendar::datesOfAClient()
{
    QFETCH(int, client);
    CalcClient c;
    const std::array<void (*)(CalcClient &), 3> plant = {CompleteCorporation, CompleteAssociation, CompleteCompany};
    plant[client](c);
    QVERIFY(c.calculate());
    const ClientDates dates = DatesOfClient(c.store, c.directory);
    QTEST(dates.kind, "kind");
    QTEST(dates.filed, "filed");
    QTEST(dates.fiscalYearEnd, "fiscalYearEnd");
    // A date as the papers print it reads as well.
    c.g(G0::FilingDate, QStringLiteral("March 5, 2018"));
    QCOMPARE(DatesOfClient(c.store, c.directory).filed, QDate(2018, 3, 5));
    c.g(G0::FilingDate, QStringLiteral("soon"));
    QVERIFY(!DatesOfClient(c.store, c.directory).filed.isValid());
}

void tst_ohiocalendar::everyDateNamesItsSource()
{
    ClientDates c = association(QDate(2026, 2, 1));
    c.effective = QDate(2026, 3, 1);
    c.fiscalYearEnd = QDate(2026, 12, 31);
    c.shareholdersMeeting = QDate(2026, 3, 10);
    c.directorsMeeting = QDate(2026, 3, 10);
    c.dissolution = QDate(2027, 9, 1);
    const QList<DueDate> dates = DueDates(c, QDate(2026, 1, 1), QDate(2028, 12, 31));
    QSet<int> kinds;
    for (const DueDate &d : dates) {
        kinds << int(d.kind);
        QVERIFY2(!d.title.isEmpty() && !d.source.isEmpty() && !d.help.isEmpty(), qPrintable(d.title));
    }
    QCOMPARE(kinds.size(), 8); // every kind but the filing of articles not yet filed
}

void tst_ohiocalendar::icalendarFile()
{
    ClientDates c = association();
    const QList<DueDate> dates = DueDates(c, QDate(2026, 7, 1), QDate(2026, 9, 28));
    QCOMPARE(dates.size(), 1);
    const QList<OfficeDueDate> office = {
        {QStringLiteral("/office/lakeside.cl1"), QStringLiteral("Lakeside Dental Group, Inc."), dates[0]}};
    const QByteArray ics = ICalendarOf(office, QDateTime(QDate(2026, 6, 15), QTime(9, 30), Qt::UTC));
    QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    QVERIFY(ics.endsWith("END:VEVENT\r\nEND:VCALENDAR\r\n"));
    // Every line ends in CR LF and holds at most 75 octets.
    const QList<QByteArray> lines = ics.split('\n');
    QCOMPARE(lines.last(), QByteArray());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        QVERIFY2(lines[i].endsWith('\r'), lines[i].constData());
        QVERIFY2(lines[i].size() - 1 <= 75, lines[i].constData());
    }
    // Unfolded, the event says what is due, when, and why.
    const QString text = QString::fromUtf8(QByteArray(ics).replace("\r\n ", ""));
    QVERIFY(text.contains(QLatin1String("DTSTART;VALUE=DATE:20260730\r\n")));
    QVERIFY(text.contains(QLatin1String("DTEND;VALUE=DATE:20260731\r\n")));
    QVERIFY(text.contains(QLatin1String("DTSTAMP:20260615T093000Z\r\n")));
    QVERIFY(
        text.contains(QLatin1String("SUMMARY:Lakeside Dental Group\\, Inc.: Biennial statement due (form 520)\r\n")));
    QVERIFY(text.contains(QLatin1String("\\nSource: Ohio Revised Code 1785.06\\n")));
    QCOMPARE(text.count(QLatin1String("BEGIN:VEVENT")), 1);
    // The same date of the same client keeps its UID; another client's differs.
    const QByteArray again = ICalendarOf(office, QDateTime::currentDateTimeUtc());
    const auto uid = [](const QByteArray &file) {
        const qsizetype at = file.indexOf("UID:");
        return file.mid(at, file.indexOf('\r', at) - at);
    };
    QCOMPARE(uid(again), uid(ics));
    QList<OfficeDueDate> other = office;
    other[0].clientPath = QStringLiteral("/office/other.cl1");
    QVERIFY(uid(ICalendarOf(other, QDateTime::currentDateTimeUtc())) != uid(ics));
}

void tst_ohiocalendar::folding_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("short") << QStringLiteral("SUMMARY:short");
    QTest::newRow("exactly 75") << QStringLiteral("SUMMARY:") + QString(67, QLatin1Char('a'));
    QTest::newRow("76") << QStringLiteral("SUMMARY:") + QString(68, QLatin1Char('a'));
    QTest::newRow("long ascii") << QStringLiteral("DESCRIPTION:") + QString(400, QLatin1Char('x'));
    // Two- and three-byte characters across every fold point.
    QTest::newRow("accents") << QStringLiteral("SUMMARY:") + QString(120, QChar(0x00e9));
    QTest::newRow("euro signs") << QStringLiteral("SUMMARY:a") + QString(90, QChar(0x20ac));
    QTest::newRow("outside the basic plane")
        << QStringLiteral("SUMMARY:") + QString::fromUcs4(U"\U0001F4C5").repeated(40);
}

void tst_ohiocalendar::folding()
{
    QFETCH(QString, line);
    const QByteArray folded = FoldedLine(line);
    QVERIFY(folded.endsWith("\r\n"));
    const QList<QByteArray> parts = folded.chopped(2).split('\n');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QByteArray part = parts[i];
        if (i + 1 < parts.size()) {
            QVERIFY(part.endsWith('\r'));
            part.chop(1);
        }
        QVERIFY2(part.size() <= 75, part.constData());
        if (i > 0)
            QVERIFY(part.startsWith(' '));
        // Each physical line is whole UTF-8 by itself.
        QVERIFY(QString::fromUtf8(part).toUtf8() == part);
    }
    QCOMPARE(QString::fromUtf8(QByteArray(folded).replace("\r\n ", "").chopped(2)), line);
}

void tst_ohiocalendar::escaping()
{
    QCOMPARE(ICalendarText(QStringLiteral("Smith, Jones; Partners \\ Co.")),
             QStringLiteral("Smith\\, Jones\\; Partners \\\\ Co."));
    QCOMPARE(ICalendarText(QStringLiteral("one\r\ntwo\nthree\rfour")), QStringLiteral("one\\ntwo\\nthree\\nfour"));
    QCOMPARE(ICalendarText(QStringLiteral("tab\there")), QStringLiteral("tab here"));
}

QTEST_GUILESS_MAIN(tst_ohiocalendar)
#include "tst_ohiocalendar.moc"
