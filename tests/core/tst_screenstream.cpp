// Page screen files: every value type written and read back byte for byte,
// nested records, several images and the page's size, the typed views the page
// builder uses, and every way a damaged file is turned away with 11150.
#include "TestSupport.h"
#include "core/screens/ComponentReader.h"
#include "core/screens/ComponentWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace brevane;
using namespace brevane::test;

Q_DECLARE_METATYPE(brevane::StreamValue)
Q_DECLARE_METATYPE(brevane::ComponentRecord)

namespace {

// Byte-level building blocks for hand-made streams.
QByteArray ss(const QByteArray &text)
{
    return QByteArray(1, char(text.size())) + text;
}

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

// A record with the given properties (already encoded) and children.
QByteArray rec(const QByteArray &className, const QByteArray &name, const QByteArray &properties = {},
               const QByteArray &children = {})
{
    return ss(className) + ss(name) + properties + '\0' + children + '\0';
}

QByteArray image(const QByteArray &root)
{
    return "TPF0" + root;
}

// A page root holding the given child records.
QByteArray page(const QByteArray &children)
{
    return image(rec("TLayout", "Page", {}, children));
}

// One property P of a label on a page.
QByteArray labelWith(const QByteArray &encodedValue)
{
    return page(rec("TLabel", "Label1", ss("P") + encodedValue));
}

ComponentRecord control(const QString &className, const QString &name)
{
    ComponentRecord r;
    r.className = className;
    r.name = name;
    return r;
}

QString sampleText(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(u'a' + i % 26));
    return text;
}

} // namespace

class tst_screenstream : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pageNamedByTheRoots_data();
    void pageNamedByTheRoots();
    void valueTypes_data();
    void valueTypes();
    void framedImageDecodes();
    void nestedRecordsKeepOrder();
    void prefixFlagsRoundTrip_data();
    void prefixFlagsRoundTrip();
    void severalImagesShareOnePage();
    void extendedFloats_data();
    void extendedFloats();
    void accessorsAcceptOtherSpellings();
    void textFactoryPicksStringType();
    void repeatedRootAndEmptyNamesAreAccepted();
    void badStream_data();
    void badStream();
    void failureKeepsCompleteControls();
    void tooManyElements();
    void fileRoundTrip();
    void badFile_data();
    void badFile();
    void writerRefuses_data();
    void writerRefuses();
    void longClassNameAfterPrefix();
};

void tst_screenstream::initTestCase()
{
    UseUnitedStatesLocale();
}

