#include "core/screens/ComponentReader.h"

#include "core/dialogs/ErrorCatalogue.h"
#include "core/dialogs/Messages.h"
#include "core/files/WholeFile.h"
#include "core/files/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>

#include <bit>
#include <cstring>
#include <type_traits>
#include <utility>

namespace brevane {

namespace {

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
                const bool prefix = std::memcmp(d_ + pos_, ImageSignature, size_t(n_ - pos_)) == 0;
                return fail(prefix ? StreamError::Truncated : StreamError::BadSignature);
            }
            if (std::memcmp(d_ + pos_, ImageSignature, 4) != 0)
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

} // namespace

bool ReadComponentStream(const QByteArray &bytes, const QString &path, ComponentStream &out, StreamError *error)
{
    out.images.clear();
    Reader reader(bytes);
    const bool ok = reader.ReadAll(out);
    if (error)
        *error = reader.error;
    if (!ok)
        ShowError(msg::PageScreenUnreadable, path);
    return ok;
}

bool LoadComponentStream(const QString &path, ComponentStream &out, StreamError *error)
{
    out.images.clear();
    StreamError fault;
    QByteArray bytes;
    const QFileInfo info(path);
    if (info.isFile() && info.size() > MaxStreamFileSize)
        fault.kind = StreamError::TooLarge;
    else if (!ReadRegularFile(path, &bytes, nullptr, MaxStreamFileSize))
        fault.kind = StreamError::Unreadable;
    else
        return ReadComponentStream(bytes, path, out, error);
    if (error)
        *error = fault;
    ShowError(msg::PageScreenUnreadable, path);
    return false;
}

} // namespace brevane
