#pragma once

#include "parameter/matrix4.h"
#include "view3d/material.h"
#include "view3d/prismgeometry.h"

#include <QtGlobal>

#include <array>
#include <vector>

class Parameter;
class RobotFrames;
struct AreaMonitorView;
struct MirelRzShmRz2IfSafmMon;

// Which safety shapes one frame of the 3D view draws, where and in which
// material, from the edit image, the store's selection and display fields,
// the kinematic frames and the unit's live record: the arm models of the
// shown set, the tool models of one tool, the motion areas and the tool
// orientation cones, in that order. GL-free; the safety shapes object draws
// the items. Every number from the image or the record is range-checked
// before it indexes anything: an element that would read outside a table,
// or whose values are not finite, is left out.
class SafetyShapePlan
{
public:
    using Matrix = Matrix4::Matrix;

    enum class Shape
    {
        Capsule, // also spheres (length 0)
        Cuboid,
        Prism,
        Cone
    };
    enum class Colour
    {
        Green,  // maker arm models, area outline
        Blue,   // user arm models, tool models, valid areas, cones
        Red,    // areas whose move-valid word is not 1
        Yellow, // models the unit reports involved
    };

    struct Item
    {
        Shape shape;
        Colour colour;
        int index; // element, area or range
        int group; // arm set, tool or orientation set
        Matrix parent = Matrix4::identity();
        // Capsule.
        float length = 0.0f;
        float radius = 0.0f;
        // Cuboid: the turn (third component) and the size (fourth).
        Matrix rotation = Matrix4::identity();
        Matrix scale = Matrix4::identity();
        // Prism.
        int cornerCount = 0;
        float upperZ = 0.0f;
        float lowerZ = 0.0f;
        std::array<PrismGeometry::Corner, PrismGeometry::MaxCorners> corners{};
        bool outlined = false;
        int highlight = PrismGeometry::BottomRing;
        // Cone: the half apex angle.
        float angle = 0.0f;
    };

    SafetyShapePlan();

    // scene: the scene manager's current scene.
    void build(const Parameter& store, const RobotFrames& frames, int scene,
               const AreaMonitorView& live, const MirelRzShmRz2IfSafmMon& record);

    const std::vector<Item>& items() const { return m_items; }
    // Bit k: arm model k + 1, bit m: tool model m + 1 of the shown tool,
    // reported involved by the unit. Cleared off the area monitoring tab.
    quint32 armHighlightMask() const { return m_armHighlightMask; }
    quint32 toolHighlightMask() const { return m_toolHighlightMask; }

    static const Material& material(Colour colour);

private:
    void addArmModels(const Parameter& store, const RobotFrames& frames);
    void addToolModels(const Parameter& store, const Matrix& flange, int tool);
    void addAreas(const Parameter& store);
    void addCones(const Parameter& store, const RobotFrames& frames, int tool);
    Item& next(Shape shape, Colour colour, int index, int group);

    std::vector<Item> m_items;
    quint32 m_armHighlightMask = 0;
    quint32 m_toolHighlightMask = 0;
};
