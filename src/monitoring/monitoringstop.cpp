#include "monitoring/monitoringstop.h"

MonitoringStop::MonitoringStop() : MonitoringBase(false)
{
    setObjectName(QStringLiteral("StopMonitoringStatusWidget"));
    for (int i = 0; i < 18; ++i)
        rowSignals << quint16(2066 + i) << quint16(2084 + i);
    rowEnabled = readRowEnabled();
    setupDeferredTable();
    useStatusRows(1);
}

QVector<bool> MonitoringStop::readRowEnabled() const
{
    QVector<bool> enabled;
    for (int i = 0; i < 18; ++i) {
        const bool on = enableWord("StopMonValid", i);
        enabled << on << on;
    }
    return enabled;
}
