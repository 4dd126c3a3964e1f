#include "parameter/unkepttexts.h"

#include "app/core/displaytext.h"
#include "parameter/decoder.h"

#include <cstring>
#include <memory>

namespace {

// Offset of a cell that lies wholly inside the image, or -1.
int cellInImage(const FieldDef& field, int row, int column)
{
    const int offset = ParameterLayout::cellOffset(field, row, column);
    const int size = ParameterLayout::valueSize(field.type);
    return offset >= 0 && offset + size <= ParameterImage::Size ? offset : -1;
}

qint64 storedInteger(const ParameterImage& image, int offset, ValueType type)
{
    switch (type) {
    case ValueType::I16:
        return image.i16At(offset);
    case ValueType::U16:
        return image.u16At(offset);
    case ValueType::I32:
        return image.i32At(offset);
    case ValueType::U32:
        return image.u32At(offset);
    case ValueType::F32:
    case ValueType::Text:
        break;
    }
    return 0;
}

} // namespace

bool UnkeptTexts::isKept(const ParameterImage& image, const FieldDef& field, int row, int column,
                         const QString& text)
{
    const int offset = cellInImage(field, row, column);
    if (offset < 0)
        return true;
    // A text longer than 31 bytes is cut, and one with a zero byte ends there.
    if (field.type == ValueType::Text)
        return image.textAt(offset) == text;
    if (!IO::Decoder::mayBeNumber(text, field.type))
        return false;
    bool ok = false;
    if (field.type == ValueType::F32) {
        // Whatever the toolkit reads as a number is the stored float; anything
        // else was stored as 0 (or as an overflow's infinity).
        text.toFloat(&ok);
        return ok;
    }
    const qint64 written = text.trimmed().toLongLong(&ok, 10);
    return ok && written == storedInteger(image, offset, field.type);
}

void UnkeptTexts::note(const ParameterImage& image, const FieldDef& field, int row, int column,
                       const QString& text)
{
    const int offset = cellInImage(field, row, column);
    if (offset < 0)
        return;
    if (isKept(image, field, row, column, text)) {
        m_notes.remove(offset);
        return;
    }
    const int size = ParameterLayout::valueSize(field.type);
    m_notes.insert(offset,
                   {text, QByteArray(reinterpret_cast<const char*>(image.data()) + offset, size)});
}

UnkeptTexts UnkeptTexts::ofTable(const ParameterImage& image, const ParameterTextTable& table)
{
    UnkeptTexts texts;
    const auto decoded = std::make_unique<ParameterImage>(); // one cell's text at a time
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = ParameterLayout::fields()[i];
        const auto found = table.constFind(QLatin1String(field.name));
        if (found == table.constEnd())
            continue;
        const int size = ParameterLayout::valueSize(field.type);
        const QVector<QVector<QString>>& rows = found.value();
        for (int row = 0; row < qMin(rows.size(), field.rows); ++row) {
            for (int column = 0; column < qMin(rows[row].size(), field.columns); ++column) {
                const int offset = cellInImage(field, row, column);
                if (offset < 0)
                    continue;
                const QString& text = rows[row][column];
                IO::Decoder::storeCell(*decoded, field, row, column, text);
                // A cell the image did not take from this text is none of its business.
                if (std::memcmp(decoded->data() + offset, image.data() + offset,
                                std::size_t(size)) == 0)
                    texts.note(*decoded, field, row, column, text);
            }
        }
    }
    return texts;
}

QString UnkeptTexts::textAt(const ParameterImage& image, int offset) const
{
    const auto found = m_notes.constFind(offset);
    if (found == m_notes.constEnd())
        return QString();
    const QByteArray& bytes = found->bytes;
    if (offset < 0 || offset + bytes.size() > ParameterImage::Size ||
        std::memcmp(image.data() + offset, bytes.constData(), std::size_t(bytes.size())) != 0)
        return QString();
    // A note of an empty text still names the cell.
    return found->text.isNull() ? QStringLiteral("") : found->text;
}

void UnkeptTexts::forgetChanged(const ParameterImage& image)
{
    for (auto it = m_notes.begin(); it != m_notes.end();) {
        if (textAt(image, it.key()).isNull())
            it = m_notes.erase(it);
        else
            ++it;
    }
}

void UnkeptTexts::takeCells(const UnkeptTexts& read, const ParameterImage& taken)
{
    for (auto it = m_notes.begin(); it != m_notes.end();) {
        if (taken.data()[it.key()] != 0)
            it = m_notes.erase(it);
        else
            ++it;
    }
    for (auto it = read.m_notes.cbegin(); it != read.m_notes.cend(); ++it)
        if (taken.data()[it.key()] != 0)
            m_notes.insert(it.key(), it.value());
}

QString UnkeptTexts::shown(const QString& text, int around)
{
    const QString shown = DisplayText::shown(text, around);
    // A blank text that needs no escapes would show as nothing.
    return shown == text && text.trimmed().isEmpty() ? QLatin1Char('"') + text + QLatin1Char('"')
                                                     : shown;
}
