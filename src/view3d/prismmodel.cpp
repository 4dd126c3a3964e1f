#include "view3d/prismmodel.h"

#include <QOpenGLFunctions_1_1>

PrismModel::PrismModel()
    : geometry(new PrismGeometry), corners{{-10, 10}, {-10, -10}, {10, -10}, {10, 10}}
{
    // Room for the largest prism, so the per-frame rebuild does not allocate.
    corners.reserve(16);
    edgeVertices.reserve(PrismGeometry::MaxCorners);
}

void PrismModel::setShape(int cornerCount, float upperZ, float lowerZ,
                          const std::vector<Corner>& corners)
{
    this->cornerCount = cornerCount;
    this->upperZ = upperZ;
    this->lowerZ = lowerZ;
    this->corners.assign(corners.begin(), corners.end());
}

void PrismModel::updateMatrix()
{
    Model::updateMatrix();
    geometry->build(cornerCount, lowerZ, upperZ, corners);
    vertices.assign(geometry->triangleVertices.begin(), geometry->triangleVertices.end());
    normals.assign(geometry->triangleNormals.begin(), geometry->triangleNormals.end());
    geometry->edgePoints(highlight, edgeVertices);
}

void PrismModel::draw(const Matrix& view)
{
    Model::draw(view);
    if (!edgesVisible)
        return;
    QOpenGLFunctions_1_1* gl = currentFunctions();
    if (!gl)
        return;
    drawEdges(*gl, view, GL_POINTS);
    drawEdges(*gl, view, GL_LINE_LOOP);
}

void PrismModel::drawEdges(QOpenGLFunctions_1_1& gl, const Matrix& view, GLenum mode)
{
    applyState(gl, *this);
    Matrix m;
    Matrix4::multiplyInto(m, view, modelMatrix);
    gl.glLoadMatrixf(m.data());
    // The first triangle normals serve the outline.
    drawArrays(gl, mode, edgeVertices, normals, edgeMaterial);
    restoreState(gl);
}
