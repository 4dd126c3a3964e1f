#include "encoder.h"

#include "parameter/decoder.h"
#include "parameter/utf8text.h"

#include <QByteArray>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

quint32 floatBits(float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The reader converts float cells with QString::toFloat; a text is only good
// when that gives back the very same bits.
bool readsBackAs(const QString& text, float value)
{
    return floatBits(text.toFloat()) == floatBits(value);
}

QString describe(QChar c)
{
    if (c == QLatin1Char(','))
        return QStringLiteral("a comma");
    if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
        return QStringLiteral("a line break");
    if (c.isSpace())
        return QStringLiteral("a blank");
    return QStringLiteral("a control character");
}

template <typename Number> void appendNumber(TextBuffer& out, Number value)
{
    char* text = out.room(16);
    out.commit(std::size_t(std::to_chars(text, text + 16, value).ptr - text));
}

// Whether the toolkit, which rounds a value exactly halfway between two
// texts of this precision away from zero, differs here from to_chars, which
// rounds such a value to even. Halfway means the exact decimal expansion has
// precision + 1 significant digits and ends in 5.
bool isHalfwayByDigits(double value, int precision)
{
    // A float widened to double has at most 112 significant decimal digits.
    char digits[160];
    const auto result = std::to_chars(digits, digits + sizeof digits, std::fabs(value),
                                      std::chars_format::scientific, 120);
    // digits: d.ddd...e+xx; significant digit k (k >= 1) stands at k + 1.
    char* exponent = std::find(digits, result.ptr, 'e');
    if (digits[precision + 1] != '5')
        return false;
    return std::all_of(digits + precision + 2, exponent, [](char c) { return c == '0'; });
}

// The same for a normal float in integer arithmetic: |value| = odd M * 2^e
// has the decimal digits of M * 5^-e when e < 0, of M * 2^e otherwise.
bool isHalfway(float value, int precision)
{
    static constexpr auto powersOf5 = [] {
        std::array<quint64, 18> powers{};
        quint64 power = 1;
        for (quint64& p : powers) {
            p = power;
            power *= 5;
        }
        return powers;
    }();
    int e = 0;
    const float fraction = std::frexp(std::fabs(value), &e);
    quint64 m = quint64(std::ldexp(fraction, 24));
    const int zeros = __builtin_ctzll(m);
    m >>= zeros;
    e += zeros - 24;
    quint64 n = m;
    if (e < 0) {
        // 5^18 has 13 digits already: too many for any precision used here.
        if (-e >= 18)
            return false;
        n *= powersOf5[std::size_t(-e)];
    } else {
        if (e > 38) // beyond 64 bits
            return isHalfwayByDigits(double(value), precision);
        n <<= e;
        while (n % 10 == 0)
            n /= 10;
    }
    if (n % 10 != 5)
        return false;
    // Exactly precision + 1 digits.
    quint64 low = 1;
    for (int i = 0; i < precision; ++i)
        low *= 10;
    return n >= low && n < low * 10;
}

// QString::number(value, 'g', precision) for finite values.
int formatG(float single, int precision, char* text, int size)
{
    double value = double(single);
    if (isHalfway(single, precision))
        value = std::nextafter(value, std::copysign(HUGE_VAL, value));
    const auto result =
        std::to_chars(text, text + size, value, std::chars_format::general, precision);
    return int(result.ptr - text);
}

// formatFloat's text where seven or nine digits read back, found without
// making a string; false where formatFloat has to decide.
bool appendPlainFloat(TextBuffer& out, float value)
{
    if (value == 0.0f && !std::signbit(value)) {
        out.append('0');
        return true;
    }
    if (!std::isnormal(value))
        return false;
    for (int precision : {7, 9}) {
        char text[40];
        const int size = formatG(value, precision, text, sizeof text);
        float back = 0;
        if (!IO::Decoder::plainFloat(std::string_view(text, std::size_t(size)), &back))
            return false;
        if (floatBits(back) == floatBits(value)) {
            out.append(std::string_view(text, std::size_t(size)));
            return true;
        }
    }
    return false;
}

} // namespace

namespace IO {

bool Encoder::encode(ParameterTextTable& table, const ParameterImage& image, QStringList* problems)
{
    bool exact = true;
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = fields[i];
        auto& rows = table[QString::fromLatin1(field.name)];
        const int rowCount = qMin(rows.size(), field.rows);
        for (int r = 0; r < rowCount; ++r) {
            auto& cells = rows[r];
            const int cellCount = qMin(cells.size(), field.columns);
            for (int c = 0; c < cellCount; ++c) {
                QString problem;
                cells[c] = formatCell(image, field, r, c, &problem);
                if (!problem.isEmpty()) {
                    exact = false;
                    if (problems)
                        problems->append(describeProblem(field, r, c, problem));
                }
            }
        }
    }
    return exact;
}

