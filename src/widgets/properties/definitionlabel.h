#pragma once

#include <QString>

#include "parameter/parameterdefdb.h"

// Part `index` of a parameter's translated name in the definitions,
// counted from 0; a negative index counts from the last part. Empty for a
// number not defined or a part it does not have.
inline QString definitionNamePart(int parameterNo, int index)
{
    const ParameterDefDB* db = ParameterDefDB::instance();
    const ParamDefRecord* record = db->findParamByNo(quint32(parameterNo));
    if (!record)
        return QString();
    int count = 0;
    while (count < ParamDefRecord::MaxNameParts && record->nameIds[count] != 0)
        ++count;
    const int part = index < 0 ? count + index : index;
    return part >= 0 && part < count ? db->names.value(record->nameIds[part]) : QString();
}

// The last part of a parameter's translated name in the definitions
// ("Z Upper Limit" of "Motion Area Monitoring Function - ... - Z Upper
// Limit"): the label of its editor. Empty for a number not defined.
inline QString definitionLabel(int parameterNo)
{
    return definitionNamePart(parameterNo, -1);
}

// A label text of the definitions by its id, placeholders as they are
// ("Joint %1"), for headings and items that no single parameter names.
inline QString definitionText(int labelId)
{
    return ParameterDefDB::instance()->names.value(labelId);
}

// The label of the level that numbers a parameter's items ("Set %1"): the
// group level, else the element level; "%1" when neither does.
inline QString definitionItemFormat(int parameterNo)
{
    const ParamDefRecord* record = ParameterDefDB::instance()->findParamByNo(quint32(parameterNo));
    const int level = !record ? 0 : record->groupLevel ? record->groupLevel : record->elementLevel;
    if (level < 1 || level > ParamDefRecord::MaxPathLength)
        return QStringLiteral("%1");
    return definitionText(record->pathIds[level - 1]);
}

// The unit behind a parameter's values with a leading blank (" mm"); empty
// for none and for units that follow the joint kinds.
inline QString definitionUnitSuffix(int parameterNo)
{
    const ParamDefRecord* record = ParameterDefDB::instance()->findParamByNo(quint32(parameterNo));
    return record && record->unit >= 2 ? QLatin1Char(' ') + definitionText(record->unit)
                                       : QString();
}
