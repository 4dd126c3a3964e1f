#include "decoder.h"

#include "app/core/startupstate.h"
#include "parameter/crc32c.h"
#include "parameter/encoder.h"
#include "parameter/parameterlayout.h"
#include "parameter/parameternameindex.h"
#include "parameter/utf8text.h"

#include <QtDebug>
#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// The monitoring area sets (MoveAreaValid to MoveAreaStopPosValid): under
// isVSFtoAFM sets 0 to 8 belong to the robot part, 9 to 15 to the user part.
constexpr int AreaSetFirstNo = 3143;
constexpr int AreaSetLastNo = 3154;
constexpr int LastRobotAreaSet = 8;

bool isAreaSetField(const FieldDef& field)
{
    return field.no >= AreaSetFirstNo && field.no <= AreaSetLastNo;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

namespace IO {

Decoder::Decoder(QObject* parent) : QObject(parent) {}

bool Decoder::encode(ParameterTextTable& table, const ParameterImage& image,
                     QStringList* problems) const
{
    return Encoder::encode(table, image, problems);
}

template <typename ClassOf, typename Visit>
void Decoder::forEachSelectedField(bool withDefinitions, ClassOf classOf, bool robotPart,
                                   bool userPart, bool trailer, Visit visit)
{
    const bool splitAreaSets = withDefinitions && isVSFtoAFM;
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = fields[i];
        const bool bySet = splitAreaSets && isAreaSetField(field);
        if (withDefinitions && !bySet) {
            const int cls = classOf(i);
            const bool selected = cls == 0 ? robotPart : cls == 1 ? userPart : trailer;
            if (!selected)
                continue;
        }
        // One-row members are indexed by set; MoveAreaX/Y by row.
        const auto wanted = [&field, bySet, robotPart, userPart](int row, int column) {
            if (!bySet)
                return true;
            const int set = field.rows > 1 ? row : column;
            return set <= LastRobotAreaSet ? robotPart : userPart;
        };
        visit(i, field, wanted);
    }
}

void Decoder::decode(ParameterImage& image, const ParameterTextTable& table,
                     const QMap<QString, ParameterInfo>* infos, bool robotPart, bool userPart,
                     bool trailer) const
{
    // A name without definition counts as robot part.
    const auto classOf = [infos](int i) {
        return infos->value(QString::fromLatin1(ParameterLayout::fields()[i].name)).ParamClass;
    };
    forEachSelectedField(infos != nullptr, classOf, robotPart, userPart, trailer,
                         [&](int, const FieldDef& field, const auto& wanted) {
                             const auto entry = table.constFind(QString::fromLatin1(field.name));
                             if (entry == table.constEnd())
                                 return;
                             const auto& rows = entry.value();
                             const int rowCount = qMin(rows.size(), field.rows);
                             for (int r = 0; r < rowCount; ++r) {
                                 const auto& cells = rows.at(r);
                                 const int cellCount = qMin(cells.size(), field.columns);
                                 for (int c = 0; c < cellCount; ++c)
                                     if (wanted(r, c))
                                         storeCell(image, field, r, c, cells.at(c));
                             }
                         });
}

void Decoder::decode(ParameterImage& image, const ParameterImage& fileImage,
                     const ParameterNameIndex& index, const QMap<QString, ParameterInfo>* infos,
                     bool robotPart, bool userPart, bool trailer) const
{
    const auto classOf = [&index](int i) {
        const int entry = index.entryOfField(i);
        return entry < 0 ? 0 : index.entry(entry).info.ParamClass;
    };
    forEachSelectedField(infos != nullptr, classOf, robotPart, userPart, trailer,
                         [&](int fieldIndex, const FieldDef& field, const auto& wanted) {
                             const int entry = index.entryOfField(fieldIndex);
                             if (entry < 0)
                                 return;
                             const int rowCount = qMin(index.entry(entry).tableRows, field.rows);
                             const int cellCount =
                                 qMin(index.entry(entry).tableCells, field.columns);
                             const int size = ParameterLayout::valueSize(field.type);
                             for (int r = 0; r < rowCount; ++r) {
                                 for (int c = 0; c < cellCount; ++c) {
                                     const int offset = ParameterLayout::cellOffset(field, r, c);
                                     if (offset >= 0 && wanted(r, c))
                                         std::memcpy(image.data() + offset,
                                                     fileImage.data() + offset, std::size_t(size));
                                 }
                             }
                         });
}

bool Decoder::mayBeNumber(const QString& text, ValueType type)
{
    // A short text costs the toolkit little: it decides itself.
    if (text.size() <= ToolkitDecides)
        return true;
    // The toolkit skips white space around a number.
    const auto first =
        std::find_if_not(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
    if (first == text.end())
        return false;
    const QChar c = *first;
    // It takes the minus sign U+2212 for "-".
    if (c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QChar(0x2212))
        return true;
    // "inf", "nan" and ".5" are floats too.
    const QChar lower = c.toLower();
    return type == ValueType::F32 &&
           (c == QLatin1Char('.') || lower == QLatin1Char('i') || lower == QLatin1Char('n'));
}

void Decoder::storeCell(ParameterImage& image, const FieldDef& field, int row, int column,
                        const QString& text)
{
    const int offset = ParameterLayout::cellOffset(field, row, column);
    if (offset < 0)
        return;
    bool ok = false;
    const bool number = mayBeNumber(text, field.type);
    switch (field.type) {
    case ValueType::I16: {
        const int value = number ? text.toInt(&ok, 10) : 0;
        image.setU16At(offset, ok ? quint16(value) : 0); // the low 16 bits
        break;
    }
    case ValueType::U16: {
        const uint value = number ? text.toUInt(&ok, 10) : 0;
        image.setU16At(offset, ok ? quint16(value) : 0);
        break;
    }
    case ValueType::I32: {
        const int value = number ? text.toInt(&ok, 10) : 0;
        image.setI32At(offset, ok ? value : 0);
        break;
    }
    case ValueType::U32: {
        const uint value = number ? text.toUInt(&ok, 10) : 0;
        image.setU32At(offset, ok ? value : 0);
        break;
    }
    case ValueType::F32:
        // Not a number gives 0; out of range is what the toolkit makes of it.
        image.setF32At(offset, number ? text.toFloat() : 0.0f);
        break;
    case ValueType::Text:
        image.setTextAt(offset, text);
        break;
    }
}

bool Decoder::storeCell(ParameterImage& image, const FieldDef& field, int row, int column,
                        std::string_view text)
{
    if (row < 0 || row >= field.rows || column < 0 || column >= field.columns)
        return true;
    const int offset = field.offset + row * field.rowStride + column * field.columnStride;
    const auto store = [&image, offset](auto value) {
        if (offset >= 0 && offset <= ParameterImage::Size - int(sizeof value))
            qToLittleEndian(value, image.data() + offset);
    };
    qint64 integer = 0;
    float real = 0;
    switch (field.type) {
    case ValueType::I16:
    case ValueType::I32: {
        if (!plainInteger(text, &integer))
            break;
        const bool fits = field.type == ValueType::I16
                              ? integer >= std::numeric_limits<qint16>::min() &&
                                    integer <= std::numeric_limits<qint16>::max()
                              : integer >= std::numeric_limits<qint32>::min() &&
                                    integer <= std::numeric_limits<qint32>::max();
        if (integer < std::numeric_limits<qint32>::min() ||
            integer > std::numeric_limits<qint32>::max())
            integer = 0; // as the toolkit refuses it
        if (field.type == ValueType::I16)
            store(quint16(integer)); // the low 16 bits
        else
            store(qint32(integer));
        return fits;
    }
    case ValueType::U16:
    case ValueType::U32: {
        if (!plainInteger(text, &integer))
            break;
        const bool fits = integer >= 0 && integer <= (field.type == ValueType::U16
                                                          ? std::numeric_limits<quint16>::max()
                                                          : std::numeric_limits<quint32>::max());
        if (integer < 0 || integer > std::numeric_limits<quint32>::max())
            integer = 0;
        if (field.type == ValueType::U16)
            store(quint16(integer));
        else
            store(quint32(integer));
        return fits;
    }
    case ValueType::F32:
        if (!plainFloat(text, &real))
            break;
        quint32 bits;
        std::memcpy(&bits, &real, sizeof bits);
        store(bits);
        return true;
    case ValueType::Text:
        storeCell(image, field, row, column, utf8Text(text));
        // Its bytes as they are, with the field's zero byte after them.
        return text.size() < std::size_t(ParameterLayout::TextSize) && offset >= 0 &&
               offset <= ParameterImage::Size - ParameterLayout::TextSize &&
               std::memchr(text.data(), 0, text.size()) == nullptr &&
               std::memcmp(image.data() + offset, text.data(), text.size()) == 0 &&
               image.data()[offset + int(text.size())] == 0;
    }
    // Everything else as the toolkit reads it.
    storeCell(image, field, row, column, utf8Text(text));
    return false;
}

bool Decoder::plainInteger(std::string_view text, qint64* value)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 10)
        return false;
    qint64 number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
    }
    *value = negative ? -number : number;
    return true;
}

