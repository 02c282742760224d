// Text and number conversions: entries to numbers, numbers to money text and
// words, short dates to their long form, memo line breaks and file names.
#include "TestSupport.h"
#include "core/files/LineText.h"
#include "core/store/Conversions.h"

#include <QDir>
#include <QLocale>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace brevane;
using brevane::test::MessageRecorder;

class tst_conversions : public QObject
{
    Q_OBJECT
private slots:
    void numbersKeepToTheCodePage_data();
    void numbersKeepToTheCodePage();
    void systemRegion();
    void init();
    void cleanup();

    void removeCommasAndSigns_data();
    void removeCommasAndSigns();
    void realEntries_data();
    void realEntries();
    void integerEntries_data();
    void integerEntries();
    void integerMessageNamesTheEntryAsTyped();
    void float2Dollar_data();
    void float2Dollar();
    void numberToWords_data();
    void numberToWords();
    void numberToWordsRefusesLargeValues_data();
    void numberToWordsRefusesLargeValues();
    void dollarAmountText_data();
    void dollarAmountText();
    void amountToWordsWritesCents_data();
    void amountToWordsWritesCents();
    void convertTeens_data();
    void convertTeens();
    void convertDate_data();
    void convertDate();
    void writtenDate_data();
    void writtenDate();
    void twoDigitYearsFallInTheHundredYearsWindow();
    void checkDateText_data();
    void checkDateText();
    void trimming_data();
    void trimming();
    void lineBreaks_data();
    void lineBreaks();
    void memoRoundTrip();
    void barsToRtfParagraphs();
    void pathDelimiters_data();
    void pathDelimiters();
    void removeExtension_data();
    void removeExtension();
    void germanSeparatorsAndDateOrder();
    void dateOnExit_data();
    void dateOnExit();
    void formatNumberWritesAsTheRegionDoes_data();
    void formatNumberWritesAsTheRegionDoes();
};

void tst_conversions::init()
{
    brevane::test::UseUnitedStatesLocale();
}

void tst_conversions::cleanup()
{
    brevane::test::UseUnitedStatesLocale();
}

void tst_conversions::removeCommasAndSigns_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("dollars") << "$1,234.50"
                             << "1234.50";
    QTest::newRow("parentheses are negative") << "(1,234)"
                                              << "-1234";
    QTest::newRow("percent") << "25%"
                             << "25";
    QTest::newRow("two minus signs give one") << "--5"
                                              << "-5";
    QTest::newRow("trailing minus") << "5-"
                                    << "-5";
    QTest::newRow("date with hyphens") << "12-31-18"
                                       << "-123118";
    QTest::newRow("blanks") << " 1 000 "
                            << "1000";
    QTest::newRow("plus, letters and slashes stay") << "+12/31x"
                                                    << "+12/31x";
}

void tst_conversions::removeCommasAndSigns()
{
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    QCOMPARE(RemoveCommasAndSigns(entry), expected);
}

void tst_conversions::realEntries_data()
{
    QTest::addColumn<char>("routine"); // P unrounded, 2 decimals, 0 decimals
    QTest::addColumn<QString>("entry");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("message"); // 0: none

    QTest::newRow("P empty") << 'P' << "" << 0.0 << 0;
    QTest::newRow("P unrounded") << 'P' << "$1,234.567" << 1234.567 << 0;
    QTest::newRow("P plus sign") << 'P' << "+3.5" << 3.5 << 0;
    QTest::newRow("P date with hyphens reads as a number") << 'P' << "12-31-18" << -123118.0 << 0;
    QTest::newRow("P date with slashes") << 'P' << "12/31/2018" << 0.0 << 21182;
    QTest::newRow("P nothing left") << 'P' << "$" << 0.0 << 21182;
    QTest::newRow("P nan is not a number") << 'P' << "nan" << 0.0 << 21182;
    QTest::newRow("P inf is not a number") << 'P' << "inf" << 0.0 << 21182;
    QTest::newRow("P overflow") << 'P' << "1e999" << 0.0 << 21182;

    QTest::newRow("2 empty") << '2' << "" << 0.0 << 0;
    QTest::newRow("2 thousands") << '2' << "1,234.567" << 1234.57 << 0;
    QTest::newRow("2 parentheses") << '2' << "(12.5)" << -12.5 << 0;
    QTest::newRow("2 half up as typed") << '2' << "2.675" << 2.68 << 0;
    QTest::newRow("2 negative half away from zero") << '2' << "-2.675" << -2.68 << 0;
    QTest::newRow("2 1.005") << '2' << "1.005" << 1.01 << 0;
    QTest::newRow("2 below half") << '2' << "0.1249" << 0.12 << 0;
    QTest::newRow("2 carry into whole part") << '2' << "9.995" << 10.0 << 0;
    QTest::newRow("2 letters") << '2' << "abc" << 0.0 << 21202;
    QTest::newRow("2 two points") << '2' << "1.2.3" << 0.0 << 21202;

    QTest::newRow("0 half") << '0' << "2.5" << 3.0 << 0;
    QTest::newRow("0 negative half") << '0' << "-2.5" << -3.0 << 0;
    QTest::newRow("0 below half") << '0' << "1.49" << 1.0 << 0;
    QTest::newRow("0 carry") << '0' << "$99.5" << 100.0 << 0;
    QTest::newRow("0 letters") << '0' << "x" << 0.0 << 21192;
}

