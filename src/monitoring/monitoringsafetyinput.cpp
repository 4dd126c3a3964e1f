#include "monitoring/monitoringsafetyinput.h"

MonitoringSafetyInput::MonitoringSafetyInput()
{
    setObjectName(QStringLiteral("MonitoringSafetyInput"));
    setupTabs(9);
    addSignalTab(0, 1001, 0, {0, 1});
    addSignalTab(1, 1101, 0, {1, 1});
    addSignalTab(2, 1501, 0, {2, 2});
    addSignalTab(3, 60001, 0, {4, 5});
}
