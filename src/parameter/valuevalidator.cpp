#include "parameter/valuevalidator.h"

#include "app/core/displaytext.h"
#include "parameter/parameterdefdb.h"
#include "parameter/parameterdeftable.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// One cell, everything a pass needs without a lookup.
struct Cell
{
    int offset;
    ValueType type;
    quint16 field; // index in ParameterLayout::fields()
    quint16 row;
    quint16 column;
    bool limited; // texts and the trailer have no limits, only their file texts
    double lower;
    double upper;
};

const ParamDefRecord* rawRecord(int no)
{
    const ParamDefRecord* rows = ParameterDefTable::rows();
    const ParamDefRecord* end = rows + ParameterDefTable::RowCount;
    const ParamDefRecord* found = std::lower_bound(
        rows, end, no, [](const ParamDefRecord& record, int wanted) { return record.no < wanted; });
    return found != end && found->no == no ? found : nullptr;
}

bool hasLimits(const ParamDefRecord* record)
{
    return record && !record->isText() && record->min <= record->max &&
           !(record->min == 0 && record->max == 0);
}

// A float cell holds the float nearest its text, so it is compared against
// the floats nearest its limits: the stored 0.01 lies just below the
// double 0.01, yet it is the limit itself.
double limitOfType(double limit, ValueType type)
{
    return type == ValueType::F32 ? double(float(limit)) : limit;
}

// Built once: every cell of every field, in field order.
const std::vector<Cell>& cells()
{
    static const std::vector<Cell> table = [] {
        std::vector<Cell> list;
        for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
            const FieldDef& field = ParameterLayout::fields()[i];
            const ParamDefRecord* record = rawRecord(field.no);
            const bool limited = field.type != ValueType::Text && hasLimits(record);
            const int size = ParameterLayout::valueSize(field.type);
            for (int row = 0; row < field.rows; ++row) {
                for (int column = 0; column < field.columns; ++column) {
                    const int offset = ParameterLayout::cellOffset(field, row, column);
                    if (offset < 0 || offset + size > ParameterImage::Size)
                        continue;
                    list.push_back({offset, field.type, quint16(i), quint16(row), quint16(column),
                                    limited, limited ? limitOfType(record->min, field.type) : 0,
                                    limited ? limitOfType(record->max, field.type) : 0});
                }
            }
        }
        return list;
    }();
    return table;
}

double storedValue(const unsigned char* data, int offset, ValueType type)
{
    const unsigned char* at = data + offset;
    switch (type) {
    case ValueType::I16:
        return qFromLittleEndian<qint16>(at);
    case ValueType::U16:
        return qFromLittleEndian<quint16>(at);
    case ValueType::I32:
        return qFromLittleEndian<qint32>(at);
    case ValueType::U32:
        return qFromLittleEndian<quint32>(at);
    case ValueType::F32: {
        const quint32 bits = qFromLittleEndian<quint32>(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return double(value);
    }
    case ValueType::Text:
        break;
    }
    return 0;
}

// NaN compares false both ways, so it lands here too.
bool outside(double value, const Cell& cell)
{
    return !(value >= cell.lower && value <= cell.upper) || std::isinf(value);
}

QString numberText(double value, ValueType type)
{
    if (type != ValueType::F32)
        return QString::number(qint64(value));
    // The shortest text that reads back as the same float.
    const float single = float(value);
    for (int precision = 6; precision < 9; ++precision) {
        const QString text = QString::number(value, 'g', precision);
        if (text.toFloat() == single)
            return text;
    }
    return QString::number(value, 'g', 9);
}

// Which group, element and value of its definition a byte offset is.
void placeOf(const ParamDefRecord& record, int offset, int* group, int* element)
{
    const int relative = offset - int(record.offset);
    *group = record.groupStride ? relative / record.groupStride + 1 : 1;
    const int inGroup = record.groupStride ? relative % record.groupStride : relative;
    *element = record.elementStride ? inGroup / record.elementStride + 1 : 1;
}

// The cell at a byte offset, or null.
const Cell* cellAt(int offset)
{
    static const std::vector<const Cell*> byOffset = [] {
        std::vector<const Cell*> list;
        for (const Cell& cell : cells())
            list.push_back(&cell);
        std::sort(list.begin(), list.end(),
                  [](const Cell* a, const Cell* b) { return a->offset < b->offset; });
        return list;
    }();
    const auto found =
        std::lower_bound(byOffset.begin(), byOffset.end(), offset,
                         [](const Cell* cell, int wanted) { return cell->offset < wanted; });
    return found != byOffset.end() && (*found)->offset == offset ? *found : nullptr;
}

// The file's text of a cell; empty when the table lacks it.
QString fileText(const ParameterTextTable& table, const FieldDef& field, int row, int column)
{
    const auto found = table.constFind(QLatin1String(field.name));
    if (found == table.constEnd() || row >= found->size() || column >= found->at(row).size())
        return QString();
    return found->at(row).at(column);
}

// The texts of the set the program holds, registered by the store.
const UnkeptTexts* s_heldTexts = nullptr;

struct SceneRange
{
    int first;
    int last;
    int scene;
};

// The pages of the function menu by the parameters they edit or show (the
// signature page its times and CRCs, the system page the version). Robot
// and device data (kinematics, self diagnostics) has no page of its own.
const SceneRange sceneRanges[] = {
    {1, 1, 1},        {201, 201, 1},    {301, 301, 1},    {401, 401, 1},    {3001, 3016, 20},
    {3101, 3127, 21}, {3128, 3142, 22}, {3143, 3154, 23}, {3201, 3214, 25}, {3301, 3308, 26},
    {3309, 3312, 27}, {3313, 3322, 28}, {3323, 3333, 29}, {3401, 3409, 30}, {3501, 3506, 31},
    {3601, 3603, 32}, {3604, 3609, 33}, {3701, 3708, 34}, {6001, 6004, 35}, {6101, 6203, 36},
    {9001, 9008, 18}, {9009, 9009, 1},
};

} // namespace

