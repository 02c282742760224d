// The print-template merge: kind marks and page sets, variables broken by
// line ends, check marks and font sizes, the failures it reports, and answers
// that must print exactly as typed without touching the RTF around them.
#include "PrintFixture.h"
#include "TestSupport.h"
#include "core/output/RtfText.h"
#include "core/output/TemplateMerge.h"
#include "core/store/Answers.h"

#include <QtTest>

using namespace brevane;
using brevane::test::MessageRecorder;
using brevane::test::PrintFolder;

class tst_merge : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void kindMarks_data();
    void kindMarks();
    void lineBreaksInsideVariables_data();
    void lineBreaksInsideVariables();
    void backToBackVariables();
    void textThatIsNoVariableStays_data();
    void textThatIsNoVariableStays();
    void lastFourCharactersNeverStartAVariable();
    void continuationAnswers();
    void insertedAnswersAreNotScannedAgain();
    void wingdingsLookup_data();
    void wingdingsLookup();
    void checkMarkRestoresFontSize();
    void ballotBoxes_data();
    void ballotBoxes();
    void fillGroups_data();
    void fillGroups();
    void answerEndsTheSentence_data();
    void answerEndsTheSentence();
    void printIfLines_data();
    void printIfLines();
    void growingTables();
    void fontSizeCarriesToTheNextPage();
    void fontSizeCodes_data();
    void fontSizeCodes();
    void dateMessageNamesPageAndVariable();
    void missingDataFile();
    void badDataLine_data();
    void badDataLine();
    void dataFileWithBlankLinesAndTrailingText();
    void answerBeyondThePage_data();
    void answerBeyondThePage();

private:
    // Merges "[" + body + "]" (as the lines of a template) for the page and
    // continuation; returns the merged text without its final line end.
    QString mergeBody(int page, const QString &body, int continuation = 0, bool *ok = nullptr);

    PrintFolder folder_;
    TAnswer store_;
    TemplateMerge merge_;
};

void tst_merge::init()
{
    brevane::test::UseUnitedStatesLocale();
    merge_ = TemplateMerge(&store_, folder_.dataFolder());
    for (int p = 0; p < PageCount; ++p) {
        for (int c = 0; c <= PageContinuationMax[p]; ++c) {
            for (int k = 0; k < TAnswer::AnswerCount(p); ++k) {
                if (!store_.Text(p, c, k).isEmpty() || store_.OvRide(p, c, k)) {
                    store_.SetText(p, c, k, QString());
                    store_.SetOvRide(p, c, k, false);
                }
            }
        }
    }
}

QString tst_merge::mergeBody(int page, const QString &body, int continuation, bool *ok)
{
    if (!QFile::exists(folder_.dataPath(page)))
        folder_.writeData(page);
    QStringList list = SplitListText(QLatin1Char('[') + body + QLatin1Char(']'));
    const bool merged = merge_.MergeTemplatePage(list, page, continuation);
    if (ok)
        *ok = merged;
    QString text = ListText(list);
    text.chop(2);
    return text;
}

