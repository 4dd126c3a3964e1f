#pragma once

#include "monitoring/monitoringbase.h"

// Live status of speed monitoring: teach and check speed, then the 18 user limits.
class MonitoringSpeed : public MonitoringBase
{
    Q_OBJECT

public:
    MonitoringSpeed();

protected:
    QVector<bool> readRowEnabled() const override;
};