QString LimitEntry::limitsText() const
{
    if (!hasLimits)
        return QString();
    return QCoreApplication::translate("ValueValidator", "%1 to %2")
        .arg(limitText(lower, type), limitText(upper, type));
}

QString LimitEntry::limitText(double limit, ValueType type)
{
    return numberText(limit, type);
}

QString LimitEntry::describe() const
{
    const QString line = displayName + QStringLiteral(": ") + shownValue();
    if (!hasLimits)
        return line;
    return line + QStringLiteral("; ") +
           QCoreApplication::translate("ValueValidator", "limits %1").arg(limitsText());
}

QString LimitEntry::shownValue() const
{
    const QString value = DisplayText::shown(valueText);
    return !fileText.isEmpty() || problem == TextNotKept ? withFileText(value, fileText) : value;
}

QString LimitEntry::withFileText(const QString& value, const QString& fileText, int around)
{
    return value + QLatin1Char(' ') +
           QCoreApplication::translate("ValueValidator", "(file: %1)")
               .arg(UnkeptTexts::shown(fileText, around));
}

QVector<LimitEntry> ValueValidator::check(const ParameterImage& image,
                                          const ParameterTextTable* fileTable)
{
    if (!fileTable)
        return findings(image, s_heldTexts, nullptr);
    const UnkeptTexts texts = UnkeptTexts::ofTable(image, *fileTable);
    return findings(image, &texts, fileTable);
}

QVector<LimitEntry> ValueValidator::check(const ParameterImage& image, const UnkeptTexts& texts)
{
    return findings(image, &texts, nullptr);
}

