#include "monitoring/monitoringoverridable.h"

#include "monitoring/monitoringfooter.h"

MonitoringOverridable::MonitoringOverridable(bool withDisplay, bool selectable)
    : MonitoringBase(selectable), withDisplay(withDisplay)
{
}

void MonitoringOverridable::setupOverridableTable()
{
    setupDefaultTable();
    insertFooter(new MonitoringFooter(this, withDisplay));
}