void tst_merge::kindMarks_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("overridden");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QList<int>>("messages");
    const QString u16 = QStringLiteral("________________");
    const QString u7 = QStringLiteral("_______");
    const QList<int> none;

    QTest::newRow("text") << 1 << "*"
                          << "Smith" << false << "Smith" << none;
    QTest::newRow("text '<' as '*'") << 1 << "<"
                                     << "Smith" << false << "Smith" << none;
    QTest::newRow("text overridden") << 1 << "*"
                                     << "Smith" << true << "\\cf1 Smith\\cf0 " << none;
    QTest::newRow("empty text page 1: blank line") << 1 << "*"
                                                   << "" << false << u16 << none;
    QTest::newRow("empty text page 0: short line") << 0 << "*"
                                                   << "" << false << u7 << none;
    QTest::newRow("empty text page 2 keeps blank") << 2 << "*"
                                                   << "" << false << "" << none;
    QTest::newRow("empty text page 88 keeps blank") << 88 << "<"
                                                    << "" << false << "" << none;
    QTest::newRow("empty text page 25: blank line") << 25 << "*"
                                                    << "" << false << u16 << none;
    QTest::newRow("empty text page 89: blank line") << 89 << "*"
                                                    << "" << false << u16 << none;
    QTest::newRow("16 underscores on page 0 print 7") << 0 << "*" << u16 << false << u7 << none;
    QTest::newRow("16 underscores elsewhere stay") << 1 << "*" << u16 << false << u16 << none;

    QTest::newRow("money") << 26 << "$"
                           << "$1,234.5" << false << "1,234.50" << none;
    QTest::newRow("money in parentheses") << 26 << "$"
                                          << "(12)" << false << "-12.00" << none;
    QTest::newRow("money empty page 26") << 26 << "$"
                                         << "" << false << "0.00" << none;
    QTest::newRow("money empty page 21 suppressed") << 21 << "$"
                                                    << "" << false << "" << none;
    QTest::newRow("money overridden") << 26 << "$"
                                      << "7" << true << "\\cf1 7.00\\cf0 " << none;
    QTest::newRow("money not a number") << 26 << "$"
                                        << "abc" << false << "0.00" << QList<int>{21202};

    QTest::newRow("number rounds half away") << 26 << "#"
                                             << "1234.5" << false << "1,235" << QList<int>{21212};
    QTest::newRow("number with separators") << 26 << "#"
                                            << "1,000" << false << "1,000" << none;
    QTest::newRow("number empty page 26") << 26 << "#"
                                          << "" << false << "0" << none;
    QTest::newRow("number empty page 24 suppressed") << 24 << "#"
                                                     << "" << false << "" << none;
    QTest::newRow("number zero page 57 suppressed") << 57 << "#"
                                                    << "0" << false << "" << none;
    QTest::newRow("number zero page 26") << 26 << "#"
                                         << "0" << false << "0" << none;
    QTest::newRow("number below one page 58 suppressed") << 58 << "#"
                                                         << "0.4" << false << "" << QList<int>{21212};
    QTest::newRow("number overridden") << 26 << "#"
                                       << "12" << true << "\\cf1 12\\cf0 " << none;

    QTest::newRow("percent") << 26 << "%"
                             << "0.075" << false << "7.500%" << none;
    QTest::newRow("percent quarter") << 26 << "%"
                                     << "0.25" << false << "25.000%" << none;
    QTest::newRow("percent empty") << 26 << "%"
                                   << "" << false << "" << none;
    QTest::newRow("percent overridden, not coloured") << 26 << "%"
                                                      << "0.25" << true << "25.000%" << none;
    QTest::newRow("percent not a number") << 26 << "%"
                                          << "half" << false << "0.000%" << QList<int>{21182};

    QTest::newRow("check mark X") << 26 << "&"
                                  << "X" << false << "\\fs20 x\\fs24\\f0 " << none;
    QTest::newRow("check mark small x is empty box") << 26 << "&"
                                                     << "x" << false << "\\fs20 o\\fs24\\f0 " << none;
    QTest::newRow("check mark empty") << 26 << "&"
                                      << "" << false << "\\fs20 o\\fs24\\f0 " << none;
    QTest::newRow("check mark overridden, not coloured") << 26 << "&"
                                                         << "X" << true << "\\fs20 x\\fs24\\f0 " << none;

    QTest::newRow("date") << 26 << "^"
                          << "3/1/2018" << false << "March 1, 2018" << none;
    QTest::newRow("date in words unchanged") << 26 << "^"
                                             << "sometime in May" << false << "sometime in May" << none;
    // Printed as typed; the print job names it with the others (no message of its own).
    QTest::newRow("date unreadable") << 26 << "^"
                                     << "next week" << false << "next week" << none;
    QTest::newRow("date empty") << 26 << "^"
                                << "" << false << "" << none;
    QTest::newRow("date overridden") << 26 << "^"
                                     << "1/5/18" << true << "\\cf1 January 5, 2018\\cf0 " << none;

    QTest::newRow("multi-line") << 26 << "+"
                                << "a | b" << false << "a\\par b" << none;
    QTest::newRow("multi-line empty") << 26 << "+"
                                      << "" << false << "" << none;
    QTest::newRow("multi-line overridden, coloured like any override")
        << 26 << "+"
        << "a | b" << true << "\\cf1 a\\par b\\cf0 " << none;
    QTest::newRow("multi-line escaped") << 26 << "+"
                                        << "{x} | y\\z" << false << "\\{x\\}\\par y\\\\z" << none;

    QTest::newRow("backslash and braces") << 1 << "*"
                                          << "a\\b{c}" << false << "a\\\\b\\{c\\}" << none;
    QTest::newRow("closing brace cannot end the page") << 1 << "*"
                                                       << "}}}" << false << "\\}\\}\\}" << none;
    QTest::newRow("control word cannot be typed in") << 1 << "*"
                                                     << "\\page" << false << "\\\\page" << none;
    QTest::newRow("Windows-1252 letter") << 1 << "*"
                                         << "Jos\u00e9" << false << "Jos\\'E9" << none;
    QTest::newRow("middle dot is not the header mark") << 1 << "*"
                                                       << "a\u00b7b" << false << "a\\'B7b" << none;
    QTest::newRow("euro sign") << 1 << "*"
                               << "\u20ac5" << false << "\\'805" << none;
    QTest::newRow("outside the code page") << 1 << "*"
                                           << "\u03a9" << false << "\\u937?" << none;
    QTest::newRow("above 32767") << 1 << "*"
                                 << "\ufffd" << false << "\\u-3?" << none;
    QTest::newRow("beyond the basic plane")
        << 1 << "*" << QString::fromUcs4(U"\U0001F600") << false << "\\u-10179?\\u-8704?" << none;
    QTest::newRow("tab and line break") << 1 << "*"
                                        << "a\tb\r\nc\nd" << false << "a\\tab b | c | d" << none;
    QTest::newRow("control character left out") << 1 << "*"
                                                << QStringLiteral("a\x01"
                                                                  "b")
                                                << false << "ab" << none;
    QTest::newRow("overridden text escaped") << 1 << "*"
                                             << "{Jos\u00e9}" << true << "\\cf1 \\{Jos\\'E9\\}\\cf0 " << none;
    QTest::newRow("variable typed into an answer") << 1 << "*"
                                                   << "/*5/" << false << "/*5/" << none;
}

