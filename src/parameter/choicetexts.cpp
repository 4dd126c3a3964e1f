#include "parameter/choicetexts.h"

#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"

#include <QHash>

namespace {

QHash<int, QStringList>& registry()
{
    static QHash<int, QStringList> texts;
    return texts;
}

} // namespace

void ChoiceTexts::registerTexts(int parameterNo, const QStringList& texts)
{
    registry().insert(parameterNo, texts);
}

QString ChoiceTexts::text(int parameterNo, qint64 value)
{
    if (parameterNo == LogicTable::TypeField)
        return value >= 0 && value <= LogicTable::MaxOperationType
                   ? LogicSignalDef::opName(int(value))
                   : QString();
    const QStringList texts = registry().value(parameterNo);
    return value >= 0 && value < texts.size() ? texts.at(int(value)) : QString();
}

QString ChoiceTexts::shown(int parameterNo, const QString& valueText)
{
    bool number = false;
    const qint64 value = valueText.toLongLong(&number);
    const QString choice = number ? text(parameterNo, value) : QString();
    return choice.isEmpty() ? valueText : choice;
}
