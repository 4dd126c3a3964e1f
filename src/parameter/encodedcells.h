#pragma once

#include "parameter/parameterimage.h"
#include "parameter/textbuffer.h"

#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace IO {

// The cell texts of a whole parameter image in UTF-8, exactly as
// IO::Encoder writes them, kept in one buffer for the file writer instead of
// one string per cell. Kept between writes, so its buffers are reused.
class EncodedCells
{
public:
    // Formats every cell of every field. Returns false when a value cannot be
    // carried exactly; problems (when given) then names each such cell as
    // IO::Encoder::encode does, in the same order.
    bool encode(const ParameterImage& image, QStringList* problems = nullptr);

    // The cells of a field follow one another row by row from here.
    int firstCell(int fieldIndex) const { return m_firstCell[std::size_t(fieldIndex)]; }
    // Each text is kept followed by its comma, so the cells of one file line
    // are one contiguous run of text.
    std::string_view text(int cell) const
    {
        const std::string_view withComma = textsWithCommas(cell, 1);
        return withComma.substr(0, withComma.size() - 1);
    }
    std::string_view textsWithCommas(int firstCell, int count) const
    {
        if (count <= 0)
            return std::string_view();
        const int begin = firstCell == 0 ? 0 : m_ends[std::size_t(firstCell) - 1];
        const int end = m_ends[std::size_t(firstCell + count) - 1];
        return m_texts.view().substr(std::size_t(begin), std::size_t(end - begin));
    }
    // All texts together, for an estimate of the file's size.
    std::size_t textSize() const { return m_texts.size(); }

private:
    TextBuffer m_texts{ParameterImage::Size * 2};
    std::vector<int> m_ends;      // where each cell's text ends, all cells of all fields in order
    std::vector<int> m_firstCell; // per field, its first cell
};

} // namespace IO
