#include "view3d/gizmo.h"

#include "app/scene/scenemanager.h"
#include "parameter/parameter.h"
#include "parameter/robotframes.h"
#include "view3d/camera.h"
#include "view3d/shapelayout.h"
#include "view3d/shapeplacement.h"

namespace {

using Matrix = Matrix4::Matrix;

constexpr int CommonSettingsScene = 20;
constexpr int ArmModelScene = 21;
constexpr int ToolModelScene = 22;
constexpr int AreaModelScene = 23;
constexpr int ArmSpeedScene = 26;
constexpr int ToolSpeedScene = 27;
constexpr int UpperCentre = 9;
constexpr int LowerCentre = 10;

using namespace ShapeLayout;

bool inRange(int value, int count)
{
    return value >= 0 && value < count;
}

bool armShape(const Parameter& store, const RobotFrames& frames, Matrix& out)
{
    const int set = store.m_armModelSet, e = store.m_selectedElement;
    if (!inRange(set, 2) || !inRange(e, Parameter::ModelsPerSet) ||
        !store.m_armModelFlags[set][e] || store.m_marker == 0)
        return false;
    const ParameterImage& image = store.editImage();
    const int shift = set * UserArmShift;
    const int n = image.i16At(ArmCoordinateNo + shift + 2 * e);
    if (n <= 0 || n > MaxCoordinateNo)
        return false;
    const int point = (store.m_marker == 2 ? ArmPoint2 : ArmPoint1) + shift + 4 * e;
    out = ShapePlacement::at(frames.frame(n), pointAt(image, point));
    return true;
}

bool toolShape(const Parameter& store, const RobotFrames& frames, Matrix& out)
{
    const int t = store.m_selectedTool, e = store.m_selectedElement;
    const Matrix* flange = frames.lastLinkFrame();
    if (!flange || store.m_marker == 0 || !inRange(t, Parameter::ToolCount) ||
        !inRange(e, Parameter::ModelsPerSet) || !store.m_toolModelFlags[t][e])
        return false;
    const ParameterImage& image = store.editImage();
    const int block = ToolBlock + ToolBlockSize * t;
    if (image.u16At(block + ToolValid + 2 * e) == 0)
        return false;
    const int point = block + (store.m_marker == 2 ? ToolPoint2 : ToolPoint1) + 4 * e;
    out = ShapePlacement::at(*flange, pointAt(image, point));
    if (image.i16At(block + ToolKind + 2 * e) == CuboidKind) {
        Matrix turn;
        const Matrix4::Vector angles = pointAt(image, block + ToolAngles + 4 * e);
        Matrix4::eulerRotationMatrix(turn.data(), angles.data());
        out = Matrix4::multiply(out, turn);
    }
    return true;
}

bool areaPoint(const Parameter& store, Matrix& out)
{
    const int a = store.m_selectedArea, marker = store.m_marker;
    if (marker == 0 || marker > LowerCentre || !inRange(a, Parameter::AreaCount) ||
        !store.m_areaModelFlags[a])
        return false;
    const ParameterImage& image = store.editImage();
    const int record = AreaRecord + AreaRecordSize * a;
    float x = 0, y = 0;
    if (marker <= AreaVertices) {
        x = image.f32At(record + AreaX + 4 * (marker - 1));
        y = image.f32At(record + AreaY + 4 * (marker - 1));
    } else {
        // The mean of the stored corners the count names; a count beyond
        // the 8 stored has no centre to mark.
        const int n = image.i16At(record + AreaVertexNum);
        if (n < 1 || n > AreaVertices)
            return false;
        for (int v = 0; v < n; ++v) {
            x += image.f32At(record + AreaX + 4 * v);
            y += image.f32At(record + AreaY + 4 * v);
        }
        x /= float(n);
        y /= float(n);
    }
    const float z = image.f32At(record + (marker == LowerCentre ? AreaLowerZ : AreaUpperZ));
    out = Matrix4::translation(x, y, z);
    return true;
}

bool armSpeedPointMarker(const Parameter& store, const RobotFrames& frames, Matrix& out)
{
    const int set = store.m_speedPointSet, e = store.m_selectedElement;
    if (!inRange(set, 2) || !inRange(e, Parameter::ModelsPerSet) ||
        !store.m_armSpeedPointFlags[set][e])
        return false;
    Matrix4::Vector point;
    const int n = armSpeedPoint(store.editImage(), set, e, point);
    if (n <= 0 || n > MaxCoordinateNo)
        return false;
    out = ShapePlacement::at(frames.frame(n), point);
    return true;
}

bool toolSpeedPointMarker(const Parameter& store, const RobotFrames& frames, Matrix& out)
{
    const int t = store.m_selectedTool, e = store.m_selectedElement;
    const Matrix* flange = frames.lastLinkFrame();
    if (!flange || !inRange(t, Parameter::ToolCount) || !inRange(e, Parameter::ModelsPerSet) ||
        !store.m_toolSpeedPointFlags[t][e] || !toolSpeedPointValid(store.editImage(), t, e))
        return false;
    out = ShapePlacement::at(*flange, toolSpeedPoint(store.editImage(), t, e));
    return true;
}

// The frame of the tool selected on the common settings page; its centre
// point is in the robot part, so nothing on the page moves it.
bool toolFrame(const Parameter& store, const RobotFrames& frames, Matrix& out)
{
    const int t = store.m_selectedTool;
    if (!frames.lastLinkFrame() || !inRange(t, Parameter::ToolCount))
        return false;
    out = frames.frame(RobotFrames::RowCount + 1 + t);
    return true;
}

} // namespace

Gizmo::Gizmo(const Camera& camera) : m_camera(camera) {}

// Scaled whenever the distance changes, shown or not: the first frame that
// marks a point after a zoom draws the cross at the size of that zoom.
void Gizmo::update()
{
    const float distance = m_camera.distance();
    if (distance == m_scaledDistance)
        return;
    m_scaledDistance = distance;
    m_model.setScale(distance / 6.0f);
    m_model.updateMatrix();
}

bool Gizmo::markerMatrix(const Parameter& store, const RobotFrames& frames, int scene, Matrix& out)
{
    switch (scene) {
    case CommonSettingsScene:
        return toolFrame(store, frames, out);
    case ArmModelScene:
        return armShape(store, frames, out);
    case ToolModelScene:
        return toolShape(store, frames, out);
    case AreaModelScene:
        return areaPoint(store, out);
    case ArmSpeedScene:
        return armSpeedPointMarker(store, frames, out);
    case ToolSpeedScene:
        return toolSpeedPointMarker(store, frames, out);
    default:
        return false;
    }
}

void Gizmo::draw(const Matrix4::Matrix& view)
{
    const Parameter& store = *Parameter::instance();
    const Scene::SceneManager* scenes = Scene::SceneManager::instance();
    Matrix marker;
    m_model.visible =
        markerMatrix(store, store.m_robotFrames, scenes ? scenes->currentScene() : 0, marker);
    if (m_model.visible)
        m_model.render(view, marker);
}
