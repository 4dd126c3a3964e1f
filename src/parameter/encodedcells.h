#pragma once

#include "parameter/parameterimage.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

#include <string_view>

namespace IO {

// The cell texts of a whole parameter image in UTF-8, exactly as
// IO::Encoder writes them, kept in one buffer for the file writer instead of
// one string per cell.
class EncodedCells
{
public:
    // Formats every cell of every field. Returns false when a value cannot be
    // carried exactly; problems (when given) then names each such cell as
    // IO::Encoder::encode does, in the same order.
    bool encode(const ParameterImage& image, QStringList* problems = nullptr);

    // The text of cell (row, column) of the field, empty outside its shape.
    std::string_view text(int fieldIndex, int row, int column) const;

private:
    QByteArray m_texts;
    QVector<int> m_ends;      // where each cell's text ends, all cells of all fields in order
    QVector<int> m_firstCell; // per field, its first cell in m_ends
};

} // namespace IO
