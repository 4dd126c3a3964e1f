#include "monitoring/monitoringstylesheet.h"

#include "app/core/interfaceutilities.h"

const QString& monitoringStyleSheetText()
{
    static const QString text = readTextFile(QStringLiteral(":/src/stylesheets/monitoring.qss"));
    return text;
}
