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

// Four decimals; no "-0.0000", so the text does not depend on rounding noise.
std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    std::string out(text);
    if (out == "-0.0000")
        out = "0.0000";
    return out;
}

std::string vecText(const Vec& v)
{
    return number(v[0]) + " " + number(v[1]) + " " + number(v[2]);
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

void MeshBuilder::addCylinder(const Vec& from, const Vec& to, double radius, int segments)
{
    const Vec w = normalized(sub(to, from));
    // u, v, w right-handed, u perpendicular to w.
    const Vec helper = std::fabs(w[2]) < 0.9 ? Vec{0, 0, 1} : Vec{1, 0, 0};
    const Vec u = normalized(cross(helper, w));
    const Vec v = cross(w, u);
    const double pi = std::acos(-1.0);
    std::vector<Vec> rim(segments + 1);
    for (int i = 0; i <= segments; ++i) {
        const double t = 2.0 * pi * (i % segments) / segments;
        rim[i] = add(scale(u, std::cos(t)), scale(v, std::sin(t)));
    }
    const Vec down = scale(w, -1.0);
    for (int i = 0; i < segments; ++i) {
        const Vec b0 = add(from, scale(rim[i], radius)), b1 = add(from, scale(rim[i + 1], radius));
        const Vec t0 = add(to, scale(rim[i], radius)), t1 = add(to, scale(rim[i + 1], radius));
        // Smooth side: the normal of each corner points straight out.
        addTriangle({b0, rim[i]}, {b1, rim[i + 1]}, {t1, rim[i + 1]});
        addTriangle({b0, rim[i]}, {t1, rim[i + 1]}, {t0, rim[i]});
        addTriangle({to, w}, {t0, w}, {t1, w});
        addTriangle({from, down}, {b1, down}, {b0, down});
    }
}

std::string MeshBuilder::objText(const std::string& comment) const
{
    std::map<std::string, int> positionIndex, normalIndex;
    std::string vertices, normals, faces;
    const auto indexOf = [](std::map<std::string, int>& index, std::string& lines,
                            const char* keyword, const Vec& value) {
        const std::string text = vecText(value);
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
