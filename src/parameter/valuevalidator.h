#pragma once

#include "parameter/findingcount.h"
#include "parameter/parameterimage.h"
#include "parameter/parametertexttable.h"
#include "parameter/unkepttexts.h"

#include <QString>
#include <QVector>

// One stored value that a safety tool must not pass over in silence.
struct LimitEntry
{
    enum Problem
    {
        OutsideLimits, // a number outside the parameter's limits
        NotFinite,     // a float that is NaN or infinite
        TextNotKept,   // the file's text did not fit the field ("99999" read as -31073) or,
                       // for a float, was no number ("abc" read as 0)
    };

    int no = 0;          // parameter number
    QString name;        // parameter name as in a parameter file ("UsrSafetyFilterTime")
    QString displayName; // translated display name with the group and element it concerns
    int scene = 0;       // page that shows the value; 0 when no page does
    int row = 0;         // cell of the field, counted from 0 as in the image's field table
    int column = 0;
    int offset = 0; // byte offset of the cell in the image
    ValueType type = ValueType::I16;
    double value = 0;
    QString valueText; // the stored value as the pages show it
    QString fileText;  // the file's text for the cell where it differs from valueText
    // Texts and the signature trailer have none; their entries are texts
    // not kept.
    bool hasLimits = true;
    double lower = 0;
    double upper = 0;
    Problem problem = OutsideLimits;

    // "1 to 127"; empty for a cell without limits.
    QString limitsText() const;
    // One limit of a cell of the type: an integer in full, a float as the
    // shortest text that reads back as the same float.
    static QString limitText(double limit, ValueType type);
    // "Name (where): value" with the file's text and the limits, one line.
    QString describe() const;
    // valueText with the file's text beside it where the two differ or the
    // text was not kept, both as UnkeptTexts::shown() shows a text.
    QString shownValue() const;
    // value with "(file: text)" beside it, as every list of findings shows
    // it; a long text cut around the character at index around.
    static QString withFileText(const QString& value, const QString& fileText, int around = 0);
};

// Finds every value of a parameter image that lies outside its definition's
// limits, every float that is not finite and, for an image read from a
// file, every cell whose file text it did not keep, texts and the signature
// trailer included (they have no limits). Reads nothing but the
// image and the file's texts, so it runs anywhere: on the pages, before a
// write and on the command line.
//
// The set the program holds keeps the texts its files did not keep (the
// store registers them with setHeldTexts): check(), count() and isOutside()
// without a table judge an image of that set, so a wrapped value is told
// wherever a value outside its limits is, as long as the image still holds
// what the text became.
class ValueValidator
{
public:
    // Every such value, in field order. fileTable: the text table of the file
    // the image was read from; without it, the held set's texts count.
    static QVector<LimitEntry> check(const ParameterImage& image,
                                     const ParameterTextTable* fileTable = nullptr);
    // The same with the given file texts.
    static QVector<LimitEntry> check(const ParameterImage& image, const UnkeptTexts& texts);
    // What check() would list for the image alone, without making any
    // text: for status lines and page marks.
    static FindingCount count(const ParameterImage& image);
    // Whether check() lists the cell: its stored value lies outside its
    // limits or is not finite, or the held file text was not kept. False for
    // cells outside the field.
    static bool isOutside(const ParameterImage& image, const FieldDef& field, int row, int column);
    // Only the first half of isOutside(): the value against its limits.
    static bool isOutsideLimits(const ParameterImage& image, const FieldDef& field, int row,
                                int column);
    // The held set's file text of a cell that the image did not keep; a
    // null string for any other cell.
    static QString unkeptText(const ParameterImage& image, const FieldDef& field, int row,
                              int column);
    // The texts check() and the others take for the held set; null for none.
    static void setHeldTexts(const UnkeptTexts* texts);
    static const UnkeptTexts* heldTexts();
    // The limits of a parameter; false when it has none (texts, trailer).
    static bool limitsOf(int no, double* lower, double* upper);
    // The page (scene number) that shows a parameter, 0 for none.
    static int sceneOf(int no);
    // Cells that have limits: what one pass looks at.
    static int cellsWithLimits();
    // Scenes that hold at least one listed value, ascending, without repeats.
    static QVector<int> scenesOf(const QVector<LimitEntry>& entries);

private:
    static QVector<LimitEntry> findings(const ParameterImage& image, const UnkeptTexts* texts,
                                        const ParameterTextTable* fileTable);
};