void tst_screenstream::valueTypes_data()
{
    QTest::addColumn<StreamValue>("value");
    QTest::addColumn<QByteArray>("encoded");

    CollectionItem plain;
    plain.properties = {StreamProperty{QStringLiteral("Width"), StreamValue::Integer(5)}};
    CollectionItem ordered;
    ordered.order = 3;
    CollectionItem bigOrder;
    bigOrder.order = -70000;
    bigOrder.properties = {StreamProperty{QStringLiteral("A"), StreamValue::Of(ValueType::Nil)}};

    QTest::newRow("null") << StreamValue::Of(ValueType::Null) << hex("00");
    QTest::newRow("empty list") << StreamValue::ListOf({}) << hex("0100");
    QTest::newRow("list") << StreamValue::ListOf({StreamValue::Integer(1), StreamValue::Text(QStringLiteral("a"))})
                          << hex("0102010601"
                                 "61"
                                 "00");
    QTest::newRow("list in list") << StreamValue::ListOf({StreamValue::ListOf({StreamValue::Boolean(true)})})
                                  << hex("0101090000");
    QTest::newRow("int8 lowest") << StreamValue::Integer(-128) << hex("0280");
    QTest::newRow("int16") << StreamValue::Integer(-300) << hex("03d4fe");
    QTest::newRow("int32") << StreamValue::Integer(100000) << hex("04a0860100");
    QTest::newRow("int32 lowest") << StreamValue::Integer(std::numeric_limits<qint32>::min()) << hex("0400000080");
    QTest::newRow("int64") << StreamValue::Integer(qint64(1) << 40) << hex("130000000000010000");
    QTest::newRow("int64 written wide") << StreamValue::Typed(ValueType::Int64, 7) << hex("130700000000000000");
    QTest::newRow("extended 1") << StreamValue::Real(ValueType::Extended, 1.0) << hex("050000000000000080ff3f");
    QTest::newRow("extended -2.5") << StreamValue::Real(ValueType::Extended, -2.5) << hex("0500000000000000a000c0");
    QTest::newRow("short string 1252") << StreamValue::Text(QStringLiteral("Caf\u00e9 \u20ac"))
                                       << hex("0606"
                                              "436166e92080");
    QTest::newRow("empty short string") << StreamValue::Text(ValueType::String, QString()) << hex("0600");
    QTest::newRow("identifier") << StreamValue::Ident(QStringLiteral("clRed")) << (hex("07") + ss("clRed"));
    QTest::newRow("false") << StreamValue::Boolean(false) << hex("08");
    QTest::newRow("true") << StreamValue::Boolean(true) << hex("09");
    QTest::newRow("binary") << StreamValue::Binary(hex("00ff10")) << hex("0a0300000000ff10");
    QTest::newRow("empty binary") << StreamValue::Binary({}) << hex("0a00000000");
    QTest::newRow("set") << StreamValue::SetOf({QStringLiteral("akLeft"), QStringLiteral("akTop")})
                         << (hex("0b") + ss("akLeft") + ss("akTop") + '\0');
    QTest::newRow("empty set") << StreamValue::SetOf({}) << hex("0b00");
    QTest::newRow("long string") << StreamValue::Text(ValueType::LString, QStringLiteral("\u20ac 5"))
                                 << hex("0c03000000802035");
    QTest::newRow("long string of 300") << StreamValue::Text(ValueType::LString, sampleText(300))
                                        << (hex("0c2c010000") + sampleText(300).toLatin1());
    QTest::newRow("nil") << StreamValue::Of(ValueType::Nil) << hex("0d");
    QTest::newRow("collection") << StreamValue::CollectionOf({plain, ordered})
                                << (hex("0e01") + ss("Width") +
                                    hex("0205"
                                        "00"
                                        "0203"
                                        "0100"
                                        "00"));
    QTest::newRow("collection order int32")
        << StreamValue::CollectionOf({bigOrder}) << (hex("0e0490eefeff01") + ss("A") + hex("0d0000"));
    QTest::newRow("empty collection") << StreamValue::CollectionOf({}) << hex("0e00");
    QTest::newRow("single") << StreamValue::Number(2.5) << hex("0f00002040");
    QTest::newRow("single negative zero") << StreamValue::Real(ValueType::Single, -0.0) << hex("0f00000080");
    QTest::newRow("currency") << StreamValue::Typed(ValueType::Currency, 125000) << hex("1048e8010000000000");
    QTest::newRow("date") << StreamValue::Real(ValueType::Date, 2.0) << hex("110000000000000040");
    QTest::newRow("wide string") << StreamValue::Text(ValueType::WString, QStringLiteral("\u03a9x"))
                                 << hex("1202000000a9037800");
    QTest::newRow("wide string surrogates")
        << StreamValue::Text(ValueType::WString, QString::fromUtf8("\xf0\x9f\x98\x80")) << hex("12020000003dd800de");
    QTest::newRow("utf8 string") << StreamValue::Text(QStringLiteral("\u03a9")) << hex("1402000000cea9");
    QTest::newRow("utf8 for a long text")
        << StreamValue::Text(sampleText(256)) << (hex("1400010000") + sampleText(256).toLatin1());
    QTest::newRow("double") << StreamValue::Number(0.1) << hex("159a9999999999b93f");
    QTest::newRow("double infinity") << StreamValue::Number(std::numeric_limits<double>::infinity())
                                     << hex("15000000000000f07f");
}

// Each value is written in the exact layout of the format and read back to
// the same tree; written again, the bytes are the same.
void tst_screenstream::valueTypes()
{
    QFETCH(StreamValue, value);
    QFETCH(QByteArray, encoded);
    ComponentRecord root = control(QStringLiteral("TLabel"), QStringLiteral("L"));
    root.Set(QStringLiteral("P"), value);
    const QByteArray bytes = WriteComponentStream(root);
    QCOMPARE(bytes.toHex(), (image(rec("TLabel", "L", ss("P") + encoded))).toHex());

    MessageRecorder recorder;
    ComponentStream back;
    StreamError error;
    QVERIFY(ReadComponentStream(bytes, QStringLiteral("p.psf"), back, &error));
    QCOMPARE(error.kind, StreamError::None);
    QVERIFY(recorder.numbers().isEmpty());
    QCOMPARE(back.images.size(), 1);
    QVERIFY(back.images[0] == root);
    QCOMPARE(WriteComponentStream(back), bytes);
}

