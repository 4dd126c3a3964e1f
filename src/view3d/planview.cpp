#include "view3d/planview.h"

#include "io/mirelrzshmrz2ifsafmmon.h"
#include "parameter/parameter.h"
#include "parameter/parameterlayout.h"
#include "view3d/areamonitorview.h"
#include "view3d/camera.h"
#include "view3d/gridline.h"
#include "view3d/hitbox.h"
#include "view3d/robot.h"
#include "view3d/safetyshapeplan.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions_1_1>
#include <QPainter>
#include <QtDebug>

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned XYPreset = 2;
constexpr float BackgroundGrey = 60.0f / 255.0f;

void setUpFixedPipeline(QOpenGLFunctions_1_1& gl, const QSize& size)
{
    gl.glViewport(0, 0, size.width(), size.height());
    gl.glClearColor(BackgroundGrey, BackgroundGrey, BackgroundGrey, 1.0f);
    gl.glEnable(GL_NORMALIZE);
    gl.glEnable(GL_CULL_FACE);
    gl.glEnable(GL_LIGHT0);
    gl.glEnable(GL_BLEND);
    gl.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.glShadeModel(GL_SMOOTH);
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glLoadIdentity();
    const GLfloat lightPosition[4] = {0.5f, 5.0f, 7.0f, 1.0f};
    gl.glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// The store's display flags as the panels set them to show every enabled
// element.
void markEnabled(Parameter& store)
{
    const FieldDef* spec = ParameterLayout::findByName(QStringLiteral("ArmModelSpec"));
    store.m_armModelSet = spec && store.editImage().i16(*spec) == 1 ? 1 : 0;
    store.m_selectedTool = 0;
    store.markValidArmAndAreaModels(true);
    store.markValidToolModels(true, 0);
    store.markValidToolOrientations(true);
}

// Half the width of the plan, in millimetres: the robot's frames and every
// shape drawn fit in with a margin, and at least a metre is shown.
float planExtent(const RobotFrames& frames, const SafetyShapePlan& plan)
{
    float extent = 500.0f;
    const auto include = [&extent](float x, float y, float reach) {
        if (std::isfinite(x) && std::isfinite(y) && std::isfinite(reach))
            extent = std::max({extent, std::fabs(x) + reach, std::fabs(y) + reach});
    };
    for (const Matrix4::Matrix& frame : frames.linkFrames)
        include(frame[12], frame[13], 0.0f);
    for (const SafetyShapePlan::Item& item : plan.items()) {
        if (item.shape == SafetyShapePlan::Shape::Prism)
            for (int k = 0; k < item.cornerCount; ++k)
                include(item.corners[size_t(k)][0], item.corners[size_t(k)][1], 0.0f);
        else
            include(item.parent[12], item.parent[13], item.length + item.radius);
    }
    // Beyond the camera's farthest distance nothing more can be shown.
    return std::min(extent * 1.15f, 7500.0f);
}

// Draws the plan; returns the matrix from the floor to clip coordinates.
Matrix4::Matrix draw(QOpenGLFunctions_1_1& gl, const ParameterImage& image, const QSize& size)
{
    setUpFixedPipeline(gl, size);
    Parameter store;
    store.editImage() = image;
    markEnabled(store);
    float joints[Parameter::JointCount] = {};
    store.m_robotFrames.update(store.editImage(), joints);

    SafetyShapePlan plan;
    plan.build(store, store.m_robotFrames, 0, AreaMonitorView(), MirelRzShmRz2IfSafmMon{});

    Camera camera;
    camera.setPreset(XYPreset);
    // The parallel view shows a quarter of the distance either side.
    camera.setDistance(4.0f * planExtent(store.m_robotFrames, plan));
    const Matrix4::Matrix projection = camera.orthographic(size.width(), size.height());
    gl.glMatrixMode(GL_PROJECTION);
    gl.glLoadMatrixf(projection.data());
    gl.glMatrixMode(GL_MODELVIEW);
    const Matrix4::Matrix view = camera.viewMatrix();

    GridLine grid;
    Robot robot(store.editImage(), store.m_robotFrames, joints);
    HitBox shapes;
    for (Object3D* object : {static_cast<Object3D*>(&grid), static_cast<Object3D*>(&robot)}) {
        object->update();
        object->draw(view);
    }
    shapes.drawPlan(plan, view);
    return Matrix4::multiply(projection, view);
}

// "+X" and "+Y" beside the positive ends of the two axis lines, so that a
// reader on paper knows how the plan lies.
void labelAxes(QImage& picture, const Matrix4::Matrix& floorToClip)
{
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setPixelSize(std::max(12, picture.height() / 30));
    font.setBold(true);
    painter.setFont(font);
    const struct
    {
        Matrix4::Vector direction;
        const char* text;
        QColor colour;
    } axes[] = {{{1, 0, 0}, "+X", QColor(230, 110, 125)}, {{0, 1, 0}, "+Y", QColor(160, 210, 90)}};
    for (const auto& axis : axes) {
        // The clip square's edge along the axis, then a little way back in.
        const Matrix4::Matrix& m = floorToClip;
        const float cx = m[0] * axis.direction[0] + m[4] * axis.direction[1];
        const float cy = m[1] * axis.direction[0] + m[5] * axis.direction[1];
        const float reach = 0.85f / std::max(std::fabs(cx), std::fabs(cy));
        const QPointF at(double((cx * reach + m[12]) * 0.5f + 0.5f) * picture.width(),
                         double(0.5f - (cy * reach + m[13]) * 0.5f) * picture.height());
        painter.setPen(axis.colour);
        painter.drawText(QRectF(at - QPointF(40, 20), QSizeF(80, 40)), Qt::AlignCenter,
                         QLatin1String(axis.text));
    }
}

} // namespace

QImage PlanView::render(const ParameterImage& image, const QSize& size)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) || size.isEmpty())
        return QImage();
    QOpenGLContext* previous = QOpenGLContext::currentContext();
    QSurface* previousSurface = previous ? previous->surface() : nullptr;

    QOffscreenSurface surface;
    surface.setFormat(QSurfaceFormat::defaultFormat());
    surface.create();
    QOpenGLContext context;
    context.setFormat(surface.format());
    QImage result;
    if (surface.isValid() && context.create() && context.makeCurrent(&surface)) {
        QOpenGLFunctions_1_1* gl = context.versionFunctions<QOpenGLFunctions_1_1>();
        if (gl && gl->initializeOpenGLFunctions() &&
            QOpenGLFramebufferObject::hasOpenGLFramebufferObjects()) {
            QOpenGLFramebufferObjectFormat format;
            format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
            QOpenGLFramebufferObject buffer(size, format);
            if (buffer.isValid() && buffer.bind()) {
                const Matrix4::Matrix floorToClip = draw(*gl, image, size);
                result = buffer.toImage();
                labelAxes(result, floorToClip);
            }
        }
        context.doneCurrent();
    }
    if (result.isNull())
        qWarning().noquote() << "PlanView::render no OpenGL context -> NG";
    // The 3D view on screen finds its own context current again.
    if (previous && previousSurface)
        previous->makeCurrent(previousSurface);
    return result;
}
