#include "meshbuilder.h"

#include <cmath>
#include <cstdio>
#include <map>

namespace {

using Vec = MeshBuilder::Vec;

Vec add(const Vec& a, const Vec& b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
Vec sub(const Vec& a, const Vec& b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vec scale(const Vec& a, double s)
{
    return {a[0] * s, a[1] * s, a[2] * s};
}
Vec cross(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec normalized(const Vec& a)
{
    const double length = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
    return scale(a, 1.0 / length);
}

// No negative zero, so the text does not depend on rounding noise.
std::string number(double value, int decimals)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out(text);
    if (out.find_first_not_of("-0.") == std::string::npos && out[0] == '-')
        out.erase(0, 1);
    return out;
}

std::string vecText(const Vec& v, int decimals)
{
    return number(v[0], decimals) + " " + number(v[1], decimals) + " " + number(v[2], decimals);
}

} // namespace

void MeshBuilder::addTriangle(const Corner& a, const Corner& b, const Corner& c)
{
    m_triangles.push_back({a, b, c});
}

// a, b, c, d counter-clockwise seen from outside; one flat normal.
void MeshBuilder::addQuad(const Vec& a, const Vec& b, const Vec& c, const Vec& d)
{
    const Vec n = normalized(cross(sub(b, a), sub(c, a)));
    addTriangle({a, n}, {b, n}, {c, n});
    addTriangle({a, n}, {c, n}, {d, n});
}

void MeshBuilder::addBox(const Vec& lo, const Vec& hi)
{
    const double x0 = lo[0], y0 = lo[1], z0 = lo[2], x1 = hi[0], y1 = hi[1], z1 = hi[2];
    addQuad({x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}); // +z
    addQuad({x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}); // -z
    addQuad({x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}); // +x
    addQuad({x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}); // -x
    addQuad({x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}); // +y
    addQuad({x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}); // -y
}

namespace {

// Unit vectors u, v across the axis w, right-handed (u, v, w). For an axis
// along X, u is +Y and v is +Z.
void across(const Vec& w, Vec& u, Vec& v)
{
    const Vec helper = std::fabs(w[2]) < 0.9 ? Vec{0, 0, 1} : Vec{1, 0, 0};
    u = normalized(cross(helper, w));
    v = cross(w, u);
}

// Unit directions around an axis, the first repeated at the end.
std::vector<Vec> ring(const Vec& u, const Vec& v, int segments)
{
    const double pi = std::acos(-1.0);
    std::vector<Vec> rim(segments + 1);
    for (int i = 0; i <= segments; ++i) {
        const double t = 2.0 * pi * (i % segments) / segments;
        rim[i] = add(scale(u, std::cos(t)), scale(v, std::sin(t)));
    }
    return rim;
}

} // namespace

void MeshBuilder::addCylinder(const Vec& from, const Vec& to, double radius, int segments)
{
    addSide(from, to, radius, segments, true);
}

void MeshBuilder::addOpenCylinder(const Vec& from, const Vec& to, double radius, int segments)
{
    addSide(from, to, radius, segments, false);
}

void MeshBuilder::addSide(const Vec& from, const Vec& to, double radius, int segments, bool caps)
{
    const Vec w = normalized(sub(to, from));
    Vec u, v;
    across(w, u, v);
    const std::vector<Vec> rim = ring(u, v, segments);
    const Vec down = scale(w, -1.0);
    for (int i = 0; i < segments; ++i) {
        const Vec b0 = add(from, scale(rim[i], radius)), b1 = add(from, scale(rim[i + 1], radius));
        const Vec t0 = add(to, scale(rim[i], radius)), t1 = add(to, scale(rim[i + 1], radius));
        // Smooth side: the normal of each corner points straight out.
        addTriangle({b0, rim[i]}, {b1, rim[i + 1]}, {t1, rim[i + 1]});
        addTriangle({b0, rim[i]}, {t1, rim[i + 1]}, {t0, rim[i]});
        if (!caps)
            continue;
        addTriangle({to, w}, {t0, w}, {t1, w});
        addTriangle({from, down}, {b1, down}, {b0, down});
    }
}

void MeshBuilder::addCone(const Vec& baseCentre, const Vec& apex, double radius, int segments)
{
    const Vec axis = sub(apex, baseCentre);
    const double height = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    const Vec w = scale(axis, 1.0 / height);
    Vec u, v;
    across(w, u, v);
    const std::vector<Vec> rim = ring(u, v, segments);
    // The side's normal leans towards the tip by the cone's half angle.
    const auto sideNormal = [&](const Vec& out) {
        return normalized(add(scale(out, height), scale(w, radius)));
    };
    const Vec down = scale(w, -1.0);
    for (int i = 0; i < segments; ++i) {
        const Vec b0 = add(baseCentre, scale(rim[i], radius));
        const Vec b1 = add(baseCentre, scale(rim[i + 1], radius));
        const Vec tipNormal = sideNormal(normalized(add(rim[i], rim[i + 1])));
        addTriangle({b0, sideNormal(rim[i])}, {b1, sideNormal(rim[i + 1])}, {apex, tipNormal});
        addTriangle({baseCentre, down}, {b1, down}, {b0, down});
    }
}

void MeshBuilder::addUnitHemisphereX(int side, int rings, int segments)
{
    const double pi = std::acos(-1.0);
    const Vec pole{double(side), 0, 0};
    // The rim directions are the same for both sides, so their edges meet.
    const std::vector<Vec> rim = ring({0, 1, 0}, {0, 0, 1}, segments);
    // Ring k at polar angle 90 k / rings from the pole: k = rings is the rim.
    const auto point = [&](int k, int i) -> Vec {
        if (k == 0)
            return pole;
        const double polar = 0.5 * pi * k / rings;
        return add(scale(pole, std::cos(polar)), scale(rim[i], std::sin(polar)));
    };
    for (int k = 0; k < rings; ++k) {
        for (int i = 0; i < segments; ++i) {
            const Vec a = point(k, i), b = point(k, i + 1);
            const Vec c = point(k + 1, i), d = point(k + 1, i + 1);
            // Positions on the unit sphere are their own normals. The winding
            // flips with the side so that both face outward.
            if (side < 0) {
                if (k > 0)
                    addTriangle({a, a}, {b, b}, {d, d});
                addTriangle({a, a}, {d, d}, {c, c});
            } else {
                if (k > 0)
                    addTriangle({a, a}, {d, d}, {b, b});
                addTriangle({a, a}, {c, c}, {d, d});
            }
        }
    }
}

std::string MeshBuilder::objText(const std::string& comment, int decimals) const
{
    std::map<std::string, int> positionIndex, normalIndex;
    std::string vertices, normals, faces;
    const auto indexOf = [decimals](std::map<std::string, int>& index, std::string& lines,
                                    const char* keyword, const Vec& value) {
        const std::string text = vecText(value, decimals);
        const auto found = index.find(text);
        if (found != index.end())
            return found->second;
        const int next = int(index.size()) + 1;
        index.emplace(text, next);
        lines += std::string(keyword) + " " + text + "\n";
        return next;
    };
    for (const Triangle& triangle : m_triangles) {
        faces += "f";
        for (const Corner& corner : triangle) {
            const int p = indexOf(positionIndex, vertices, "v", corner.position);
            const int n = indexOf(normalIndex, normals, "vn", corner.normal);
            faces += " " + std::to_string(p) + "//" + std::to_string(n);
        }
        faces += "\n";
    }
    return "# " + comment + "\n# Written by tools/robotmodel (gen_robot_model); do not edit.\n" +
           vertices + normals + faces;
}
