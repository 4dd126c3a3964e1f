#pragma once

#include "view3d/model.h"

#include <array>

class QOpenGLFunctions_1_1;

// A capsule of a given length and radius from three unit meshes of the
// monitoring model folder: two hemispheres joined by a cylinder. It lies on
// the local X axis from the origin (one hemisphere's centre) to (-length, 0,
// 0) (the other's); a sphere is a capsule of length 0. Only the three part
// matrices change per element, the meshes are read once.
class CapsuleModel : public Model
{
public:
    struct MeshPart
    {
        std::vector<Point> vertices;
        std::vector<Point> normals;
        Matrix matrix{};
    };
    enum
    {
        LeftHemisphere,
        Cylinder,
        RightHemisphere,
        PartCount
    };

    // Reads "hemisphere-left.obj", "hemisphere-right.obj" and "cylinder.obj";
    // a part that cannot be read stays empty and is not drawn.
    CapsuleModel();

    // The three part matrices from length, radius and modelMatrix.
    void updateMatrix() override;
    // Draws the three parts with view * parent * part matrix when visible;
    // modelMatrix and the children are left alone.
    void render(const Matrix& view, const Matrix& parent) override;

    std::array<MeshPart, PartCount> parts;
    float length = 1.0f;
    float radius = 1.0f;
};
