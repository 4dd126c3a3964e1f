#pragma once

#include "parameter/matrix4.h"

#include <array>
#include <vector>

class ParameterImage;

// Kinematic frames of the robot, computed from the edited parameters and
// the joint values by forward kinematics over the 50 coordinate-system rows
// (Denavit-Hartenberg form with per-joint corrections), then for the 32
// tool centre points. The parameter store holds the one table of the
// process; the 3D view recomputes it before every repaint.
class RobotFrames
{
public:
    // 4 x 4 homogeneous transform, column-major as OpenGL loads it.
    using Matrix = Matrix4::Matrix;

    static constexpr int RowCount = 50;   // coordinate-system rows
    static constexpr int ToolCount = 32;  // tool centre points
    static constexpr int JointCount = 18; // joint values, joint 1 first
    // Row transforms, then the running products after each row, then the tools.
    static constexpr int SlotCount = 2 * RowCount + ToolCount;
    // Links from row 11 on; reserved up front so the per-repaint rebuild
    // of the list does not allocate.
    static constexpr int LinkFrameCapacity = 7;
    static constexpr int FirstLinkRow = 11;

    RobotFrames();

    // Rows, running products and link frames, then the tool frames from the
    // last link frame (kept as they were while no link frame exists).
    // joints: degrees for rotary joints, millimetres for linear ones.
    void update(const ParameterImage& image, const float (&joints)[JointCount]);
    void computeChain(const ParameterImage& image, const float (&joints)[JointCount]);

    // Frame of coordinate system n (1..50) or of tool n - 50 (51..82); a zero
    // matrix for any other n.
    const Matrix& frame(int n) const;
    // Row transform (not the running product) of coordinate system n (1..50).
    const Matrix& rowTransform(int n) const;
    // The flange: null while no row from 11 on is in use.
    const Matrix* lastLinkFrame() const
    {
        return linkFrames.empty() ? nullptr : &linkFrames.back();
    }

    std::array<Matrix, SlotCount> table;
    std::vector<Matrix> linkFrames;
};
