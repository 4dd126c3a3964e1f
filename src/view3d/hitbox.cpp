#include "view3d/hitbox.h"

#include "app/scene/scenemanager.h"
#include "io/mirelclient.h"
#include "parameter/parameter.h"
#include "view3d/areamonitorview.h"
#include "view3d/capsulemodel.h"
#include "view3d/directionmodel.h"
#include "view3d/prismmodel.h"
#include "view3d/rectangularmodel.h"

#include <QOpenGLFunctions_1_1>

namespace {

constexpr float OutlineWidth = 2.0f;

} // namespace

HitBox::HitBox()
    : m_prism(new PrismModel), m_capsule(new CapsuleModel), m_cuboid(new RectangularModel),
      m_cone(new DirectionModel)
{
    using Colour = SafetyShapePlan::Colour;
    // Translucent shapes write no depth, so what lies behind stays visible.
    for (Model* model : {static_cast<Model*>(m_capsule), static_cast<Model*>(m_cuboid),
                         static_cast<Model*>(m_prism), static_cast<Model*>(m_cone)}) {
        model->visible = true;
        model->depthMask = false;
        model->material = SafetyShapePlan::material(Colour::Blue);
    }
    m_prism->setEdgeMaterial(SafetyShapePlan::material(Colour::Green));
    m_corners.reserve(PrismGeometry::MaxCorners);
}

HitBox::~HitBox()
{
    delete m_prism;
    delete m_capsule;
    delete m_cuboid;
    delete m_cone;
}

void HitBox::draw(const Matrix4::Matrix& view)
{
    Parameter& store = *Parameter::instance();
    const Scene::SceneManager* scenes = Scene::SceneManager::instance();
    m_plan.build(store, store.m_robotFrames, scenes ? scenes->currentScene() : 0,
                 AreaMonitorView::ask(), *IO::MirelClient::monitorRecord());
    drawPlan(m_plan, view);
}

void HitBox::drawPlan(const SafetyShapePlan& plan, const Matrix4::Matrix& view)
{
    for (const SafetyShapePlan::Item& item : plan.items())
        drawItem(item, view);
}

void HitBox::drawItem(const SafetyShapePlan::Item& item, const Matrix4::Matrix& view)
{
    const Material& material = SafetyShapePlan::material(item.colour);
    switch (item.shape) {
    case SafetyShapePlan::Shape::Capsule:
        m_capsule->material = material;
        m_capsule->length = item.length;
        m_capsule->radius = item.radius;
        m_capsule->updateMatrix();
        m_capsule->render(view, item.parent);
        break;
    case SafetyShapePlan::Shape::Cuboid:
        m_cuboid->material = material;
        m_cuboid->components[2] = item.rotation;
        m_cuboid->components[3] = item.scale;
        m_cuboid->updateMatrix();
        m_cuboid->render(view, item.parent);
        break;
    case SafetyShapePlan::Shape::Prism: {
        m_prism->material = material;
        m_corners.assign(item.corners.begin(), item.corners.begin() + item.cornerCount);
        m_prism->setShape(item.cornerCount, item.upperZ, item.lowerZ, m_corners);
        m_prism->setHighlight(item.highlight);
        m_prism->setEdgesVisible(item.outlined);
        if (QOpenGLFunctions_1_1* gl = Model::currentFunctions())
            gl->glLineWidth(OutlineWidth);
        m_prism->updateMatrix();
        m_prism->draw(view);
        break;
    }
    case SafetyShapePlan::Shape::Cone:
        m_cone->material = material;
        m_cone->setAngle(item.angle);
        m_cone->modelMatrix = Matrix4::identity();
        m_cone->updateMatrix();
        m_cone->render(view, item.parent);
        break;
    }
}
