#include "monitoring/monitoringjoint.h"

MonitoringJoint::MonitoringJoint() : MonitoringOverridable(false, false)
{
    setObjectName(QStringLiteral("AxisMonitoringStatusWidget"));
    rowSignals << 2019;
    for (int i = 0; i < 18; ++i)
        rowSignals << quint16(2020 + i);
    rowEnabled = readRowEnabled();
    setupOverridableTable();
    useStatusRows(1);
    ensureMeasured();
}

QVector<bool> MonitoringJoint::readRowEnabled() const
{
    QVector<bool> enabled;
    enabled << enableWord("AlwaysAxisValid");
    for (int i = 0; i < 18; ++i)
        enabled << enableWord("SelectAxisValid", i);
    return enabled;
}
