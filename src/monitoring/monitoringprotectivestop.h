#pragma once

#include "monitoring/monitoringbase.h"

// Live status of the protective stops: the safety fence, then two rows per user stop.
class MonitoringProtectiveStop : public MonitoringBase
{
    Q_OBJECT

public:
    MonitoringProtectiveStop();

protected:
    QVector<bool> readRowEnabled() const override;
};
