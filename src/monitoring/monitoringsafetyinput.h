#pragma once

#include "monitoring/monitoringsafetyio.h"

// Live safety input states: fixed, user, network and internal inputs.
class MonitoringSafetyInput : public MonitoringSafetyIO
{
    Q_OBJECT

public:
    MonitoringSafetyInput();

protected:
    const quint32* sourceWords(const MirelRzShmRz2IfSafmMonChannel& block) const override
    {
        return block.safetyInputs;
    }
};
