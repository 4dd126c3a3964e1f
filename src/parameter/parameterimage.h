#pragma once

#include "parameter/parameterlayout.h"

#include <QString>
#include <QtGlobal>

#include <array>

// The safety unit's whole parameter set: 65516 bytes, packed little-endian,
// laid out as the field table says. A plain value: copied and compared byte
// for byte. Every accessor checks its range, so a bad offset, row or column
// reads as 0 (or the empty text) and writes nothing.
class ParameterImage
{
public:
    static constexpr int Size = ParameterLayout::ImageSize;

    ParameterImage() { clear(); }

    unsigned char* data() { return m_bytes.data(); }
    const unsigned char* data() const { return m_bytes.data(); }
    static constexpr int size() { return Size; }
    void clear() { m_bytes.fill(0); }

    bool operator==(const ParameterImage& other) const { return m_bytes == other.m_bytes; }
    bool operator!=(const ParameterImage& other) const { return m_bytes != other.m_bytes; }
    // Compares the three areas only, not the signature trailer.
    bool areasEqual(const ParameterImage& other) const;

    // Access by byte offset. ok (when given) tells whether the value lay
    // inside the image.
    qint16 i16At(int offset, bool* ok = nullptr) const;
    quint16 u16At(int offset, bool* ok = nullptr) const;
    qint32 i32At(int offset, bool* ok = nullptr) const;
    quint32 u32At(int offset, bool* ok = nullptr) const;
    float f32At(int offset, bool* ok = nullptr) const;
    // The 32-byte text field's bytes up to its first zero byte, as UTF-8.
    QString textAt(int offset, bool* ok = nullptr) const;

    bool setI16At(int offset, qint16 value);
    bool setU16At(int offset, quint16 value);
    bool setI32At(int offset, qint32 value);
    bool setU32At(int offset, quint32 value);
    bool setF32At(int offset, float value);
    // Zeroes the 32-byte field, then stores at most 31 bytes of the text's
    // UTF-8 form, cut at a character boundary, so that a zero byte always
    // follows it.
    bool setTextAt(int offset, const QString& text);

    // Access to cell (row, column) of a field. Refused when the cell lies
    // outside the field's shape or the accessor does not suit the field's
    // type: signed and unsigned integers of one width share fields (some
    // screens read the i16 switches as u16); floats and texts only go with
    // their own type.
    qint16 i16(const FieldDef& field, int row = 0, int column = 0, bool* ok = nullptr) const;
    quint16 u16(const FieldDef& field, int row = 0, int column = 0, bool* ok = nullptr) const;
    qint32 i32(const FieldDef& field, int row = 0, int column = 0, bool* ok = nullptr) const;
    quint32 u32(const FieldDef& field, int row = 0, int column = 0, bool* ok = nullptr) const;
    float f32(const FieldDef& field, int row = 0, int column = 0, bool* ok = nullptr) const;
    QString text(const FieldDef& field, int row = 0, int column = 0, bool* ok = nullptr) const;

    bool setI16(const FieldDef& field, int row, int column, qint16 value);
    bool setU16(const FieldDef& field, int row, int column, quint16 value);
    bool setI32(const FieldDef& field, int row, int column, qint32 value);
    bool setU32(const FieldDef& field, int row, int column, quint32 value);
    bool setF32(const FieldDef& field, int row, int column, float value);
    bool setText(const FieldDef& field, int row, int column, const QString& text);

    // Signature trailer.
    quint32 wholeUpdateTime() const { return u32At(ParameterLayout::WholeUpdateTimeOffset); }
    quint32 systemUpdateTime() const { return u32At(ParameterLayout::SystemUpdateTimeOffset); }
    quint32 monitorUpdateTime() const { return u32At(ParameterLayout::MonitorUpdateTimeOffset); }
    quint32 signalUpdateTime() const { return u32At(ParameterLayout::SignalUpdateTimeOffset); }
    quint32 wholeCRC() const { return u32At(ParameterLayout::WholeCrcOffset); }
    quint32 systemCRC() const { return u32At(ParameterLayout::SystemCrcOffset); }
    quint32 monitorCRC() const { return u32At(ParameterLayout::MonitorCrcOffset); }
    quint32 signalCRC() const { return u32At(ParameterLayout::SignalCrcOffset); }
    quint32 allDataCRC() const { return u32At(ParameterLayout::AllDataCrcOffset); }
    QString parameterVersion() const { return textAt(ParameterLayout::ParameterVersionOffset); }

    void setWholeUpdateTime(quint32 t) { setU32At(ParameterLayout::WholeUpdateTimeOffset, t); }
    void setSystemUpdateTime(quint32 t) { setU32At(ParameterLayout::SystemUpdateTimeOffset, t); }
    void setMonitorUpdateTime(quint32 t) { setU32At(ParameterLayout::MonitorUpdateTimeOffset, t); }
    void setSignalUpdateTime(quint32 t) { setU32At(ParameterLayout::SignalUpdateTimeOffset, t); }
    void setWholeCRC(quint32 crc) { setU32At(ParameterLayout::WholeCrcOffset, crc); }
    void setSystemCRC(quint32 crc) { setU32At(ParameterLayout::SystemCrcOffset, crc); }
    void setMonitorCRC(quint32 crc) { setU32At(ParameterLayout::MonitorCrcOffset, crc); }
    void setSignalCRC(quint32 crc) { setU32At(ParameterLayout::SignalCrcOffset, crc); }
    void setAllDataCRC(quint32 crc) { setU32At(ParameterLayout::AllDataCrcOffset, crc); }
    void setParameterVersion(const QString& version)
    {
        setTextAt(ParameterLayout::ParameterVersionOffset, version);
    }

private:
    static bool fits(int offset, int size) { return offset >= 0 && offset <= Size - size; }
    // Offset of a cell when the field can be accessed as the given type, or -1.
    static int cellAt(const FieldDef& field, int row, int column, ValueType access);

    std::array<unsigned char, Size> m_bytes;
};
