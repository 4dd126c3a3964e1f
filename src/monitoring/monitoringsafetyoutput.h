#pragma once

#include "monitoring/monitoringsafetyio.h"

// Live safety output states: fixed, user, network and internal outputs.
// The user tab starts with signal 60533, which the unit reports as bit 3
// of the fixed output word; its rows are one 64-bit value kept in words 10
// and 11.
class MonitoringSafetyOutput : public MonitoringSafetyIO
{
    Q_OBJECT

public:
    MonitoringSafetyOutput();

protected:
    void copyWords(int tab, const MirelRzShmRz2IfSafmMonChannel& block) override;
    const quint32* sourceWords(const MirelRzShmRz2IfSafmMonChannel& block) const override
    {
        return block.safetyOutputs;
    }
};
