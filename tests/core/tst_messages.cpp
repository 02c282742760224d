// The numbered message catalogue and ShowError.
#include "TestSupport.h"
#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"

#include <QtTest>

#include <optional>

using namespace brevane;
using brevane::test::MessageRecorder;

namespace {

// The codes the catalogue holds, as ranges from..to.
QList<int> CataloguedCodes()
{
    const QList<QPair<int, int>> ranges = {
        {1100, 1107}, {1110, 1123}, {1126, 1126}, {1129, 1129}, {1155, 1159}, {1200, 1208}, {1210, 1210}, {1300, 1300},
        {1308, 1309}, {1314, 1314}, {1321, 1321}, {1323, 1323}, {1327, 1327}, {1400, 1405}, {1500, 1501}, {1503, 1503},
        {1600, 1601}, {1700, 1700}, {1800, 1800}, {1803, 1803}, {1900, 1900}, {2000, 2000}, {2100, 2102}, {2106, 2121},
        {2123, 2127}, {2139, 2139}, {2200, 2200}, {2300, 2300}, {2400, 2400}, {2500, 2500}, {2600, 2600}, {2700, 2700},
        {2800, 2800}, {2900, 2927}, {2930, 2933}, {2941, 2943}, {2951, 2963}, {3000, 3000}, {3100, 3100}, {3200, 3200},
        {3300, 3302}, {3305, 3305}, {3400, 3400}, {3500, 3500}, {3600, 3600}, {3700, 3700}, {3800, 3803}, {3806, 3811},
        {3900, 3909}, {3950, 3950}, {4001, 4004}, {4050, 4055},
    };
    QList<int> codes;
    for (const auto &range : ranges) {
        for (int code = range.first; code <= range.second; ++code)
            codes.append(code);
    }
    return codes;
}

// The messages the program shows whose code has no catalogue text: the user
// sees "Unidentified error -  " and the code.
const QList<int> ShownWithoutText = {1154, 11080, 11340, 11453, 11533, 11860, 16020, 16030, 16050, 18023, 18047, 21400};

const QString Text2118 = QStringLiteral(
    "2118-Str2Float_P. An error occurred while Brevane was converting an entry to a real number. This can occur "
    "when a date field contains text that it cannot read. When in doubt, use MM/DD/YY format and let Brevane do the "
    "conversions. If available: Page - ");

// A message dialog whose code, while it is showing, reports another failure.
class ReentrantSink : public MessageSink
{
public:
    void Show(const ErrorMessage &message) override
    {
        shown.append(message.number);
        ShowError(11010);
    }
    QList<int> shown;
};

} // namespace

class tst_messages : public QObject
{
    Q_OBJECT
private slots:
    void terminalSafe_data();
    void terminalSafe();
    void mergePositionIsZeroBeforeAnyMerge();
    void catalogueHoldsExactlyItsCodes();
    void everyTextBeginsWithItsCode();
    void namedMessagesHaveTheirText_data();
    void namedMessagesHaveTheirText();
    void fixedRows_data();
    void fixedRows();
    void detailRows_data();
    void detailRows();
    void strIntRowHoldsTheEntry_data();
    void strIntRowHoldsTheEntry();
    void str2FloatRowNamesTheMergePosition();
    void unknownCodes_data();
    void unknownCodes();
    void compose_data();
    void compose();
    void addedInstructions_data();
    void addedInstructions();
    void showErrorReachesTheSink();
    void messageWhileShowingIsDropped();
    void captionsFitTheirMessages_data();
    void captionsFitTheirMessages();
    void messagesNameWhatTheyAreAbout_data();
    void messagesNameWhatTheyAreAbout();
};

void tst_messages::mergePositionIsZeroBeforeAnyMerge()
{
    QCOMPARE(LookUpMessage(2118), Text2118 + QStringLiteral("0; Var - 0"));
}

void tst_messages::catalogueHoldsExactlyItsCodes()
{
    const QList<int> codes = CataloguedCodes();
    QCOMPARE(codes.size(), 184);
    QCOMPARE(CatalogueSize(), 184);
    for (int code : codes)
        QVERIFY2(IsCatalogued(code), qPrintable(QString::number(code)));
    for (int code :
         {0, 115, 1099, 1108, 1134, 1209, 1502, 2103, 2122, 2928, 2940, 2964, 3303, 3799, 3804, 3812, 3910, 4000, 4005})
        QVERIFY2(!IsCatalogued(code), qPrintable(QString::number(code)));
}

