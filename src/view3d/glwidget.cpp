#include "view3d/glwidget.h"

#include <QBitmap>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtDebug>

#include <algorithm>

#include "app/core/startupstate.h"
#include "app/scene/scenemanager.h"
#include "io/dataprovider.h"
#include "io/mirelclient.h"
#include "parameter/parameter.h"
#include "view3d/areamonitorview.h"
#include "view3d/gizmo.h"
#include "view3d/gridline.h"
#include "view3d/hitbox.h"
#include "view3d/robot.h"
#include "view3d/vertexpoint.h"
#include "widgets/msgbox.h"

namespace {

constexpr float BackgroundGrey = 60.0f / 255.0f;
constexpr int ObjectCapacity = 5;
constexpr float PanStep = 100.0f;
constexpr float ZoomIn = 0.9f;
constexpr float ZoomOut = 1.1f;

// Pixels of exactly transparent black become transparent.
QPixmap icon(const char* path)
{
    QPixmap pixmap(QString::fromLatin1(path));
    pixmap.setMask(pixmap.createMaskFromColor(QColor(0, 0, 0, 0)));
    return pixmap;
}

bool isOffline()
{
    DataProvider* provider = DataProvider::instance();
    return !(provider ? provider->online() : isOnline);
}

template <class T> void appendBytes(QByteArray& bytes, const T& value)
{
    bytes.append(reinterpret_cast<const char*>(&value), int(sizeof value));
}

// The live values that the drawing reads: the joint values that pose the
// robot, the page, and what the shapes take from the monitor record and the
// area monitoring screen. Bytes, so that a NaN joint value equals itself.
QByteArray drawnFeed()
{
    QByteArray bytes;
    appendBytes(bytes, jointPos);
    const Scene::SceneManager* scenes = Scene::SceneManager::instance();
    appendBytes(bytes, scenes ? scenes->currentScene() : 0);
    appendBytes(bytes, IO::MirelClient::monitorRecord()->channel[0].currentToolIndex);
    const AreaMonitorView live = AreaMonitorView::ask();
    appendBytes(bytes, live.current);
    appendBytes(bytes, live.atAreaTab);
    if (const MirelRzShmRz2IfSafmMonChannel* channel = live.channel) {
        appendBytes(bytes, channel->areaArmModelMask);
        appendBytes(bytes, channel->areaToolModelMask);
        appendBytes(bytes, channel->toolNumber);
        appendBytes(bytes, channel->currentToolIndex);
    }
    return bytes;
}

} // namespace

GLWidget* GLWidget::s_instance = nullptr;

GLWidget::GLWidget(QWidget* parent)
    : QOpenGLWidget(parent), m_store(*Parameter::instance()), m_camera(new Camera),
      m_projection(Matrix4::identity()), m_view(Matrix4::identity()),
      m_projectionIcon(icon(":assets/image/perspective_or_parallel.png")),
      m_cameraIcon(icon(":assets/image/select_camera.png")),
      m_linkIcon(icon(":assets/image/link.png")), m_linkOffIcon(icon(":assets/image/link_off.png"))
{
    s_instance = this;
    // The scene objects need no GL context, so they exist from the start
    // and a robot loaded before the first paint (or with the view hidden)
    // finds its place. The robot's place stays null until one is loaded.
    m_objects.reserve(ObjectCapacity);
    m_grid = new GridLine;
    m_objects.push_back(m_grid);
    m_objects.push_back(nullptr);
    m_objects.push_back(new HitBox);
    m_objects.push_back(new VertexPoint);
    m_objects.push_back(new Gizmo(*m_camera));

    buildOverlay();
    connect(&m_store, &Parameter::selectionChanged, this, qOverload<>(&GLWidget::update));
    connect(&m_store, &Parameter::parameterChanged, this, qOverload<>(&GLWidget::update));
    updateLinkState();
}

GLWidget::~GLWidget()
{
    delete m_camera;
    for (Object3D* object : m_objects)
        delete object;
    if (m_robot && std::find(m_objects.begin(), m_objects.end(), m_robot) == m_objects.end())
        delete m_robot;
    if (s_instance == this)
        s_instance = nullptr;
    QObject::disconnect(m_feedConnection);
}

GLWidget* GLWidget::instance()
{
    return s_instance;
}