// A page laid out byte by byte as the framework stores one: the typed views
// give what the page builder needs.
void tst_screenstream::framedImageDecodes()
{
    const QByteArray editButton = "\xf2\x02\x01" + rec("TEditButton", "HelpButton1");
    const QByteArray callout = rec("TCalloutPanel", "Callout1", ss("Visible") + hex("08"));
    const QByteArray edit =
        rec("TEdit", "EditHelp1",
            ss("Position.X") + hex("0f00002041") +             // 10.0 single
                ss("Position.Y") + hex("1500000000000034c0") + // -20.0 double
                ss("Size.Width") + hex("032c01") +             // 300 int16
                ss("Size.Height") + hex("0216") +              // 22 int8
                ss("Tag") + hex("03d507") +                    // 2005
                ss("StyleLookup") + hex("06") + ss("EditOverrideable") + ss("ReadOnly") + hex("09") +
                ss("TextSettings.Font.Size") + hex("0500000000000000e00240") + // 14 extended
                ss("Text") + hex("0603616263"),
            editButton + callout);
    const QByteArray memo = rec("TMemo", "Memo1",
                                ss("Lines.Strings") + hex("01") + hex("06036f6e65") + hex("1203000000740077006f00") +
                                    hex("00") + ss("Tag") + hex("0204"));
    const QByteArray bytes = image(rec(
        "TLayout", "Page", ss("Size.Width") + hex("0f00004844") + ss("Size.Height") + hex("04b0040000"), edit + memo));

    MessageRecorder recorder;
    ComponentStream stream;
    QVERIFY(ReadComponentStream(bytes, QStringLiteral("page0.psf"), stream));
    QVERIFY(recorder.numbers().isEmpty());
    QCOMPARE(stream.images.size(), 1);
    QCOMPARE(stream.RootSize(), QSizeF(800, 1200));
    const ComponentRecord &root = stream.images[0];
    QCOMPARE(root.children.size(), 2);

    const ComponentRecord &e = root.children[0];
    QCOMPARE(e.className, QStringLiteral("TEdit"));
    QCOMPARE(e.name, QStringLiteral("EditHelp1"));
    QCOMPARE(e.Tag(), 2005);
    QCOMPARE(e.Left(), 10.0);
    QCOMPARE(e.Top(), -20.0);
    QCOMPARE(e.Width(), 300.0);
    QCOMPARE(e.Height(), 22.0);
    QCOMPARE(e.StyleLookup(), QStringLiteral("EditOverrideable"));
    QVERIFY(e.ReadOnly());
    QVERIFY(e.Visible());
    QCOMPARE(e.FontSize(), std::optional<double>(14.0));
    QCOMPARE(e.Text(), QStringLiteral("abc"));
    QCOMPARE(e.children.size(), 2);
    QCOMPARE(e.children[0].className, QStringLiteral("TEditButton"));
    QCOMPARE(e.children[0].prefix, std::optional<quint8>(RecordChildPosition));
    QCOMPARE(e.children[0].childPosition, 1);
    QCOMPARE(e.children[1].className, QStringLiteral("TCalloutPanel"));
    QVERIFY(!e.children[1].Visible());

    const ComponentRecord &m = root.children[1];
    QCOMPARE(m.Text(), QStringLiteral("one\ntwo"));
    QCOMPARE(m.Tag(), 4);
    QVERIFY(!m.ReadOnly());
    QCOMPARE(m.FontSize(), std::nullopt);

    QCOMPARE(WriteComponentStream(stream), bytes);
}

void tst_screenstream::nestedRecordsKeepOrder()
{
    ComponentRecord root = control(QStringLiteral("TLayout"), QStringLiteral("Page"));
    ComponentRecord group = control(QStringLiteral("TGroupBox"), QStringLiteral("Group1"));
    ComponentRecord panel = control(QStringLiteral("TPanel"), QStringLiteral("Panel1"));
    for (int i = 0; i < 3; ++i) {
        ComponentRecord edit = control(QStringLiteral("TEdit"), QStringLiteral("Edit%1").arg(i));
        edit.Set(QStringLiteral("Tag"), StreamValue::Integer(1000 + i));
        panel.children.append(edit);
    }
    panel.children.insert(1, control(QStringLiteral("TLabel"), QString()));
    group.children = {control(QStringLiteral("TLabel"), QString()), panel};
    root.children = {group, control(QStringLiteral("TButton"), QStringLiteral("Button1"))};

    const QByteArray bytes = WriteComponentStream(root);
    ComponentStream back;
    QVERIFY(ReadComponentStream(bytes, QStringLiteral("x.psf"), back));
    QVERIFY(back.images[0] == root);
    const ComponentRecord &p = back.images[0].children[0].children[1];
    QCOMPARE(p.name, QStringLiteral("Panel1"));
    QStringList order;
    for (const ComponentRecord &c : p.children)
        order << c.name + QLatin1Char('/') + QString::number(c.Tag());
    QCOMPARE(order, (QStringList{"Edit0/1000", "/0", "Edit1/1001", "Edit2/1002"}));
    QCOMPARE(back.images[0].children[1].className, QStringLiteral("TButton"));
}

void tst_screenstream::prefixFlagsRoundTrip_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("no flags") << 0 << 0 << hex("f0");
    QTest::newRow("inherited") << 1 << 0 << hex("f1");
    QTest::newRow("child position int8") << 2 << 5 << hex("f20205");
    QTest::newRow("child position int16") << 2 << 1000 << hex("f203e803");
    QTest::newRow("child position int32") << 2 << -100000 << hex("f2046079feff");
    QTest::newRow("inline with position") << 7 << 2 << hex("f70202");
}