void tst_conversions::realEntries()
{
    QFETCH(char, routine);
    QFETCH(QString, entry);
    QFETCH(double, expected);
    QFETCH(int, message);
    MessageRecorder recorder;
    double value = -1;
    switch (routine) {
    case 'P':
        value = Str2Float_P(entry);
        break;
    case '2':
        value = Str2Float_2(entry);
        break;
    default:
        value = Str2Float_0(entry);
        break;
    }
    QCOMPARE(value, expected);
    QCOMPARE(recorder.numbers(), message ? QList<int>{message} : QList<int>{});
}

void tst_conversions::integerEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("message");
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("thousands") << "1,000" << 1000 << false;
    QTest::newRow("negative") << "-42" << -42 << false;
    QTest::newRow("parentheses") << "(42)" << -42 << false;
    QTest::newRow("plus") << "+7" << 7 << false;
    QTest::newRow("largest") << "2147483647" << 2147483647 << false;
    QTest::newRow("smallest") << "-2,147,483,648" << std::numeric_limits<int>::min() << false;
    QTest::newRow("decimals give leading digits") << "7.9" << 7 << true;
    QTest::newRow("12.5") << "12.5" << 12 << true;
    QTest::newRow("leading digits lose their sign") << "-7.9" << 7 << true;
    QTest::newRow("letters") << "abc" << 0 << true;
    QTest::newRow("only a sign") << "-" << 0 << true;
    QTest::newRow("nothing left") << "$" << 0 << true;
    QTest::newRow("beyond integers") << "2147483648" << 0 << true;
    QTest::newRow("far beyond integers") << "99999999999999999999" << 0 << true;
}

void tst_conversions::integerEntries()
{
    QFETCH(QString, entry);
    QFETCH(int, expected);
    QFETCH(bool, message);
    MessageRecorder recorder;
    QCOMPARE(Str2Int(entry), expected);
    QCOMPARE(recorder.numbers(), message ? QList<int>{21212} : QList<int>{});
}

void tst_conversions::integerMessageNamesTheEntryAsTyped()
{
    MessageRecorder recorder;
    QCOMPARE(Str2Int(QStringLiteral("($1,2.5)")), 12);
    QCOMPARE(recorder.messages().size(), 1);
    QCOMPARE(recorder.messages().first().text,
             QStringLiteral("2121-Str2Int. An error occurred while Brevane was converting ($1,2.5) to an integer. "));
}

void tst_conversions::float2Dollar_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("thousands") << 1234.5 << "1,234.50";
    QTest::newRow("negative") << -7.0 << "-7.00";
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("millions") << 1234567.891 << "1,234,567.89";
    QTest::newRow("half cent up") << 2.675 << "2.68";
    QTest::newRow("negative half cent away from zero") << -2.675 << "-2.68";
    QTest::newRow("carry into thousands") << 999.995 << "1,000.00";
    QTest::newRow("tiny negative is not minus zero") << -0.001 << "0.00";
}

void tst_conversions::float2Dollar()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Float2Dollar(value), expected);
}