void GLWidget::buildOverlay()
{
    m_projectionButton = new QPushButton(this);
    m_projectionButton->setObjectName(QStringLiteral("ProjModeButton"));
    m_cameraButton = new QPushButton(this);
    m_cameraButton->setObjectName(QStringLiteral("SelectCameraButton"));
    for (auto pair : {std::make_pair(m_projectionButton, &m_projectionIcon),
                      std::make_pair(m_cameraButton, &m_cameraIcon)}) {
        pair.first->setFlat(true);
        pair.first->setIcon(QIcon(*pair.second));
        pair.first->setIconSize(pair.second->size());
        pair.first->setFocusPolicy(Qt::NoFocus);
        pair.first->installEventFilter(this);
    }
    m_linkLabel = new QLabel(this);
    m_linkLabel->setPixmap(m_linkOffIcon);

    auto* buttons = new QVBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(4);
    buttons->addWidget(m_projectionButton);
    buttons->addWidget(m_cameraButton);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(4, 0, 4, 4);
    bottom->addWidget(m_linkLabel, 0, Qt::AlignLeft | Qt::AlignBottom);
    bottom->addStretch(1);
    bottom->addLayout(buttons);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addStretch(1);
    column->addLayout(bottom);

    connect(m_projectionButton, &QPushButton::clicked, this,
            [this] { setPerspective(!m_perspective, true); });
    connect(m_cameraButton, &QPushButton::clicked, this, [this] {
        m_camera->nextPreset();
        showToolTip(m_cameraButton);
        updateLinkState();
    });
}

void GLWidget::loadRobot()
{
    qInfo().noquote() << "GLWidget::loadRobot";
    unloadRobot();
    m_robot = new Robot(m_store.editImage(), m_store.m_robotFrames, jointPos);
    const auto slot = std::find(m_objects.begin(), m_objects.end(), nullptr);
    if (slot != m_objects.end())
        *slot = m_robot;
    m_camera->setPreset(0);
    update();
    if (m_robot->isUnsupported()) {
        // No parent: the main window is still minimized while the robot
        // loads, and the box must be seen.
        MsgBox box(QMessageBox::NoButton);
        box.showUnsupportedModelError();
        isRunnable = false;
    }
}

void GLWidget::unloadRobot()
{
    if (!m_robot)
        return;
    m_store.setModelVisibility(0, 0, 0);
    m_store.setArmToolModelFlags(0, 0);
    std::replace(m_objects.begin(), m_objects.end(), static_cast<Object3D*>(m_robot),
                 static_cast<Object3D*>(nullptr));
    delete m_robot;
    m_robot = nullptr;
}

void GLWidget::setPerspective(bool perspective, bool refreshToolTip)
{
    m_perspective = perspective;
    if (refreshToolTip)
        showToolTip(m_projectionButton);
    updateLinkState();
    update();
}

bool GLWidget::updateLinkState()
{
    GLWidget* view = s_instance;
    if (!view || !view->isVisible())
        return false;
    view->update();
    view->showLinkState();
    return true;
}

// A software-rendered frame costs real CPU: a tick that changes nothing
// drawn only refreshes the link icon.
void GLWidget::tick()
{
    QByteArray feed = drawnFeed();
    if (feed == m_drawnFeed) {
        showLinkState();
        return;
    }
    m_drawnFeed = std::move(feed);
    updateLinkState();
}

void GLWidget::showLinkState()
{
    const bool online = !isOffline();
    if (online == m_shownLinkState)
        return;
    qInfo().noquote() << "GLWidget::updateLinkState"
                      << "StateChanged:" << (online ? "ON" : "OFF");
    m_shownLinkState = online;
    m_linkLabel->setPixmap(online ? m_linkIcon : m_linkOffIcon);
}

void GLWidget::initializeGL()
{
    m_functionsReady = initializeOpenGLFunctions();
    if (!m_functionsReady) {
        qWarning().noquote() << "GLWidget::initializeGL OpenGL 1.1 functions unavailable -> NG";
        return;
    }
    glClearColor(BackgroundGrey, BackgroundGrey, BackgroundGrey, 1.0f);
    glEnable(GL_NORMALIZE);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHT0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glShadeModel(GL_SMOOTH);
    // Given while the model-view matrix is the identity: the light stays
    // fixed relative to the eye.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat lightPosition[4] = {0.5f, 5.0f, 7.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
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
    loadProjection();
}

