#include "view3d/gridlinemodel.h"

#include <QOpenGLFunctions_1_1>

namespace {

constexpr float Grey = 72.0f / 255.0f;

} // namespace

GridLineModel::GridLineModel()
{
    styles[XAxis] = {1.5f, {167.0f / 255.0f, 68.0f / 255.0f, 83.0f / 255.0f, 1.0f}, 0, 0};
    // The Y axis keeps the width that the X axis set.
    styles[YAxis] = {1.5f, {109.0f / 255.0f, 150.0f / 255.0f, 45.0f / 255.0f, 1.0f}, 0, 0};
    styles[Minor] = {0.1f, {Grey, Grey, Grey, 1.0f}, 0, 0};
    styles[Major] = {1.5f, {Grey, Grey, Grey, 1.0f}, 0, 0};

    const float extent = step * 100.0f;
    std::vector<Point> minor, major;
    for (int i = 1; i < int(step); ++i) {
        const float p = i * step;
        std::vector<Point>& group = i % 10 == 0 ? major : minor;
        group.insert(group.end(), {{-extent, p, 0},
                                   {extent, p, 0},
                                   {-extent, -p, 0},
                                   {extent, -p, 0},
                                   {p, -extent, 0},
                                   {p, extent, 0},
                                   {-p, -extent, 0},
                                   {-p, extent, 0}});
    }
    const float c = step * step;
    major.insert(major.end(), {{-c, c, 0},
                               {c, c, 0},
                               {-c, -c, 0},
                               {c, -c, 0},
                               {c, -c, 0},
                               {c, c, 0},
                               {-c, -c, 0},
                               {-c, c, 0}});

    vertices = {{-extent, 0, 0}, {extent, 0, 0}, {0, -extent, 0}, {0, extent, 0}};
    styles[XAxis].first = 0;
    styles[XAxis].count = 2;
    styles[YAxis].first = 2;
    styles[YAxis].count = 2;
    styles[Minor].first = int(vertices.size());
    styles[Minor].count = int(minor.size());
    vertices.insert(vertices.end(), minor.begin(), minor.end());
    styles[Major].first = int(vertices.size());
    styles[Major].count = int(major.size());
    vertices.insert(vertices.end(), major.begin(), major.end());
}

void GridLineModel::draw(const Matrix& view)
{
    QOpenGLFunctions_1_1* gl = currentFunctions();
    if (!gl)
        return;
    gl->glEnable(GL_DEPTH_TEST);
    gl->glEnable(GL_BLEND);
    gl->glEnableClientState(GL_VERTEX_ARRAY);
    Matrix m;
    Matrix4::multiplyInto(m, view, modelMatrix);
    gl->glLoadMatrixf(m.data());
    gl->glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    for (int s = 0; s < StyleCount; ++s) {
        const Style& style = styles[s];
        if (s != YAxis)
            gl->glLineWidth(style.width);
        gl->glColor4fv(style.colour.data());
        gl->glDrawArrays(GL_LINES, style.first, style.count);
    }
    gl->glDisableClientState(GL_VERTEX_ARRAY);
    gl->glDisable(GL_BLEND);
    gl->glDisable(GL_DEPTH_TEST);
}