QString Encoder::describeProblem(const FieldDef& field, int row, int column, const QString& problem)
{
    return QStringLiteral("%1 group %2 value %3: %4")
        .arg(QLatin1String(field.name))
        .arg(row + 1)
        .arg(column + 1)
        .arg(problem);
}

void Encoder::appendCell(TextBuffer& out, const ParameterImage& image, const FieldDef& field,
                         int row, int column, QString* problem)
{
    const int offset = ParameterLayout::cellOffset(field, row, column);
    switch (field.type) {
    case ValueType::I16:
        appendNumber(out, image.i16At(offset));
        return;
    case ValueType::U16:
        appendNumber(out, image.u16At(offset));
        return;
    case ValueType::I32:
        appendNumber(out, image.i32At(offset));
        return;
    case ValueType::U32:
        appendNumber(out, image.u32At(offset));
        return;
    case ValueType::F32:
        if (appendPlainFloat(out, image.f32At(offset)))
            return;
        break;
    case ValueType::Text:
        break;
    }
    const QByteArray text = formatCell(image, field, row, column, problem).toUtf8();
    out.append(std::string_view(text.constData(), std::size_t(text.size())));
}

QString Encoder::formatCell(const ParameterImage& image, const FieldDef& field, int row, int column,
                            QString* problem)
{
    const int offset = ParameterLayout::cellOffset(field, row, column);
    switch (field.type) {
    case ValueType::I16:
        return QString::number(int(image.i16At(offset)));
    case ValueType::U16:
        return QString::number(uint(image.u16At(offset)));
    case ValueType::I32:
        return QString::number(image.i32At(offset));
    case ValueType::U32:
        return QString::number(image.u32At(offset));
    case ValueType::F32: {
        bool exact = true;
        const QString text = formatFloat(image.f32At(offset), &exact);
        if (!exact && problem)
            *problem = QStringLiteral("the value NaN %1 cannot be written")
                           .arg(floatBits(image.f32At(offset)), 8, 16, QLatin1Char('0'));
        return text;
    }
    case ValueType::Text:
        if (offset < 0 || offset > ParameterImage::Size - ParameterLayout::TextSize)
            return QString();
        return formatText(image.data() + offset, problem);
    }
    return QString();
}

QString Encoder::formatFloat(float value, bool* exact)
{
    if (exact)
        *exact = true;
    const double wide = double(value);
    QString text = QString::number(wide, 'g', 7);
    if (readsBackAs(text, value))
        return text;
    // Nine digits carry every float, except that the reader takes a text just
    // above the largest float for an overflow; the exact decimal of the
    // widened value always reads back.
    for (int precision : {9, 17}) {
        text = QString::number(wide, 'g', precision);
        if (readsBackAs(text, value))
            return text;
    }
    // The toolkit formats negative zero without its sign.
    if (value == 0.0f && std::signbit(value))
        return QStringLiteral("-0");
    if (exact)
        *exact = false;
    return text;
}

QString Encoder::formatText(const unsigned char* field, QString* problem)
{
    const char* bytes = reinterpret_cast<const char*>(field);
    const void* zero = std::memchr(bytes, 0, ParameterLayout::TextSize);
    const int length =
        zero ? int(static_cast<const char*>(zero) - bytes) : ParameterLayout::TextSize;
    const QByteArray utf8(bytes, length);
    const QString text = utf8Text(std::string_view(bytes, std::size_t(length)));
    if (!problem)
        return text;

    if (!zero) {
        *problem = QStringLiteral("text longer than %1 bytes").arg(ParameterLayout::TextMaxLength);
        return text;
    }
    // Invalid or cut multi-byte characters would come back as replacement
    // characters, that is as other bytes.
    if (text.toUtf8() != utf8) {
        *problem = QStringLiteral("text is not valid UTF-8");
        return text;
    }
    // The reader fills the rest of the field with zero bytes.
    for (int i = length; i < ParameterLayout::TextSize; ++i) {
        if (field[i] != 0) {
            *problem = QStringLiteral("bytes after the end of the text are not zero");
            return text;
        }
    }
    const QString reason = textProblem(text);
    if (!reason.isEmpty())
        *problem = reason;
    return text;
}

QString Encoder::textProblem(const QString& text)
{
    if (text.toUtf8().size() > ParameterLayout::TextMaxLength)
        return QStringLiteral("text longer than %1 bytes").arg(ParameterLayout::TextMaxLength);
    // The same engine the reader uses to find the block, so "blank" means
    // exactly what makes the block disappear there.
    static const QRegularExpression unsafe(QStringLiteral("[\\s,\\x00-\\x1f\\x7f]"));
    const QRegularExpressionMatch match = unsafe.match(text);
    if (match.hasMatch())
        return QStringLiteral("text contains %1").arg(describe(text.at(match.capturedStart())));
    if (text.contains(QLatin1String(".END")))
        return QStringLiteral("text contains \".END\"");
    return QString();
}

} // namespace IO
