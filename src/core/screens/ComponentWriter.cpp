#include "core/screens/ComponentWriter.h"

#include "core/files/Windows1252.h"

#include <QSaveFile>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <limits>
#include <optional>

namespace brevane {

namespace {

class Writer
{
public:
    QByteArray out;

    bool WriteImages(const QList<ComponentRecord> &images)
    {
        for (const ComponentRecord &root : images) {
            out.append(ImageSignature, 4);
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
        const std::optional<QByteArray> bytes = Encode1252Exact(text);
        if (!bytes || bytes->size() > maxLength || (!mayBeEmpty && bytes->isEmpty()))
            return false;
        out.append(char(bytes->size()));
        out.append(*bytes);
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
        const ValueType type = SmallestIntegerType(value);
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
            if (!IntegerTypeHolds(value.type, value.integer))
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
            const std::optional<QByteArray> bytes = Encode1252Exact(value.text);
            if (!bytes || !writeLength(bytes->size()))
                return false;
            out.append(*bytes);
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

} // namespace

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
