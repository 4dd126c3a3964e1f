#include "view3d/directionmodel.h"

#include <cmath>

namespace {

constexpr float AzimuthStep = 0.2617994f; // 15 degrees
constexpr float StepDegrees = 15.0f;
constexpr float FullAngle = 180.0f;

} // namespace

DirectionModel::DirectionModel()
{
    drawMode = GL_TRIANGLES;
    visible = true;
    depthMask = false;
}

DirectionModel::Point DirectionModel::onSphere(float polar, int k)
{
    const float phi = AzimuthStep * float(k);
    return {std::sin(polar) * std::sin(phi), std::cos(polar), std::sin(polar) * std::cos(phi)};
}

void DirectionModel::push(const Point& vertex, const Point& normal)
{
    meshVertices.push_back(vertex);
    meshNormals.push_back(normal);
}

void DirectionModel::pushTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    meshIndices.insert(meshIndices.end(), {a, b, c});
}

void DirectionModel::buildIndexed(float degrees)
{
    // Beyond 180 the rings would start past the -Y pole.
    const float theta = degrees > FullAngle ? FullAngle : degrees;
    angle = theta;
    m_expanded = false;
    meshVertices.clear();
    meshNormals.clear();
    meshIndices.clear();
    push({0.0f, 0.0f, 0.0f}, {0.0f, -1.0f, 0.0f});
    push({0.0f, Radius, 0.0f}, {0.0f, 1.0f, 0.0f});
    if (!(theta > 0.0f)) {
        polarStep = 0.0f;
        ringCount = 0;
        push({0.0f, Radius, 0.0f}, {0.0f, 1.0f, 0.0f});
        pushTriangle(0, 1, 1);
        return;
    }
    const float rings = std::ceil(theta / StepDegrees);
    ringCount = rings < 2.0f ? 2 : std::int32_t(rings);
    polarStep = theta * Matrix4::radiansPerDegree / float(ringCount);
    if (theta < FullAngle)
        buildCone();
    buildCap();
}

void DirectionModel::setAngle(float degrees)
{
    if (m_expanded && (degrees > FullAngle ? FullAngle : degrees) == angle)
        return;
    buildIndexed(degrees);
    // One vertex per index; the indexed arrays are kept for the next call.
    vertices.clear();
    normals.clear();
    vertices.reserve(meshIndices.size());
    normals.reserve(meshIndices.size());
    for (const std::uint32_t i : meshIndices) {
        vertices.push_back(meshVertices[i]);
        normals.push_back(meshNormals[i]);
    }
    meshIndices.clear();
    m_expanded = true;
}

void DirectionModel::buildCone()
{
    const float theta = angle * Matrix4::radiansPerDegree;
    const std::uint32_t b = std::uint32_t(meshVertices.size());
    for (int k = 0; k < Segments; ++k) {
        const Point p = onSphere(theta, k);
        const float phi = AzimuthStep * float(k);
        push({Radius * p[0], Radius * p[1], Radius * p[2]},
             {std::cos(theta) * std::sin(phi), -std::sin(theta), std::cos(theta) * std::cos(phi)});
    }
    // Both windings: the mantle is seen from inside and outside.
    for (int k = 0; k < Segments; ++k) {
        const std::uint32_t k1 = std::uint32_t((k + 1) % Segments);
        pushTriangle(0, b + k1, b + std::uint32_t(k));
        pushTriangle(0, b + std::uint32_t(k), b + k1);
    }
}

void DirectionModel::buildCap()
{
    float alpha = angle * Matrix4::radiansPerDegree;
    int rings = ringCount;
    if (angle >= FullAngle) {
        // Closed at the -Y pole by a fan to the first ring.
        alpha -= polarStep;
        rings = ringCount - 1;
        const std::uint32_t p = std::uint32_t(meshVertices.size());
        push({0.0f, -Radius, 0.0f}, {0.0f, -1.0f, 0.0f});
        const std::uint32_t b = p + 1;
        for (int k = 0; k < Segments; ++k)
            pushTriangle(p, b + std::uint32_t((k + 1) % Segments), b + std::uint32_t(k));
    }
    std::uint32_t b = 0;
    for (int ring = 0; ring < rings; ++ring) {
        b = std::uint32_t(meshVertices.size());
        for (int k = 0; k < Segments; ++k) {
            const Point n = onSphere(alpha, k);
            push({Radius * n[0], Radius * n[1], Radius * n[2]}, n);
        }
        if (ring + 1 < rings) {
            const std::uint32_t s = Segments;
            for (std::uint32_t k = 0; k < s; ++k) {
                const std::uint32_t k1 = (k + 1) % s;
                pushTriangle(b + k, b + k1, b + s + k);
                pushTriangle(b + s + k, b + k1, b + s + k1);
            }
            alpha -= polarStep;
        }
    }
    for (int k = 0; k < Segments; ++k)
        pushTriangle(1, b + std::uint32_t(k), b + std::uint32_t((k + 1) % Segments));
}
