#include "view3d/glwidget.h"

#include <QtDebug>

#include "app/core/startupstate.h"
#include "view3d/camera.h"
#include "widgets/msgbox.h"

namespace {

// Floor grid in the robot base's XY plane: a line every 100 mm out to
// 10 m, every tenth line stronger, the X and Y axes coloured.
constexpr float gridStep = 100.0f;
constexpr int gridHalfLines = 100;
constexpr int majorEvery = 10;
constexpr float gridGrey = 72.0f / 255.0f;
constexpr float backgroundGrey = 60.0f / 255.0f;

} // namespace

GLWidget* GLWidget::s_instance = nullptr;

GLWidget::GLWidget(QWidget* parent) : QOpenGLWidget(parent), m_camera(new Camera)
{
    s_instance = this;
}

GLWidget::~GLWidget()
{
    delete m_camera;
    if (s_instance == this)
        s_instance = nullptr;
}

GLWidget* GLWidget::instance()
{
    return s_instance;
}

void GLWidget::loadRobot()
{
    qInfo().noquote() << "GLWidget::loadRobot";
    if (dhOriginMode < -1 || dhOriginMode > 1) {
        // No parent: the main window is still minimized while the robot
        // loads, and the box must be seen.
        MsgBox box(QMessageBox::NoButton);
        box.showUnsupportedModelError();
        isRunnable = false;
    }
    m_camera->setPreset(0);
    update();
}

void GLWidget::setPerspective(bool perspective, bool refreshToolTip)
{
    Q_UNUSED(refreshToolTip)
    m_perspective = perspective;
    update();
}

void GLWidget::initializeGL()
{
    m_functionsReady = initializeOpenGLFunctions();
    if (!m_functionsReady) {
        qWarning().noquote() << "GLWidget::initializeGL OpenGL 1.1 functions unavailable -> NG";
        return;
    }
    glClearColor(backgroundGrey, backgroundGrey, backgroundGrey, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glShadeModel(GL_SMOOTH);
}

void GLWidget::resizeGL(int width, int height)
{
    if (!m_functionsReady)
        return;
    glViewport(0, 0, width, height);
    if (m_perspective)
        m_camera->perspective(width, height);
    else
        m_camera->orthographic(width, height);
}

void GLWidget::loadProjection()
{
    const Camera::Matrix& projection =
        m_perspective ? m_camera->perspective() : m_camera->orthographic();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glLoadMatrixf(projection.data());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GLWidget::paintGL()
{
    if (!m_functionsReady)
        return;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    loadProjection();
    glLoadMatrixf(m_camera->viewMatrix().data());
    drawGrid();
}

void GLWidget::drawGrid()
{
    const float extent = gridStep * gridHalfLines;
    auto drawLines = [this, extent](bool major) {
        glBegin(GL_LINES);
        for (int i = -gridHalfLines; i <= gridHalfLines; ++i) {
            if (i == 0 || (i % majorEvery == 0) != major)
                continue;
            const float at = gridStep * i;
            glVertex3f(at, -extent, 0.0f);
            glVertex3f(at, extent, 0.0f);
            glVertex3f(-extent, at, 0.0f);
            glVertex3f(extent, at, 0.0f);
        }
        glEnd();
    };
    glColor4f(gridGrey, gridGrey, gridGrey, 1.0f);
    glLineWidth(1.0f);
    drawLines(false);
    glLineWidth(1.5f);
    drawLines(true);

    glBegin(GL_LINES);
    glColor4f(0.9f, 0.2f, 0.2f, 1.0f);
    glVertex3f(-extent, 0.0f, 0.0f);
    glVertex3f(extent, 0.0f, 0.0f);
    glColor4f(0.2f, 0.8f, 0.2f, 1.0f);
    glVertex3f(0.0f, -extent, 0.0f);
    glVertex3f(0.0f, extent, 0.0f);
    glEnd();
}