void tst_merge::kindMarks()
{
    QFETCH(int, page);
    QFETCH(QString, mark);
    QFETCH(QString, answer);
    QFETCH(bool, overridden);
    QFETCH(QString, expected);
    QFETCH(QList<int>, messages);

    store_.SetText(page, 0, 5, answer);
    store_.SetOvRide(page, 0, 5, overridden);
    store_.SetText(page, 0, 4, QStringLiteral("other"));
    MessageRecorder recorder;
    bool ok = false;
    const QString merged = mergeBody(page, QStringLiteral("/") + mark + QStringLiteral("5/"), 0, &ok);
    QVERIFY(ok);
    QCOMPARE(merged, QLatin1Char('[') + expected + QLatin1Char(']'));
    QCOMPARE(recorder.numbers(), messages);
}

void tst_merge::lineBreaksInsideVariables_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expected");
    QTest::newRow("between the digits") << 26 << "/$1\r\n2/"
                                        << "12.00";
    QTest::newRow("before the closing slash") << 1 << "/*5\r\n/"
                                              << "five";
    QTest::newRow("after the opening slash") << 1 << "/\n*5/"
                                             << "five";
    QTest::newRow("between every character") << 5 << "/\r\n*\r\n1\r\n2\r\n3\r\n/"
                                             << "one-two-three";
    QTest::newRow("several line ends") << 1 << "/*1\r\n\r\n\n2/"
                                       << "twelve";
}

