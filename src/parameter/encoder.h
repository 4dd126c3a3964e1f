#pragma once

#include "parameter/parameterimage.h"
#include "parameter/parameterlayout.h"
#include "parameter/parametertexttable.h"
#include "parameter/textbuffer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace IO {

// Turns the values of a parameter image into the cell texts of a parameter
// file. Every text it produces reads back (IO::Decoder) to exactly the bytes
// it came from; a value for which no such text exists is reported instead of
// being written differently, since the file's signature would then no longer
// agree with its data.
class Encoder
{
public:
    // Replaces every existing cell of the table inside a parameter's shape by
    // the text of the image's value; a missing entry is added empty. Returns
    // false when a value cannot be carried exactly; problems (when given)
    // then names each such cell. The table is filled all the same.
    static bool encode(ParameterTextTable& table, const ParameterImage& image,
                       QStringList* problems = nullptr);

    // Text of one cell. problem (when given) is set to the reason when the
    // value cannot be carried, and left alone otherwise.
    static QString formatCell(const ParameterImage& image, const FieldDef& field, int row,
                              int column, QString* problem = nullptr);

    // The same text appended to a UTF-8 buffer; plain numbers are formatted
    // without making a string.
    static void appendCell(TextBuffer& out, const ParameterImage& image, const FieldDef& field,
                           int row, int column, QString* problem = nullptr);

    // How encode names a cell that cannot be carried.
    static QString describeProblem(const FieldDef& field, int row, int column,
                                   const QString& problem);

    // Seven significant digits where they read back to the same float, more
    // only where they would not. exact (when given) is false for the one
    // case no text can carry: a NaN other than the one the reader produces.
    static QString formatFloat(float value, bool* exact = nullptr);

    // The text of a 32-byte text field, with the reason it cannot be written
    // (empty when it can).
    static QString formatText(const unsigned char* field, QString* problem = nullptr);

    // Why a text value would not read back from a parameter file as it is
    // (empty when it would): a blank, comma or control character splits or
    // breaks the line, ".END" ends the block, more than 31 bytes do not fit.
    static QString textProblem(const QString& text);
};

} // namespace IO
