#pragma once

#include "view3d/gizmomodel.h"
#include "view3d/object3d.h"

class Camera;
class Parameter;
class RobotFrames;

// The axis cross at the point being edited on the current page: the
// selected tool's frame (page 20), a point of an arm or tool shape (21, 22), a vertex or centre of
// a motion area (23) or a speed monitoring point (26, 27). Its size follows the camera distance, so
// it looks the same at every zoom. Elsewhere, or while the selection names nothing drawable, it is
// hidden.
class Gizmo : public Object3D
{
public:
    explicit Gizmo(const Camera& camera);

    void update() override;
    void draw(const Matrix4::Matrix& view) override;
    void setVisible(bool visible) override { m_model.visible = visible; }

    // Where the cross stands for the page; false when nothing is marked
    // there. Every selection and stored count is range-checked first.
    static bool markerMatrix(const Parameter& store, const RobotFrames& frames, int scene,
                             Matrix4::Matrix& out);

    const GizmoModel& model() const { return m_model; }

private:
    const Camera& m_camera;
    GizmoModel m_model;
    float m_scaledDistance = -1.0f; // no camera distance is negative
};