void tst_conversions::numberToWords_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "";
    QTest::newRow("fraction") << 0.99 << "";
    QTest::newRow("negative") << -5.0 << "";
    QTest::newRow("five") << 5.0 << "Five ";
    QTest::newRow("ten") << 10.0 << "Ten ";
    QTest::newRow("fourteen") << 14.0 << "Fourteen ";
    QTest::newRow("nineteen") << 19.0 << "Nineteen ";
    QTest::newRow("fraction dropped") << 12.9 << "Twelve ";
    QTest::newRow("one hundred ten") << 110.0 << "One Hundred Ten ";
    QTest::newRow("one thousand") << 1000.0 << "One Thousand ";
    QTest::newRow("one thousand one") << 1001.0 << "One Thousand One ";
    QTest::newRow("one million") << 1000000.0 << "One Million ";
    QTest::newRow("teens in every group") << 1011012.0 << "One Million Eleven Thousand Twelve ";
    QTest::newRow("eleven in every group") << 11011011.0 << "Eleven Million Eleven Thousand Eleven ";
    QTest::newRow("hundred teens") << 115017013.0 << "One Hundred Fifteen Million Seventeen Thousand Thirteen ";
    QTest::newRow("tens in every group") << 10010010.0 << "Ten Million Ten Thousand Ten ";
    QTest::newRow("three hundred million") << 300000000.0 << "Three Hundred Million ";
    QTest::newRow("hyphen in every group") << 25045021.0 << "Twenty-Five Million Forty-Five Thousand Twenty-One ";
    QTest::newRow("round tens take none") << 90020.0 << "Ninety Thousand Twenty ";
    QTest::newRow("largest") << 999999999.0
                             << "Nine Hundred Ninety-Nine Million Nine Hundred Ninety-Nine Thousand Nine Hundred "
                                "Ninety-Nine ";
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << "";
}

void tst_conversions::numberToWords()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    MessageRecorder recorder;
    QCOMPARE(NumberToWords(value), expected);
    QVERIFY(recorder.numbers().isEmpty());
}

void tst_conversions::numberToWordsRefusesLargeValues_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("one billion") << 1e9;
    QTest::newRow("just above the largest") << 999999999.5;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::nan("");
}

void tst_conversions::numberToWordsRefusesLargeValues()
{
    QFETCH(double, value);
    MessageRecorder recorder;
    QCOMPARE(NumberToWords(value), QString());
    QCOMPARE(recorder.numbers(), QList<int>{21260});
}

void tst_conversions::amountToWordsWritesCents_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("words");
    QTest::newRow("whole dollars") << 10.0 << "Ten ";
    QTest::newRow("cents") << 12.5 << "Twelve and 50/100 ";
    QTest::newRow("one cent") << 1234.01 << "One Thousand Two Hundred Thirty-Four and 01/100 ";
    QTest::newRow("cents round to a whole dollar") << 12.999 << "Thirteen ";
    QTest::newRow("cents alone") << 0.5 << "Zero and 50/100 ";
    QTest::newRow("nothing") << 0.0 << "";
}

void tst_conversions::dollarAmountText_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("printed");
    QTest::newRow("a number") << "5000"
                              << "$5,000.00";
    QTest::newRow("typed as an amount") << "$1,234.5"
                                        << "$1,234.50";
    QTest::newRow("words stay") << "none"
                                << "none";
    QTest::newRow("empty stays") << ""
                                 << "";
}

void tst_conversions::dollarAmountText()
{
    QFETCH(QString, entry);
    QFETCH(QString, printed);
    MessageRecorder recorder;
    QCOMPARE(DollarAmountText(entry), printed);
    QCOMPARE(recorder.numbers(), QList<int>{});
}

void tst_conversions::amountToWordsWritesCents()
{
    QFETCH(double, amount);
    QFETCH(QString, words);
    MessageRecorder recorder;
    QCOMPARE(AmountToWords(amount), words);
    QCOMPARE(recorder.numbers(), QList<int>{});
}

void tst_conversions::convertTeens_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("eleven") << "Ten One "
                            << "Eleven ";
    QTest::newRow("nineteen") << "Ten Nine"
                              << "Nineteen";
    QTest::newRow("only the first pattern in order") << "Ten Two Thousand Ten One "
                                                     << "Ten Two Thousand Eleven ";
    QTest::newRow("only the first occurrence") << "Ten One Ten One"
                                               << "Eleven Ten One";
    QTest::newRow("no teen") << "Twenty One "
                             << "Twenty One ";
    QTest::newRow("empty") << ""
                           << "";
    const QString tail = QString(300, QLatin1Char('x'));
    QTest::newRow("long text after the match is kept") << "Ten Three " + tail << "Thirteen " + tail;
}

