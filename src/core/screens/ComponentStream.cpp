#include "screens/ComponentStream.h"

#include "dialogs/ErrorCatalogue.h"
#include "files/LineText.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>
#include <utility>

namespace brevane {

namespace {

constexpr int PageScreenError = 11150;
const char Signature[4] = {'T', 'P', 'F', '0'};

// ---------------------------------------------------------------- encodings

// Windows-1252 in both directions. Decode1252 maps every byte to a distinct
// character (the five undefined bytes to C1 controls), so the reverse table
// gives back the very bytes that were read.
const QHash<char16_t, char> &encodeTable()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int b = 0x80; b < 0xA0; ++b) {
            const char c = char(b);
            t.insert(Decode1252(&c, 1).at(0).unicode(), c);
        }
        return t;
    }();
    return table;
}

bool encode1252(const QString &text, QByteArray &out)
{
    out.clear();
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.append(char(c));
            continue;
        }
        const auto it = encodeTable().constFind(c);
        if (it == encodeTable().constEnd())
            return false;
        out.append(*it);
    }
    return true;
}

// 80-bit extended floats: 64-bit significand with explicit integer bit,
// 15-bit exponent biased by 16383, sign bit.
double extendedToDouble(const QByteArray &raw)
{
    if (raw.size() != 10)
        return 0.0;
    const auto *p = reinterpret_cast<const uchar *>(raw.constData());
    const quint64 mantissa = qFromLittleEndian<quint64>(p);
    const quint16 signExponent = qFromLittleEndian<quint16>(p + 8);
    const bool negative = signExponent & 0x8000;
    const int exponent = signExponent & 0x7FFF;
    double value;
    if (exponent == 0x7FFF) {
        value = (mantissa & 0x7FFFFFFFFFFFFFFFull) == 0 ? std::numeric_limits<double>::infinity()
                                                        : std::numeric_limits<double>::quiet_NaN();
    } else if (mantissa == 0) {
        value = 0.0;
    } else {
        const int e = (exponent == 0 ? 1 : exponent) - 16383 - 63;
        value = std::ldexp(double(mantissa), e);
    }
    return negative ? -value : value;
}

