#pragma once

#include <array>
#include <string>
#include <vector>

// Builds triangle meshes from simple solids for the 3D view's .obj files:
// every solid is closed on its own unless its name says open, its faces
// wind counter-clockwise seen from outside and carry outward normals (the
// view culls back faces). Lengths in millimetres for the robot's links; the
// monitoring shapes are unit solids that the view scales.
class MeshBuilder
{
public:
    using Vec = std::array<double, 3>;

    // Axis-aligned box between two corners.
    void addBox(const Vec& min, const Vec& max);
    // Cylinder from the centre of one cap to the centre of the other.
    void addCylinder(const Vec& from, const Vec& to, double radius, int segments = 32);
    // The same without its two caps (the capsule's middle, closed by its
    // hemispheres).
    void addOpenCylinder(const Vec& from, const Vec& to, double radius, int segments = 32);
    // Cone with its base disc around baseCentre and its tip at apex.
    void addCone(const Vec& baseCentre, const Vec& apex, double radius, int segments = 32);
    // Half of the unit sphere on the side of X that side (-1 or +1) names,
    // open at x = 0. Both halves share their rim, so the two together close.
    void addUnitHemisphereX(int side, int rings = 8, int segments = 32);

    bool isEmpty() const { return m_triangles.empty(); }
    // The .obj text: shared positions and normals written once, in the order
    // first used, with the given decimals (four suit millimetres, unit
    // solids need six), so the same solids give the same bytes.
    std::string objText(const std::string& comment, int decimals = 4) const;

private:
    struct Corner
    {
        Vec position, normal;
    };
    using Triangle = std::array<Corner, 3>;

    void addQuad(const Vec& a, const Vec& b, const Vec& c, const Vec& d);
    void addSide(const Vec& from, const Vec& to, double radius, int segments, bool caps);
    void addTriangle(const Corner& a, const Corner& b, const Corner& c);

    std::vector<Triangle> m_triangles;
};