void tst_conversions::convertTeens()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    MessageRecorder recorder;
    QCOMPARE(ConvertTeens(text), expected);
    QVERIFY(recorder.numbers().isEmpty());
}

void tst_conversions::convertDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two-digit year") << "1/5/18"
                                    << "January 5, 2018";
    QTest::newRow("four-digit year") << "12/31/2018"
                                     << "December 31, 2018";
    QTest::newRow("leading zeros") << "01/05/2018"
                                   << "January 5, 2018";
    QTest::newRow("hyphens") << "9-30-2020"
                             << "September 30, 2020";
    // Written day first by every region that writes points: never read
    // month first as another day.
    QTest::newRow("points are no answer-form date") << "5.1.2018"
                                                    << "5.1.2018";
    QTest::newRow("surrounding blanks") << " 7/4/1999 "
                                        << "July 4, 1999";
    QTest::newRow("leap day") << "2/29/2020"
                              << "February 29, 2020";
    QTest::newRow("no leap day") << "2/29/2019"
                                 << "2/29/2019";
    QTest::newRow("month 13") << "13/1/2018"
                              << "13/1/2018";
    QTest::newRow("day 0") << "1/0/2018"
                           << "1/0/2018";
    QTest::newRow("three-digit year") << "1/5/218"
                                      << "1/5/218";
    QTest::newRow("three-digit month") << "001/5/2018"
                                       << "001/5/2018";
    QTest::newRow("mixed separators") << "1/5-2018"
                                      << "1/5-2018";
    QTest::newRow("no year") << "1/5"
                             << "1/5";
    QTest::newRow("trailing separator") << "1/5/2018/"
                                        << "1/5/2018/";
    QTest::newRow("already long") << "January 5, 2018"
                                  << "January 5, 2018";
    QTest::newRow("with a time") << "1/5/2018 10:30"
                                 << "1/5/2018 10:30";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_conversions::convertDate()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    MessageRecorder recorder;
    QCOMPARE(ConvertDate(text), expected);
    QVERIFY(recorder.numbers().isEmpty());
}

// Dates as the answers and the papers write them (the share ledger's lines,
// the check's dates).
void tst_conversions::writtenDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // invalid: no date
    QTest::newRow("short") << " 4/2/2018 " << QDate(2018, 4, 2);
    QTest::newRow("ISO") << "2018-04-02" << QDate(2018, 4, 2);
    QTest::newRow("long") << "April 2, 2018" << QDate(2018, 4, 2);
    QTest::newRow("long, no comma") << "April 12 2018" << QDate(2018, 4, 12);
    QTest::newRow("abbreviated") << "Sep 30, 2019" << QDate(2019, 9, 30);
    QTest::newRow("any case") << "JUNE 15, 2019" << QDate(2019, 6, 15);
    QTest::newRow("a day the month lacks") << "February 30, 2019" << QDate();
    QTest::newRow("no month") << "Smarch 2, 2018" << QDate();
    QTest::newRow("abbreviation with a point") << "Apr. 2, 2018" << QDate();
    QTest::newRow("two-digit year") << "April 2, 18" << QDate();
    QTest::newRow("three-digit day") << "April 222, 2018" << QDate();
    QTest::newRow("words") << "Answer text 20 chars" << QDate();
    QTest::newRow("blank") << "  " << QDate();
}

void tst_conversions::writtenDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(ReadWrittenDate(text), expected);
}

void tst_conversions::twoDigitYearsFallInTheHundredYearsWindow()
{
    const int first = QDate::currentDate().year() - 50;
    const auto twoDigits = [](int year) { return QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0')); };
    QCOMPARE(ReadShortDate("3/1/" + twoDigits(first)), QDate(first, 3, 1));
    QCOMPARE(ReadShortDate("3/1/" + twoDigits(first - 1)), QDate(first + 99, 3, 1));
    QCOMPARE(ReadShortDate("3/1/" + twoDigits(first + 50)), QDate(first + 50, 3, 1));
}

void tst_conversions::checkDateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("short date") << "12/31/2018" << true;
    QTest::newRow("month abbreviation") << "Jan 5" << true;
    QTest::newRow("month anywhere") << "on or about May first" << true;
    QTest::newRow("abbreviation is case-sensitive") << "jan 5" << false;
    QTest::newRow("no date") << "TBD" << false;
    QTest::newRow("no such day") << "2/30/2019" << false;
}

