#pragma once

#include "monitoring/monitoringbase.h"

// Live status of the emergency stops: the external stop, then the user stops.
class MonitoringEmergencyStop : public MonitoringBase
{
    Q_OBJECT

public:
    MonitoringEmergencyStop();

protected:
    QVector<bool> readRowEnabled() const override;
};
