#include "view3d/model.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions_1_1>

Model::Model()
{
    reset();
}

Model::Model(const std::vector<Point>& vertices, const std::vector<Point>& normals) : Model()
{
    this->vertices = vertices;
    this->normals = normals;
}

Model::~Model() = default;

void Model::reset()
{
    modelMatrix = Matrix4::identity();
    components.fill(Matrix4::identity());
    material = Material();
    drawMode = GL_TRIANGLES;
    visible = lighting = blend = depthTest = depthMask = true;
}

void Model::updateMatrix()
{
    modelMatrix = Matrix4::multiply(Matrix4::multiply(components[0], components[1]),
                                    Matrix4::multiply(components[2], components[3]));
}

void Model::render(const Matrix& view, const Matrix& parent)
{
    modelMatrix = Matrix4::multiply(parent, modelMatrix);
    if (visible)
        drawMesh(view);
    for (Model* child : children)
        child->render(view, modelMatrix);
}

void Model::draw(const Matrix& view)
{
    if (visible)
        drawMesh(view);
}

QOpenGLFunctions_1_1* Model::currentFunctions()
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? context->versionFunctions<QOpenGLFunctions_1_1>() : nullptr;
}

void Model::applyState(QOpenGLFunctions_1_1& gl, const Model& model)
{
    const auto set = [&gl](GLenum capability, bool on) {
        if (on)
            gl.glEnable(capability);
        else
            gl.glDisable(capability);
    };
    set(GL_LIGHTING, model.lighting);
    set(GL_BLEND, model.blend);
    set(GL_DEPTH_TEST, model.depthTest);
    gl.glDepthMask(model.depthMask ? GL_TRUE : GL_FALSE);
}

void Model::restoreState(QOpenGLFunctions_1_1& gl)
{
    gl.glDisable(GL_LIGHTING);
    gl.glDisable(GL_BLEND);
    gl.glDisable(GL_DEPTH_TEST);
    gl.glDepthMask(GL_TRUE);
}

void Model::applyMaterial(QOpenGLFunctions_1_1& gl, const Material& material)
{
    gl.glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient.data());
    gl.glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse.data());
    gl.glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular.data());
    gl.glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
}

void Model::drawMesh(const Matrix& view)
{
    QOpenGLFunctions_1_1* gl = currentFunctions();
    if (!gl)
        return;
    applyState(*gl, *this);
    Matrix m;
    Matrix4::multiplyInto(m, view, modelMatrix);
    gl->glLoadMatrixf(m.data());
    drawArrays(*gl, drawMode, vertices, normals, material);
    restoreState(*gl);
}

void Model::drawArrays(QOpenGLFunctions_1_1& gl, GLenum mode, const std::vector<Point>& points,
                       const std::vector<Point>& normals, const Material& material)
{
    gl.glEnableClientState(GL_VERTEX_ARRAY);
    gl.glEnableClientState(GL_NORMAL_ARRAY);
    applyMaterial(gl, material);
    const GLsizei count = normals.size() >= points.size() ? GLsizei(points.size()) : GLsizei(0);
    gl.glVertexPointer(3, GL_FLOAT, 0, points.data());
    gl.glNormalPointer(GL_FLOAT, 0, normals.data());
    gl.glDrawArrays(mode, 0, count);
    gl.glDisableClientState(GL_NORMAL_ARRAY);
    gl.glDisableClientState(GL_VERTEX_ARRAY);
}