void tst_messages::everyTextBeginsWithItsCode()
{
    for (int code : CataloguedCodes()) {
        QString prefix = QString::number(code) + QLatin1Char('-');
        if (code == 2943)
            prefix = QStringLiteral("2942-");
        else if (code == 1106)
            prefix = QStringLiteral("1106 -");
        QVERIFY2(LookUpMessage(code).startsWith(prefix), qPrintable(LookUpMessage(code)));
    }
}

void tst_messages::namedMessagesHaveTheirText_data()
{
    QTest::addColumn<int>("number");
    for (const msg::NamedMessage &message : msg::All)
        QTest::newRow(message.name) << message.number;
}

void tst_messages::namedMessagesHaveTheirText()
{
    QFETCH(int, number);
    QCOMPARE(IsCatalogued(number / 10), !ShownWithoutText.contains(number));
}

void tst_messages::fixedRows_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("group placeholder") << 3300 << "3300-Error messages go here";
    QTest::newRow("group placeholder with point 1400") << 1400 << "1400-Error messages go here. ";
    QTest::newRow("group placeholder with point 2000") << 2000 << "2000-Error messages go here. ";
    QTest::newRow("1200") << 1200 << "1200-Error in Margins";
    QTest::newRow("1300") << 1300 << "1300-ErrorMessage. ";
    QTest::newRow("1500") << 1500 << "1500-Reserved.";
    QTest::newRow("1101") << 1101
                          << "1101-You should save client files with the extension cl1. The extension of this file is "
                             "being changed to cl1. ";
    QTest::newRow("1106 as written") << 1106
                                     << "1106 -An error occurred while attempting to View a continuation page. ";
    QTest::newRow("1501 with backslashes")
        << 1501
        << "1501-The directory choice is not valid. You'll need to reset the default vq6 file location when the dialog "
           "opens. The default path is C:\\Tarnwick\\Brevane\\Files\\";
    QTest::newRow("1503 without blank") << 1503
                                        << "1503-The directory you chose does not exist or there is an access problem.";
    QTest::newRow("2101") << 2101 << "2101-ConvertTeens. There was a dollar error on the attorney fee form. ";
    QTest::newRow("2126") << 2126 << "2126-NumberToWords. ";
    QTest::newRow("2127") << 2127 << "2127-NumberToWords. ";
    QTest::newRow("3301") << 3301 << "3301-An error occurred when Brevane attempted to open the client file. ";
}

void tst_messages::fixedRows()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(LookUpMessage(code), text);
    // A fixed row has no place for a detail.
    QCOMPARE(LookUpMessage(code, QStringLiteral("C:/x.cl1")), text);
}

void tst_messages::detailRows_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("text");
    QTest::newRow("1107") << 1107 << "Bond"
                          << "1107-Error in New Form routine - Bond";
    QTest::newRow("1110") << 1110 << "a.cl1"
                          << "1110-Unable to copy file a.cl1";
    QTest::newRow("1115 path")
        << 1115 << "/opt/brevane/PSF/page7.psf"
        << "1115-Unable to locate or read the PSF support file that is required for displaying forms. The support "
           "files are made by the build (scripts/start.sh, or \"cmake --build build\" in the source folder) and "
           "installed with the brevane package under share/brevane. It was looked for at: /opt/brevane/PSF/page7.psf";
    QTest::newRow("1126") << 1126 << "Bond"
                          << "1126-Error in Delete Form routine - Bond";
    QTest::newRow("1210") << 1210 << "abc"
                          << "1210-Test New Customized Error. The test text string used was: abc";
    QTest::newRow("3305") << 3305 << "x.txt"
                          << "3305-An error occurred when Brevane attempted to import the file: x.txt";
    QTest::newRow("empty detail") << 1107 << ""
                                  << "1107-Error in New Form routine - ";
}

void tst_messages::detailRows()
{
    QFETCH(int, code);
    QFETCH(QString, detail);
    QFETCH(QString, text);
    QCOMPARE(LookUpMessage(code, detail), text);
}

void tst_messages::strIntRowHoldsTheEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("plain") << "12x";
    QTest::newRow("empty") << "";
    QTest::newRow("percent placeholders stay as typed") << "50%1 %2";
}

void tst_messages::strIntRowHoldsTheEntry()
{
    QFETCH(QString, entry);
    const ErrorMessage m = ComposeError(21212, entry);
    QCOMPARE(m.text, "2121-Str2Int. An error occurred while Brevane was converting " + entry + " to an integer. ");
    QCOMPARE(m.instructionText, AddedInstruction(2));
    QCOMPARE(m.detail, entry);
}

void tst_messages::str2FloatRowNamesTheMergePosition()
{
    RecordMergePosition(7, 42);
    QCOMPARE(ComposeError(21180).text, Text2118 + QStringLiteral("7; Var - 42"));
    RecordMergePosition(0, 0);
    QCOMPARE(ComposeError(21182).text, Text2118 + QStringLiteral("0; Var - 0"));
}