void tst_conversions::dateOnExit_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("ISO, United States") << "en_US"
                                        << "2026-02-03"
                                        << "2/3/2026";
    QTest::newRow("ISO, Germany") << "de_DE"
                                  << "2026-02-03"
                                  << "03.02.2026";
    QTest::newRow("ISO with blanks around") << "en_US"
                                            << " 2026-2-3 "
                                            << "2/3/2026";
    QTest::newRow("two-digit year") << "en_US"
                                    << "2/3/26"
                                    << "2/3/2026";
    QTest::newRow("four-digit year") << "en_US"
                                     << "02/03/2026"
                                     << "2/3/2026";
    QTest::newRow("regional order, Germany") << "de_DE"
                                             << "3.2.26"
                                             << "03.02.2026";
    QTest::newRow("free text stays") << "en_US"
                                     << "sometime in May"
                                     << "sometime in May";
    QTest::newRow("no such day stays") << "en_US"
                                       << "2026-02-30"
                                       << "2026-02-30";
    QTest::newRow("no such month stays") << "en_US"
                                         << "13/1/2026"
                                         << "13/1/2026";
    QTest::newRow("empty stays") << "en_US"
                                 << ""
                                 << "";
}

// A date typed in a common form becomes the regional short date with its
// century, so that it reads back as the same day; anything else stays.
void tst_conversions::dateOnExit()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));
    MessageRecorder recorder;
    const QString text = DateOnExit(typed);
    QLocale::setDefault(previous);
    QCOMPARE(text, kept);
    QCOMPARE(recorder.numbers(), QList<int>{});
    if (text != typed) {
        // The same day as typed, read back in the same region.
        QLocale::setDefault(QLocale(locale));
        const QDate day = ReadRegionalDate(typed);
        const QDate back = ReadRegionalDate(text);
        QLocale::setDefault(previous);
        QVERIFY(day.isValid());
        QCOMPARE(back, day);
    }
}

void tst_conversions::checkDateText()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    MessageRecorder recorder;
    QCOMPARE(CheckDateText(text), expected);
    QCOMPARE(recorder.numbers(), expected ? QList<int>{} : QList<int>{21180});
}

void tst_conversions::trimming_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("right: blanks") << false << "  a b  "
                                   << "  a b";
    QTest::newRow("right: only blanks") << false << "a\t"
                                        << "a\t";
    QTest::newRow("right: all blanks") << false << "   "
                                       << "";
    QTest::newRow("left: blanks and controls") << true
                                               << "\t\r\n \x01"
                                                  "a b "
                                               << "a b ";
    QTest::newRow("left: nothing to do") << true << "a "
                                         << "a ";
    QTest::newRow("left: all controls") << true << " \t"
                                        << "";
}

void tst_conversions::trimming()
{
    QFETCH(bool, left);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(left ? TrimLeftStr(text) : TrimStr(text), expected);
}

void tst_conversions::lineBreaks_data()
{
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR LF") << "a\r\nb\r\nc"
                           << "a | b | c";
    QTest::newRow("LF") << "a\nb\nc"
                        << "a | b | c";
    QTest::newRow("CR") << "a\rb"
                        << "a | b";
    QTest::newRow("empty line") << "a\r\n\r\nb"
                                << "a |  | b";
    QTest::newRow("no break") << "a|b"
                              << "a|b";
}

void tst_conversions::lineBreaks()
{
    QFETCH(QString, memo);
    QFETCH(QString, expected);
    QCOMPARE(LineBreaksToBars(memo), expected);
}

void tst_conversions::memoRoundTrip()
{
#ifdef Q_OS_WIN
    const QString end = QStringLiteral("\r\n");
#else
    const QString end = QStringLiteral("\n");
#endif
    const QString memo = "a" + end + "b" + end + "c";
    QCOMPARE(BarsToLineBreaks(LineBreaksToBars(memo)), memo);
    // A bar the user typed inside a line comes back as a line break.
    QCOMPARE(BarsToLineBreaks(QStringLiteral("x | y")), "x" + end + "y");
}

void tst_conversions::barsToRtfParagraphs()
{
    QCOMPARE(BarsToRtfParagraphs(QStringLiteral("a | b | c")), QStringLiteral("a\\par b\\par c"));
    QCOMPARE(BarsToRtfParagraphs(QStringLiteral("a|b")), QStringLiteral("a|b"));
}

