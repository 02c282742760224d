#pragma once
// Page screen files: the binary component stream that describes the controls
// of a page, and the neutral tree of component records it is read into
// (ComponentReader.h) and written from (ComponentWriter.h).
//
// A file holds one or more component images, one directly after the other:
//
//   image     = "TPF0" record
//   record    = [prefix] class-name component-name {property} 0x00 {record} 0x00
//   prefix    = one byte 0xF0 | flags (1 inherited, 2 child position, 4 inline);
//               with flag 2 an integer value (the child position) follows
//   property  = path value          path: short string, dotted ("Size.Width")
//   value     = type byte, then its data (numbers little-endian), see ValueType
//   short string = one length byte, then 8-bit characters (Windows-1252)
//
// The root record of each image stands for the page panel: its class and
// component names are not used, its properties (in practice the page's size)
// apply to the panel, and a later root's properties override an earlier
// one's. Component names below the roots are unique within the page (case
// ignored) or empty.

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

namespace brevane {

// The type byte of a typed value.
enum class ValueType : quint8 {
    Null = 0,        // ends a list; as a property value, no value
    List = 1,        // typed values up to a Null
    Int8 = 2,        //
    Int16 = 3,       //
    Int32 = 4,       //
    Extended = 5,    // 80-bit float
    String = 6,      // short string
    Ident = 7,       // identifier: enumeration, colour or component name
    False = 8,       //
    True = 9,        //
    Binary = 10,     // 4-byte length, then the bytes
    Set = 11,        // identifiers up to an empty one
    LString = 12,    // 4-byte length, then 8-bit characters
    Nil = 13,        //
    Collection = 14, // items up to a 0 byte
    Single = 15,     // 32-bit float
    Currency = 16,   // 64-bit integer scaled by 10000
    Date = 17,       // 64-bit float
    WString = 18,    // 4-byte length in characters, then UTF-16LE
    Int64 = 19,      //
    Utf8String = 20, // 4-byte length in bytes, then UTF-8
    Double = 21,     // 64-bit float
};
constexpr int LastValueType = 21;

// Whether an integer type (Int8, Int16, Int32, Int64 or Currency) holds the value.
bool IntegerTypeHolds(ValueType type, qint64 value);
// The smallest of Int8, Int16, Int32 and Int64 that holds the value.
ValueType SmallestIntegerType(qint64 value);

struct StreamProperty;
struct CollectionItem;

// One typed value. Which members hold it depends on the type.
struct StreamValue
{
    ValueType type = ValueType::Null;
    qint64 integer = 0;               // Int8 .. Int64; Currency in ten-thousandths
    double real = 0;                  // Single, Double, Date
    QString text;                     // String, Ident, LString, WString, Utf8String
    QByteArray bytes;                 // Binary; Extended: its ten bytes as stored
    QStringList names;                // Set
    QList<StreamValue> items;         // List
    QList<CollectionItem> collection; // Collection

    // Values ready to write. Integer picks the smallest integer type that
    // holds the value; Number writes a Single when the value is exact as
    // one, else a Double; Text a short string when it fits (Windows-1252, at
    // most 255 bytes), else a UTF-8 string.
    static StreamValue Integer(qint64 value);
    static StreamValue Typed(ValueType type, qint64 value); // Int8 .. Int64, Currency (raw)
    static StreamValue Number(double value);
    static StreamValue Real(ValueType type, double value); // Single, Double, Date, Extended
    static StreamValue Text(const QString &value);
    static StreamValue Text(ValueType type, const QString &value); // any string type or Ident
    static StreamValue Ident(const QString &value) { return Text(ValueType::Ident, value); }
    static StreamValue Boolean(bool value);
    static StreamValue Binary(const QByteArray &value);
    static StreamValue SetOf(const QStringList &value);
    static StreamValue ListOf(const QList<StreamValue> &value);
    static StreamValue CollectionOf(const QList<CollectionItem> &value);
    static StreamValue Of(ValueType type); // Null, Nil, False, True

    bool IsInteger() const;
    bool IsNumber() const; // integer, float or currency
    bool IsText() const;   // a string type or Ident
    // The value as a number (Currency divided by 10000); nullopt for types
    // that are not numbers.
    std::optional<double> ToNumber() const;
    std::optional<bool> ToBool() const;

    friend bool operator==(const StreamValue &a, const StreamValue &b);
};

struct StreamProperty
{
    QString path; // "Size.Width", "TextSettings.Font.Size"
    StreamValue value;
    friend bool operator==(const StreamProperty &a, const StreamProperty &b)
    {
        return a.path == b.path && a.value == b.value;
    }
};

struct CollectionItem
{
    std::optional<qint32> order; // the item's optional integer
    QList<StreamProperty> properties;
    friend bool operator==(const CollectionItem &a, const CollectionItem &b)
    {
        return a.order == b.order && a.properties == b.properties;
    }
};

// Prefix flags of a record.
enum RecordFlag : quint8 { RecordInherited = 1, RecordChildPosition = 2, RecordInline = 4 };

struct ComponentRecord
{
    QString className;                // "TEdit"
    QString name;                     // component name; may be empty
    std::optional<quint8> prefix;     // the prefix's flags (0..15) when the record has one
    qint32 childPosition = 0;         // written only with RecordChildPosition
    QList<StreamProperty> properties; // in file order
    QList<ComponentRecord> children;  // in file order

    // The value of a property (path compared without regard to case; the
    // last entry wins, as each entry overrides the one before); nullptr when
    // absent.
    const StreamValue *Property(QStringView path) const;
    // Sets a property: replaces the entry that Property finds, else appends one.
    ComponentRecord &Set(const QString &path, const StreamValue &value);

    // Typed views of the properties the page builder uses.
    qint64 Tag() const; // 0 when absent or not an integer
    // Position.X / Position.Y / Size.Width / Size.Height (or Left, Top,
    // Width, Height); 0 when absent.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    // Text, else Caption, else the lines of Lines.Strings joined by "\n".
    QString Text() const;
    QString StyleLookup() const;
    bool ReadOnly() const;                          // false when absent
    bool Visible() const;                           // true when absent
    bool Flag(QStringView path, bool absent) const; // any boolean property
    // TextSettings.Font.Size, else Font.Size.
    std::optional<double> FontSize() const;
    std::optional<double> Number(QStringView path) const;
    QString String(QStringView path) const; // a text value, else empty

    friend bool operator==(const ComponentRecord &a, const ComponentRecord &b);
};

// The contents of a page screen file: the root record of every image, in
// file order.
struct ComponentStream
{
    QList<ComponentRecord> images;

    // The root properties merged over all images: a later root's entry
    // overrides an earlier one's of the same path.
    QList<StreamProperty> RootProperties() const;
    const StreamValue *RootProperty(QStringView path) const;
    // The page panel's size from the roots; a dimension no root sets is -1.
    QSizeF RootSize() const;
    // A page other than `page` that a root names as its own: the generated
    // screens name their root after their page ("Page23"). -1 when every
    // root names `page` or no page at all.
    int OtherPageNamed(int page) const;

    friend bool operator==(const ComponentStream &a, const ComponentStream &b) { return a.images == b.images; }
};

// What every image starts with.
constexpr char ImageSignature[4] = {'T', 'P', 'F', '0'};

// Caps on a stream, read or written, that keep a damaged file from exhausting
// the stack or the memory.
constexpr qsizetype MaxStreamFileSize = 16 * 1024 * 1024;
constexpr int MaxStreamDepth = 64;              // records, lists, collections and items nested
constexpr qsizetype MaxStreamElements = 500000; // records, properties, values, set names, items

} // namespace brevane
