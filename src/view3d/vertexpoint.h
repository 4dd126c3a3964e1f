#pragma once

#include "view3d/model.h"
#include "view3d/object3d.h"

#include <array>
#include <vector>

class Parameter;
class RobotFrames;

// The speed monitoring points of the shown arm speed set, or of both sets
// (in robot base coordinates), and of the selected tool (in flange
// coordinates), drawn as 5-pixel points. The list of a set not shown keeps
// its last points.
class VertexPoint : public Object3D
{
public:
    static constexpr int Capacity = 20;

    VertexPoint();

    void update() override;
    void draw(const Matrix4::Matrix& view) override;
    void setVisible(bool) override {}

    // Rebuilds the point list of an arm speed set (0 maker, 1 user).
    void collect(const Parameter& store, const RobotFrames& frames, int set);
    // Rebuilds the tool's list: every shown point of the selected tool.
    void collectTool(const Parameter& store);

    const std::vector<Model::Point>& points(int list) const { return m_points[list]; }

    enum
    {
        MakerList,
        UserList,
        ToolList,
        ListCount
    };

private:
    void drawList(int list, const Matrix4::Matrix& view, const Matrix4::Matrix* parent);

    Model m_renderer;
    std::array<std::vector<Model::Point>, ListCount> m_points;
    std::array<std::vector<Model::Point>, ListCount> m_normals;
};