bool Decoder::plainFloat(std::string_view text, float* value)
{
    if (text == "0") {
        *value = 0.0f;
        return true;
    }
    if (text.size() > 40)
        return false;
    // -?digits(.digits)?([eE][+-]?digits)?, as the writer writes them. The
    // digits are gathered on the way for the exact conversion below.
    std::size_t at = 0;
    quint64 mantissa = 0;
    int significant = 0;
    int exponent = 0;
    const auto digits = [&](bool fraction) {
        const std::size_t first = at;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
            if (mantissa == 0 && text[at] == '0') {
                exponent -= fraction;
                continue;
            }
            if (++significant <= 19) {
                mantissa = mantissa * 10 + quint64(text[at] - '0');
                exponent -= fraction;
            } else {
                exponent += !fraction;
            }
        }
        return at > first;
    };
    const bool negative = text[at] == '-';
    at += negative;
    if (!digits(false))
        return false;
    if (at < text.size() && text[at] == '.') {
        ++at;
        if (!digits(true))
            return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        const bool negativeExponent = at < text.size() && text[at] == '-';
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        const std::size_t first = at;
        int written = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
            written = qMin(written * 10 + (text[at] - '0'), 100000);
        if (at == first)
            return false;
        exponent += negativeExponent ? -written : written;
    }
    if (at != text.size())
        return false;

    // Up to 15 digits and a power of ten that a double holds exactly: the one
    // rounding of the product or quotient is the correct one. Otherwise the
    // standard library's correctly rounded conversion.
    static const double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    double number = 0;
    if (significant <= 15 && exponent >= -22 && exponent <= 22) {
        number = double(mantissa);
        number = exponent < 0 ? number / powers[-exponent] : number * powers[exponent];
        if (negative)
            number = -number;
    } else {
        const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
        if (result.ec != std::errc() || result.ptr != text.data() + text.size())
            return false;
    }
    // Zero, subnormal and out-of-range results follow the toolkit's own rules.
    const double magnitude = std::fabs(number);
    if (!(magnitude >= double(std::numeric_limits<float>::min()) &&
          magnitude <= double(std::numeric_limits<float>::max())))
        return false;
    *value = float(number);
    return true;
}

