#pragma once

#include "monitoring/monitoringoverridable.h"

// Live status of the 8 tool orientation ranges; its Display switch shows
// the ranges in the 3D view.
class MonitoringToolOrientation : public MonitoringOverridable
{
    Q_OBJECT

public:
    MonitoringToolOrientation();

protected:
    void buildContent() override;
    QVector<bool> readRowEnabled() const override;
    void showEvent(QShowEvent* event) override;
};
