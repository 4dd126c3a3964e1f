#pragma once

#include <QString>

#include "parameter/parameterdefdb.h"

// The last part of a parameter's translated name in the definitions
// ("Z Upper Limit" of "Motion Area Monitoring Function - ... - Z Upper
// Limit"): the label of its editor. Empty for a number not defined.
inline QString definitionLabel(int parameterNo)
{
    const ParameterDefDB* db = ParameterDefDB::instance();
    const ParamDefRecord* record = db->findParamByNo(quint32(parameterNo));
    if (!record)
        return QString();
    int last = -1;
    for (int part = 0; part < ParamDefRecord::MaxNameParts && record->nameIds[part] != 0; ++part)
        last = record->nameIds[part];
    return last >= 0 ? db->names.value(last) : QString();
}

// A label text of the definitions by its id, placeholders as they are
// ("Joint %1"), for headings and items that no single parameter names.
inline QString definitionText(int labelId)
{
    return ParameterDefDB::instance()->names.value(labelId);
}