void tst_messages::unknownCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("1134") << 1134 << "Unidentified error -  1134";
    QTest::newRow("115") << 115 << "Unidentified error -  115";
    QTest::newRow("0") << 0 << "Unidentified error -  0";
}

void tst_messages::unknownCodes()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(LookUpMessage(code), text);
    QCOMPARE(LookUpMessage(code, QStringLiteral("detail")), text);
}

void tst_messages::compose_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("beep");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("instruction");
    const QString help = QStringLiteral("Help On This Item");
    const QString error = QStringLiteral("Error Dialog");
    QTest::newRow("33010") << 33010 << help << false << LookUpMessage(3301) << 0;
    QTest::newRow("11010") << 11010 << error << true << LookUpMessage(1101) << 0;
    QTest::newRow("1154") << 1154 << error << true << "Unidentified error -  115" << 4;
    QTest::newRow("29999") << 29999 << error << true << "Unidentified error -  2999" << 9;
    QTest::newRow("37995") << 37995 << help << false << "Unidentified error -  3799" << 5;
    QTest::newRow("first help code") << 30000 << help << false << "3000-Error messages go here" << 0;
    QTest::newRow("3800 is an error again") << 38000 << error << true << "3800-Error messages go here" << 0;
    QTest::newRow("18047") << 18047 << error << true << "Unidentified error -  1804" << 7;
}

void tst_messages::compose()
{
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(bool, beep);
    QFETCH(QString, text);
    QFETCH(int, instruction);
    const ErrorMessage m = ComposeError(number);
    QCOMPARE(m.number, number);
    QCOMPARE(m.code, number / 10);
    QCOMPARE(m.instruction, instruction);
    QCOMPARE(m.caption, caption);
    QCOMPARE(m.beep, beep);
    QCOMPARE(m.text, text);
    QCOMPARE(m.instructionText, AddedInstruction(instruction));
}

void tst_messages::addedInstructions_data()
{
    QTest::addColumn<int>("instruction");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "";
    QTest::newRow("1") << 1
                       << "One of Brevane's internal RTF or DAT files may be corrupted. If restarting doesn't fix the "
                          "problem it may be necessary to reinstall Brevane. ";
    QTest::newRow("2") << 2
                       << "You can probably click OK and continue. If this error persists, restart Brevane. If this is "
                          "a date-related error, find the page and field and fix it. ";
    QTest::newRow("3") << 3 << "Possible memory error. Close any other programs. ";
    QTest::newRow("4") << 4 << "Possible disk access error. It may be necessary to reinstall Brevane. ";
    QTest::newRow("5") << 5 << "An error occurred during a printing operation. Make sure your printer is ready. ";
    QTest::newRow("6") << 6
                       << "No two entries on a worksheet can have the same record number. The problem can be repaired "
                          "by assigning a non-conflicting record number. ";
    QTest::newRow("7 without blank")
        << 7
        << "Calculation Error. An error occurred as Brevane attempted to make the calculations on the schedule or form "
           "above.";
    QTest::newRow("8") << 8
                       << "This error is usually related to the Borland Database Engine installation or aliases. "
                          "Consult the last section of the Brevane manual for solutions. ";
    QTest::newRow("9") << 9 << "You must reduce the amount of text sent to the form referred to above. ";
    QTest::newRow("out of range") << 10 << "";
}

void tst_messages::addedInstructions()
{
    QFETCH(int, instruction);
    QFETCH(QString, text);
    QCOMPARE(AddedInstruction(instruction), text);
}

void tst_messages::showErrorReachesTheSink()
{
    MessageRecorder recorder;
    ShowError(11150, QStringLiteral("/opt/PSF/page3.psf"));
    ShowError(33010);
    QCOMPARE(recorder.numbers(), (QList<int>{11150, 33010}));
    const ErrorMessage &first = recorder.messages().first();
    QCOMPARE(first.text, LookUpMessage(1115) + QStringLiteral("/opt/PSF/page3.psf"));
    QCOMPARE(first.detail, QStringLiteral("/opt/PSF/page3.psf"));
    QCOMPARE(first.caption, QStringLiteral("Error Dialog"));
    QVERIFY(first.beep);
    QVERIFY(!recorder.messages().last().beep);
}

void tst_messages::messageWhileShowingIsDropped()
{
    ReentrantSink sink;
    MessageSink *previous = InstallMessageSink(&sink);
    ShowError(21212, QStringLiteral("7.9"));
    // Once the first message is closed, the next one shows again.
    ShowError(21202);
    QCOMPARE(InstallMessageSink(previous), &sink);
    QCOMPARE(sink.shown, (QList<int>{21212, 21202}));
}

