#pragma once

#include <array>

// 4 x 4 homogeneous transforms of 32-bit floats, column-major as OpenGL
// loads them (row r, column c at index 4c + r; translation at 12, 13, 14).
// Angles in degrees, right-handed rotations; A * B applied to a point means
// A(B p). Shared by the kinematic frames and the 3D view, so it needs no GL.
namespace Matrix4 {

using Matrix = std::array<float, 16>;
using Vector = std::array<float, 3>;

constexpr float radiansPerDegree = 0.017453292f;

Matrix identity();
Matrix multiply(const Matrix& a, const Matrix& b);
// Writes a * b into out without a temporary; out may not alias a or b.
void multiplyInto(Matrix& out, const Matrix& a, const Matrix& b);
Matrix translation(float x, float y, float z);
Matrix rotationX(float degrees);
Matrix rotationY(float degrees);
Matrix rotationZ(float degrees);
// About the axis divided by its length; a zero axis gives the identity.
Matrix rotationAbout(const Vector& axis, float degrees);
// Rz(angles[0]) * Ry(angles[1]) * Rz(angles[2]): the Z-Y-Z Euler angles
// (O, A, T) of the tool shapes. Returns out.
float* eulerRotationMatrix(float* out, const float* angles);
Vector transformPoint(const Matrix& m, const Vector& p);

} // namespace Matrix4
