#pragma once

#include "parameter/matrix4.h"

// Placement matrices of the safety shapes and markers, GL-free.
namespace ShapePlacement {

using Matrix = Matrix4::Matrix;
using Vector = Matrix4::Vector;

// The rotation that turns +X onto the direction from p2 to p1, so that a
// capsule placed with T(p1) * R reaches p2 at its local (-|p1 - p2|, 0, 0).
// Identity when the points coincide or lie too close to give a direction.
Matrix alignmentRotation(const Vector& p1, const Vector& p2);

// frame * T(p): a point given in the frame's coordinates.
Matrix at(const Matrix& frame, const Vector& p);

// |p2 - p1|.
float distance(const Vector& p1, const Vector& p2);

// Where a tool orientation cone stands: at the origin of the tool centre
// point frame tcp, turned by frame 7's rotation, then by the range's O and
// A (degrees), with the fixed turn that sends the model's +Y (its axis)
// along the result's +Z.
Matrix coneParent(const Matrix& tcp, const Matrix& frame7, float o, float a);

// T(t) * Rz(r[2]) * Ry(r[1]) * Rx(r[0]) * S(k, k, k).
Matrix compose(const Vector& t, const Vector& r, float k);

} // namespace ShapePlacement