QByteArray doubleToExtended(double value)
{
    quint64 mantissa = 0;
    quint16 signExponent = std::signbit(value) ? 0x8000 : 0;
    if (std::isnan(value)) {
        signExponent |= 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        signExponent |= 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (value != 0.0) {
        int e = 0;
        const double m = std::frexp(std::fabs(value), &e); // [0.5, 1) * 2^e
        mantissa = quint64(std::ldexp(m, 64));             // exact: m has 53 bits
        signExponent |= quint16(e - 1 + 16383);
    }
    QByteArray raw(10, Qt::Uninitialized);
    qToLittleEndian(mantissa, raw.data());
    qToLittleEndian(signExponent, raw.data() + 8);
    return raw;
}

bool fitsType(ValueType type, qint64 value)
{
    switch (type) {
    case ValueType::Int8:
        return std::in_range<qint8>(value);
    case ValueType::Int16:
        return std::in_range<qint16>(value);
    case ValueType::Int32:
        return std::in_range<qint32>(value);
    case ValueType::Int64:
    case ValueType::Currency:
        return true;
    default:
        return false;
    }
}

ValueType smallestIntegerType(qint64 value)
{
    for (ValueType t : {ValueType::Int8, ValueType::Int16, ValueType::Int32})
        if (fitsType(t, value))
            return t;
    return ValueType::Int64;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// ---------------------------------------------------------------- reader

class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : d_(reinterpret_cast<const uchar *>(bytes.constData()))
        , n_(bytes.size())
    {}

    bool ReadAll(ComponentStream &out)
    {
        if (n_ == 0)
            return fail(StreamError::Empty);
        if (n_ > MaxStreamFileSize)
            return fail(StreamError::TooLarge);
        while (pos_ < n_) {
            if (n_ - pos_ < 4) {
                const bool prefix = std::memcmp(d_ + pos_, Signature, size_t(n_ - pos_)) == 0;
                return fail(prefix ? StreamError::Truncated : StreamError::BadSignature);
            }
            if (std::memcmp(d_ + pos_, Signature, 4) != 0)
                return fail(StreamError::BadSignature);
            pos_ += 4;
            out.images.append(ComponentRecord());
            // The root stays, with whatever it took in, even when it fails.
            if (!readRecord(out.images.last(), true, 0))
                return false;
        }
        return true;
    }

    StreamError error;

private:
    bool fail(StreamError::Kind kind)
    {
        if (error.kind == StreamError::None) {
            error.kind = kind;
            error.offset = pos_;
        }
        return false;
    }

    bool count() { return ++elements_ <= MaxStreamElements || fail(StreamError::TooLarge); }

    bool need(qsizetype size) { return size <= n_ - pos_ || fail(StreamError::Truncated); }

    bool readByte(quint8 &b)
    {
        if (!need(1))
            return false;
        b = d_[pos_++];
        return true;
    }

    template <typename T> bool readLE(T &value)
    {
        if (!need(qsizetype(sizeof(T))))
            return false;
        value = qFromLittleEndian<T>(d_ + pos_);
        pos_ += qsizetype(sizeof(T));
        return true;
    }

    // A little-endian T widened into `value`: an integer, or the bits of a float.
    template <typename T, typename Wide> bool readAs(Wide &value)
    {
        using Bits = std::conditional_t<std::is_floating_point_v<T>, typename QIntegerForSizeof<T>::Unsigned, T>;
        Bits bits = 0;
        if (!readLE(bits))
            return false;
        value = std::bit_cast<T>(bits);
        return true;
    }

    // An integer of the width its type names: Int8, Int16, Int32, else 64 bits.
    bool readInteger(ValueType type, qint64 &value)
    {
        switch (type) {
        case ValueType::Int8:
            return readAs<qint8>(value);
        case ValueType::Int16:
            return readAs<qint16>(value);
        case ValueType::Int32:
            return readAs<qint32>(value);
        default:
            return readAs<qint64>(value);
        }
    }

    // A 4-byte length of `unit`-byte units that must lie within the data.
    bool readLength(qsizetype unit, qsizetype &bytes)
    {
        const qsizetype at = pos_;
        qint32 length = 0;
        if (!readLE(length))
            return false;
        if (length < 0 || qint64(length) * unit > MaxStreamFileSize) {
            pos_ = at;
            return fail(StreamError::BadLength);
        }
        bytes = qsizetype(length) * unit;
        return need(bytes);
    }

    bool readShortString(QString &text)
    {
        quint8 length = 0;
        if (!readByte(length) || !need(length))
            return false;
        text = Decode1252(reinterpret_cast<const char *>(d_ + pos_), length);
        pos_ += length;
        return true;
    }

    // An integer of type Int8, Int16 or Int32 (child positions, item orders).
    bool readSmallInteger(qint32 &value)
    {
        quint8 type = 0;
        if (!readByte(type))
            return false;
        switch (ValueType(type)) {
        case ValueType::Int8:
        case ValueType::Int16:
        case ValueType::Int32: {
            qint64 wide = 0;
            if (!readInteger(ValueType(type), wide))
                return false;
            value = qint32(wide);
            return true;
        }
        default:
            --pos_;
            return fail(type > LastValueType ? StreamError::UnknownValueType : StreamError::Malformed);
        }
    }

    // Reads items with `readItem` until the zero byte that ends their list,
    // and moves past that byte.
    template <typename ReadItem> bool readUntilEnd(const ReadItem &readItem)
    {
        for (;;) {
            if (!need(1))
                return false;
            if (d_[pos_] == 0) {
                ++pos_;
                return true;
            }
            if (!readItem())
                return false;
        }
    }

    bool readProperties(QList<StreamProperty> &properties, int depth)
    {
        return readUntilEnd([&] {
            StreamProperty property;
            if (!count() || !readShortString(property.path) || !readValue(property.value, depth))
                return false;
            properties.append(std::move(property));
            return true;
        });
    }

    bool readValue(StreamValue &value, int depth)
    {
        if (depth > MaxStreamDepth)
            return fail(StreamError::TooDeep);
        quint8 type = 0;
        if (!count() || !readByte(type))
            return false;
        if (type > LastValueType) {
            --pos_;
            return fail(StreamError::UnknownValueType);
        }
        value.type = ValueType(type);
        switch (value.type) {
        case ValueType::Null:
        case ValueType::Nil:
        case ValueType::False:
        case ValueType::True:
            return true;
        case ValueType::List:
            return readUntilEnd([&] {
                StreamValue item;
                if (!readValue(item, depth + 1))
                    return false;
                value.items.append(std::move(item));
                return true;
            });
        case ValueType::Int8:
        case ValueType::Int16:
        case ValueType::Int32:
        case ValueType::Int64:
        case ValueType::Currency:
            return readInteger(value.type, value.integer);
        case ValueType::Extended:
            if (!need(10))
                return false;
            value.bytes = QByteArray(reinterpret_cast<const char *>(d_ + pos_), 10);
            pos_ += 10;
            return true;
        case ValueType::Single:
            return readAs<float>(value.real);
        case ValueType::Date:
        case ValueType::Double:
            return readAs<double>(value.real);
        case ValueType::String:
        case ValueType::Ident:
            return readShortString(value.text);
        case ValueType::LString: {
            qsizetype size = 0;
            if (!readLength(1, size))
                return false;
            value.text = Decode1252(reinterpret_cast<const char *>(d_ + pos_), size);
            pos_ += size;
            return true;
        }
        case ValueType::WString: {
            qsizetype size = 0;
            if (!readLength(2, size))
                return false;
            value.text.resize(size / 2);
            for (qsizetype i = 0; i < size / 2; ++i)
                value.text[i] = QChar(qFromLittleEndian<quint16>(d_ + pos_ + 2 * i));
            pos_ += size;
            return true;
        }
        case ValueType::Utf8String: {
            qsizetype size = 0;
            if (!readLength(1, size))
                return false;
            value.text = QString::fromUtf8(reinterpret_cast<const char *>(d_ + pos_), size);
            pos_ += size;
            return true;
        }
        case ValueType::Binary: {
            qsizetype size = 0;
            if (!readLength(1, size))
                return false;
            value.bytes = QByteArray(reinterpret_cast<const char *>(d_ + pos_), size);
            pos_ += size;
            return true;
        }
        case ValueType::Set:
            for (;;) {
                QString name;
                if (!readShortString(name))
                    return false;
                if (name.isEmpty())
                    return true;
                if (!count())
                    return false;
                value.names.append(name);
            }
        case ValueType::Collection:
            return readUntilEnd([&] {
                if (depth + 1 > MaxStreamDepth)
                    return fail(StreamError::TooDeep);
                CollectionItem item;
                if (!count())
                    return false;
                const quint8 next = d_[pos_];
                if (next == quint8(ValueType::Int8) || next == quint8(ValueType::Int16) ||
                    next == quint8(ValueType::Int32)) {
                    qint32 order = 0;
                    if (!readSmallInteger(order))
                        return false;
                    item.order = order;
                }
                quint8 listType = 0;
                if (!readByte(listType))
                    return false;
                if (listType != quint8(ValueType::List)) {
                    --pos_;
                    return fail(listType > LastValueType ? StreamError::UnknownValueType : StreamError::Malformed);
                }
                if (!readProperties(item.properties, depth + 2))
                    return false;
                value.collection.append(std::move(item));
                return true;
            });
        }
        return fail(StreamError::UnknownValueType); // not reached
    }

    bool readRecord(ComponentRecord &record, bool root, int depth)
    {
        if (depth > MaxStreamDepth)
            return fail(StreamError::TooDeep);
        if (!count() || !need(1))
            return false;
        if ((d_[pos_] & 0xF0) == 0xF0) {
            const quint8 flags = d_[pos_++] & 0x0F;
            record.prefix = flags;
            if ((flags & RecordChildPosition) && !readSmallInteger(record.childPosition))
                return false;
        }
        const qsizetype classAt = pos_;
        if (!readShortString(record.className))
            return false;
        if (record.className.isEmpty()) {
            pos_ = classAt;
            return fail(StreamError::Malformed);
        }
        const qsizetype nameAt = pos_;
        if (!readShortString(record.name))
            return false;
        if (!root && !record.name.isEmpty()) {
            const QString key = record.name.toCaseFolded();
            if (names_.contains(key)) {
                pos_ = nameAt;
                return fail(StreamError::DuplicateName);
            }
            names_.insert(key);
        }
        if (!readProperties(record.properties, depth + 1))
            return false;
        return readUntilEnd([&] {
            ComponentRecord child;
            if (!readRecord(child, false, depth + 1))
                return false;
            record.children.append(std::move(child));
            return true;
        });
    }

    const uchar *d_;
    qsizetype n_;
    qsizetype pos_ = 0;
    qsizetype elements_ = 0;
    QSet<QString> names_; // case-folded component names of the page
};

// ---------------------------------------------------------------- writer

class Writer
{
public:
    QByteArray out;

    bool WriteImages(const QList<ComponentRecord> &images)
    {
        for (const ComponentRecord &root : images) {
            out.append(Signature, 4);
            if (!writeRecord(root, 0))
                return false;
        }
        return out.size() <= MaxStreamFileSize;
    }

private:
    bool count() { return ++elements_ <= MaxStreamElements; }

    template <typename T> void writeLE(T value)
    {
        char buffer[sizeof(T)];
        qToLittleEndian(value, buffer);
        out.append(buffer, sizeof(T));
    }

    bool writeShortString(const QString &text, bool mayBeEmpty, int maxLength = 255)
    {
        QByteArray bytes;
        if (!encode1252(text, bytes) || bytes.size() > maxLength || (!mayBeEmpty && bytes.isEmpty()))
            return false;
        out.append(char(bytes.size()));
        out.append(bytes);
        return true;
    }

    bool writeLength(qsizetype length)
    {
        if (length > MaxStreamFileSize)
            return false;
        writeLE(qint32(length));
        return true;
    }

    // An integer in the width its type names: Int8, Int16, Int32, else 64 bits.
    void writeInteger(ValueType type, qint64 value)
    {
        if (type == ValueType::Int8)
            writeLE(qint8(value));
        else if (type == ValueType::Int16)
            writeLE(qint16(value));
        else if (type == ValueType::Int32)
            writeLE(qint32(value));
        else
            writeLE(value);
    }

    void writeSmallInteger(qint32 value)
    {
        const ValueType type = smallestIntegerType(value);
        out.append(char(type));
        writeInteger(type, value);
    }

    bool writeProperties(const QList<StreamProperty> &properties, int depth)
    {
        for (const StreamProperty &property : properties)
            if (!count() || !writeShortString(property.path, false) || !writeValue(property.value, depth))
                return false;
        out.append('\0');
        return true;
    }

    bool writeValue(const StreamValue &value, int depth)
    {
        if (depth > MaxStreamDepth || !count() || int(value.type) > LastValueType)
            return false;
        out.append(char(value.type));
        switch (value.type) {
        case ValueType::Null:
        case ValueType::Nil:
        case ValueType::False:
        case ValueType::True:
            return true;
        case ValueType::List:
            for (const StreamValue &item : value.items)
                if (item.type == ValueType::Null || !writeValue(item, depth + 1))
                    return false;
            out.append('\0');
            return true;
        case ValueType::Int8:
        case ValueType::Int16:
        case ValueType::Int32:
        case ValueType::Int64:
        case ValueType::Currency:
            if (!fitsType(value.type, value.integer))
                return false;
            writeInteger(value.type, value.integer);
            return true;
        case ValueType::Extended:
            if (value.bytes.size() != 10)
                return false;
            out.append(value.bytes);
            return true;
        case ValueType::Single: {
            // Doubles beyond a float's range become infinities.
            constexpr float infinity = std::numeric_limits<float>::infinity();
            const float f = std::isfinite(value.real) && std::fabs(value.real) > std::numeric_limits<float>::max()
                                ? (value.real > 0 ? infinity : -infinity)
                                : float(value.real);
            writeLE(std::bit_cast<quint32>(f));
            return true;
        }
        case ValueType::Date:
        case ValueType::Double:
            writeLE(std::bit_cast<quint64>(value.real));
            return true;
        case ValueType::String:
        case ValueType::Ident:
            return writeShortString(value.text, true);
        case ValueType::LString: {
            QByteArray bytes;
            if (!encode1252(value.text, bytes) || !writeLength(bytes.size()))
                return false;
            out.append(bytes);
            return true;
        }
        case ValueType::WString:
            if (value.text.size() * 2 > MaxStreamFileSize)
                return false;
            writeLE(qint32(value.text.size()));
            for (const QChar c : value.text)
                writeLE(quint16(c.unicode()));
            return true;
        case ValueType::Utf8String: {
            const QByteArray bytes = value.text.toUtf8();
            if (!writeLength(bytes.size()))
                return false;
            out.append(bytes);
            return true;
        }
        case ValueType::Binary:
            if (!writeLength(value.bytes.size()))
                return false;
            out.append(value.bytes);
            return true;
        case ValueType::Set:
            for (const QString &name : value.names)
                if (!count() || !writeShortString(name, false))
                    return false;
            out.append('\0');
            return true;
        case ValueType::Collection:
            for (const CollectionItem &item : value.collection) {
                if (depth + 1 > MaxStreamDepth || !count())
                    return false;
                if (item.order)
                    writeSmallInteger(*item.order);
                out.append(char(ValueType::List));
                if (!writeProperties(item.properties, depth + 2))
                    return false;
            }
            out.append('\0');
            return true;
        }
        return false;
    }

    bool writeRecord(const ComponentRecord &record, int depth)
    {
        if (depth > MaxStreamDepth || !count())
            return false;
        if (record.prefix) {
            if (*record.prefix > 0x0F)
                return false;
            out.append(char(0xF0 | *record.prefix));
            if (*record.prefix & RecordChildPosition)
                writeSmallInteger(record.childPosition);
        }
        // Without a prefix, a class name of 240 bytes or more would read as one.
        if (!writeShortString(record.className, false, record.prefix ? 255 : 0xEF) ||
            !writeShortString(record.name, true) || !writeProperties(record.properties, depth + 1))
            return false;
        for (const ComponentRecord &child : record.children)
            if (!writeRecord(child, depth + 1))
                return false;
        out.append('\0');
        return true;
    }

    qsizetype elements_ = 0;
};

const StreamValue *lastProperty(const QList<StreamProperty> &properties, std::initializer_list<QStringView> paths)
{
    for (qsizetype i = properties.size() - 1; i >= 0; --i)
        for (QStringView path : paths)
            if (properties[i].path.compare(path, Qt::CaseInsensitive) == 0)
                return &properties[i].value;
    return nullptr;
}

double numberOr(const StreamValue *value, double absent)
{
    if (!value)
        return absent;
    return value->ToNumber().value_or(absent);
}

} // namespace

