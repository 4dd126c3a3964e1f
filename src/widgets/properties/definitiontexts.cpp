#include "widgets/properties/definitiontexts.h"

#include "parameter/parameterdefdb.h"

namespace DefinitionTexts {

void limitsOf(int parameterNo, double* lower, double* upper)
{
    if (const ParamDefRecord* record = ParameterDefDB::instance()->findParamByNo(parameterNo)) {
        *lower = record->min;
        *upper = record->max;
    }
}

QString labelOf(int parameterNo, const QString& fallback)
{
    const ParamDefRecord* record = ParameterDefDB::instance()->findParamByNo(parameterNo);
    if (!record)
        return fallback;
    quint16 last = 0;
    for (int part = 0; part < ParamDefRecord::MaxNameParts && record->nameIds[part] != 0; ++part)
        last = record->nameIds[part];
    return last != 0 ? text(last) : fallback;
}

QString text(int labelId)
{
    return ParameterDefDB::instance()->names.value(labelId);
}

} // namespace DefinitionTexts