void tst_screenstream::prefixFlagsRoundTrip()
{
    QFETCH(int, flags);
    QFETCH(int, position);
    QFETCH(QByteArray, encoded);
    ComponentRecord root = control(QStringLiteral("TLayout"), QStringLiteral("Page"));
    ComponentRecord child = control(QStringLiteral("TEdit"), QStringLiteral("Edit1"));
    child.prefix = quint8(flags);
    child.childPosition = position;
    root.children = {child};
    const QByteArray bytes = WriteComponentStream(root);
    QCOMPARE(bytes, page(encoded + rec("TEdit", "Edit1")));
    ComponentStream back;
    QVERIFY(ReadComponentStream(bytes, QStringLiteral("x.psf"), back));
    QVERIFY(back.images[0] == root);
}

// Two images fill one page; the second root's size wins, a root property
// only the first sets is kept, and names are checked across both images.
void tst_screenstream::severalImagesShareOnePage()
{
    ComponentRecord first = control(QStringLiteral("TLayout"), QStringLiteral("pnlMainForm"));
    first.Set(QStringLiteral("Size.Width"), StreamValue::Number(640))
        .Set(QStringLiteral("Size.Height"), StreamValue::Number(480))
        .Set(QStringLiteral("Opacity"), StreamValue::Number(0.5));
    first.children = {control(QStringLiteral("TLabel"), QStringLiteral("Label1"))};
    ComponentRecord second = control(QStringLiteral("TLayout"), QStringLiteral("pnlMainForm"));
    second.Set(QStringLiteral("Size.Height"), StreamValue::Integer(2000));
    second.children = {control(QStringLiteral("TEdit"), QStringLiteral("Edit1")),
                       control(QStringLiteral("TCheckBox"), QStringLiteral("CheckBox1"))};
    ComponentRecord third = control(QStringLiteral("TLayout"), QString());
    third.Set(QStringLiteral("Size.Width"), StreamValue::Real(ValueType::Extended, 900));

    const QByteArray bytes = WriteComponentStream(QList<ComponentRecord>{first, second, third});
    QCOMPARE(bytes.count("TPF0"), 3);
    MessageRecorder recorder;
    ComponentStream back;
    QVERIFY(ReadComponentStream(bytes, QStringLiteral("page5.psf"), back));
    QVERIFY(recorder.numbers().isEmpty());
    QCOMPARE(back.images.size(), 3);
    QVERIFY(back.images[0] == first);
    QVERIFY(back.images[1] == second);
    QVERIFY(back.images[2] == third);
    QCOMPARE(back.RootSize(), QSizeF(900, 2000));
    QCOMPARE(back.RootProperty(u"opacity")->ToNumber(), std::optional<double>(0.5));
    const QList<StreamProperty> merged = back.RootProperties();
    QCOMPARE(merged.size(), 3);
    QCOMPARE(merged[0].path, QStringLiteral("Size.Width"));
    QCOMPARE(merged[0].value.ToNumber(), std::optional<double>(900));
    QCOMPARE(merged[1].value.ToNumber(), std::optional<double>(2000));

    ComponentStream noSize;
    QVERIFY(ReadComponentStream(WriteComponentStream(control(QStringLiteral("TLayout"), {})), {}, noSize));
    QCOMPARE(noSize.RootSize(), QSizeF(-1, -1));
}

void tst_screenstream::extendedFloats_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<double>("value");
    QTest::newRow("zero") << hex("00000000000000000000") << 0.0;
    QTest::newRow("one") << hex("0000000000000080ff3f") << 1.0;
    QTest::newRow("pi") << hex("35c26821a2da0fc90040") << 3.14159265358979323846;
    QTest::newRow("tenth") << hex("cdcccccccccccccc fb3f") << 0.1;
    QTest::newRow("money") << hex("000000000000489a0940") << 1234.25;
    QTest::newRow("huge becomes infinity") << hex("0000000000000080fe7f") << std::numeric_limits<double>::infinity();
    QTest::newRow("tiny becomes zero") << hex("00000000000000800100") << 0.0;
    QTest::newRow("minus infinity") << hex("0000000000000080ffff") << -std::numeric_limits<double>::infinity();
}

void tst_screenstream::extendedFloats()
{
    QFETCH(QByteArray, raw);
    QFETCH(double, value);
    ComponentStream stream;
    QVERIFY(ReadComponentStream(labelWith("\x05" + raw), {}, stream));
    const StreamValue *v = stream.images[0].children[0].Property(u"P");
    QVERIFY(v);
    QCOMPARE(v->ToNumber(), std::optional<double>(value));
    QCOMPARE(v->bytes, raw);
    if (std::isfinite(value) && (value == 0 || std::fabs(value) > 1e-300))
        QCOMPARE(StreamValue::Real(ValueType::Extended, value).ToNumber(), std::optional<double>(value));
}

