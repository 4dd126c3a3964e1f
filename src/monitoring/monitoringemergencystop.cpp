#include "monitoring/monitoringemergencystop.h"

#include "parameter/logicsignaldef.h"

MonitoringEmergencyStop::MonitoringEmergencyStop() : MonitoringBase(false)
{
    setObjectName(QStringLiteral("EmergencyStopStatusWidget"));
    rowSignals << 2139;
    const SignalRangeDef* range = LogicSignalDef::findSignal(2140);
    // The range table decides the count; never past the stream's last signal.
    const int count = range ? qBound(0, int(range->count), 2162 - 2140 + 1) : 0;
    for (int i = 0; i < count; ++i)
        rowSignals << quint16(2140 + i);
    rowEnabled = readRowEnabled();
    setupDeferredTable();
    useStatusRows(1);
}

QVector<bool> MonitoringEmergencyStop::readRowEnabled() const
{
    return QVector<bool>{enableWord("EmeStopExternalValid")} +
           enableWords("EmeStopUsrValid", rowSignals.size() - 1);
}
