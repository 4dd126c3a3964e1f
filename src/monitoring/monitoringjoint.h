#pragma once

#include "monitoring/monitoringoverridable.h"

// Live status of joint monitoring: the always-on joint range, then one row per joint.
class MonitoringJoint : public MonitoringOverridable
{
    Q_OBJECT

public:
    MonitoringJoint();

protected:
    QVector<bool> readRowEnabled() const override;
};