void tst_merge::lineBreaksInsideVariables()
{
    QFETCH(int, page);
    QFETCH(QString, body);
    QFETCH(QString, expected);
    store_.SetText(26, 0, 12, QStringLiteral("12"));
    store_.SetText(1, 0, 5, QStringLiteral("five"));
    store_.SetText(1, 0, 12, QStringLiteral("twelve"));
    store_.SetText(5, 0, 123, QStringLiteral("one-two-three"));
    bool ok = false;
    QCOMPARE(mergeBody(page, body, 0, &ok), QLatin1Char('[') + expected + QLatin1Char(']'));
    QVERIFY(ok);
}

void tst_merge::backToBackVariables()
{
    store_.SetText(1, 0, 1, QStringLiteral("A"));
    store_.SetText(1, 0, 2, QStringLiteral("B"));
    store_.SetText(1, 0, 100, QStringLiteral("C"));
    QCOMPARE(mergeBody(1, QStringLiteral("/*1//*2//*100/")), QStringLiteral("[ABC]"));
}

void tst_merge::textThatIsNoVariableStays_data()
{
    QTest::addColumn<QString>("body");
    QTest::newRow("slash without kind mark") << "and/or 1/2";
    QTest::newRow("kind mark without digits") << "/*x/ /$/";
    QTest::newRow("four digits") << "/*1234/";
    QTest::newRow("no closing slash") << "/*12 ";
    QTest::newRow("RTF around") << "{\\b bold}\\par";
}

void tst_merge::textThatIsNoVariableStays()
{
    QFETCH(QString, body);
    store_.SetText(1, 0, 1, QStringLiteral("A"));
    store_.SetText(1, 0, 12, QStringLiteral("B"));
    MessageRecorder recorder;
    bool ok = false;
    QCOMPARE(mergeBody(1, body, 0, &ok), QLatin1Char('[') + body + QLatin1Char(']'));
    QVERIFY(ok);
    QVERIFY(recorder.numbers().isEmpty());
}

void tst_merge::lastFourCharactersNeverStartAVariable()
{
    store_.SetText(1, 0, 1, QStringLiteral("A"));
    merge_.SetWorkingText(QStringLiteral("/*1/x/*1/"));
    QVERIFY(merge_.MergeTemplateText(1, 0));
    QCOMPARE(merge_.WorkingText(), QStringLiteral("Ax/*1/"));
}

void tst_merge::continuationAnswers()
{
    store_.SetText(23, 0, 3, QStringLiteral("first"));
    store_.SetText(23, 2, 3, QStringLiteral("third"));
    QCOMPARE(mergeBody(23, QStringLiteral("/*3/"), 2), QStringLiteral("[third]"));
    QCOMPARE(mergeBody(23, QStringLiteral("/*3/"), 0), QStringLiteral("[first]"));
}

void tst_merge::insertedAnswersAreNotScannedAgain()
{
    // An answer naming another variable, and one naming its own.
    store_.SetText(1, 0, 1, QStringLiteral("/*2/"));
    store_.SetText(1, 0, 2, QStringLiteral("second"));
    store_.SetText(1, 0, 3, QStringLiteral("/*3//*3/"));
    store_.SetText(1, 0, 4, QStringLiteral("\\fs4"));
    QCOMPARE(mergeBody(1, QStringLiteral("/*1/ /*2/ /*3/ /*4/")), QStringLiteral("[/*2/ second /*3//*3/ \\\\fs4]"));
    QCOMPARE(merge_.CurrentFontSize(), 0);
}

void tst_merge::wingdingsLookup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("font table entry") << "{\\fonttbl{\\f0\\froman Times;}{\\f2\\fnil\\fcharset2 Wingdings;}}body"
                                      << "\\f2 ";
    QTest::newRow("three-digit font number") << "{\\fonttbl{\\f0 Times;}{\\f123\\fnil Wingdings;}}body"
                                             << "\\f123 ";
    QTest::newRow("entry in capitals, the word elsewhere")
        << "{\\fonttbl{\\f0 Times;}{\\f3 WINGDINGS 2;}}{\\*\\generator Wingdings}"
        << "\\f3 ";
    QTest::newRow("entry in capitals only") << "{\\fonttbl{\\f0 Times;}{\\f3 WINGDINGS;}}body text"
                                            << "";
    QTest::newRow("word in the text, no entry") << "{\\fonttbl{\\f0 Times;}}Wingdings body text"
                                                << "";
    QTest::newRow("no font table") << "{\\rtf1 Wingdings \\f1 Wingdings; body}"
                                   << "";
}