// ---------------------------------------------------------------- values

StreamValue StreamValue::Integer(qint64 value)
{
    return Typed(smallestIntegerType(value), value);
}

StreamValue StreamValue::Typed(ValueType type, qint64 value)
{
    StreamValue v;
    v.type = type;
    v.integer = value;
    return v;
}

StreamValue StreamValue::Number(double value)
{
    const bool single =
        std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max() && double(float(value)) == value;
    return Real(single ? ValueType::Single : ValueType::Double, value);
}

StreamValue StreamValue::Real(ValueType type, double value)
{
    StreamValue v;
    v.type = type;
    if (type == ValueType::Extended)
        v.bytes = doubleToExtended(value);
    else
        v.real = value;
    return v;
}

StreamValue StreamValue::Text(const QString &value)
{
    QByteArray bytes;
    const bool shortString = encode1252(value, bytes) && bytes.size() <= 255;
    return Text(shortString ? ValueType::String : ValueType::Utf8String, value);
}

StreamValue StreamValue::Text(ValueType type, const QString &value)
{
    StreamValue v;
    v.type = type;
    v.text = value;
    return v;
}

StreamValue StreamValue::Boolean(bool value)
{
    return Of(value ? ValueType::True : ValueType::False);
}

StreamValue StreamValue::Binary(const QByteArray &value)
{
    StreamValue v;
    v.type = ValueType::Binary;
    v.bytes = value;
    return v;
}

