#pragma once

#include "monitoring/monitoringbase.h"

// Live status of stop monitoring: two rows per item, greyed together.
class MonitoringStop : public MonitoringBase
{
    Q_OBJECT

public:
    MonitoringStop();

protected:
    QVector<bool> readRowEnabled() const override;
};