void tst_merge::wingdingsLookup()
{
    QFETCH(QString, text);
    QFETCH(QString, prefix);
    store_.SetText(1, 0, 7, QStringLiteral("X"));
    merge_.SetWorkingText(text + QStringLiteral("\\fs28 /&7/ end}\r\n"));
    QCOMPARE(merge_.FindWingdingsFont(), prefix);
    QVERIFY(merge_.MergeTemplateText(1, 0));
    QVERIFY(merge_.WorkingText().contains(prefix + QStringLiteral("\\fs20 x\\fs28\\f0  end}")));
}

void tst_merge::checkMarkRestoresFontSize()
{
    store_.SetText(26, 0, 1, QStringLiteral("X"));
    store_.SetText(26, 0, 2, QStringLiteral("no"));
    const QString merged =
        mergeBody(26, QStringLiteral("{\\fonttbl{\\f1\\fnil Wingdings;}}\\fs28 /&1/ after\\fs18 /&2/ \\fs22 end"));
    QCOMPARE(merged, QStringLiteral("[{\\fonttbl{\\f1\\fnil Wingdings;}}\\fs28 \\f1 \\fs20 x\\fs28\\f0  after\\fs18 "
                                    "\\f1 \\fs20 o\\fs18\\f0  \\fs22 end]"));
    QCOMPARE(merge_.CurrentFontSize(), 22);
}

void tst_merge::ballotBoxes_data()
{
    QTest::addColumn<QString>("fonts");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("empty");
    const QString generated = QStringLiteral(
        "{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fnil\\fcharset0 DejaVu Sans{\\*\\falt Segoe UI Symbol};}}");
    QTest::newRow("the generated font table") << generated << "\\f1 \\u9746?\\f0 "
                                              << "\\f1 \\u9744?\\f0 ";
    QTest::newRow("preferred to Wingdings")
        << "{\\fonttbl{\\f0 Times;}{\\f1\\fnil Wingdings;}{\\f4\\fnil DejaVu Sans;}}"
        << "\\f4 \\u9746?\\f0 "
        << "\\f4 \\u9744?\\f0 ";
    QTest::newRow("the monospaced face is no ballot font")
        << "{\\fonttbl{\\f0 Times;}{\\f1\\fnil Wingdings;}{\\f4\\fnil DejaVu Sans Mono;}}"
        << "\\f1 \\fs20 x\\fs28\\f0 "
        << "\\f1 \\fs20 o\\fs28\\f0 ";
}

void tst_merge::ballotBoxes()
{
    // A ticked and an empty box print differently whatever fonts the
    // reader's system has.
    QFETCH(QString, fonts);
    QFETCH(QString, ticked);
    QFETCH(QString, empty);
    store_.SetText(26, 0, 1, QStringLiteral("X"));
    store_.SetText(26, 0, 2, QString());
    const QString merged = mergeBody(26, fonts + QStringLiteral("\\fs28 /&1/ yes /&2/ no"));
    QCOMPARE(merged, QLatin1Char('[') + fonts + QStringLiteral("\\fs28 ") + ticked + QStringLiteral(" yes ") + empty +
                         QStringLiteral(" no]"));
    QCOMPARE(merge_.CurrentFontSize(), 28);
}