void tst_conversions::pathDelimiters_data()
{
    const QString sep = QDir::separator();
    QTest::addColumn<bool>("add");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("add: empty") << true << "" << sep;
    QTest::newRow("add: missing") << true << "Temp"
                                  << "Temp" + sep;
    QTest::newRow("add: present") << true << "Temp" + sep << "Temp" + sep;
    QTest::newRow("remove: backslash") << false << "C:\\Tarnwick\\"
                                       << "C:\\Tarnwick";
    QTest::newRow("remove: only one") << false << "C:\\Tarnwick\\\\"
                                      << "C:\\Tarnwick\\";
    QTest::newRow("remove: none") << false << "Temp"
                                  << "Temp";
    QTest::newRow("remove: empty") << false << ""
                                   << "";
#ifndef Q_OS_WIN
    QTest::newRow("remove: slash") << false << "/tmp/Temp/"
                                   << "/tmp/Temp";
#endif
}

void tst_conversions::pathDelimiters()
{
    QFETCH(bool, add);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(add ? AddPathDelimiter(folder) : RemoveTrailingDelimiter(folder), expected);
}

void tst_conversions::removeExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("print document") << "send_temp.RTF"
                                    << "send_temp";
    QTest::newRow("last extension only") << "a.b.c"
                                         << "a.b";
    QTest::newRow("no extension") << "acme"
                                  << "acme";
    QTest::newRow("path") << "/home/jo/Files/acme.cl1"
                          << "/home/jo/Files/acme";
    QTest::newRow("dot in a folder") << "/home/j.smith/acme"
                                     << "/home/j.smith/acme";
    QTest::newRow("dot in a Windows folder") << "C:\\j.smith\\acme"
                                             << "C:\\j.smith\\acme";
}

void tst_conversions::removeExtension()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(RemoveExtension(name), expected);
}

// In a German region the answers keep the answer form ("1,234.50",
// "12/31/2018"); only what the user types and sees is in the region's form.
void tst_conversions::germanSeparatorsAndDateOrder()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    MessageRecorder recorder;
    QCOMPARE(RemoveCommasAndSigns(QStringLiteral("-1,234.50 $")), QStringLiteral("-1234.50"));
    QCOMPARE(Str2Float_2(QStringLiteral("1,234.567")), 1234.57);
    QCOMPARE(Str2Float_P(QStringLiteral("(2.5)")), -2.5);
    QCOMPARE(Str2Int(QStringLiteral("1,000")), 1000);
    QCOMPARE(Float2Dollar(1234.5), QStringLiteral("1,234.50"));
    QCOMPARE(ConvertDate(QStringLiteral("12/31/2018")), QStringLiteral("December 31, 2018"));
    // Typed and shown in the region's form.
    QCOMPARE(ReadRegionalNumber(QStringLiteral("1.234,567")), std::optional<double>(1234.567));
    QCOMPARE(ReadRegionalNumber(QStringLiteral("-1.234,50 €")), std::nullopt);
    QCOMPARE(ReadRegionalNumber(QStringLiteral("(2,5)")), std::optional<double>(-2.5));
    QCOMPARE(ReadRegionalNumber(QStringLiteral("1.000")), std::optional<double>(1000));
    QCOMPARE(RegionalNumber(1234.5, 2, true), QStringLiteral("1.234,50"));
    QCOMPARE(ReadRegionalDate(QStringLiteral("5.1.2018")), QDate(2018, 1, 5));
    QCOMPARE(ReadRegionalDate(QStringLiteral("31/12/2018")), QDate(2018, 12, 31));
    QCOMPARE(RegionalDateText(QDate(2018, 1, 5)), QStringLiteral("05.01.2018"));
    QVERIFY(recorder.numbers().isEmpty());
    // The United States order does not read as typed here.
    QCOMPARE(ReadRegionalDate(QStringLiteral("12/31/2018")), QDate());
}

void tst_conversions::formatNumberWritesAsTheRegionDoes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("France") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("Switzerland") << QLocale(QLocale::German, QLocale::Switzerland);
    QTest::newRow("India") << QLocale(QLocale::Hindi, QLocale::India);
    QTest::newRow("Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt);
}

