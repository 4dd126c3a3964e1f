#pragma once

#include "monitoring/monitoringbase.h"

// A monitoring screen with the override bar below its table.
class MonitoringOverridable : public MonitoringBase
{
    Q_OBJECT

public:
    MonitoringOverridable(bool withDisplay, bool selectable);

protected:
    // deferTable: see setupDeferredTable().
    void setupOverridableTable(bool deferTable = false);

    bool withDisplay;
};
