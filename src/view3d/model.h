#pragma once

#include "parameter/matrix4.h"
#include "view3d/material.h"

#include <qopengl.h>

#include <array>
#include <vector>

class QOpenGLFunctions_1_1;

// One triangle mesh of the 3D view (robot links and their coordinate-system
// nodes, safety shapes, markers, the grid) with its material, GL switches,
// a model matrix made of four component matrices, and child models drawn
// relative to it. Fields are plain data that the owner sets before calling
// updateMatrix() and render() or draw() once per frame.
//
// Everything but the drawing itself is GL-free: the GL functions are bound
// at each draw to the context current then, and without a current context
// a draw draws nothing. So a model can be built while the view has no
// context yet (start-up, a hidden view) and its matrices can be tested
// without one.
class Model
{
public:
    using Matrix = Matrix4::Matrix;
    using Point = std::array<float, 3>;

    Model();
    Model(const std::vector<Point>& vertices, const std::vector<Point>& normals);
    virtual ~Model();
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    // Matrices, material, draw mode and switches back to their start values;
    // the mesh and the children stay.
    void reset();

    // modelMatrix := components[0] * [1] * [2] * [3].
    virtual void updateMatrix();
    // modelMatrix := parent * modelMatrix (also when invisible); draws the
    // mesh with view * modelMatrix when visible; then renders the children
    // with this modelMatrix as their parent. Owners rebuild modelMatrix with
    // updateMatrix() before every render.
    virtual void render(const Matrix& view, const Matrix& parent);
    // Draws the mesh alone with view * modelMatrix when visible.
    virtual void draw(const Matrix& view);

    Matrix modelMatrix;
    // Placement or kinematic frame, -, joint or orientation rotation, scale.
    std::array<Matrix, 4> components;
    Material material;
    GLenum drawMode = GL_TRIANGLES;
    bool visible = true;
    bool lighting = true;
    bool blend = true;
    bool depthTest = true;
    bool depthMask = true;
    std::vector<Point> vertices;
    std::vector<Point> normals;   // one per vertex
    std::vector<Model*> children; // not owned

    // The GL 1.1 functions of the current context; null without one.
    static QOpenGLFunctions_1_1* currentFunctions();

protected:
    // GL state from the switches.
    static void applyState(QOpenGLFunctions_1_1& gl, const Model& model);
    // Lighting, blending and depth test off, depth writes on: the state
    // every mesh draw leaves behind.
    static void restoreState(QOpenGLFunctions_1_1& gl);
    // The four front-face material calls.
    static void applyMaterial(QOpenGLFunctions_1_1& gl, const Material& material);
    // Points with one normal each, in the material, under the loaded matrix.
    // Fewer normals than points draw nothing rather than reading past the
    // normal array.
    static void drawArrays(QOpenGLFunctions_1_1& gl, GLenum mode, const std::vector<Point>& points,
                           const std::vector<Point>& normals, const Material& material);
    void drawMesh(const Matrix& view);
};
