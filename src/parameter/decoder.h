#pragma once

#include "parameter/parameterimage.h"
#include "parameter/parameterinfo.h"
#include "parameter/parametertexttable.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <string_view>

namespace IO {

class ParameterNameIndex;

// The parameter image codec: converts between a parameter image and the
// parameter text table of a file, and computes and checks the image's
// CRC-32C signature. Knows the fields from the image's own field table; the
// definitions are consulted only for the part a parameter belongs to.
class Decoder : public QObject
{
    Q_OBJECT

public:
    explicit Decoder(QObject* parent = nullptr);

    // Writes the text of every image value into the existing cells of the
    // table (see IO::Encoder). Returns false, naming the cells in problems,
    // when a value has no text that reads back to the same bytes.
    bool encode(ParameterTextTable& table, const ParameterImage& image,
                QStringList* problems = nullptr) const;

    // Stores the table's cells into the image. Without definitions every
    // parameter is stored; with them only the parts whose flag is set (robot
    // part, user part, signature trailer). Everything else keeps its bytes.
    void decode(ParameterImage& image, const ParameterTextTable& table,
                const QMap<QString, ParameterInfo>* infos, bool robotPart, bool userPart,
                bool trailer) const;

    // decode() for a file that IO::Parser::extractToImage has already read
    // into an image: stores the cells that decode() would store from the
    // text table extractToMap fills from the same file. The index, made from
    // the definitions infos, gives the table's shape and the parts.
    void decode(ParameterImage& image, const ParameterImage& fileImage,
                const ParameterNameIndex& index, const QMap<QString, ParameterInfo>* infos,
                bool robotPart, bool userPart, bool trailer) const;

    // Stores the five CRC-32C values into the image's trailer.
    void computeCRC(ParameterImage& image) const;

    // True when the signature values in the table agree with the table's own
    // data. A stored value of 9894 skips its range.
    bool isCRCCorrect(const ParameterTextTable& table) const;
    // The same for the image a file decodes to without definitions.
    bool isCRCCorrect(const ParameterImage& fileImage) const;

    // One of the five signature values of an image: as stored in its
    // trailer and as computed from its data.
    struct CrcCheck
    {
        const char* name; // "whole", "system", "monitor", "signal", "all data"
        quint32 stored;
        quint32 computed;
        bool ignored() const { return stored == IgnoredCRC; }
        bool holds() const { return ignored() || stored == computed; }
    };
    // The five checks in the order isCRCCorrect makes them.
    static QVector<CrcCheck> crcChecks(const ParameterImage& image);
    // The ranges ("whole", ..., "all data") whose stored CRC is 9894: the
    // check skips them, so the set loads but is not signed. Empty when none.
    static QStringList skippedChecks(const ParameterImage& image);
    // The ranges whose stored CRC differs from the one computed (9894 aside).
    static QStringList failedChecks(const ParameterImage& image);
    // The same of checks already made (crcChecks), without computing again.
    static QStringList failedChecks(const QVector<CrcCheck>& checks);

    // Stores one cell text into the image as the field's type reads it:
    // integers in base 10 (0 when not a number), floats by QString::toFloat,
    // texts cut to 31 bytes at a character boundary.
    static void storeCell(ParameterImage& image, const FieldDef& field, int row, int column,
                          const QString& text);
    // The same for the UTF-8 bytes of a cell text; plain numbers are
    // converted without making a string. True when the text was a plain
    // number that the field holds as written (or a text that its field holds
    // whole); false when it took the toolkit's way, and may not have been
    // kept.
    static bool storeCell(ParameterImage& image, const FieldDef& field, int row, int column,
                          std::string_view text);

    // Whether the toolkit may read the text as a number of the field's type:
    // false only for a text longer than ToolkitDecides whose first character
    // (after white space) cannot begin one. A long text of other characters
    // is then never converted whole, which would copy megabytes.
    static bool mayBeNumber(const QString& text, ValueType type);
    static constexpr int ToolkitDecides = 64;

    // The stored CRC value that tells the check to skip a range.
    static constexpr quint32 IgnoredCRC = 9894;

    // Plain number texts converted from the bytes: an optional minus sign and
    // up to ten digits; and floats in the writer's forms, converted only
    // where the result is a normal float (elsewhere the toolkit's rules for
    // zero, subnormals and overflow apply). False when not plain.
    static bool plainInteger(std::string_view text, qint64* value);
    static bool plainFloat(std::string_view text, float* value);

private:
    // Calls visit(field index, field, wanted(row, column)) for every field
    // that the selection takes, in field-table order.
    // Fields are selected by classOf(field index) when withDefinitions.
    template <typename ClassOf, typename Visit>
    static void forEachSelectedField(bool withDefinitions, ClassOf classOf, bool robotPart,
                                     bool userPart, bool trailer, Visit visit);
};

} // namespace IO
