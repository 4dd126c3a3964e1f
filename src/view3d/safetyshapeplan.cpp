#include "view3d/safetyshapeplan.h"

#include "io/mirelrzshmrz2ifsafmmon.h"
#include "parameter/parameter.h"
#include "parameter/robotframes.h"
#include "view3d/areamonitorview.h"
#include "view3d/shapelayout.h"
#include "view3d/shapeplacement.h"

#include <cmath>

namespace {

using Matrix = Matrix4::Matrix;

constexpr int MonitoringScene = 2;
constexpr int ModelCount = Parameter::ModelsPerSet;

using namespace ShapeLayout;

constexpr int Frame7 = 7;
constexpr int FirstToolFrame = 51;

bool finite(std::initializer_list<float> values)
{
    for (const float v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

// A capsule reaches from p1 to p2; any other kind is a sphere at p1.
void placeCapsule(SafetyShapePlan::Item& item, const Matrix& frame, const Matrix4::Vector& p1,
                  const Matrix4::Vector& p2, bool capsule)
{
    item.parent = ShapePlacement::at(frame, p1);
    if (capsule) {
        item.length = ShapePlacement::distance(p1, p2);
        item.parent = Matrix4::multiply(item.parent, ShapePlacement::alignmentRotation(p1, p2));
    }
}

Material shapeMaterial(std::array<float, 4> ambient, std::array<float, 4> diffuse)
{
    Material m;
    m.ambient = ambient;
    m.diffuse = diffuse;
    m.specular = {0.3f, 0.3f, 0.3f, 1.0f};
    m.shininess = 0.0f;
    return m;
}

} // namespace

SafetyShapePlan::SafetyShapePlan()
{
    // Every arm and tool model, every area and every cone: no growth later.
    m_items.reserve(2 * ModelCount + Parameter::AreaCount +
                    Parameter::OrientationSetCount * Parameter::OrientationRangeCount);
}

const Material& SafetyShapePlan::material(Colour colour)
{
    // Ambient components above 1 saturate the lit colour; the diffuse alpha
    // of 0.5 makes every shape translucent.
    static const std::array<Material, 4> materials = {
        shapeMaterial({0, 10, 0, 1}, {0.3f, 0.5f, 0.3f, 0.5f}),
        shapeMaterial({0, 6.635294f, 9.909803f, 1}, {0.3f, 0.3f, 0.5f, 0.5f}),
        shapeMaterial({10, 0, 0, 1}, {0.5f, 0.3f, 0.3f, 0.5f}),
        shapeMaterial({10, 10, 0, 1}, {0.5f, 0.5f, 0.3f, 0.5f}),
    };
    return materials[int(colour)];
}

SafetyShapePlan::Item& SafetyShapePlan::next(Shape shape, Colour colour, int index, int group)
{
    m_items.push_back(Item{shape, colour, index, group});
    return m_items.back();
}

void SafetyShapePlan::build(const Parameter& store, const RobotFrames& frames, int scene,
                            const AreaMonitorView& live, const MirelRzShmRz2IfSafmMon& record)
{
    m_items.clear();
    // The unit's report of the models involved, while the area monitoring
    // tab is current; elsewhere no stale report stays highlighted.
    m_armHighlightMask = 0;
    m_toolHighlightMask = 0;
    if (scene == MonitoringScene && live.current && live.atAreaTab && live.channel) {
        for (const std::uint32_t word : live.channel->areaArmModelMask)
            m_armHighlightMask |= word;
        const int toolNumber = live.channel->toolNumber;
        if (toolNumber != 0 && toolNumber == store.m_selectedTool + 1)
            for (const std::uint32_t word : live.channel->areaToolModelMask)
                m_toolHighlightMask |= word;
    }

    addArmModels(store, frames);

    if (const Matrix* flange = frames.lastLinkFrame()) {
        int tool = store.m_selectedTool;
        if (scene == MonitoringScene)
            tool = live.current && live.channel ? live.channel->currentToolIndex : 0;
        addToolModels(store, *flange, tool);
    }

    addAreas(store);

    if (frames.lastLinkFrame())
        addCones(store, frames, record.channel[0].currentToolIndex);
}

void SafetyShapePlan::addArmModels(const Parameter& store, const RobotFrames& frames)
{
    const ParameterImage& image = store.editImage();
    const int set = store.m_armModelSet != 0 ? 1 : 0;
    const int shift = set * UserArmShift;
    for (int k = 0; k < ModelCount; ++k) {
        if (store.m_armModelFlags[set][k] == 0)
            continue;
        const int n = image.i16At(ArmCoordinateNo + shift + 2 * k);
        if (n <= 0 || n > ShapeLayout::MaxCoordinateNo)
            continue;
        const float radius = image.f32At(ArmRadius + shift + 4 * k);
        const Matrix4::Vector p1 = pointAt(image, ArmPoint1 + shift + 4 * k);
        const Matrix4::Vector p2 = pointAt(image, ArmPoint2 + shift + 4 * k);
        if (!finite({radius, p1[0], p1[1], p1[2], p2[0], p2[1], p2[2]}))
            continue;
        const Colour colour = m_armHighlightMask & (1u << k) ? Colour::Yellow
                              : set == 0                     ? Colour::Green
                                                             : Colour::Blue;
        Item& item = next(Shape::Capsule, colour, k, set);
        placeCapsule(item, frames.frame(n), p1, p2,
                     image.i16At(ArmKind + shift + 2 * k) == CapsuleKind);
        item.radius = radius;
    }
}

void SafetyShapePlan::addToolModels(const Parameter& store, const Matrix& flange, int tool)
{
    if (tool < 0 || tool >= Parameter::ToolCount)
        return;
    const ParameterImage& image = store.editImage();
    const int block = ToolBlock + ToolBlockSize * tool;
    for (int m = 0; m < ModelCount; ++m) {
        if (image.u16At(block + ToolValid + 2 * m) == 0 || store.m_toolModelFlags[tool][m] == 0)
            continue;
        const float radius = image.f32At(block + ToolRadius + 4 * m);
        const Matrix4::Vector p1 = pointAt(image, block + ToolPoint1 + 4 * m);
        const Matrix4::Vector p2 = pointAt(image, block + ToolPoint2 + 4 * m);
        const Matrix4::Vector width = pointAt(image, block + ToolWidth + 4 * m);
        const Matrix4::Vector angles = pointAt(image, block + ToolAngles + 4 * m);
        const int kind = image.i16At(block + ToolKind + 2 * m);
        if (!finite({p1[0], p1[1], p1[2]}))
            continue;
        const Colour colour = m_toolHighlightMask & (1u << m) ? Colour::Yellow : Colour::Blue;
        if (kind == CuboidKind) {
            if (!finite({width[0], width[1], width[2], angles[0], angles[1], angles[2]}))
                continue;
            Item& item = next(Shape::Cuboid, colour, m, tool);
            item.parent = ShapePlacement::at(flange, p1);
            Matrix4::eulerRotationMatrix(item.rotation.data(), angles.data());
            item.scale[0] = width[0] * 0.5f;
            item.scale[5] = width[1] * 0.5f;
            item.scale[10] = width[2] * 0.5f;
            continue;
        }
        if (!finite({radius, p2[0], p2[1], p2[2]}))
            continue;
        Item& item = next(Shape::Capsule, colour, m, tool);
        item.radius = radius;
        placeCapsule(item, flange, p1, p2, kind == CapsuleKind);
    }
}

void SafetyShapePlan::addAreas(const Parameter& store)
{
    const ParameterImage& image = store.editImage();
    for (int i = 0; i < Parameter::AreaCount; ++i) {
        if (store.m_areaModelFlags[i] == 0)
            continue;
        const int record = AreaRecord + AreaRecordSize * i;
        // The image allows up to 32767 corners; only 8 are stored.
        const int n = image.i16At(record + AreaVertexNum);
        if (n < PrismGeometry::MinCorners || n > AreaVertices)
            continue;
        const float upper = image.f32At(record + AreaUpperZ);
        const float lower = image.f32At(record + AreaLowerZ);
        bool good = finite({upper, lower});
        std::array<PrismGeometry::Corner, PrismGeometry::MaxCorners> corners{};
        for (int j = 0; j < n; ++j) {
            corners[j] = {image.f32At(record + AreaX + 4 * j), image.f32At(record + AreaY + 4 * j)};
            good = good && finite({corners[j][0], corners[j][1]});
        }
        if (!good)
            continue;
        const Colour colour = image.u16At(record + AreaMoveValid) == 1 ? Colour::Blue : Colour::Red;
        Item& item = next(Shape::Prism, colour, i, 0);
        item.cornerCount = n;
        item.upperZ = upper;
        item.lowerZ = lower;
        item.corners = corners;
        item.outlined = i == store.m_selectedArea;
        item.highlight = store.m_markerIndex;
    }
}

void SafetyShapePlan::addCones(const Parameter& store, const RobotFrames& frames, int tool)
{
    // The record's tool number is a byte: beyond the 32 tool frames there is
    // no tool centre point to stand on.
    if (tool < 0 || tool >= Parameter::ToolCount)
        return;
    const ParameterImage& image = store.editImage();
    const Matrix& tcp = frames.frame(FirstToolFrame + tool);
    const Matrix& frame7 = frames.frame(Frame7);
    for (int s = 0; s < Parameter::OrientationSetCount; ++s) {
        const int set = OrientationSet + OrientationSetSize * s;
        if (image.u16At(set + OrientationValid) == 0)
            continue;
        for (int r = 0; r < Parameter::OrientationRangeCount; ++r) {
            if (store.m_toolOrientationFlags[s][r] == 0)
                continue;
            const float angle = image.f32At(set + OrientationAngle + 4 * r);
            const float o = image.f32At(set + OrientationO + 4 * r);
            const float a = image.f32At(set + OrientationA + 4 * r);
            if (!finite({angle, o, a}))
                continue;
            Item& item = next(Shape::Cone, Colour::Blue, r, s);
            item.angle = angle;
            item.parent = ShapePlacement::coneParent(tcp, frame7, o, a);
        }
    }
}
