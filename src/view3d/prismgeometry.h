#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The mesh of a vertical prism over a polygon of 3 to 8 corners between two
// heights: key points (the corners of both rings and, for 5 to 8 corners,
// the centre of each ring), a fixed triangle table per corner count, flat
// shaded triangles, and the outline of one edge or ring. GL-free. The
// arrays are cleared and refilled, never shrunk, so rebuilding every frame
// does not allocate once they have grown.
class PrismGeometry
{
public:
    using Point = std::array<float, 3>;
    using Corner = std::array<float, 2>;

    static constexpr int MinCorners = 3;
    static constexpr int MaxCorners = 8;
    static constexpr int TopRing = 8;
    static constexpr int BottomRing = 9;

    // Key points of the first corners of the list at z1 (first ring) and z2
    // (second ring) and their triangles. A count outside 3..8, or one beyond
    // the list, gives no key points and no triangles.
    void build(int cornerCount, float z1, float z2, const std::vector<Corner>& corners);
    // Triangle corners and their flat normals from the key points and the
    // table. A triangle of no area gets the normal (0, 0, 1) rather than a
    // division by zero.
    void triangulate();
    // The outline of highlight h: 8 the second ring's corners, 9 the first
    // ring's, 0 to n - 1 the vertical edge at that corner; anything else, or
    // no key points, gives none.
    void edgePoints(int highlight, std::vector<Point>& out) const;

    // Triangles of the table for n corners (empty outside 3..8).
    static int triangleCount(int cornerCount);

    std::vector<Point> triangleVertices;
    std::vector<Point> triangleNormals;
    std::vector<Point> keyPoints;
    std::vector<std::uint32_t> indices; // into keyPoints, counted from 1

private:
    int m_cornerCount = 0; // of the last build; 0 when it gave nothing
};
