#pragma once

#include "view3d/model.h"

#include <cstdint>

// One tool orientation range: a spherical sector of radius 1000 mm with its
// apex at the origin and its axis along +Y, opening by a half apex angle of
// 0 to 180 degrees (180: a whole sphere). The mesh is generated on each
// angle: a double-sided cone mantle (below 180 degrees) and a cap of rings
// every 15 degrees of azimuth, then expanded into the flat triangle arrays
// the base draws. The owner places it through the parent matrix.
class DirectionModel : public Model
{
public:
    static constexpr float Radius = 1000.0f;
    static constexpr int Segments = 24; // vertices per ring, 15 degrees apart

    DirectionModel();

    // Generates the indexed mesh, then expands it into vertices and normals.
    // An angle of 0 or below (or not a number) gives one triangle of no
    // area; an angle above 180 is taken as 180. The same angle again keeps
    // the mesh it gave (many ranges share their angle).
    void setAngle(float degrees);
    // The indexed mesh alone (meshVertices, meshNormals, meshIndices), as
    // setAngle() has it before the expansion.
    void buildIndexed(float degrees);

    float angle = 0.0f;
    float polarStep = 0.0f; // radians between two rings
    std::int32_t ringCount = 0;
    std::vector<Point> meshVertices;
    std::vector<Point> meshNormals;
    std::vector<std::uint32_t> meshIndices;

private:
    bool m_expanded = false; // vertices and normals hold the mesh of angle

    void buildCone();
    void buildCap();
    void push(const Point& vertex, const Point& normal);
    void pushTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    // The point at a polar angle from +Y and azimuth k * 15 degrees.
    static Point onSphere(float polar, int k);
};