// Older layouts spell the geometry Left/Top/Width/Height and the text
// Caption; property names are compared without regard to case, and a later
// entry of the same property overrides an earlier one.
void tst_screenstream::accessorsAcceptOtherSpellings()
{
    ComponentRecord r = control(QStringLiteral("TLabel"), QStringLiteral("Label1"));
    r.properties = {
        {QStringLiteral("Left"), StreamValue::Integer(4)},
        {QStringLiteral("Top"), StreamValue::Typed(ValueType::Currency, 55000)},
        {QStringLiteral("Width"), StreamValue::Real(ValueType::Double, 100.5)},
        {QStringLiteral("HEIGHT"), StreamValue::Integer(17)},
        {QStringLiteral("Caption"), StreamValue::Text(ValueType::WString, QStringLiteral("Name:"))},
        {QStringLiteral("font.size"), StreamValue::Integer(11)},
        {QStringLiteral("tag"), StreamValue::Integer(3)},
        {QStringLiteral("Tag"), StreamValue::Integer(12)},
        {QStringLiteral("stylelookup"), StreamValue::Ident(QStringLiteral("LabelStyle1"))},
        {QStringLiteral("Visible"), StreamValue::Integer(0)}, // not a boolean: ignored
    };
    QCOMPARE(r.Left(), 4.0);
    QCOMPARE(r.Top(), 5.5);
    QCOMPARE(r.Width(), 100.5);
    QCOMPARE(r.Height(), 17.0);
    QCOMPARE(r.Text(), QStringLiteral("Name:"));
    QCOMPARE(r.FontSize(), std::optional<double>(11));
    QCOMPARE(r.Tag(), 12);
    QCOMPARE(r.StyleLookup(), QStringLiteral("LabelStyle1"));
    QVERIFY(r.Visible());
    // The newer spelling wins when it comes later.
    r.properties.append({QStringLiteral("Position.X"), StreamValue::Number(8)});
    r.properties.append({QStringLiteral("TextSettings.Font.Size"), StreamValue::Number(9)});
    QCOMPARE(r.Left(), 8.0);
    QCOMPARE(r.FontSize(), std::optional<double>(9));
    // Set replaces in place.
    r.Set(QStringLiteral("TAG"), StreamValue::Integer(1000));
    QCOMPARE(r.Tag(), 1000);
    QCOMPARE(r.properties.size(), 12);
}

void tst_screenstream::textFactoryPicksStringType()
{
    QCOMPARE(StreamValue::Text(sampleText(255)).type, ValueType::String);
    QCOMPARE(StreamValue::Text(sampleText(256)).type, ValueType::Utf8String);
    QCOMPARE(StreamValue::Text(QStringLiteral("Jos\u00e9 \u2013 \u201cAcme\u201d")).type, ValueType::String);
    QCOMPARE(StreamValue::Text(QStringLiteral("\u4e2d")).type, ValueType::Utf8String);
    QCOMPARE(StreamValue::Number(0.1).type, ValueType::Double);
    QCOMPARE(StreamValue::Number(16).type, ValueType::Single);
}

void tst_screenstream::repeatedRootAndEmptyNamesAreAccepted()
{
    const QByteArray first = image(rec("TLayout", "pnlMainForm", {}, rec("TLabel", "") + rec("TLabel", "")));
    const QByteArray second = image(rec("TLayout", "pnlMainForm", {}, rec("TLabel", "") + rec("TEdit", "Edit1")));
    MessageRecorder recorder;
    ComponentStream stream;
    QVERIFY(ReadComponentStream(first + second, QStringLiteral("p.psf"), stream));
    QVERIFY(recorder.numbers().isEmpty());
    QCOMPARE(stream.images.size(), 2);
    QCOMPARE(stream.images[0].children.size() + stream.images[1].children.size(), 4);
}