StreamValue StreamValue::SetOf(const QStringList &value)
{
    StreamValue v;
    v.type = ValueType::Set;
    v.names = value;
    return v;
}

StreamValue StreamValue::ListOf(const QList<StreamValue> &value)
{
    StreamValue v;
    v.type = ValueType::List;
    v.items = value;
    return v;
}

StreamValue StreamValue::CollectionOf(const QList<CollectionItem> &value)
{
    StreamValue v;
    v.type = ValueType::Collection;
    v.collection = value;
    return v;
}

StreamValue StreamValue::Of(ValueType type)
{
    StreamValue v;
    v.type = type;
    return v;
}

bool StreamValue::IsInteger() const
{
    return type == ValueType::Int8 || type == ValueType::Int16 || type == ValueType::Int32 || type == ValueType::Int64;
}

bool StreamValue::IsNumber() const
{
    return IsInteger() || type == ValueType::Currency || type == ValueType::Single || type == ValueType::Double ||
           type == ValueType::Date || type == ValueType::Extended;
}

bool StreamValue::IsText() const
{
    return type == ValueType::String || type == ValueType::Ident || type == ValueType::LString ||
           type == ValueType::WString || type == ValueType::Utf8String;
}

std::optional<double> StreamValue::ToNumber() const
{
    if (IsInteger())
        return double(integer);
    switch (type) {
    case ValueType::Currency:
        return double(integer) / 10000.0;
    case ValueType::Single:
    case ValueType::Double:
    case ValueType::Date:
        return real;
    case ValueType::Extended:
        return extendedToDouble(bytes);
    default:
        return std::nullopt;
    }
}

