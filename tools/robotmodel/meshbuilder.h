#pragma once

#include <array>
#include <string>
#include <vector>

// Builds closed triangle meshes from simple solids for the 3D view's .obj
// files: every solid is closed on its own, its faces wind counter-clockwise
// seen from outside and carry outward normals (the view culls back faces).
// Lengths in millimetres.
class MeshBuilder
{
public:
    using Vec = std::array<double, 3>;

    // Axis-aligned box between two corners.
    void addBox(const Vec& min, const Vec& max);
    // Cylinder from the centre of one cap to the centre of the other.
    void addCylinder(const Vec& from, const Vec& to, double radius, int segments = 32);

    bool isEmpty() const { return m_triangles.empty(); }
    // The .obj text: shared positions and normals written once, in the order
    // first used, with four decimals, so the same solids give the same bytes.
    std::string objText(const std::string& comment) const;

private:
    struct Corner
    {
        Vec position, normal;
    };
    using Triangle = std::array<Corner, 3>;

    void addQuad(const Vec& a, const Vec& b, const Vec& c, const Vec& d);
    void addTriangle(const Corner& a, const Corner& b, const Corner& c);

    std::vector<Triangle> m_triangles;
};