void Decoder::computeCRC(ParameterImage& image) const
{
    Crc32c::signImage(image);
}

bool Decoder::isCRCCorrect(const ParameterTextTable& table) const
{
    ParameterImage scratch;
    decode(scratch, table, nullptr, true, true, true);
    return isCRCCorrect(scratch);
}

QVector<Decoder::CrcCheck> Decoder::crcChecks(const ParameterImage& image)
{
    const Crc32c::ImageSignature computed = Crc32c::imageSignature(image);
    return {
        {"whole", image.wholeCRC(), computed.whole},
        {"system", image.systemCRC(), computed.system},
        {"monitor", image.monitorCRC(), computed.monitor},
        {"signal", image.signalCRC(), computed.signal},
        {"all data", image.allDataCRC(), computed.allData},
    };
}

QStringList Decoder::failedChecks(const ParameterImage& image)
{
    return failedChecks(crcChecks(image));
}

QStringList Decoder::failedChecks(const QVector<CrcCheck>& checks)
{
    QStringList names;
    for (const CrcCheck& crc : checks)
        if (!crc.holds())
            names << QLatin1String(crc.name);
    return names;
}

QStringList Decoder::skippedChecks(const ParameterImage& image)
{
    const std::pair<const char*, quint32> stored[] = {
        {"whole", image.wholeCRC()},      {"system", image.systemCRC()},
        {"monitor", image.monitorCRC()},  {"signal", image.signalCRC()},
        {"all data", image.allDataCRC()},
    };
    QStringList names;
    for (const auto& [name, value] : stored)
        if (value == IgnoredCRC)
            names << QLatin1String(name);
    return names;
}

bool Decoder::isCRCCorrect(const ParameterImage& scratch) const
{
    const QVector<CrcCheck> checks = crcChecks(scratch);
    bool correct = true;
    for (const CrcCheck& check : checks) {
        if (check.ignored()) {
            qInfo().noquote() << quoted(
                QStringLiteral("ignore %1 crc").arg(QLatin1String(check.name)));
            continue;
        }
        if (check.stored != check.computed) {
            qWarning().noquote() << quoted(QStringLiteral("%1 crc: file=%2 calculated=%3")
                                               .arg(QLatin1String(check.name))
                                               .arg(check.stored)
                                               .arg(check.computed));
            correct = false;
            break;
        }
    }
    qInfo().noquote() << "IO::Decoder::isCRCCorrect"
                      << "->" << (correct ? "OK" : "NG");
    return correct;
}

} // namespace IO
