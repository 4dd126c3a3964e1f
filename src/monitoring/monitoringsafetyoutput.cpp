#include "monitoring/monitoringsafetyoutput.h"

namespace {
constexpr int userTab = 1;
} // namespace

MonitoringSafetyOutput::MonitoringSafetyOutput()
{
    setObjectName(QStringLiteral("MonitoringSafetyOutput"));
    setupTabs(12);
    addSignalTab(0, 3001, 0, {0, 1});
    addSignalTab(userTab, 60533, 60501, {10, 2});
    addSignalTab(2, 60601, 0, {2, 2});
    addSignalTab(3, 2001, 0, {4, 6});
}

void MonitoringSafetyOutput::copyWords(int tab, const MirelRzShmRz2IfSafmMonChannel& block)
{
    if (tab != userTab) {
        MonitoringSafetyIO::copyWords(tab, block);
        return;
    }
    const quint64 user =
        (quint64(block.safetyOutputs[1]) << 1) | ((block.safetyOutputs[0] >> 3) & 1u);
    currentWords[10] = quint32(user);
    currentWords[11] = quint32(user >> 32);
}
