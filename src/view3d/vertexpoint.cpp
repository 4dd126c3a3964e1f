#include "view3d/vertexpoint.h"

#include "parameter/parameter.h"
#include "parameter/robotframes.h"
#include "view3d/shapelayout.h"

#include <QOpenGLFunctions_1_1>

namespace {

constexpr float PointSize = 5.0f;

Material pointMaterial(std::array<float, 4> ambient)
{
    Material m;
    m.ambient = ambient;
    m.diffuse = {0, 0, 0, 1};
    m.specular = {0, 0, 0, 1};
    m.shininess = 0;
    return m;
}

} // namespace

VertexPoint::VertexPoint()
{
    m_renderer.visible = true;
    m_renderer.depthMask = false;
    m_renderer.drawMode = GL_POINTS;
    for (int list = 0; list < ListCount; ++list) {
        m_points[list].reserve(Capacity);
        m_normals[list].assign(Capacity, {0, 0, 1});
    }
    m_renderer.vertices.reserve(Capacity);
    m_renderer.normals.reserve(Capacity);
}

void VertexPoint::update()
{
    if (QOpenGLFunctions_1_1* gl = Model::currentFunctions())
        gl->glPointSize(PointSize);
    const Parameter& store = *Parameter::instance();
    for (int set = 0; set < 2; ++set)
        if (store.m_speedPointSet == set || store.m_speedPointSet == Parameter::BothSpeedPointSets)
            collect(store, store.m_robotFrames, set);
    collectTool(store);
}

void VertexPoint::collect(const Parameter& store, const RobotFrames& frames, int set)
{
    if (set != 0 && set != 1)
        return;
    std::vector<Model::Point>& list = m_points[set];
    list.clear();
    for (int e = 0; e < Capacity; ++e) {
        if (!store.m_armSpeedPointFlags[set][e])
            continue;
        Matrix4::Vector point;
        const int n = ShapeLayout::armSpeedPoint(store.editImage(), set, e, point);
        if (n <= 0 || n > ShapeLayout::MaxCoordinateNo)
            continue;
        list.push_back(Matrix4::transformPoint(frames.frame(n), point));
    }
}

void VertexPoint::collectTool(const Parameter& store)
{
    std::vector<Model::Point>& list = m_points[ToolList];
    list.clear();
    const int t = store.m_selectedTool;
    if (t < 0 || t >= Parameter::ToolCount)
        return;
    // Shown whether or not the point is enabled.
    for (int e = 0; e < Capacity; ++e)
        if (store.m_toolSpeedPointFlags[t][e])
            list.push_back(ShapeLayout::toolSpeedPoint(store.editImage(), t, e));
}

void VertexPoint::drawList(int list, const Matrix4::Matrix& view, const Matrix4::Matrix* parent)
{
    static const Material maker = pointMaterial({0.1f, 5.8f, 0.8f, 1.0f});
    static const Material others = pointMaterial({0.6f, 5.0f, 8.0f, 1.0f});
    const std::vector<Model::Point>& points = m_points[list];
    m_renderer.material = list == MakerList ? maker : others;
    m_renderer.vertices.assign(points.begin(), points.end());
    m_renderer.normals.assign(m_normals[list].begin(), m_normals[list].begin() + points.size());
    m_renderer.updateMatrix();
    if (parent)
        m_renderer.render(view, *parent);
    else
        m_renderer.draw(view);
}

void VertexPoint::draw(const Matrix4::Matrix& view)
{
    if (!m_points[MakerList].empty())
        drawList(MakerList, view, nullptr);
    if (!m_points[UserList].empty())
        drawList(UserList, view, nullptr);
    const Parameter& store = *Parameter::instance();
    const Matrix4::Matrix* flange = store.m_robotFrames.lastLinkFrame();
    if (!m_points[ToolList].empty() && store.m_selectedTool >= 0 && flange)
        drawList(ToolList, view, flange);
}