std::optional<bool> StreamValue::ToBool() const
{
    if (type == ValueType::True)
        return true;
    if (type == ValueType::False)
        return false;
    return std::nullopt;
}

bool operator==(const StreamValue &a, const StreamValue &b)
{
    if (a.type != b.type)
        return false;
    switch (a.type) {
    case ValueType::Null:
    case ValueType::Nil:
    case ValueType::False:
    case ValueType::True:
        return true;
    case ValueType::Int8:
    case ValueType::Int16:
    case ValueType::Int32:
    case ValueType::Int64:
    case ValueType::Currency:
        return a.integer == b.integer;
    case ValueType::Single:
    case ValueType::Double:
    case ValueType::Date:
        return sameBits(a.real, b.real);
    case ValueType::Extended:
    case ValueType::Binary:
        return a.bytes == b.bytes;
    case ValueType::String:
    case ValueType::Ident:
    case ValueType::LString:
    case ValueType::WString:
    case ValueType::Utf8String:
        return a.text == b.text;
    case ValueType::Set:
        return a.names == b.names;
    case ValueType::List:
        return a.items == b.items;
    case ValueType::Collection:
        return a.collection == b.collection;
    }
    return false;
}

// ---------------------------------------------------------------- records

const StreamValue *ComponentRecord::Property(QStringView path) const
{
    return lastProperty(properties, {path});
}

