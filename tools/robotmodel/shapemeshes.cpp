#include "shapemeshes.h"

#include "meshbuilder.h"

#include <fstream>
#include <string>

namespace {

// 1 / 2.87939: the capsule's X scale of the cylinder times this length is
// the capsule's length (plus a sliver of the radius).
constexpr double CylinderLength = 0.347296;

bool write(const std::filesystem::path& path, const MeshBuilder& mesh, const std::string& comment)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << mesh.objText(comment, 6);
    return bool(out);
}

} // namespace

bool writeShapeMeshes(const std::filesystem::path& folder)
{
    MeshBuilder left, right, cylinder, box, cone;
    left.addUnitHemisphereX(-1);
    right.addUnitHemisphereX(+1);
    cylinder.addOpenCylinder({-CylinderLength / 2, 0, 0}, {CylinderLength / 2, 0, 0}, 1.0);
    box.addBox({-1, -1, -1}, {1, 1, 1});
    // Scaled by a fifteenth of the gizmo's axis length and centred 1.1 axis
    // lengths out: the base meets the axis line's end, the tip lies at 1.2.
    cone.addCone({0, 0, 1.5}, {0, 0, -1.5}, 0.6);

    bool ok = write(folder / "hemisphere-left.obj", left, "unit hemisphere on -X, open at x = 0");
    ok =
        write(folder / "hemisphere-right.obj", right, "unit hemisphere on +X, open at x = 0") && ok;
    ok = write(folder / "cylinder.obj", cylinder,
               "open unit cylinder along X, length 0.347296, centred on the origin") &&
         ok;
    ok = write(folder / "rounded-corner-rectangular.obj", box, "closed box from -1 to 1") && ok;
    ok = write(folder / "cone.obj", cone, "gizmo arrow head, tip along -Z") && ok;
    return ok;
}
