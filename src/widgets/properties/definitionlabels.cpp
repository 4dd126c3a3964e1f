#include "widgets/properties/definitionlabels.h"

#include "parameter/parameterdefdb.h"

namespace Property::DefinitionLabels {

namespace {
const ParamDefRecord* recordOf(int parameterNo)
{
    return ParameterDefDB::instance()->findParamByNo(quint32(parameterNo));
}
} // namespace

QString text(int labelId)
{
    return ParameterDefDB::instance()->names.value(labelId);
}

QString namePart(int parameterNo, int index)
{
    const ParamDefRecord* record = recordOf(parameterNo);
    if (!record)
        return QString();
    int count = 0;
    while (count < ParamDefRecord::MaxNameParts && record->nameIds[count] != 0)
        ++count;
    const int part = index < 0 ? count + index : index;
    return part >= 0 && part < count ? text(record->nameIds[part]) : QString();
}

QString itemFormat(int parameterNo)
{
    const ParamDefRecord* record = recordOf(parameterNo);
    const int level = !record ? 0 : record->groupLevel ? record->groupLevel : record->elementLevel;
    if (level < 1 || level > ParamDefRecord::MaxPathLength)
        return QStringLiteral("%1");
    return text(record->pathIds[level - 1]);
}

QString unitSuffix(int parameterNo)
{
    const ParamDefRecord* record = recordOf(parameterNo);
    return record && record->unit >= 2 ? QLatin1Char(' ') + text(record->unit) : QString();
}

} // namespace Property::DefinitionLabels