void GLWidget::loadProjection()
{
    m_projection = m_perspective ? m_camera->perspective() : m_camera->orthographic();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glLoadMatrixf(m_projection.data());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GLWidget::paintGL()
{
    if (!m_functionsReady)
        return;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    loadProjection();
    // Every reader of the frames draws from here: computed once a paint,
    // not once a repaint request (a mouse drag asks many times a paint).
    m_store.m_robotFrames.update(m_store.editImage(), jointPos);
    m_view = m_camera->viewMatrix();
    for (Object3D* object : m_objects) {
        if (!object)
            continue;
        object->update();
        object->draw(m_view);
    }
}

void GLWidget::mousePressEvent(QMouseEvent* event)
{
    m_lastX = float(event->x());
    m_lastNegY = -float(event->y());
    event->accept();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    update();
}

void GLWidget::mouseMoveEvent(QMouseEvent* event)
{
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    const float x = float(event->x());
    const float negY = -float(event->y());
    if (event->buttons() & Qt::LeftButton)
        m_camera->setAngles(m_camera->yaw() - (x - m_lastX),
                            m_camera->pitch() - (negY - m_lastNegY));
    m_lastX = x;
    m_lastNegY = negY;
    event->accept();
    update();
}

void GLWidget::wheelEvent(QWheelEvent* event)
{
    // Only a vertical wheel zooms; a delta of 0 counts as zooming in.
    const QPoint delta = event->angleDelta();
    const bool horizontal = delta.x() != 0 && delta.y() == 0;
    if (!horizontal)
        m_camera->setDistance(m_camera->distance() * (delta.y() < 0 ? ZoomOut : ZoomIn));
    event->accept();
    update();
}

void GLWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    bool handled = true;
    switch (key) {
    case Qt::Key_Space:
        m_camera->setPreset(0);
        break;
    case Qt::Key_Plus:
        m_camera->setDistance(m_camera->distance() * ZoomIn);
        break;
    case Qt::Key_Minus:
        m_camera->setDistance(m_camera->distance() * ZoomOut);
        break;
    case Qt::Key_1:
        m_camera->setAngles(0, 0);
        break;
    case Qt::Key_3:
        m_camera->setAngles(90, 0);
        break;
    case Qt::Key_7:
        m_camera->setAngles(0, 90);
        break;
    case Qt::Key_2:
        m_camera->pan(0, PanStep, 0);
        break;
    case Qt::Key_8:
        m_camera->pan(0, -PanStep, 0);
        break;
    case Qt::Key_4:
        m_camera->pan(PanStep, 0, 0);
        break;
    case Qt::Key_6:
        m_camera->pan(-PanStep, 0, 0);
        break;
    case Qt::Key_5:
        break;
    case Qt::Key_H:
    case Qt::Key_S:
        if (m_robot)
            m_robot->setVisible(key == Qt::Key_S);
        break;
    default:
        handled = false;
        break;
    }
    if (handled) {
        event->accept();
    } else {
        if (key >= Qt::Key_F1 && key <= Qt::Key_F8 && isOffline()) {
            const int n = key - Qt::Key_F1;
            jointPos[n] += event->modifiers() == Qt::ControlModifier ? -1.0f : 1.0f;
            qInfo().noquote().nospace() << "jointPos[" << n << "]: " << jointPos[n];
        }
        QOpenGLWidget::keyPressEvent(event);
    }
    update();
}

void GLWidget::showEvent(QShowEvent* event)
{
    QOpenGLWidget::showEvent(event);
    QWidget* top = window();
    if (top && top->isMinimized())
        return;
    // The joint values arrive through jointPos; the signal only paces the
    // repaints and the link icon.
    IO::MirelClient* client = IO::MirelClient::instance();
    if (client && !m_feedConnection)
        m_feedConnection =
            connect(client, &IO::MirelClient::monitorDataUpdated, this, &GLWidget::tick);
    m_feed.take();
}

void GLWidget::hideEvent(QHideEvent* event)
{
    // Releases only what this view took.
    m_feed.release();
    QObject::disconnect(m_feedConnection);
    m_feedConnection = QMetaObject::Connection();
    QOpenGLWidget::hideEvent(event);
}

QString GLWidget::toolTipFor(QObject* button) const
{
    if (button == m_projectionButton)
        return m_perspective ? tr("ParallelProjection") : tr("PerspectiveProjection");
    if (button == m_cameraButton)
        return m_camera->nextPresetName();
    return QString();
}

// Above the button's top-left corner by twice the text's height.
void GLWidget::showToolTip(QWidget* button)
{
    const QString text = toolTipFor(button);
    if (text.isEmpty())
        return;
    const int lift = 2 * QFontMetrics(QToolTip::font()).boundingRect(text).height();
    QToolTip::showText(button->mapToGlobal(QPoint(0, -lift)), text, button);
}

bool GLWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_projectionButton && watched != m_cameraButton)
        return QOpenGLWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Enter) {
        showToolTip(static_cast<QWidget*>(watched));
        return true;
    }
    if (event->type() == QEvent::Leave) {
        QToolTip::hideText();
        return true;
    }
    return QOpenGLWidget::eventFilter(watched, event);
}
