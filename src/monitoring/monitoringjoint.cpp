#include "monitoring/monitoringjoint.h"

MonitoringJoint::MonitoringJoint() : MonitoringOverridable(false, false)
{
    setObjectName(QStringLiteral("AxisMonitoringStatusWidget"));
    rowSignals << 2019;
    for (int i = 0; i < 18; ++i)
        rowSignals << quint16(2020 + i);
    rowEnabled = readRowEnabled();
    setupOverridableTable(true);
    useStatusRows(1);
}

QVector<bool> MonitoringJoint::readRowEnabled() const
{
    return QVector<bool>{enableWord("AlwaysAxisValid")} + enableWords("SelectAxisValid", 18);
}