// Numbers show with the region's separators whichever way they are written,
// and print in the answer form whatever the region: compared with QLocale
// over values with ties, carries, signs and sizes.
void tst_conversions::formatNumberWritesAsTheRegionDoes()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    QLocale reference = locale;
    reference.setNumberOptions(QLocale::DefaultNumberOptions);
    const QLocale answerForm(QLocale::English, QLocale::UnitedStates);
    const double values[] = {0,     0.5,         -0.5,       2.5,         3.5,         12.125,      -0.004,
                             999.5, 999.995,     1000,       -1234567.89, 6.0625,      0.1 + 0.2,   123456789012.345,
                             1e14,  -99999.9995, 1e15 + 0.5, 1e300,       2.675 * 100, -1000000.25, 7.0e-7};
    for (const double value : values) {
        for (const int decimals : {0, 2, 3}) {
            // As the region writes it, with the characters the client file keeps.
            QCOMPARE(RegionalNumber(value, decimals, true),
                     FileSafeNumberText(reference.toString(value, 'f', decimals)));
            QCOMPARE(FormatNumber(value, decimals), answerForm.toString(value, 'f', decimals));
        }
    }
}

// The regional settings the program starts with: the system's, as LANG or
// LC_ALL give them (CTest runs this program again in German, French, Swedish
// and Turkish settings). Empty entries are 0 without a message, amounts keep
// to the code page and read back, dates read back, and the numbers of the
// file formats keep their one form.
void tst_conversions::systemRegion()
{
    const QString region = QString::fromLocal8Bit(qgetenv("BREVANE_TEST_REGION"));
    UseSystemRegionalSettings();
    if (!region.isEmpty())
        QVERIFY2(QLocale().name() == region,
                 qPrintable(QStringLiteral("the system's regional settings are %1, not %2 (scripts/deps.sh test makes "
                                           "the locales)")
                                .arg(QLocale().name(), region)));
    qInfo("regional settings %s, decimal point \"%s\"", qPrintable(QLocale().name()),
          qPrintable(QLocale().decimalPoint()));
    MessageRecorder recorder;
    QCOMPARE(Str2Float_P(QString()), 0.0);
    QCOMPARE(Str2Float_2(QString()), 0.0);
    QCOMPARE(Str2Float_0(QString()), 0.0);
    QCOMPARE(Str2Int(QString()), 0);
    for (const double value : {-1234567.5, 1234.25, 0.0, 999999.99}) {
        const QString money = Float2Dollar(value);
        QCOMPARE(FitWindows1252(money), money);
        QCOMPARE(Str2Float_2(money), value);
        QCOMPARE(Str2Float_0(FormatNumber(value, 0)), std::round(value));
    }
    const QDate day(2026, 2, 3);
    QCOMPARE(ReadShortDate(ShortDateText(day)), day);
    QCOMPARE(ConvertDate(ShortDateText(day)), QStringLiteral("February 3, 2026"));
    QCOMPARE(FormatReal23(1.01), QStringLiteral(" 1.01000000000000E+0000"));
    bool ok = false;
    QCOMPARE(ParseReal(QStringLiteral(" 1.01000000000000E+0000"), &ok), 1.01);
    QVERIFY(ok);
    QCOMPARE(recorder.numbers(), QList<int>());
}

void tst_conversions::numbersKeepToTheCodePage_data()
{
    QTest::addColumn<QString>("region");
    QTest::addColumn<double>("value");
    for (const char *region : {"en_US", "de_DE", "fr_FR", "sv_SE", "tr_TR", "fr_CH", "nb_NO"})
        for (const double value : {-1234567.5, 1234.25, 0.0})
            QTest::addRow("%s %g", region, value) << QString::fromLatin1(region) << value;
}

// Amounts written into answers hold only characters the client file keeps
// (a narrow space or a minus sign of a region would be saved as "?"), and
// read back as the same amount in that region.
void tst_conversions::numbersKeepToTheCodePage()
{
    QFETCH(QString, region);
    QFETCH(double, value);
    const QLocale saved;
    QLocale::setDefault(QLocale(region));
    MessageRecorder messages;
    const QString money = Float2Dollar(value);
    const QString whole = FormatNumber(value, 0);
    const double back = Str2Float_2(money);
    QLocale::setDefault(saved);
    QCOMPARE(FitWindows1252(money), money);
    QCOMPARE(FitWindows1252(whole), whole);
    QCOMPARE(back, value);
    QVERIFY(messages.numbers().isEmpty());
}

QTEST_GUILESS_MAIN(tst_conversions)
#include "tst_conversions.moc"
