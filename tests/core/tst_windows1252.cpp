// The Windows-1252 code page shared by the client file, the settings file and
// the page screen files: every byte reads as its own character and is written
// back unchanged; a character the code page lacks is written as "?", or
// refused where the text must be kept exactly.
#include "core/files/Windows1252.h"

#include <QtTest>

using namespace brevane;

namespace {

// The characters of bytes 0x80..0x9F as Windows-1252 defines them; the five
// bytes it leaves undefined read as the C1 controls of the same number.
constexpr char16_t Expected80To9F[32] = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

// The bytes Write1252 gives for the text.
QByteArray written(const QString &text)
{
    QByteArray bytes(text.size(), '\0');
    bytes.truncate(Write1252(bytes.data(), text) - bytes.constData());
    return bytes;
}

bool undefinedByte(int b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

} // namespace

class tst_windows1252 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyByteRoundTrips_data();
    void everyByteRoundTrips();
    void lackingCharacter_data();
    void lackingCharacter();
};

void tst_windows1252::everyByteRoundTrips_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("character");
    QTest::addColumn<int>("byteOfCharacter"); // what Windows1252Byte gives
    for (int b = 0; b < 256; ++b) {
        const int c = (b >= 0x80 && b < 0xA0) ? int(Expected80To9F[b - 0x80]) : b;
        const int byteOfCharacter = (b < 0x80 || undefinedByte(b)) ? 0 : b;
        QTest::addRow("0x%02X", b) << b << c << byteOfCharacter;
    }
}

void tst_windows1252::everyByteRoundTrips()
{
    QFETCH(int, byte);
    QFETCH(int, character);
    QFETCH(int, byteOfCharacter);
    const QByteArray bytes(1, char(byte));
    const QString text{QChar(char16_t(character))};

    QCOMPARE(Decode1252(bytes), text);
    QCOMPARE(Decode1252(QByteArray("a") + bytes + "b"), QStringLiteral("a") + text + QStringLiteral("b"));

    QCOMPARE(written(text), bytes);
    const std::optional<QByteArray> exact = Encode1252Exact(text);
    QVERIFY(exact);
    QCOMPARE(*exact, bytes);
    QCOMPARE(Windows1252Byte(char16_t(character)), byteOfCharacter);
}

void tst_windows1252::lackingCharacter_data()
{
    QTest::addColumn<QString>("character"); // one character, maybe two UTF-16 units
    QTest::newRow("CJK ideograph") << QStringLiteral("\u4e2d");
    QTest::newRow("Greek letter") << QStringLiteral("\u03a9");
    QTest::newRow("letter with a ring above a consonant") << QStringLiteral("\u016f");
    QTest::newRow("C1 control whose byte is the euro sign") << QStringLiteral("\u0080");
    QTest::newRow("C1 control whose byte is a quotation mark") << QStringLiteral("\u0093");
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F600");
    QTest::newRow("lone high surrogate") << QString(QChar(char16_t(0xD83D)));
    QTest::newRow("lone low surrogate") << QString(QChar(char16_t(0xDE00)));
}

void tst_windows1252::lackingCharacter()
{
    QFETCH(QString, character);
    const QString text = QStringLiteral("a") + character + QStringLiteral("\u00e9b");

    // Written as one "?"; the characters around it are kept.
    QCOMPARE(written(text), QByteArray("a?\xe9"
                                       "b"));
    // Refused where the text must come back as it was.
    QVERIFY(!Encode1252Exact(text));
    QVERIFY(!Encode1252Exact(character));
    QCOMPARE(Windows1252Byte(character.at(0).unicode()), 0);
}

QTEST_GUILESS_MAIN(tst_windows1252)
#include "tst_windows1252.moc"