void tst_merge::fillGroups_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    const QString line = QStringLiteral("__________");
    // Page 2 keeps blanks and page 21 suppresses zeros: the group decides.
    QTest::newRow("empty text, keep-blank page") << 2 << "*"
                                                 << "" << line;
    QTest::newRow("text answer, the group goes") << 2 << "*"
                                                 << "Ann Lee"
                                                 << "Ann Lee";
    QTest::newRow("blanks alone are empty") << 1 << "*"
                                            << "   " << line;
    QTest::newRow("words of a number lose their blank") << 1 << "*"
                                                        << "Ten "
                                                        << "Ten";
    QTest::newRow("empty money") << 26 << "$"
                                 << "" << line;
    QTest::newRow("money answer") << 26 << "$"
                                  << "12.5"
                                  << "12.50";
    QTest::newRow("empty whole number") << 26 << "#"
                                        << "" << line;
    QTest::newRow("a zero that was computed prints") << 26 << "#"
                                                     << "0"
                                                     << "0";
    QTest::newRow("empty percentage") << 26 << "%"
                                      << "" << line;
    QTest::newRow("empty date") << 26 << "^"
                                << "" << line;
    QTest::newRow("date") << 26 << "^"
                          << "3/1/2025"
                          << "March 1, 2025";
    QTest::newRow("empty multi-line text has no line") << 26 << "+"
                                                       << ""
                                                       << "";
}

void tst_merge::fillGroups()
{
    QFETCH(int, page);
    QFETCH(QString, mark);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    MessageRecorder recorder;
    store_.SetText(page, 0, 3, answer);
    const QString merged =
        mergeBody(page, QStringLiteral("on /") + mark + QStringLiteral("3/{\\*\\brevanefill __________}, and"));
    QCOMPARE(merged, QStringLiteral("[on ") + expected + QStringLiteral(", and]"));
    QCOMPARE(recorder.numbers(), QList<int>{});
}

void tst_merge::answerEndsTheSentence_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    // The help asks for "10:00 a.m."; the wording puts a period after the time.
    QTest::newRow("a.m. typed") << "10:00 a.m."
                                << "[at 10:00 a.m. Next]";
    QTest::newRow("a.m. and a blank typed") << "10:00 a.m. "
                                            << "[at 10:00 a.m. Next]";
    QTest::newRow("no period typed") << "10:00"
                                     << "[at 10:00. Next]";
    QTest::newRow("empty: the line to fill ends the sentence") << ""
                                                               << "[at ________. Next]";
}

void tst_merge::answerEndsTheSentence()
{
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    store_.SetText(1, 0, 3, answer);
    QCOMPARE(mergeBody(1, QStringLiteral("at /*3/{\\*\\brevanefill ________}. Next")), expected);
}

void tst_merge::printIfLines_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    const QString line = QStringLiteral("{\\pard /*3/ | \\{sign\\} {\\b here}\\par}");
    QTest::newRow("a signer prints with the line")
        << "Ann Lee" << line << "{\\pard Ann Lee | \\{sign\\} {\\b here}\\par}";
    QTest::newRow("an empty slot prints no line") << "" << line << "";
    QTest::newRow("blanks alone are empty") << "  " << line << "";
    QTest::newRow("a mark without its group is dropped") << ""
                                                         << "no group"
                                                         << "no group";
}

void tst_merge::printIfLines()
{
    // A signature line for a signer slot prints only while the slot holds a
    // name; what follows the line is untouched.
    QFETCH(QString, answer);
    QFETCH(QString, line);
    QFETCH(QString, expected);
    store_.SetText(26, 0, 3, answer);
    MessageRecorder recorder;
    QCOMPARE(mergeBody(26, QStringLiteral("{\\*\\brevaneif 3}") + line + QStringLiteral(" after")),
             QLatin1Char('[') + expected + QStringLiteral(" after]"));
    // "!3": the other way round, the line that stands in for an empty answer.
    const QString standIn = QStringLiteral("{\\pard none\\par}");
    QCOMPARE(mergeBody(26, QStringLiteral("{\\*\\brevaneif !3}") + standIn + QStringLiteral(" after")),
             QLatin1Char('[') + (answer.trimmed().isEmpty() ? standIn : QString()) + QStringLiteral(" after]"));
    QCOMPARE(recorder.numbers(), QList<int>{});
}

