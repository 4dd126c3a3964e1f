// Writes the robot model of the default parameter set's robot "QR6-0700"
// into the robot model folder (assets/obj): the robot description
// "QR6/setting/QR6-0700.xml" and one closed mesh per link in "QR6/mesh/".
// The link placements and home angles come from the same Denavit-Hartenberg
// rows that default.txt carries (defaultrobotrows.h), so that the posed
// model and the kinematic frames show the same robot.
//
// Each link's frame is its joint frame: the frame of the previous row,
// moved by the joint's d along its Z and turned by the joint's theta. A row
// Rz(theta) T(a, k, d) Rx(alpha) equals T(0, 0, d) Rz(theta) T(a, k, 0) Rx(alpha),
// so link j sits at (a, k, 0) + Rx(alpha) (0, 0, d_j) of the previous row's
// values with home angles (alpha of the previous row, 0, theta_j) about X, Y
// and Z, and turns about its Z. The last link is then exactly the flange
// frame when the last row has no a, k or alpha.
//
// It also writes the unit solids of the monitoring shapes into the same
// folder, which is the default monitoring model folder too.
//
// Usage: gen_robot_model <robot model folder>

#include "../defaultrobotrows.h"
#include "meshbuilder.h"
#include "shapemeshes.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Vec = MeshBuilder::Vec;

const char* const series = "QR6";
const char* const typeName = "QR6-0700";

struct Link
{
    std::string name;
    Vec position{0, 0, 0};
    Vec homeAngle{0, 0, 0};
    MeshBuilder mesh;
};

double radians(double degrees)
{
    return degrees * std::acos(-1.0) / 180.0;
}

