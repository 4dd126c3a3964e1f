#pragma once

#include <filesystem>

// Writes the unit solids from which the 3D view draws the monitoring shapes
// into the monitoring model folder: "hemisphere-left.obj" and
// "hemisphere-right.obj" (the unit sphere's halves on -X and +X, open at
// x = 0), "cylinder.obj" (open, radius 1, length 0.347296 along X, centred
// on the origin: the capsule stretches it by 2.87939 L + r, so it spans the
// capsule's length L), "rounded-corner-rectangular.obj" (the closed box from
// -1 to 1, scaled by half the tool's widths) and "cone.obj" (the gizmo's
// arrow head, its tip along -Z, which the gizmo's angles turn onto +X, +Y
// and +Z). False when a file cannot be written.
bool writeShapeMeshes(const std::filesystem::path& folder);