void tst_merge::growingTables()
{
    // A table of two kept rows (answers 3 and 4, step 2) and two rows of the
    // run: the row group once a row, the kept ones from their answers (an
    // override in its colour, an empty one left out), the others from the
    // run's rows, a date nobody typed as its fill-in line.
    const QString table = QStringLiteral("{\\*\\brevanegrow 3 2 2}{{\\*\\brevaneif 3}{\\pard /*3/ | "
                                         "/^4/{\\*\\brevanefill ____}\\par}} after");
    store_.SetText(26, 0, 3, QStringLiteral("Ann"));
    store_.SetText(26, 0, 4, QStringLiteral("3/1/2018"));
    store_.SetText(26, 0, 5, QStringLiteral("Ben"));
    store_.SetOvRide(26, 0, 5, true);
    store_.SetRowText(26, 0, 3, 2, QStringLiteral("Cy"));
    store_.SetRowText(26, 0, 3, 3, QStringLiteral("Di {x}"));
    store_.SetTableRows(26, 0, 3, 4);
    MessageRecorder recorder;
    QCOMPARE(mergeBody(26, table),
             QStringLiteral("[{\\pard Ann | March 1, 2018\\par}{\\pard \\cf1 Ben\\cf0  | ____\\par}"
                            "{\\pard Cy | ____\\par}{\\pard Di \\{x\\} | ____\\par} after]"));
    // Without rows of the run the kept rows alone, an empty one left out.
    store_.ClearRows(26, 0);
    store_.SetText(26, 0, 3, QString());
    QCOMPARE(mergeBody(26, table), QStringLiteral("[{\\pard \\cf1 Ben\\cf0  | ____\\par} after]"));
    QCOMPARE(recorder.numbers(), QList<int>{});
    // A mark that does not read is left as it stands.
    const QString broken = QStringLiteral("{\\*\\brevanegrow 3 x 2}{\\pard /*5/\\par}");
    QVERIFY(mergeBody(26, broken).contains(QStringLiteral("brevanegrow 3 x 2")));
}

void tst_merge::fontSizeCarriesToTheNextPage()
{
    store_.SetText(26, 0, 1, QStringLiteral("X"));
    mergeBody(27, QStringLiteral("\\fs32 page before"));
    QCOMPARE(merge_.CurrentFontSize(), 32);
    QCOMPARE(mergeBody(26, QStringLiteral("/&1/ text")), QStringLiteral("[\\fs20 x\\fs32\\f0  text]"));
    // The check mark's own codes were followed: the size is still 32.
    QCOMPARE(merge_.CurrentFontSize(), 32);
}

void tst_merge::fontSizeCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("messages");
    QTest::newRow("ended by a control word") << "\\fs24\\b text}\r\n" << 24 << QList<int>();
    QTest::newRow("ended by a blank") << "\\fs36 text}\r\n" << 36 << QList<int>();
    QTest::newRow("ended by a group") << "{\\fs16}text}\r\n" << 16 << QList<int>();
    QTest::newRow("ended by a line break") << "\\fs20\r\ntext}\r\n" << 20 << QList<int>();
    QTest::newRow("last one counts") << "\\fs20 a\\fs30 b}\r\n" << 30 << QList<int>();
    QTest::newRow("unreadable keeps the digits before") << "\\fs2x4 text}\r\n" << 2 << QList<int>{21060};
    QTest::newRow("among the last characters") << "text\\fs2}\r\n" << -1 << QList<int>{21070};
    QTest::newRow("too long for an integer") << "\\fs99999999999 t}\r\n" << 999999999 << QList<int>{21060};
}

void tst_merge::fontSizeCodes()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(QList<int>, messages);
    MessageRecorder recorder;
    merge_.SetWorkingText(text);
    QVERIFY(merge_.MergeTemplateText(1, 0));
    QCOMPARE(merge_.CurrentFontSize(), size);
    QCOMPARE(recorder.numbers(), messages);
}

