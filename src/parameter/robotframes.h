#pragma once

#include <array>
#include <vector>

// Kinematic frames of the robot, computed by the 3D view from the edited
// parameters and the joint values. The parameter store only holds the one
// table of the process.
class RobotFrames
{
public:
    // 4 x 4 homogeneous transform, column-major as OpenGL loads it.
    using Matrix = std::array<float, 16>;

    static constexpr int RowCount = 50;  // coordinate-system rows
    static constexpr int ToolCount = 32; // tool centre points
    // Row transforms, then the running products after each row, then the tools.
    static constexpr int SlotCount = 2 * RowCount + ToolCount;
    // Links from row 11 on; reserved up front so the per-repaint rebuild
    // of the list does not allocate.
    static constexpr int LinkFrameCapacity = 7;

    RobotFrames();

    // Frame of coordinate system n (1..50) or of tool n - 50 (51..82); a zero
    // matrix for any other n.
    const Matrix& frame(int n) const;

    std::array<Matrix, SlotCount> table;
    std::vector<Matrix> linkFrames;
};
