#include "view3d/prismgeometry.h"

#include <cmath>

namespace {

using Table = std::vector<std::uint32_t>;

// Key point numbers counted from 1: b(i) the first ring's corner i, t(i) the
// second ring's, corners taken cyclically. Seen from +Z with the corners
// counter-clockwise and the second ring above the first, every triangle
// winds counter-clockwise from outside.
Table makeTable(int n)
{
    const bool centred = n >= 5;
    const int ring = centred ? n + 1 : n; // key points per ring
    const auto b = [n](int i) { return std::uint32_t((i - 1) % n + 1); };
    const auto t = [n, ring](int i) { return std::uint32_t(ring + (i - 1) % n + 1); };
    Table table;
    for (int i = 1; i <= n; ++i)
        table.insert(table.end(), {b(i + 1), t(i), b(i), b(i + 1), t(i + 1), t(i)});
    if (centred) {
        const std::uint32_t cb = std::uint32_t(n + 1), ct = std::uint32_t(2 * n + 2);
        for (int i = 1; i <= n; ++i)
            table.insert(table.end(), {b(i), cb, b(i + 1), t(i), t(i + 1), ct});
    } else {
        for (int k = 2; k <= n - 1; ++k)
            table.insert(table.end(), {b(1), b(k + 1), b(k), t(1), t(k), t(k + 1)});
    }
    return table;
}

// Built once, at program start.
const std::array<Table, PrismGeometry::MaxCorners + 1> tables = [] {
    std::array<Table, PrismGeometry::MaxCorners + 1> all;
    for (int n = PrismGeometry::MinCorners; n <= PrismGeometry::MaxCorners; ++n)
        all[n] = makeTable(n);
    return all;
}();

bool validCount(int n)
{
    return n >= PrismGeometry::MinCorners && n <= PrismGeometry::MaxCorners;
}

} // namespace

int PrismGeometry::triangleCount(int cornerCount)
{
    return validCount(cornerCount) ? int(tables[cornerCount].size() / 3) : 0;
}

void PrismGeometry::build(int n, float z1, float z2, const std::vector<Corner>& corners)
{
    keyPoints.clear();
    indices.clear();
    m_cornerCount = 0;
    if (validCount(n) && int(corners.size()) >= n) {
        m_cornerCount = n;
        float cx = 0, cy = 0;
        for (int i = 0; i < n; ++i) {
            cx += corners[i][0];
            cy += corners[i][1];
        }
        cx /= float(n);
        cy /= float(n);
        for (const float z : {z1, z2}) {
            for (int i = 0; i < n; ++i)
                keyPoints.push_back({corners[i][0], corners[i][1], z});
            if (n >= 5)
                keyPoints.push_back({cx, cy, z});
        }
        indices = tables[n];
    }
    triangulate();
}

void PrismGeometry::triangulate()
{
    triangleVertices.clear();
    triangleNormals.clear();
    triangleVertices.reserve(indices.size());
    triangleNormals.reserve(indices.size());
    const std::size_t keyCount = keyPoints.size();
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        if (indices[i] - 1 >= keyCount || indices[i + 1] - 1 >= keyCount ||
            indices[i + 2] - 1 >= keyCount)
            continue;
        const Point& a = keyPoints[indices[i] - 1];
        const Point& b = keyPoints[indices[i + 1] - 1];
        const Point& c = keyPoints[indices[i + 2] - 1];
        const float ux = b[0] - a[0], uy = b[1] - a[1], uz = b[2] - a[2];
        const float vx = c[0] - a[0], vy = c[1] - a[1], vz = c[2] - a[2];
        Point n{uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
        const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (length > 0.0f && std::isfinite(length))
            n = {n[0] / length, n[1] / length, n[2] / length};
        else
            n = {0.0f, 0.0f, 1.0f};
        triangleVertices.insert(triangleVertices.end(), {a, b, c});
        triangleNormals.insert(triangleNormals.end(), {n, n, n});
    }
}

void PrismGeometry::edgePoints(int h, std::vector<Point>& out) const
{
    out.clear();
    const int n = m_cornerCount;
    if (n == 0 || keyPoints.empty())
        return;
    const int half = int(keyPoints.size()) / 2;
    if (h == TopRing || h == BottomRing) {
        const int first = h == TopRing ? half : 0;
        for (int i = 0; i < n; ++i)
            out.push_back(keyPoints[first + i]);
    } else if (h >= 0 && h < n) {
        out.push_back(keyPoints[h]);
        out.push_back(keyPoints[half + h]);
    }
}