void tst_screenstream::badStream_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");

    const QByteArray good = page(rec("TEdit", "Edit1", ss("Tag") + hex("02") + "\x05"));
    QByteArray deepLists = ss("P");
    for (int i = 0; i < 100; ++i)
        deepLists += '\x01';
    deepLists += QByteArray(100, '\0');
    QByteArray deepRecords;
    for (int i = 0; i < 100; ++i)
        deepRecords = rec("TLayout", "L" + QByteArray::number(i), {}, deepRecords);
    QByteArray deepCollections = ss("P");
    for (int i = 0; i < 40; ++i)
        deepCollections += hex("0e01") + ss("P");
    deepCollections += hex("0d") + QByteArray(40 * 3, '\0');

    QTest::newRow("empty file") << QByteArray() << int(StreamError::Empty);
    QTest::newRow("bad signature") << ("TPF1" + good.mid(4)) << int(StreamError::BadSignature);
    QTest::newRow("text file") << QByteArray("Hello, world\n") << int(StreamError::BadSignature);
    QTest::newRow("cut in the signature") << QByteArray("TP") << int(StreamError::Truncated);
    QTest::newRow("garbage after the image") << (good + "junk!") << int(StreamError::BadSignature);
    QTest::newRow("one stray byte after the image") << (good + '\0') << int(StreamError::BadSignature);
    QTest::newRow("value type 22") << labelWith(hex("16")) << int(StreamError::UnknownValueType);
    QTest::newRow("value type 255 in a list") << labelWith(hex("0102"
                                                               "01"
                                                               "ff00"))
                                              << int(StreamError::UnknownValueType);
    QTest::newRow("collection item of unknown type") << labelWith(hex("0e"
                                                                      "2a"))
                                                     << int(StreamError::UnknownValueType);
    QTest::newRow("cut in the class name") << QByteArray("TPF0\x06TPa") << int(StreamError::Truncated);
    QTest::newRow("cut before the component name") << image(ss("TPanel")) << int(StreamError::Truncated);
    QTest::newRow("cut in a value") << good.left(good.size() - 3) << int(StreamError::Truncated);
    QTest::newRow("no end of children") << good.left(good.size() - 1) << int(StreamError::Truncated);
    QTest::newRow("no end of properties") << image(ss("TPanel") + ss("P")) << int(StreamError::Truncated);
    QTest::newRow("cut int32") << labelWith(hex("040102")) << int(StreamError::Truncated);
    QTest::newRow("cut extended") << labelWith(hex("05") + QByteArray(9, '\x01')) << int(StreamError::Truncated);
    QTest::newRow("list without end") << image(ss("TPanel") + ss("") + ss("P") + hex("010201"))
                                      << int(StreamError::Truncated);
    QTest::newRow("set without end") << image(ss("TPanel") + ss("") + ss("P") + hex("0b") + ss("akLeft"))
                                     << int(StreamError::Truncated);
    QTest::newRow("utf8 length past the end") << labelWith(hex("14"
                                                               "10000000"
                                                               "6162"))
                                              << int(StreamError::Truncated);
    QTest::newRow("binary length past the end") << labelWith(hex("0a"
                                                                 "00010000"
                                                                 "00"))
                                                << int(StreamError::Truncated);
    QTest::newRow("negative long string length") << labelWith(hex("0c"
                                                                  "ffffffff"))
                                                 << int(StreamError::BadLength);
    QTest::newRow("huge binary length") << labelWith(hex("0a"
                                                         "ffffff7f"))
                                        << int(StreamError::BadLength);
    QTest::newRow("huge wide string length") << labelWith(hex("12"
                                                              "00000040"))
                                             << int(StreamError::BadLength);
    QTest::newRow("negative utf8 length") << labelWith(hex("14"
                                                           "00000080"))
                                          << int(StreamError::BadLength);
    QTest::newRow("sibling names twice") << page(rec("TEdit", "Edit1") + rec("TMemo", "Edit1"))
                                         << int(StreamError::DuplicateName);
    QTest::newRow("names differing in case")
        << page(rec("TEdit", "Edit1") + rec("TEdit", "EDIT1")) << int(StreamError::DuplicateName);
    QTest::newRow("child named as its parent")
        << page(rec("TPanel", "Box", {}, rec("TLabel", "box"))) << int(StreamError::DuplicateName);
    QTest::newRow("names twice in nested containers")
        << page(rec("TPanel", "A", {}, rec("TLabel", "Same")) + rec("TPanel", "B", {}, rec("TLabel", "Same")))
        << int(StreamError::DuplicateName);
    QTest::newRow("names twice across images")
        << (page(rec("TEdit", "Edit1")) + page(rec("TEdit", "Edit1"))) << int(StreamError::DuplicateName);
    QTest::newRow("root without class name") << QByteArray("TPF0\0\0\0\0", 8) << int(StreamError::Malformed);
    QTest::newRow("prefix then no class name")
        << page(hex("f0") + QByteArray("\0\0\0\0", 4)) << int(StreamError::Malformed);
    QTest::newRow("child position not an integer")
        << page(hex("f2") + ss("x") + rec("TEdit", "E")) << int(StreamError::Malformed);
    QTest::newRow("child position of 64 bits")
        << page(hex("f2130100000000000000") + rec("TEdit", "E")) << int(StreamError::Malformed);
    QTest::newRow("collection item without list") << labelWith(hex("0e"
                                                                   "0601"
                                                                   "61"))
                                                  << int(StreamError::Malformed);
    QTest::newRow("lists nested 100 deep")
        << image(ss("TPanel") + ss("") + deepLists + '\0' + '\0') << int(StreamError::TooDeep);
    QTest::newRow("records nested 100 deep") << page(deepRecords) << int(StreamError::TooDeep);
    QTest::newRow("collections nested 40 deep")
        << image(ss("TPanel") + ss("") + deepCollections + '\0' + '\0') << int(StreamError::TooDeep);
}

