#pragma once

#include <QtGlobal>

// One built-in parameter definition: where the parameter's values lie in the
// parameter image, how they are typed and limited, and where the parameter
// sits in the label tree. Label ids index ParameterDefDB::names.
struct ParamDefRecord
{
    // Value type codes as stored in `type`.
    enum TypeCode : quint8
    {
        TypeUnused = 0,
        TypeInt16 = 1,
        TypeUInt16 = 2,
        TypeInt32 = 3,
        TypeUInt32 = 4,
        TypeFloat = 5,
        TypeText = 6,
        TypeReserved = 7
    };

    static constexpr int MaxPathLength = 5;
    static constexpr int MaxNameParts = 4;

    quint16 pathIds[MaxPathLength]; // top level first, 0 ends the path
    quint16 nameIds[MaxNameParts];  // parts of the display name, 0 ends the list
    quint16 no;
    char access; // 'R' robot part, 'C' user part
    quint8 type;
    quint8 elementLevel; // path level whose label carries the element number, 0 none
    quint8 groupLevel;   // path level whose label carries the group number, 0 none
    quint16 groupCount;
    quint16 elementCount;
    quint16 valueCount; // characters for text, 2 for two-word bit masks, else 1
    quint16 groupBytes; // informative only
    quint32 offset;
    quint16 elementStride; // 0 in the built-in table: size of one element
    quint16 groupStride;   // 0 in the built-in table: size of one group
    qint16 unit;           // 0 none, >= 2 label id of the unit, < 0 follows the joint kinds
    double min;
    double max;
    const char* format; // "0x..." asks for hexadecimal display

    // Size in bytes of one value of a type code; 0 for unused codes.
    static int typeSize(int type);
    int valueSize() const { return typeSize(type); }
    bool isText() const { return type == TypeText; }
    int pathLength() const;

    // Image offset of a value, group, element and value counted from 1.
    // A text forms one value, so `value` is ignored for it.
    quint32 valueOffset(int group, int element, int value = 1) const;
};