ComponentRecord &ComponentRecord::Set(const QString &path, const StreamValue &value)
{
    for (qsizetype i = properties.size() - 1; i >= 0; --i) {
        if (properties[i].path.compare(path, Qt::CaseInsensitive) == 0) {
            properties[i].value = value;
            return *this;
        }
    }
    properties.append(StreamProperty{path, value});
    return *this;
}

qint64 ComponentRecord::Tag() const
{
    const StreamValue *value = Property(u"Tag");
    return value && value->IsInteger() ? value->integer : 0;
}

double ComponentRecord::Left() const
{
    return numberOr(lastProperty(properties, {u"Position.X", u"Left"}), 0);
}

double ComponentRecord::Top() const
{
    return numberOr(lastProperty(properties, {u"Position.Y", u"Top"}), 0);
}

double ComponentRecord::Width() const
{
    return numberOr(lastProperty(properties, {u"Size.Width", u"Width"}), 0);
}

double ComponentRecord::Height() const
{
    return numberOr(lastProperty(properties, {u"Size.Height", u"Height"}), 0);
}

QString ComponentRecord::Text() const
{
    if (const StreamValue *value = lastProperty(properties, {u"Text", u"Caption"}); value && value->IsText())
        return value->text;
    if (const StreamValue *lines = Property(u"Lines.Strings"); lines && lines->type == ValueType::List) {
        QStringList texts;
        for (const StreamValue &line : lines->items)
            texts.append(line.text);
        return texts.join(QLatin1Char('\n'));
    }
    return QString();
}

