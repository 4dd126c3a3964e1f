#include "parameter/robotframes.h"

RobotFrames::RobotFrames()
{
    for (Matrix& slot : table)
        slot.fill(0.0f);
    linkFrames.reserve(LinkFrameCapacity);
}

const RobotFrames::Matrix& RobotFrames::frame(int n) const
{
    static const Matrix zero{};
    const int slot = n + RowCount - 1;
    if (n < 1 || slot >= SlotCount)
        return zero;
    return table[slot];
}
