#include "view3d/shapeplacement.h"

#include <cmath>

namespace ShapePlacement {

namespace {

// 0.9999999 as a 32-bit float.
constexpr float Parallel = 0.99999988f;
constexpr float HalfPi = 1.5707964f;

// The rotation matrix of the unit quaternion (w, x, y, z).
Matrix quaternionMatrix(float w, float x, float y, float z)
{
    Matrix m = Matrix4::identity();
    m[0] = 1 - 2 * (y * y + z * z);
    m[1] = 2 * (x * y + w * z);
    m[2] = 2 * (x * z - w * y);
    m[4] = 2 * (x * y - w * z);
    m[5] = 1 - 2 * (x * x + z * z);
    m[6] = 2 * (y * z + w * x);
    m[8] = 2 * (x * z + w * y);
    m[9] = 2 * (y * z - w * x);
    m[10] = 1 - 2 * (x * x + y * y);
    return m;
}

} // namespace

Matrix at(const Matrix& frame, const Vector& p)
{
    return Matrix4::multiply(frame, Matrix4::translation(p[0], p[1], p[2]));
}

float distance(const Vector& p1, const Vector& p2)
{
    const float dx = p2[0] - p1[0], dy = p2[1] - p1[1], dz = p2[2] - p1[2];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

Matrix alignmentRotation(const Vector& p1, const Vector& p2)
{
    if (p1 == p2)
        return Matrix4::identity();
    const float length = distance(p1, p2);
    // Points so close that their difference underflows give no direction.
    if (!(length > 0.0f) || !std::isfinite(length))
        return Matrix4::identity();
    const Vector d{(p1[0] - p2[0]) / length, (p1[1] - p2[1]) / length, (p1[2] - p2[2]) / length};
    const float c = d[0];
    if (c >= Parallel)
        return Matrix4::identity();
    if (c < -Parallel)
        return quaternionMatrix(std::cos(HalfPi), 0.0f, std::sin(HalfPi), 0.0f);
    const float s = std::sqrt(2.0f * (1.0f + c));
    return quaternionMatrix(s / 2.0f, 0.0f, -d[2] / s, d[1] / s);
}

Matrix coneParent(const Matrix& tcp, const Matrix& frame7, float o, float a)
{
    Matrix m = frame7;
    m[12] = tcp[12];
    m[13] = tcp[13];
    m[14] = tcp[14];
    // Model +X to -X, +Y to +Z, +Z to +Y.
    Matrix q{};
    q[0] = -1.0f;
    q[6] = 1.0f;
    q[9] = 1.0f;
    q[15] = 1.0f;
    m = Matrix4::multiply(m, Matrix4::rotationZ(o - 90.0f));
    m = Matrix4::multiply(m, Matrix4::rotationY(a));
    return Matrix4::multiply(m, q);
}

Matrix compose(const Vector& t, const Vector& r, float k)
{
    Matrix m = Matrix4::translation(t[0], t[1], t[2]);
    m = Matrix4::multiply(m, Matrix4::rotationZ(r[2]));
    m = Matrix4::multiply(m, Matrix4::rotationY(r[1]));
    m = Matrix4::multiply(m, Matrix4::rotationX(r[0]));
    Matrix s{};
    s[0] = s[5] = s[10] = k;
    s[15] = 1.0f;
    return Matrix4::multiply(m, s);
}

} // namespace ShapePlacement
