#include "monitoring/monitoringoverridable.h"

#include "monitoring/monitoringfooter.h"

MonitoringOverridable::MonitoringOverridable(bool withDisplay, bool selectable)
    : MonitoringBase(selectable), withDisplay(withDisplay)
{
}

void MonitoringOverridable::setupOverridableTable(bool deferTable)
{
    if (deferTable)
        setupDeferredTable();
    else
        setupDefaultTable();
    insertFooter(new MonitoringFooter(this, withDisplay));
}
