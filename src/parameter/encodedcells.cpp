#include "encodedcells.h"

#include "parameter/encoder.h"
#include "parameter/parameterlayout.h"

#include <cstring>

namespace {

bool isZero(const unsigned char* value, int size)
{
    if (size == 2) {
        quint16 bits;
        std::memcpy(&bits, value, sizeof bits);
        return bits == 0;
    }
    quint32 bits;
    std::memcpy(&bits, value, sizeof bits);
    return bits == 0;
}

} // namespace

namespace IO {

bool EncodedCells::encode(const ParameterImage& image, QStringList* problems)
{
    m_texts.clear();
    m_ends.clear();
    m_ends.reserve(ParameterImage::Size / 2);
    m_firstCell.clear();
    bool exact = true;
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = fields[i];
        const int size = ParameterLayout::valueSize(field.type);
        m_firstCell.push_back(int(m_ends.size()));
        for (int r = 0; r < field.rows; ++r) {
            for (int c = 0; c < field.columns; ++c) {
                // Most cells are zero, which every number type writes as "0"
                // (a float only when positive zero: all bits zero).
                const unsigned char* value =
                    image.data() + field.offset + r * field.rowStride + c * field.columnStride;
                if (field.type != ValueType::Text && isZero(value, size)) {
                    m_texts.append('0');
                    m_texts.append(',');
                    m_ends.push_back(int(m_texts.size()));
                    continue;
                }
                QString problem;
                Encoder::appendCell(m_texts, image, field, r, c, &problem);
                m_texts.append(',');
                m_ends.push_back(int(m_texts.size()));
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

} // namespace IO
