#include "core/screens/ComponentModel.h"

#include "core/files/Windows1252.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <utility>

namespace brevane {

namespace {

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

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

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

// ---------------------------------------------------------------- integer types

bool IntegerTypeHolds(ValueType type, qint64 value)
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

ValueType SmallestIntegerType(qint64 value)
{
    for (ValueType t : {ValueType::Int8, ValueType::Int16, ValueType::Int32})
        if (IntegerTypeHolds(t, value))
            return t;
    return ValueType::Int64;
}

// ---------------------------------------------------------------- values

StreamValue StreamValue::Integer(qint64 value)
{
    return Typed(SmallestIntegerType(value), value);
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
    const std::optional<QByteArray> bytes = Encode1252Exact(value);
    const bool shortString = bytes && bytes->size() <= 255;
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

int ComponentStream::OtherPageNamed(int page) const
{
    for (const ComponentRecord &root : images) {
        const QString digits = root.name.mid(4);
        if (!root.name.startsWith(QLatin1String("Page")) || digits.isEmpty() || digits.size() > 4 ||
            !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            continue;
        if (const int named = digits.toInt(); named != page)
            return named;
    }
    return -1;
}

} // namespace brevane
