#include "parameter/matrix4.h"

#include <cmath>

namespace Matrix4 {

Matrix identity()
{
    Matrix m{};
    m[0] = m[5] = m[10] = m[15] = 1.0f;
    return m;
}

void multiplyInto(Matrix& out, const Matrix& a, const Matrix& b)
{
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            out[4 * c + r] = a[r] * b[4 * c] + a[4 + r] * b[4 * c + 1] + a[8 + r] * b[4 * c + 2] +
                             a[12 + r] * b[4 * c + 3];
}

Matrix multiply(const Matrix& a, const Matrix& b)
{
    Matrix out;
    multiplyInto(out, a, b);
    return out;
}

Matrix translation(float x, float y, float z)
{
    Matrix m = identity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

// The axis rotations are the axis-angle matrix about a unit axis.
Matrix rotationX(float degrees)
{
    return rotationAbout({1.0f, 0.0f, 0.0f}, degrees);
}

Matrix rotationY(float degrees)
{
    return rotationAbout({0.0f, 1.0f, 0.0f}, degrees);
}

Matrix rotationZ(float degrees)
{
    return rotationAbout({0.0f, 0.0f, 1.0f}, degrees);
}

Matrix rotationAbout(const Vector& axis, float degrees)
{
    const float length = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    if (!(length > 0.0f) || !std::isfinite(length))
        return identity();
    const float x = axis[0] / length, y = axis[1] / length, z = axis[2] / length;
    const float c = std::cos(degrees * radiansPerDegree);
    const float s = std::sin(degrees * radiansPerDegree);
    const float t = 1.0f - c;
    Matrix m = identity();
    m[0] = t * x * x + c;
    m[1] = t * x * y + s * z;
    m[2] = t * x * z - s * y;
    m[4] = t * x * y - s * z;
    m[5] = t * y * y + c;
    m[6] = t * y * z + s * x;
    m[8] = t * x * z + s * y;
    m[9] = t * y * z - s * x;
    m[10] = t * z * z + c;
    return m;
}

float* eulerRotationMatrix(float* out, const float* angles)
{
    const Matrix m =
        multiply(multiply(rotationZ(angles[0]), rotationY(angles[1])), rotationZ(angles[2]));
    for (int i = 0; i < 16; ++i)
        out[i] = m[i];
    return out;
}

Vector transformPoint(const Matrix& m, const Vector& p)
{
    return {m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12],
            m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13],
            m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14]};
}

} // namespace Matrix4
