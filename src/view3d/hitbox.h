#pragma once

#include "view3d/object3d.h"
#include "view3d/safetyshapeplan.h"

#include <vector>

class CapsuleModel;
class DirectionModel;
class PrismModel;
class RectangularModel;

// The safety shapes of the parameter set being edited: arm and tool models,
// motion areas and tool orientation cones, as the store's display flags
// ask, with the models the unit reports involved in yellow while the area
// monitoring screen is current. One model per kind is set up anew and drawn
// for each element; the plan says which and how.
class HitBox : public Object3D
{
public:
    HitBox();
    ~HitBox() override;

    void update() override {}
    void draw(const Matrix4::Matrix& view) override;
    // The shapes are shown and hidden through the display flags only.
    void setVisible(bool) override {}

    const SafetyShapePlan& plan() const { return m_plan; }
    // Draws the items of a plan built elsewhere (the report's plan view).
    void drawPlan(const SafetyShapePlan& plan, const Matrix4::Matrix& view);

private:
    void drawItem(const SafetyShapePlan::Item& item, const Matrix4::Matrix& view);

    PrismModel* m_prism;
    CapsuleModel* m_capsule;
    RectangularModel* m_cuboid;
    DirectionModel* m_cone;
    SafetyShapePlan m_plan;
    std::vector<PrismGeometry::Corner> m_corners; // handed to the prism
};