QString ComponentRecord::StyleLookup() const
{
    return String(u"StyleLookup");
}

bool ComponentRecord::ReadOnly() const
{
    return Flag(u"ReadOnly", false);
}

bool ComponentRecord::Visible() const
{
    return Flag(u"Visible", true);
}

bool ComponentRecord::Flag(QStringView path, bool absent) const
{
    const StreamValue *value = Property(path);
    return value ? value->ToBool().value_or(absent) : absent;
}

std::optional<double> ComponentRecord::FontSize() const
{
    const StreamValue *value = lastProperty(properties, {u"TextSettings.Font.Size"});
    if (!value)
        value = Property(u"Font.Size");
    return value ? value->ToNumber() : std::nullopt;
}

std::optional<double> ComponentRecord::Number(QStringView path) const
{
    const StreamValue *value = Property(path);
    return value ? value->ToNumber() : std::nullopt;
}

QString ComponentRecord::String(QStringView path) const
{
    const StreamValue *value = Property(path);
    return value && value->IsText() ? value->text : QString();
}

bool operator==(const ComponentRecord &a, const ComponentRecord &b)
{
    const bool childPositionMatters = a.prefix && (*a.prefix & RecordChildPosition);
    return a.className == b.className && a.name == b.name && a.prefix == b.prefix &&
           (!childPositionMatters || a.childPosition == b.childPosition) && a.properties == b.properties &&
           a.children == b.children;
}

// ---------------------------------------------------------------- stream

QList<StreamProperty> ComponentStream::RootProperties() const
{
    QList<StreamProperty> merged;
    for (const ComponentRecord &root : images) {
        for (const StreamProperty &property : root.properties) {
            bool replaced = false;
            for (StreamProperty &m : merged) {
                if (m.path.compare(property.path, Qt::CaseInsensitive) == 0) {
                    m.value = property.value;
                    replaced = true;
                    break;
                }
            }
            if (!replaced)
                merged.append(property);
        }
    }
    return merged;
}

const StreamValue *ComponentStream::RootProperty(QStringView path) const
{
    for (qsizetype i = images.size() - 1; i >= 0; --i)
        if (const StreamValue *value = images[i].Property(path))
            return value;
    return nullptr;
}

QSizeF ComponentStream::RootSize() const
{
    double width = -1;
    double height = -1;
    for (const ComponentRecord &root : images) {
        if (const StreamValue *w = lastProperty(root.properties, {u"Size.Width", u"Width"}))
            width = w->ToNumber().value_or(width);
        if (const StreamValue *h = lastProperty(root.properties, {u"Size.Height", u"Height"}))
            height = h->ToNumber().value_or(height);
    }
    return QSizeF(width, height);
}

// ---------------------------------------------------------------- entry points

bool ReadComponentStream(const QByteArray &bytes, const QString &path, ComponentStream &out, StreamError *error)
{
    out.images.clear();
    Reader reader(bytes);
    const bool ok = reader.ReadAll(out);
    if (error)
        *error = reader.error;
    if (!ok)
        ShowError(PageScreenError, path);
    return ok;
}

bool LoadComponentStream(const QString &path, ComponentStream &out, StreamError *error)
{
    out.images.clear();
    QFile file(path);
    StreamError fault;
    if (!file.open(QIODevice::ReadOnly)) {
        fault.kind = StreamError::Unreadable;
    } else if (file.size() > MaxStreamFileSize) {
        fault.kind = StreamError::TooLarge;
    } else {
        // Reads one byte past the cap so that a file growing meanwhile is caught.
        const QByteArray bytes = file.read(MaxStreamFileSize + 1);
        if (file.error() != QFileDevice::NoError)
            fault.kind = StreamError::Unreadable;
        else
            return ReadComponentStream(bytes, path, out, error);
    }
    if (error)
        *error = fault;
    ShowError(PageScreenError, path);
    return false;
}

QByteArray WriteComponentStream(const QList<ComponentRecord> &images)
{
    Writer writer;
    if (!writer.WriteImages(images))
        return QByteArray();
    return writer.out;
}

bool SaveComponentStream(const QString &path, const QList<ComponentRecord> &images, QString *error)
{
    const QByteArray bytes = WriteComponentStream(images);
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("The page screen cannot be written.");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace brevane
