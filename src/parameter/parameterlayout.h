#pragma once

#include <QString>

// Value types of the parameter image fields (little-endian, naturally aligned).
enum class ValueType
{
    I16,
    U16,
    I32,
    U32,
    F32,
    Text
}; // Text = char[32]

// Which part of the parameter set a field belongs to: robot part ("R"),
// user part ("C" in the definitions, "U" in controller commands) or the
// signature trailer.
enum class ParamClass
{
    Robot,
    User,
    Trailer
};

// One parameter of the image. Cell (row, column), counted from 0, lies at
// offset + row * rowStride + column * columnStride; a stride is 0 where the
// shape has a single row or column.
struct FieldDef
{
    int no;
    const char* name;
    ValueType type;
    int offset;
    int rows;
    int columns;
    int rowStride;
    int columnStride;
    ParamClass cls;
};

namespace ParameterLayout {

constexpr int ImageSize = 65516;

constexpr int SystemAreaBegin = 0;
constexpr int SystemAreaEnd = 2724;
constexpr int MonitorAreaBegin = 2724;
constexpr int MonitorAreaEnd = 61932;
constexpr int SignalAreaBegin = 61932;
constexpr int SignalAreaEnd = 65448;
// The three areas together; the trailer starts right after them.
constexpr int DataAreaEnd = 65448;
constexpr int TrailerBegin = 65448;
// The all-data CRC covers everything before itself.
constexpr int AllDataEnd = 65512;

constexpr int WholeUpdateTimeOffset = 65448;
constexpr int WholeCrcOffset = 65452;
constexpr int SystemUpdateTimeOffset = 65456;
constexpr int SystemCrcOffset = 65460;
constexpr int MonitorUpdateTimeOffset = 65464;
constexpr int MonitorCrcOffset = 65468;
constexpr int SignalUpdateTimeOffset = 65472;
constexpr int SignalCrcOffset = 65476;
constexpr int ParameterVersionOffset = 65480;
constexpr int AllDataCrcOffset = 65512;

constexpr int TextSize = 32;
constexpr int TextMaxLength = TextSize - 1; // a zero byte always follows the text

constexpr int FieldCount = 208;

// The tool monitoring model parameters, which the controller switch
// isVSFtoAFM moves to the robot part.
constexpr int ToolModelFirstNo = 3128;
constexpr int ToolModelLastNo = 3142;

// All fields in definition order (ascending number).
const FieldDef* fields();
int fieldCount();
const FieldDef* findByNo(int no);
const FieldDef* findByName(const QString& name);

int valueSize(ValueType type);
// Byte offset of a cell, or -1 when row or column lies outside the shape.
int cellOffset(const FieldDef& field, int row, int column);
// The cell that starts at a byte offset; false when none of the field does.
bool cellOfOffset(const FieldDef& field, int offset, int* row, int* column);
// One past the last byte of the field's last cell.
int fieldEnd(const FieldDef& field);

} // namespace ParameterLayout