Vec add(const Vec& a, const Vec& b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

Vec scaled(const Vec& a, double s)
{
    return {a[0] * s, a[1] * s, a[2] * s};
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    const std::string out(text);
    return out == "-0.0000" ? "0.0000" : out;
}

std::string vectorElement(const char* tag, const Vec& v)
{
    return std::string("<") + tag + " x=\"" + number(v[0]) + "\" y=\"" + number(v[1]) + "\" z=\"" +
           number(v[2]) + "\"/>";
}

// Placements and home angles of the six joint links from the rows.
std::vector<Link> placeLinks()
{
    const auto& r = DefaultRobotRows::rows;
    const int count = int(sizeof r / sizeof r[0]);
    const auto& base = r[0];
    const auto& last = r[count - 1];
    if (base.theta != 0 || base.d != 0 || base.a != 0 || base.alpha != 0 || last.a != 0 ||
        last.alpha != 0) {
        std::fprintf(stderr, "the base row must be the identity and the last row have no a "
                             "or alpha\n");
        std::exit(2);
    }
    std::vector<Link> links(count); // link 0 is the base
    for (int j = 1; j < count; ++j) {
        Link& link = links[j];
        if (j == 1) {
            link.position = {0, 0, r[j].d};
            link.homeAngle = {0, 0, r[j].theta};
        } else {
            const auto& previous = r[j - 1];
            const double alpha = radians(previous.alpha);
            link.position = {previous.a, -r[j].d * std::sin(alpha), r[j].d * std::cos(alpha)};
            link.homeAngle = {previous.alpha, 0, r[j].theta};
        }
    }
    return links;
}

// Direction of joint j's axis in the frame of the link before it.
Vec jointAxis(const std::vector<Link>& links, int j)
{
    const double alpha = radians(links[j].homeAngle[0]);
    return {0, -std::sin(alpha), std::cos(alpha)};
}

void shapeLinks(std::vector<Link>& links)
{
    const auto& r = DefaultRobotRows::rows;
    const char* names[] = {"base", "shoulder", "upperarm", "elbow", "forearm", "wrist", "flange"};
    for (std::size_t i = 0; i < links.size(); ++i)
        links[i].name = names[i];

    // Base: floor plate and pedestal up to the shoulder column.
    links[0].mesh.addBox({-160, -160, 0}, {160, 160, 30});
    links[0].mesh.addCylinder({0, 0, 30}, {0, 0, 200}, 110);

    // Shoulder: column down to the pedestal, housing of joint 2.
    const Vec j2 = links[2].position, axis2 = jointAxis(links, 2);
    links[1].mesh.addCylinder({0, 0, 200 - links[1].position[2]}, {0, 0, 40}, 95);
    links[1].mesh.addCylinder(add(j2, scaled(axis2, -95)), add(j2, scaled(axis2, 95)), 85);

    // Upper arm: from joint 2 to joint 3.
    links[2].mesh.addCylinder({0, 0, 0}, links[3].position, 58);

    // Elbow: housing of joint 3 and the fixed half of the forearm.
    const Vec j4 = links[4].position, axis4 = jointAxis(links, 4);
    const Vec forearmStart = add(j4, scaled(axis4, -r[4].d));
    links[3].mesh.addCylinder({0, 0, -75}, {0, 0, 75}, 72);
    links[3].mesh.addCylinder(forearmStart, add(forearmStart, scaled(axis4, 150)), 60);

    // Forearm: the rolling half ending in the wrist fork.
    links[4].mesh.addCylinder({0, 0, 150 - r[4].d - 5}, {0, 0, -45}, 55);
    links[4].mesh.addBox({-42, -60, -60}, {42, 60, -45});
    links[4].mesh.addBox({-42, 48, -60}, {42, 60, 12});
    links[4].mesh.addBox({-42, -60, -60}, {42, -48, 12});

    // Wrist: housing of joint 5 between the fork, neck to the flange.
    const Vec j6 = links[6].position;
    const double neck = std::sqrt(j6[0] * j6[0] + j6[1] * j6[1] + j6[2] * j6[2]);
    const Vec toFlange = scaled(j6, 1.0 / neck);
    links[5].mesh.addCylinder({0, 0, -46}, {0, 0, 46}, 42);
    links[5].mesh.addCylinder(scaled(toFlange, 20), scaled(toFlange, neck - 16), 34);

    // Flange: the mounting disc, its face at the flange frame.
    links[6].mesh.addCylinder({0, 0, -16}, {0, 0, 0}, 40);
}

std::string descriptionText(const std::vector<Link>& links)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    xml += "<!-- Written by tools/robotmodel (gen_robot_model); do not edit. -->\n";
    xml += "<robot>\n";
    xml += std::string("  <rzrobot_type value=\"") + series + "\"/>\n";
    xml += "  <base_link>\n    <origin>\n      " + vectorElement("position", {0, 0, 0}) +
           "\n      <rotaxis>\n        " + vectorElement("xvec", {1, 0, 0}) + "\n        " +
           vectorElement("yvec", {0, 1, 0}) + "\n        " + vectorElement("zvec", {0, 0, 1}) +
           "\n        " + vectorElement("angle", {0, 0, 0}) +
           "\n      </rotaxis>\n    </origin>\n  </base_link>\n";
    xml += "  " + vectorElement("dh_origin", {0, 0, 0}) + "\n";
    xml += "  " + vectorElement("view_origin", {0, 0, 400}) + "\n";
    xml += "  <link>\n";
    for (const Link& link : links) {
        xml += "    <item>\n";
        xml += std::string("      <model value=\"") + typeName + "-" + link.name + ".obj\"/>\n";
        xml += "      <origin>\n        " + vectorElement("position", link.position) +
               "\n        <rotaxis>\n          " + vectorElement("xvec", {1, 0, 0}) +
               "\n          " + vectorElement("yvec", {0, 1, 0}) + "\n          " +
               vectorElement("zvec", {0, 0, 1}) + "\n        </rotaxis>\n      </origin>\n";
        xml += "      " + vectorElement("home_angle", link.homeAngle) + "\n";
        xml += "    </item>\n";
    }
    xml += "  </link>\n</robot>\n";
    return xml;
}

bool writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return bool(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_robot_model <robot model folder>\n");
        return 2;
    }
    const std::filesystem::path root = std::filesystem::path(argv[1]) / series;
    std::error_code error;
    std::filesystem::create_directories(root / "setting", error);
    std::filesystem::create_directories(root / "mesh", error);

    std::vector<Link> links = placeLinks();
    shapeLinks(links);
    bool ok =
        writeFile(root / "setting" / (std::string(typeName) + ".xml"), descriptionText(links));
    for (const Link& link : links) {
        const std::string file = std::string(typeName) + "-" + link.name + ".obj";
        ok =
            writeFile(root / "mesh" / file, link.mesh.objText(std::string(typeName) + " " +
                                                              link.name + ", millimetres, Z up")) &&
            ok;
    }
    ok = writeShapeMeshes(argv[1]) && ok;
    return ok ? 0 : 1;
}
