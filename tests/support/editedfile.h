#pragma once

// Parameter files whose text differs from what the program writes: the
// image is signed and written as a text table, with some cells' texts
// replaced. The signature still holds where a replaced text decodes to the
// stored bytes ("99999" in a 16-bit field that stores -31073).

#include "parameter/crc32c.h"
#include "parameter/decoder.h"
#include "parameter/parser.h"

#include <QString>
#include <QVector>

struct CellText
{
    const char* name;
    int row;
    int column;
    QString text;
};

inline bool writeEditedFile(const QString& path, ParameterImage image,
                            const QVector<CellText>& texts)
{
    IO::Parser parser;
    parser.loadInfo();
    ParameterTextTable table;
    parser.makeTable(table);
    Crc32c::signImage(image);
    // A NaN payload that no text carries is written as the plain NaN.
    IO::Decoder().encode(table, image);
    for (const CellText& cell : texts)
        table[QLatin1String(cell.name)][cell.row][cell.column] = cell.text;
    return parser.extractToText(path, table, false) == 1;
}

inline bool writeEditedFile(const QString& path, const ParameterImage& image,
                            std::initializer_list<CellText> texts = {})
{
    return writeEditedFile(path, image, QVector<CellText>(texts));
}
