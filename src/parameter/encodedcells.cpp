#include "encodedcells.h"

#include "parameter/encoder.h"
#include "parameter/parameterlayout.h"

namespace IO {

bool EncodedCells::encode(const ParameterImage& image, QStringList* problems)
{
    m_texts.clear();
    m_texts.reserve(ParameterImage::Size * 2);
    m_ends.clear();
    m_firstCell.clear();
    bool exact = true;
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = fields[i];
        m_firstCell.append(m_ends.size());
        for (int r = 0; r < field.rows; ++r) {
            for (int c = 0; c < field.columns; ++c) {
                QString problem;
                Encoder::appendCell(m_texts, image, field, r, c, &problem);
                m_ends.append(m_texts.size());
                if (!problem.isEmpty()) {
                    exact = false;
                    if (problems)
                        problems->append(Encoder::describeProblem(field, r, c, problem));
                }
            }
        }
    }
    return exact;
}

std::string_view EncodedCells::text(int fieldIndex, int row, int column) const
{
    const FieldDef& field = ParameterLayout::fields()[fieldIndex];
    if (row < 0 || row >= field.rows || column < 0 || column >= field.columns)
        return std::string_view();
    const int cell = m_firstCell.at(fieldIndex) + row * field.columns + column;
    const int begin = cell == 0 ? 0 : m_ends.at(cell - 1);
    return std::string_view(m_texts.constData() + begin, std::size_t(m_ends.at(cell) - begin));
}

} // namespace IO