void tst_merge::dateMessageNamesPageAndVariable()
{
    // An unreadable date is kept with its page and field, once however often
    // it prints, for the print job's one message; nothing is shown per date.
    store_.SetText(26, 0, 9, QStringLiteral("next week"));
    store_.SetText(26, 0, 8, QStringLiteral("2/3/2026"));
    MessageRecorder recorder;
    QCOMPARE(mergeBody(26, QStringLiteral("/^9/ /^8/ /^9/")), QStringLiteral("[next week February 3, 2026 next week]"));
    QCOMPARE(recorder.numbers(), QList<int>{});
    const QStringList dates = merge_.TakeUnreadableDates();
    QCOMPARE(dates.size(), 1);
    QVERIFY2(dates.first().startsWith(QStringLiteral("page 26, ")), qPrintable(dates.first()));
    QVERIFY2(dates.first().endsWith(QStringLiteral(": \"next week\"")), qPrintable(dates.first()));
    QVERIFY(merge_.TakeUnreadableDates().isEmpty());
}

void tst_merge::missingDataFile()
{
    QFile::remove(folder_.dataPath(30));
    store_.SetText(30, 0, 1, QStringLiteral("A"));
    QStringList list{QStringLiteral("[/*1/]")};
    MessageRecorder recorder;
    QVERIFY(!merge_.MergeTemplatePage(list, 30, 0));
    QCOMPARE(recorder.numbers(), QList<int>{11120});
    QCOMPARE(recorder.messages().first().detail, folder_.dataPath(30));
    QCOMPARE(list, QStringList{QStringLiteral("[/*1/]")});
}

void tst_merge::badDataLine_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("too few numbers") << QByteArray("0 0 12 1.5 -2.25 3 1\r\n1 0 12 1.5\r\n");
    QTest::newRow("letters") << QByteArray("one two three 1 2 3 4\r\n");
    QTest::newRow("real where an integer belongs") << QByteArray("0 0 1.5 1.5 2 3 1\r\n");
    QTest::newRow("seventh number a real") << QByteArray("0 0 1 1.5 2 3 1.5\r\n");
}

void tst_merge::badDataLine()
{
    QFETCH(QByteArray, data);
    folder_.writeRawData(31, data);
    store_.SetText(31, 0, 1, QStringLiteral("A"));
    QStringList list{QStringLiteral("[/*1/]")};
    MessageRecorder recorder;
    QVERIFY(!merge_.MergeTemplatePage(list, 31, 0));
    QCOMPARE(recorder.numbers(), QList<int>{21011});
    QCOMPARE(list, QStringList{QStringLiteral("[/*1/]")});
}

void tst_merge::dataFileWithBlankLinesAndTrailingText()
{
    folder_.writeRawData(32, "0 0 12 1.5 -2.25 3 1 anything\r\n\r\n1\t2 3 4 5e2 -6 7\n   \n");
    store_.SetText(32, 0, 1, QStringLiteral("A"));
    MessageRecorder recorder;
    QCOMPARE(mergeBody(32, QStringLiteral("/*1/")), QStringLiteral("[A]"));
    QVERIFY(recorder.numbers().isEmpty());
}

void tst_merge::answerBeyondThePage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("merged");
    QTest::newRow("150 on a page of 101 answers") << 1 << "/*1/ /*150/" << false;
    QTest::newRow("101 on a page of 101 answers") << 1 << "/#101/" << false;
    QTest::newRow("100 on a page of 101 answers") << 1 << "/*100/" << true;
    QTest::newRow("150 on page 5 (151 answers)") << 5 << "/*150/" << true;
    QTest::newRow("999 on page 88 (301 answers)") << 88 << "/*999/" << false;
}

void tst_merge::answerBeyondThePage()
{
    QFETCH(int, page);
    QFETCH(QString, body);
    QFETCH(bool, merged);
    folder_.writeData(page);
    QStringList list{QStringLiteral("[") + body + QStringLiteral("]")};
    const QStringList before = list;
    MessageRecorder recorder;
    QCOMPARE(merge_.MergeTemplatePage(list, page, 0), merged);
    if (merged) {
        QVERIFY(recorder.numbers().isEmpty());
    } else {
        QCOMPARE(recorder.numbers(), QList<int>{11120});
        QCOMPARE(recorder.messages().first().detail, folder_.dataPath(page));
        QCOMPARE(list, before);
    }
}

QTEST_GUILESS_MAIN(tst_merge)
#include "tst_merge.moc"
