#include "monitoring/monitoringprotectivestop.h"

MonitoringProtectiveStop::MonitoringProtectiveStop() : MonitoringBase(false)
{
    setObjectName(QStringLiteral("ProtectiveStopStatusWidget"));
    rowSignals << 2102;
    for (int i = 0; i < 18; ++i)
        rowSignals << quint16(2103 + i) << quint16(2121 + i);
    rowEnabled = readRowEnabled();
    setupDeferredTable();
    useStatusRows(1);
}

QVector<bool> MonitoringProtectiveStop::readRowEnabled() const
{
    QVector<bool> enabled;
    enabled << enableWord("ProtStopFenceValid");
    for (int i = 0; i < 18; ++i) {
        const bool on = enableWord("ProtStopUsrValid", i);
        enabled << on << on;
    }
    return enabled;
}
