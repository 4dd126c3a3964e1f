#include "monitoring/monitoringspeed.h"

MonitoringSpeed::MonitoringSpeed() : MonitoringBase(false)
{
    setObjectName(QStringLiteral("SpeedMonitoringStatusWidget"));
    rowSignals << 2038 << 2039;
    for (int i = 0; i < 18; ++i)
        rowSignals << quint16(2040 + i);
    rowEnabled = readRowEnabled();
    setupDeferredTable();
    useStatusRows(1);
}

QVector<bool> MonitoringSpeed::readRowEnabled() const
{
    return QVector<bool>{enableWord("TeachSpeedValid"), enableWord("CheckSpeedValid")} +
           enableWords("UsrSpeedValid", 18);
}