// Every damaged stream: 11150 with the file's path, once, and a failure.
void tst_screenstream::badStream()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    const QString path = QStringLiteral("/opt/brevane/PSF/page23.psf");
    MessageRecorder recorder;
    ComponentStream stream;
    StreamError error;
    QVERIFY(!ReadComponentStream(bytes, path, stream, &error));
    QCOMPARE(int(error.kind), kind);
    QVERIFY(error.offset >= 0 && error.offset <= bytes.size());
    QCOMPARE(recorder.numbers(), QList<int>{11150});
    QCOMPARE(recorder.messages()[0].detail, path);
    QVERIFY(recorder.messages()[0].text.endsWith(path));
}

// The controls read completely before the fault stay; the one being read when
// it came does not.
void tst_screenstream::failureKeepsCompleteControls()
{
    const QByteArray first = page(rec("TLabel", "Label0"));
    const QByteArray second = image(
        rec("TLayout", "Page", ss("Size.Height") + hex("0264"),
            rec("TEdit", "Edit1", ss("Tag") + hex("0201")) +
                rec("TPanel", "Panel1", {}, rec("TLabel", "Label2") + rec("TLabel", "Label3", ss("P") + hex("17")))));
    MessageRecorder recorder;
    ComponentStream stream;
    QVERIFY(!ReadComponentStream(first + second, QStringLiteral("p.psf"), stream));
    QCOMPARE(recorder.numbers(), QList<int>{11150});
    QCOMPARE(stream.images.size(), 2);
    QCOMPARE(stream.images[0].children.size(), 1);
    QCOMPARE(stream.RootSize().height(), 100.0);
    QCOMPARE(stream.images[1].children.size(), 1);
    QCOMPARE(stream.images[1].children[0].name, QStringLiteral("Edit1"));
    QCOMPARE(stream.images[1].children[0].Tag(), 1);
}

// A file of tiny values cannot make the reader build a tree without limit.
void tst_screenstream::tooManyElements()
{
    QByteArray many = ss("P") + '\x01' + QByteArray(MaxStreamElements, '\x09') + '\0';
    MessageRecorder recorder;
    ComponentStream stream;
    StreamError error;
    QVERIFY(!ReadComponentStream(image(ss("TPanel") + ss("") + many + '\0' + '\0'), QStringLiteral("big.psf"), stream,
                                 &error));
    QCOMPARE(error.kind, StreamError::TooLarge);
    QCOMPARE(recorder.numbers(), QList<int>{11150});
    QCOMPARE(recorder.messages()[0].detail, QStringLiteral("big.psf"));

    // The writer refuses the same tree rather than write what cannot be read.
    ComponentRecord root = control(QStringLiteral("TPanel"), {});
    root.Set(QStringLiteral("P"),
             StreamValue::ListOf(QList<StreamValue>(MaxStreamElements, StreamValue::Boolean(true))));
    QVERIFY(WriteComponentStream(root).isEmpty());
}

void tst_screenstream::fileRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("page23.psf"));
    ComponentRecord root = control(QStringLiteral("TLayout"), QStringLiteral("Page"));
    root.Set(QStringLiteral("Size.Width"), StreamValue::Number(700));
    ComponentRecord label = control(QStringLiteral("TLabel"), QStringLiteral("Label1"));
    label.Set(QStringLiteral("Text"), StreamValue::Text(QStringLiteral("Corporation name")));
    root.children = {label};
    QString why;
    QVERIFY2(SaveComponentStream(path, {root}, &why), qPrintable(why));
    MessageRecorder recorder;
    ComponentStream back;
    QVERIFY(LoadComponentStream(path, back));
    QVERIFY(recorder.numbers().isEmpty());
    QCOMPARE(back.images, QList<ComponentRecord>{root});
    QCOMPARE(back.images[0].children[0].Text(), QStringLiteral("Corporation name"));

    // A tree that cannot be written leaves the file as it was.
    QVERIFY(!SaveComponentStream(path, {control(QString(), QString())}, &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(LoadComponentStream(path, back));
    QCOMPARE(back.images, QList<ComponentRecord>{root});
}

void tst_screenstream::badFile_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("kind");
    QTest::newRow("missing file") << "missing" << int(StreamError::Unreadable);
    QTest::newRow("folder in place of the file") << "folder" << int(StreamError::Unreadable);
    QTest::newRow("file beyond the size cap") << "oversize" << int(StreamError::TooLarge);
    QTest::newRow("damaged file") << "damaged" << int(StreamError::Truncated);
}