void tst_messages::terminalSafe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Acme, Inc. $1,234.50 \u00e9"
                           << "Acme, Inc. $1,234.50 \u00e9";
    QTest::newRow("line end and tab kept") << "a\nb\tc"
                                           << "a\nb\tc";
    QTest::newRow("colour") << "\x1b[31mRed\x1b[0m"
                            << "\\x1b[31mRed\\x1b[0m";
    QTest::newRow("title and bell") << "\x1b]0;owned\x07"
                                    << "\\x1b]0;owned\\x07";
    QTest::newRow("carriage return") << "ok\rgone"
                                     << "ok\\x0dgone";
    QTest::newRow("delete and C1") << QString("a\x7f") + QChar(0x9b) + "b"
                                   << "a\\x7f\\x9bb";
}

void tst_messages::terminalSafe()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(TerminalSafe(text), shown);
}

QTEST_GUILESS_MAIN(tst_messages)
void tst_messages::captionsFitTheirMessages_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    const QString file = QStringLiteral("Client File");
    const QString error = QStringLiteral("Error Dialog");
    // A failed save or a damaged file is never titled "Help On This Item".
    QTest::newRow("save failed") << msg::ClientFileNotSaved << file;
    QTest::newRow("file damaged") << msg::ClientFileDamaged << file;
    QTest::newRow("file unreadable") << msg::ClientFileUnreadable << file;
    QTest::newRow("recent file gone") << msg::RecentFileGone << file;
    QTest::newRow("open elsewhere") << msg::ClientFileOpenElsewhere << file;
    QTest::newRow("not replaced, open elsewhere") << msg::ClientFileNotReplaced << file;
    QTest::newRow("unreadable dates") << msg::DatesUnreadable << error;
    QTest::newRow("word processor") << msg::WordProcessorNotStarted << error;
    QTest::newRow("nothing to print") << msg::NothingToPrint << error;
    const QString exchange = QStringLiteral("Import and Export");
    QTest::newRow("JSON rejected") << msg::ClientJsonRejected << exchange;
    QTest::newRow("CSV rejected") << msg::DirectoryCsvRejected << exchange;
    QTest::newRow("import unreadable") << msg::ExchangeFileUnreadable << exchange;
    QTest::newRow("export not written") << msg::ExchangeFileNotWritten << exchange;
    QTest::newRow("word document stopped") << msg::WordTimedOut << error;
    QTest::newRow("paper not shown") << msg::PaperNotShown << error;
}

void tst_messages::captionsFitTheirMessages()
{
    QFETCH(int, number);
    QFETCH(QString, caption);
    const ErrorMessage m = ComposeError(number, QStringLiteral("x"));
    QCOMPARE(m.caption, caption);
    QVERIFY2(!m.text.startsWith(QLatin1String("Unidentified")), qPrintable(m.text));
}

void tst_messages::messagesNameWhatTheyAreAbout_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("text");
    const QString field = QStringLiteral("page 0, \"Number of shares the corporation may issue\": \"abc\"");
    QTest::newRow("conversion on field exit")
        << field << msg::WholeNumberEntryUnreadable << QString() << LookUpMessage(2119) + field;
    QTest::newRow("file rejected, with the reason")
        << "/home/u/acme.cl1" << msg::ClientFileRejected << "not a client file"
        << LookUpMessage(3301) + "/home/u/acme.cl1: not a client file";
    QTest::newRow("a detail that names the subject already")
        << "/home/u/acme.cl1" << msg::ClientFileNotSaved << "/home/u/acme.cl1 (disk full)"
        << LookUpMessage(3806, "/home/u/acme.cl1 (disk full)");
    QTest::newRow("no subject: the catalogue text and the detail")
        << QString() << msg::ClientFileVersionUnknown << "version 7 is not one Brevane reads"
        << LookUpMessage(3302) + "version 7 is not one Brevane reads";
}

// A message raised deep inside a conversion or a reader still names the
// field or file it is about; the catalogue text stays as it is.
void tst_messages::messagesNameWhatTheyAreAbout()
{
    QFETCH(QString, subject);
    QFETCH(int, number);
    QFETCH(QString, detail);
    QFETCH(QString, text);
    MessageRecorder recorder;
    {
        std::optional<MessageAbout> about;
        if (!subject.isEmpty())
            about.emplace(subject);
        ShowError(number, detail);
    }
    ShowError(number);
    QCOMPARE(recorder.messages().size(), 2);
    QCOMPARE(recorder.messages().at(0).text, text);
    // Once it ends, messages are no longer about it.
    QCOMPARE(recorder.messages().at(1).text, LookUpMessage(number / 10));
}

#include "tst_messages.moc"
