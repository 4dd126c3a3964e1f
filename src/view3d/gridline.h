#pragma once

#include "view3d/gridlinemodel.h"
#include "view3d/object3d.h"

// The floor grid scene object; always drawn.
class GridLine : public Object3D
{
public:
    void update() override { m_model.updateMatrix(); }
    void draw(const Matrix4::Matrix& view) override { m_model.draw(view); }
    // Kept on the model; the grid's draw does not consult it.
    void setVisible(bool visible) override { m_model.visible = visible; }

    const GridLineModel& model() const { return m_model; }

private:
    GridLineModel m_model;
};
