#include "parameterimage.h"
#include "parameter/utf8text.h"

#include <QByteArray>
#include <QtEndian>

#include <cstring>

static_assert(sizeof(ParameterImage) == ParameterLayout::ImageSize,
              "the image is stored without padding");

namespace {

// Signed and unsigned integers of one width read the same bytes.
bool suits(ValueType field, ValueType access)
{
    switch (access) {
    case ValueType::I16:
    case ValueType::U16:
        return field == ValueType::I16 || field == ValueType::U16;
    case ValueType::I32:
    case ValueType::U32:
        return field == ValueType::I32 || field == ValueType::U32;
    case ValueType::F32:
    case ValueType::Text:
        return field == access;
    }
    return false;
}

template <typename T> T readLE(const unsigned char* bytes, int offset, int size, bool* ok)
{
    const bool inside = offset >= 0 && offset <= size - int(sizeof(T));
    if (ok)
        *ok = inside;
    return inside ? qFromLittleEndian<T>(bytes + offset) : T(0);
}

template <typename T> bool writeLE(unsigned char* bytes, int offset, int size, T value)
{
    if (offset < 0 || offset > size - int(sizeof(T)))
        return false;
    qToLittleEndian<T>(value, bytes + offset);
    return true;
}

} // namespace

bool ParameterImage::areasEqual(const ParameterImage& other) const
{
    return std::memcmp(m_bytes.data(), other.m_bytes.data(), ParameterLayout::DataAreaEnd) == 0;
}

qint16 ParameterImage::i16At(int offset, bool* ok) const
{
    return readLE<qint16>(m_bytes.data(), offset, Size, ok);
}

quint16 ParameterImage::u16At(int offset, bool* ok) const
{
    return readLE<quint16>(m_bytes.data(), offset, Size, ok);
}

qint32 ParameterImage::i32At(int offset, bool* ok) const
{
    return readLE<qint32>(m_bytes.data(), offset, Size, ok);
}

quint32 ParameterImage::u32At(int offset, bool* ok) const
{
    return readLE<quint32>(m_bytes.data(), offset, Size, ok);
}

float ParameterImage::f32At(int offset, bool* ok) const
{
    const quint32 bits = readLE<quint32>(m_bytes.data(), offset, Size, ok);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString ParameterImage::textAt(int offset, bool* ok) const
{
    const bool inside = fits(offset, ParameterLayout::TextSize);
    if (ok)
        *ok = inside;
    if (!inside)
        return QString();
    const char* text = reinterpret_cast<const char*>(m_bytes.data() + offset);
    // A full field has no terminating zero; never read past its 32 bytes.
    const void* zero = std::memchr(text, 0, ParameterLayout::TextSize);
    const int length =
        zero ? int(static_cast<const char*>(zero) - text) : ParameterLayout::TextSize;
    // As stored: a leading byte order mark is a character of the text.
    return utf8Text(std::string_view(text, std::size_t(length)));
}

bool ParameterImage::setI16At(int offset, qint16 value)
{
    return writeLE<qint16>(m_bytes.data(), offset, Size, value);
}

bool ParameterImage::setU16At(int offset, quint16 value)
{
    return writeLE<quint16>(m_bytes.data(), offset, Size, value);
}

bool ParameterImage::setI32At(int offset, qint32 value)
{
    return writeLE<qint32>(m_bytes.data(), offset, Size, value);
}

bool ParameterImage::setU32At(int offset, quint32 value)
{
    return writeLE<quint32>(m_bytes.data(), offset, Size, value);
}

bool ParameterImage::setF32At(int offset, float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return writeLE<quint32>(m_bytes.data(), offset, Size, bits);
}

bool ParameterImage::setTextAt(int offset, const QString& text)
{
    if (!fits(offset, ParameterLayout::TextSize))
        return false;
    const QByteArray utf8 = text.toUtf8();
    int length = qMin(utf8.size(), ParameterLayout::TextMaxLength);
    // Never keep half a character: its bytes would read back as a replacement
    // character, and the encoder refuses to write such a field to a file.
    while (length < utf8.size() && length > 0 && (uchar(utf8.at(length)) & 0xC0) == 0x80)
        --length;
    unsigned char* field = m_bytes.data() + offset;
    std::memset(field, 0, ParameterLayout::TextSize);
    std::memcpy(field, utf8.constData(), size_t(length));
    return true;
}

int ParameterImage::cellAt(const FieldDef& field, int row, int column, ValueType access)
{
    if (!suits(field.type, access))
        return -1;
    return ParameterLayout::cellOffset(field, row, column);
}

qint16 ParameterImage::i16(const FieldDef& field, int row, int column, bool* ok) const
{
    return i16At(cellAt(field, row, column, ValueType::I16), ok);
}

quint16 ParameterImage::u16(const FieldDef& field, int row, int column, bool* ok) const
{
    return u16At(cellAt(field, row, column, ValueType::U16), ok);
}

qint32 ParameterImage::i32(const FieldDef& field, int row, int column, bool* ok) const
{
    return i32At(cellAt(field, row, column, ValueType::I32), ok);
}

quint32 ParameterImage::u32(const FieldDef& field, int row, int column, bool* ok) const
{
    return u32At(cellAt(field, row, column, ValueType::U32), ok);
}

float ParameterImage::f32(const FieldDef& field, int row, int column, bool* ok) const
{
    return f32At(cellAt(field, row, column, ValueType::F32), ok);
}

QString ParameterImage::text(const FieldDef& field, int row, int column, bool* ok) const
{
    return textAt(cellAt(field, row, column, ValueType::Text), ok);
}

bool ParameterImage::setI16(const FieldDef& field, int row, int column, qint16 value)
{
    return setI16At(cellAt(field, row, column, ValueType::I16), value);
}

bool ParameterImage::setU16(const FieldDef& field, int row, int column, quint16 value)
{
    return setU16At(cellAt(field, row, column, ValueType::U16), value);
}

bool ParameterImage::setI32(const FieldDef& field, int row, int column, qint32 value)
{
    return setI32At(cellAt(field, row, column, ValueType::I32), value);
}

bool ParameterImage::setU32(const FieldDef& field, int row, int column, quint32 value)
{
    return setU32At(cellAt(field, row, column, ValueType::U32), value);
}

bool ParameterImage::setF32(const FieldDef& field, int row, int column, float value)
{
    return setF32At(cellAt(field, row, column, ValueType::F32), value);
}

bool ParameterImage::setText(const FieldDef& field, int row, int column, const QString& text)
{
    return setTextAt(cellAt(field, row, column, ValueType::Text), text);
}
