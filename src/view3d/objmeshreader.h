#pragma once

#include <QString>

#include <array>
#include <vector>

// One triangle as read from a Wavefront .obj file; normal k and texture
// coordinate k belong to position k. Texture coordinates are read, never drawn.
struct ObjFace
{
    std::array<std::array<float, 3>, 3> positions{};
    std::array<std::array<float, 3>, 3> normals{};
    std::array<std::array<float, 2>, 3> texCoords{};
};

// Reads the subset of .obj that the 3D view draws: "v", "vt", "vn" and
// triangle faces "f" with position, texture and normal indices (the first
// three corners of a longer polygon). Keywords ignore case; other lines are
// ignored.
class ObjMeshReader
{
public:
    using Point = std::array<float, 3>;

    // Clears faces, then reads the file; false when it is missing or cannot
    // be opened. A line that would index outside what was read so far (an
    // index of 0, negative or past the end, too few numbers or corners, a
    // corner without its normal, or without its texture index once "vt"
    // lines exist) is skipped, with one warning for the whole file.
    static bool read(const QString& path, std::vector<ObjFace>& faces);
    // Flat vertex and normal arrays, three entries per face, for GL_TRIANGLES.
    static void toArrays(const std::vector<ObjFace>& faces, std::vector<Point>& vertices,
                         std::vector<Point>& normals);
};

// Reads fileName from the monitoring model folder (setting
// "MonitoringModelPath") into the arrays; they stay as they were when the
// file cannot be read.
void loadMonitoringMesh(const QString& fileName, std::vector<ObjMeshReader::Point>& vertices,
                        std::vector<ObjMeshReader::Point>& normals);
