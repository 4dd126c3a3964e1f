#include "parameter/robotframes.h"

#include "parameter/parameterimage.h"

#include <cmath>

namespace {

// Image offsets of the row parameters (element e at + 2e or + 4e).
constexpr int CoordinateTypeOffset = 724; // DHPrmCoordinateType, i16
constexpr int AxisNoOffset = 824;         // DHPrmAxisNo, i16
constexpr int ThetaOffset = 924;          // DHPrmTh0, degrees
constexpr int DOffset = 1124;             // DHPrmD0, mm
constexpr int KOffset = 1324;             // DHPrmK0, mm
constexpr int AOffset = 1524;             // DHPrmA0, mm
constexpr int AlphaOffset = 1724;         // DHPrmAlpha0, degrees
constexpr int CorrectionCount = 12;
constexpr int CorrectionTargetOffset = 2020; // CoordCrctTargetAxis, i16
constexpr int CorrectionRefOffset = 2044;    // CoordCrctRefAxis, i16
constexpr int CorrectionValueOffset = 2068;  // CoordCrctCorrectValue, float
constexpr int AxisTypeOffset = 2276;         // AxisType, i16 per joint
constexpr int ToolOffset = 2796;             // TCP_X..TCP_T, 24 bytes per tool
constexpr short LinearAxis = 1;
constexpr short RotaryAxis = 2;

bool isJoint(int j)
{
    return j >= 1 && j <= RobotFrames::JointCount;
}

// Rz(theta) * T(a, k, d) * Rx(alpha), written out.
void rowMatrix(RobotFrames::Matrix& m, float theta, float d, float k, float a, float alpha)
{
    const float ct = std::cos(theta * Matrix4::radiansPerDegree);
    const float st = std::sin(theta * Matrix4::radiansPerDegree);
    const float ca = std::cos(alpha * Matrix4::radiansPerDegree);
    const float sa = std::sin(alpha * Matrix4::radiansPerDegree);
    m = {ct,      st,       0.0f, 0.0f, -st * ca,        ct * ca,         sa, 0.0f,
         st * sa, -ct * sa, ca,   0.0f, a * ct - k * st, a * st + k * ct, d,  1.0f};
}

} // namespace

RobotFrames::RobotFrames()
{
    for (Matrix& slot : table)
        slot.fill(0.0f);
    linkFrames.reserve(LinkFrameCapacity);
}

void RobotFrames::computeChain(const ParameterImage& image, const float (&joints)[JointCount])
{
    linkFrames.clear();
    // Index 0 unused, so that r[j] is joint j.
    float r[JointCount + 1];
    r[0] = 0.0f;
    for (int j = 1; j <= JointCount; ++j)
        r[j] = joints[j - 1];

    Matrix product = Matrix4::identity();
    Matrix row;
    for (int i = 1; i <= RowCount; ++i) {
        const int e = i - 1;
        if (image.i16At(CoordinateTypeOffset + 2 * e) != 1) {
            table[e] = Matrix4::identity();
            table[RowCount + e] = product;
            continue;
        }
        float theta = image.f32At(ThetaOffset + 4 * e);
        float d = image.f32At(DOffset + 4 * e);
        const float k = image.f32At(KOffset + 4 * e);
        const float a = image.f32At(AOffset + 4 * e);
        const float alpha = image.f32At(AlphaOffset + 4 * e);

        // A joint number outside 1..18 names no joint value: the row keeps
        // its parameter values.
        const int j = image.i16At(AxisNoOffset + 2 * e);
        if (isJoint(j)) {
            for (int c = 0; c < CorrectionCount; ++c) {
                if (image.i16At(CorrectionTargetOffset + 2 * c) != j)
                    continue;
                // A reference that names no joint is skipped.
                const int ref = image.i16At(CorrectionRefOffset + 2 * c);
                if (!isJoint(ref))
                    continue;
                r[j] -= r[ref] * image.f32At(CorrectionValueOffset + 4 * c);
            }
            const short type = image.i16At(AxisTypeOffset + 2 * (j - 1));
            if (type == LinearAxis)
                d += r[j];
            else if (type == RotaryAxis)
                theta += r[j];
        }

        rowMatrix(row, theta, d, k, a, alpha);
        table[e] = row;
        Matrix next;
        Matrix4::multiplyInto(next, product, row);
        product = next;
        table[RowCount + e] = product;
        if (i >= FirstLinkRow)
            linkFrames.push_back(product);
    }
}

void RobotFrames::update(const ParameterImage& image, const float (&joints)[JointCount])
{
    computeChain(image, joints);
    if (linkFrames.empty())
        return;
    const Matrix last = linkFrames.back();
    for (int t = 0; t < ToolCount; ++t) {
        const int base = ToolOffset + 24 * t;
        const float x = image.f32At(base), y = image.f32At(base + 4), z = image.f32At(base + 8);
        const float o = image.f32At(base + 12), a = image.f32At(base + 16);
        const float tt = image.f32At(base + 20);
        // Tool centre points turn Rz(O) * Ry(A) * Rx(T), unlike the Z-Y-Z
        // Euler angles of the tool shapes.
        const Matrix local =
            Matrix4::multiply(Matrix4::multiply(Matrix4::multiply(Matrix4::translation(x, y, z),
                                                                  Matrix4::rotationZ(o)),
                                                Matrix4::rotationY(a)),
                              Matrix4::rotationX(tt));
        Matrix4::multiplyInto(table[2 * RowCount + t], last, local);
    }
}

const RobotFrames::Matrix& RobotFrames::frame(int n) const
{
    static const Matrix zero{};
    const int slot = n + RowCount - 1;
    if (n < 1 || slot >= SlotCount)
        return zero;
    return table[slot];
}

const RobotFrames::Matrix& RobotFrames::rowTransform(int n) const
{
    static const Matrix zero{};
    if (n < 1 || n > RowCount)
        return zero;
    return table[n - 1];
}
