#include "view3d/gizmomodel.h"

#include "app/core/setting.h"
#include "view3d/objmeshreader.h"
#include "view3d/shapeplacement.h"

#include <QOpenGLFunctions_1_1>
#include <QtDebug>

namespace {

constexpr float InitialLength = 200.0f;
constexpr float InitialConeScale = 20.0f;
constexpr float AxisLineWidth = 3.0f;

// The angles that turn the cone's tip (-Z) onto +X, +Y and +Z.
constexpr Matrix4::Vector ConeAngles[3] = {{270, 0, 90}, {0, 270, 90}, {0, 180, 90}};

} // namespace

GizmoModel::GizmoModel()
    : colours{{{167 / 255.0f, 68 / 255.0f, 83 / 255.0f},
               {109 / 255.0f, 150 / 255.0f, 45 / 255.0f},
               {62 / 255.0f, 95 / 255.0f, 139 / 255.0f}}}
{
    for (int axis = 0; axis < 3; ++axis) {
        Point end{0, 0, 0};
        end[axis] = InitialLength;
        lineEnds[2 * axis] = {0, 0, 0};
        lineEnds[2 * axis + 1] = end;
        Matrix4::Vector at{0, 0, 0};
        at[axis] = InitialLength;
        coneTransforms[axis] = ShapePlacement::compose(at, ConeAngles[axis], InitialConeScale);
    }
    const QString path = QStringLiteral("%1/%2").arg(
        Setting::instance()->value(QStringLiteral("MonitoringModelPath")),
        QStringLiteral("cone.obj"));
    std::vector<ObjFace> faces;
    if (!ObjMeshReader::read(path, faces)) {
        qCritical().noquote() << "Can't Open File.";
        return;
    }
    coneVertices.reserve(3 * faces.size());
    for (const ObjFace& face : faces)
        coneVertices.insert(coneVertices.end(), face.positions.begin(), face.positions.end());
}

void GizmoModel::setScale(float s)
{
    const float p = s * 0.1f + s;
    const float k = s / 1.5f / 10.0f;
    for (int axis = 0; axis < 3; ++axis) {
        lineEnds[2 * axis + 1] = {0, 0, 0};
        lineEnds[2 * axis + 1][axis] = s;
        Matrix4::Vector at{0, 0, 0};
        at[axis] = p;
        coneTransforms[axis] = ShapePlacement::compose(at, ConeAngles[axis], k);
    }
}

void GizmoModel::render(const Matrix& view, const Matrix& parent)
{
    if (!visible)
        return;
    QOpenGLFunctions_1_1* gl = currentFunctions();
    if (!gl)
        return;
    Matrix placed, m, cone;
    Matrix4::multiplyInto(placed, modelMatrix, parent);
    Matrix4::multiplyInto(m, view, placed);
    gl->glDisable(GL_DEPTH_TEST);
    gl->glEnableClientState(GL_VERTEX_ARRAY);
    gl->glLoadMatrixf(m.data());
    gl->glLineWidth(AxisLineWidth);
    gl->glVertexPointer(3, GL_FLOAT, 0, lineEnds.data());
    for (int axis = 0; axis < 3; ++axis) {
        gl->glColor3fv(colours[axis].data());
        gl->glDrawArrays(GL_LINES, 2 * axis, 2);
    }
    gl->glDisableClientState(GL_VERTEX_ARRAY);
    for (int axis = 0; axis < 3; ++axis) {
        gl->glDisable(GL_DEPTH_TEST);
        gl->glEnableClientState(GL_VERTEX_ARRAY);
        Matrix4::multiplyInto(cone, m, coneTransforms[axis]);
        gl->glLoadMatrixf(cone.data());
        gl->glColor3fv(colours[axis].data());
        gl->glVertexPointer(3, GL_FLOAT, 0, coneVertices.data());
        gl->glDrawArrays(GL_TRIANGLES, 0, GLsizei(coneVertices.size()));
        gl->glDisableClientState(GL_VERTEX_ARRAY);
    }
}