QVector<LimitEntry> ValueValidator::findings(const ParameterImage& image, const UnkeptTexts* texts,
                                             const ParameterTextTable* fileTable)
{
    QVector<LimitEntry> entries;
    const ParameterDefDB* db = nullptr;
    const bool anyText = texts && !texts->isEmpty();
    for (const Cell& cell : cells()) {
        if (!cell.limited && !anyText)
            continue;
        const double value = storedValue(image.data(), cell.offset, cell.type);
        const QString unkept = anyText ? texts->textAt(image, cell.offset) : QString();
        const bool isOutside = cell.limited && outside(value, cell);
        if (!isOutside && unkept.isNull())
            continue;

        const FieldDef& field = ParameterLayout::fields()[cell.field];
        if (!db)
            db = ParameterDefDB::instance();
        const ParamDefRecord* record = db->findParamByNo(quint32(field.no));
        LimitEntry entry;
        entry.no = field.no;
        entry.name = QLatin1String(field.name);
        if (record) {
            int group = 1;
            int element = 1;
            placeOf(*record, cell.offset, &group, &element);
            entry.displayName = db->qualifiedName(*record, group, element);
        } else {
            entry.displayName = entry.name;
        }
        entry.scene = sceneOf(field.no);
        entry.row = cell.row;
        entry.column = cell.column;
        entry.offset = cell.offset;
        entry.type = cell.type;
        entry.value = value;
        entry.valueText =
            cell.type == ValueType::Text ? image.textAt(cell.offset) : numberText(value, cell.type);
        if (!unkept.isNull()) {
            entry.fileText = unkept;
        } else if (fileTable) {
            // A kept text in another form ("0500") is still worth seeing.
            const QString text = fileText(*fileTable, field, cell.row, cell.column);
            if (text.trimmed() != entry.valueText)
                entry.fileText = text;
        }
        // The limits as defined, not as compared.
        const ParamDefRecord* limits = rawRecord(field.no);
        entry.hasLimits = cell.limited;
        if (cell.limited) {
            entry.lower = limits ? limits->min : cell.lower;
            entry.upper = limits ? limits->max : cell.upper;
        }
        entry.problem = !unkept.isNull()       ? LimitEntry::TextNotKept
                        : std::isfinite(value) ? LimitEntry::OutsideLimits
                                               : LimitEntry::NotFinite;
        entries.append(entry);
    }
    return entries;
}

FindingCount ValueValidator::count(const ParameterImage& image)
{
    FindingCount found;
    const unsigned char* data = image.data();
    const bool anyText = s_heldTexts && !s_heldTexts->isEmpty();
    // A cell whose file text was not kept counts as that alone.
    for (const Cell& cell : cells())
        found.outsideLimits += cell.limited &&
                               outside(storedValue(data, cell.offset, cell.type), cell) &&
                               (!anyText || s_heldTexts->textAt(image, cell.offset).isNull());
    if (!anyText)
        return found;
    for (int offset : s_heldTexts->offsets())
        found.textsNotKept += cellAt(offset) && !s_heldTexts->textAt(image, offset).isNull();
    return found;
}

bool ValueValidator::isOutside(const ParameterImage& image, const FieldDef& field, int row,
                               int column)
{
    return isOutsideLimits(image, field, row, column) ||
           !unkeptText(image, field, row, column).isNull();
}

bool ValueValidator::isOutsideLimits(const ParameterImage& image, const FieldDef& field, int row,
                                     int column)
{
    const ParamDefRecord* record = rawRecord(field.no);
    const int offset = ParameterLayout::cellOffset(field, row, column);
    if (field.type == ValueType::Text || !hasLimits(record) || offset < 0 ||
        offset + ParameterLayout::valueSize(field.type) > ParameterImage::Size)
        return false;
    const Cell cell = {offset,
                       field.type,
                       0,
                       0,
                       0,
                       true,
                       limitOfType(record->min, field.type),
                       limitOfType(record->max, field.type)};
    return outside(storedValue(image.data(), offset, field.type), cell);
}

QString ValueValidator::unkeptText(const ParameterImage& image, const FieldDef& field, int row,
                                   int column)
{
    const int offset = ParameterLayout::cellOffset(field, row, column);
    if (!s_heldTexts || s_heldTexts->isEmpty() || offset < 0 || !cellAt(offset))
        return QString();
    return s_heldTexts->textAt(image, offset);
}

void ValueValidator::setHeldTexts(const UnkeptTexts* texts)
{
    s_heldTexts = texts;
}

const UnkeptTexts* ValueValidator::heldTexts()
{
    return s_heldTexts;
}

bool ValueValidator::limitsOf(int no, double* lower, double* upper)
{
    const ParamDefRecord* record = rawRecord(no);
    if (!hasLimits(record))
        return false;
    *lower = record->min;
    *upper = record->max;
    return true;
}

int ValueValidator::sceneOf(int no)
{
    for (const SceneRange& range : sceneRanges)
        if (no >= range.first && no <= range.last)
            return range.scene;
    return 0;
}

int ValueValidator::cellsWithLimits()
{
    static const int limited = int(std::count_if(cells().begin(), cells().end(),
                                                 [](const Cell& cell) { return cell.limited; }));
    return limited;
}

QVector<int> ValueValidator::scenesOf(const QVector<LimitEntry>& entries)
{
    QVector<int> scenes;
    for (const LimitEntry& entry : entries)
        if (!scenes.contains(entry.scene))
            scenes.append(entry.scene);
    std::sort(scenes.begin(), scenes.end());
    return scenes;
}
