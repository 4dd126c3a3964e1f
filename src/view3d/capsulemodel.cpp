#include "view3d/capsulemodel.h"

#include "view3d/objmeshreader.h"

#include <QOpenGLFunctions_1_1>

namespace {

// The cylinder mesh is 0.347296 long: this stretch makes it span the
// capsule's length.
constexpr float CylinderStretch = 2.87939f;

// R * T(shift, 0, 0) * S(sx, s, s) * M with R the half turn about Z.
Matrix4::Matrix partMatrix(float shift, float sx, float s, const Matrix4::Matrix& m)
{
    Matrix4::Matrix placed{};
    placed[0] = -sx;
    placed[5] = -s;
    placed[10] = s;
    placed[12] = -shift;
    placed[15] = 1.0f;
    return Matrix4::multiply(placed, m);
}

} // namespace

CapsuleModel::CapsuleModel()
{
    loadMonitoringMesh(QStringLiteral("hemisphere-left.obj"), parts[LeftHemisphere].vertices,
                       parts[LeftHemisphere].normals);
    loadMonitoringMesh(QStringLiteral("hemisphere-right.obj"), parts[RightHemisphere].vertices,
                       parts[RightHemisphere].normals);
    loadMonitoringMesh(QStringLiteral("cylinder.obj"), parts[Cylinder].vertices,
                       parts[Cylinder].normals);
}

void CapsuleModel::updateMatrix()
{
    const float l = length, r = radius;
    parts[LeftHemisphere].matrix = partMatrix(0.0f, r, r, modelMatrix);
    parts[Cylinder].matrix = partMatrix(l / 2.0f, CylinderStretch * l + r, r, modelMatrix);
    parts[RightHemisphere].matrix = partMatrix(l, r, r, modelMatrix);
}

void CapsuleModel::render(const Matrix& view, const Matrix& parent)
{
    if (!visible)
        return;
    QOpenGLFunctions_1_1* gl = currentFunctions();
    if (!gl)
        return;
    applyState(*gl, *this);
    Matrix placed, m;
    for (const MeshPart& part : parts) {
        Matrix4::multiplyInto(placed, parent, part.matrix);
        Matrix4::multiplyInto(m, view, placed);
        gl->glLoadMatrixf(m.data());
        drawArrays(*gl, GL_TRIANGLES, part.vertices, part.normals, material);
    }
    restoreState(*gl);
}
