#pragma once

#include "view3d/model.h"

#include <array>

// The axis cross of the gizmo: three axis lines from the origin, each with
// a cone ("cone.obj") at its end, in the axis colours. Drawn without depth
// test, so it shows through everything before it. Rescaled, never rebuilt.
class GizmoModel : public Model
{
public:
    using Colour = std::array<float, 3>;

    GizmoModel();

    // Lines of length s; cones centred 1.1 s out, scaled by s / 15.
    void setScale(float s);
    // Lines, then cones, with view * modelMatrix * parent, while visible.
    void render(const Matrix& view, const Matrix& parent) override;

    std::array<Colour, 3> colours;
    std::array<Point, 6> lineEnds;   // start and end of X, Y, Z
    std::vector<Point> coneVertices; // triangle corners, positions only
    std::array<Matrix, 3> coneTransforms;
};