void tst_screenstream::badFile()
{
    QFETCH(QString, setup);
    QFETCH(int, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("page7.psf"));
    if (setup == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("page7.psf")));
    } else if (setup != QLatin1String("missing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (setup == QLatin1String("oversize"))
            QVERIFY(file.resize(MaxStreamFileSize + 1));
        else
            file.write(page(rec("TEdit", "Edit1")).chopped(1));
    }
    MessageRecorder recorder;
    ComponentStream stream;
    StreamError error;
    QVERIFY(!LoadComponentStream(path, stream, &error));
    QCOMPARE(int(error.kind), kind);
    QCOMPARE(recorder.numbers(), QList<int>{11150});
    QCOMPARE(recorder.messages()[0].detail, path);
}

void tst_screenstream::writerRefuses_data()
{
    QTest::addColumn<ComponentRecord>("root");
    const ComponentRecord base = control(QStringLiteral("TLayout"), QStringLiteral("Page"));
    auto with = [&](const QString &path, const StreamValue &value) {
        ComponentRecord r = base;
        r.properties.append({path, value});
        return r;
    };
    ComponentRecord deep = base;
    for (int i = 0; i <= MaxStreamDepth; ++i) {
        ComponentRecord outer = base;
        outer.name.clear();
        outer.children = {deep};
        deep = outer;
    }
    ComponentRecord longClass = base;
    longClass.className = sampleText(240);
    ComponentRecord badPrefix = base;
    badPrefix.prefix = 0x10;

    QTest::newRow("empty class name") << control(QString(), QStringLiteral("X"));
    QTest::newRow("class name that reads as a prefix") << longClass;
    QTest::newRow("name of 256 bytes") << control(QStringLiteral("TEdit"), sampleText(256));
    QTest::newRow("name outside the code page") << control(QStringLiteral("TEdit"), QStringLiteral("\u03a9"));
    QTest::newRow("prefix flags above 15") << badPrefix;
    QTest::newRow("empty property path") << with(QString(), StreamValue::Integer(1));
    QTest::newRow("int8 out of range") << with(QStringLiteral("P"), StreamValue::Typed(ValueType::Int8, 200));
    QTest::newRow("int16 out of range") << with(QStringLiteral("P"), StreamValue::Typed(ValueType::Int16, 40000));
    QTest::newRow("null inside a list") << with(QStringLiteral("P"),
                                                StreamValue::ListOf({StreamValue::Of(ValueType::Null)}));
    QTest::newRow("empty set name") << with(QStringLiteral("P"), StreamValue::SetOf({QString()}));
    QTest::newRow("short string outside the code page")
        << with(QStringLiteral("P"), StreamValue::Text(ValueType::String, QStringLiteral("\u4e2d")));
    QTest::newRow("extended of nine bytes") << with(QStringLiteral("P"), [] {
        StreamValue v = StreamValue::Of(ValueType::Extended);
        v.bytes = QByteArray(9, '\0');
        return v;
    }());
    QTest::newRow("records nested too deep") << deep;
}

void tst_screenstream::writerRefuses()
{
    QFETCH(ComponentRecord, root);
    QVERIFY(WriteComponentStream(root).isEmpty());
}

// After a prefix byte the class name may be as long as any short string.
void tst_screenstream::longClassNameAfterPrefix()
{
    ComponentRecord root = control(sampleText(255), QStringLiteral("Page"));
    root.prefix = 0;
    const QByteArray bytes = WriteComponentStream(root);
    QVERIFY(bytes.startsWith("TPF0\xf0\xff"));
    ComponentStream back;
    QVERIFY(ReadComponentStream(bytes, {}, back));
    QVERIFY(back.images[0] == root);
}

void tst_screenstream::pageNamedByTheRoots_data()
{
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<int>("other"); // for page 5
    QTest::newRow("its own page") << QStringList{"Page5"} << -1;
    QTest::newRow("another page") << QStringList{"Page7"} << 7;
    QTest::newRow("a later image of another page") << QStringList{"Page5", "Page12"} << 12;
    QTest::newRow("no page named") << QStringList{"Page", "Panel1", ""} << -1;
    QTest::newRow("not a number") << QStringList{"Page5a", "Page-3", "Page+7", "Page 7"} << -1;
}

// The generated screens name their page in their root ("Page23"): a file
// naming another page is not this page's screen.
void tst_screenstream::pageNamedByTheRoots()
{
    QFETCH(QStringList, roots);
    QFETCH(int, other);
    ComponentStream stream;
    for (const QString &name : roots) {
        ComponentRecord root;
        root.className = QStringLiteral("TLayout");
        root.name = name;
        stream.images.append(root);
    }
    QCOMPARE(stream.OtherPageNamed(5), other);
}

QTEST_GUILESS_MAIN(tst_screenstream)
#include "tst_screenstream.moc"
