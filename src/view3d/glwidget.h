#pragma once

#include <QByteArray>
#include <QMetaObject>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLWidget>
#include <QPixmap>

#include "io/monitorfeeduse.h"
#include "parameter/matrix4.h"
#include "view3d/camera.h"

#include <vector>

class GridLine;
class Object3D;
class Parameter;
class QLabel;
class QPushButton;
class Robot;

// The 3D view in the middle of the main window: the robot, the floor grid
// and the scene objects drawn with the OpenGL 1.1 fixed-function pipeline
// under an orbit camera, turned by mouse, wheel and keys. Offline, F1 to F8
// jog the joints. While shown (and its window not minimized) it holds the
// live monitor feed, whose joint values pose the robot; a feed tick repaints
// only when something drawn changed. There is one
// instance, reachable through instance() while it exists.
class GLWidget : public QOpenGLWidget, protected QOpenGLFunctions_1_1
{
    Q_OBJECT

public:
    explicit GLWidget(QWidget* parent = nullptr);
    ~GLWidget() override;

    // Null while no 3D view exists.
    static GLWidget* instance();

    // Replaces the robot with the one of the current robot type. Needs no
    // GL context, so it also works while the view is hidden. A model that
    // is not supported is told to the user once it is built and clears
    // isRunnable, so the start-up ends instead of entering the event loop.
    void loadRobot();
    // Clears the model display flags and drops the robot.
    void unloadRobot();
    Robot* robot() const { return m_robot; }

    Camera& camera() const { return *m_camera; }

    // perspective true: perspective projection, false: parallel projection.
    void setPerspective(bool perspective, bool refreshToolTip);
    bool isPerspective() const { return m_perspective; }

    // Recomputes the frames, repaints and shows the online state; false when
    // there is no view or it is not visible.
    static bool updateLinkState();

    // The scene objects in draw order; an entry may be null.
    const std::vector<Object3D*>& objects() const { return m_objects; }

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildOverlay();
    void loadProjection();
    QString toolTipFor(QObject* button) const;
    void showToolTip(QWidget* button);
    void showLinkState();
    void tick();

    Parameter& m_store;
    QMetaObject::Connection m_feedConnection;
    // What the drawing read from the feed at the last tick that repainted.
    QByteArray m_drawnFeed;
    IO::MonitorFeedUse m_feed;
    std::vector<Object3D*> m_objects;
    Camera* m_camera = nullptr;
    GridLine* m_grid = nullptr;
    Robot* m_robot = nullptr;
    float m_lastX = 0.0f;
    float m_lastNegY = 0.0f;
    Matrix4::Matrix m_projection;
    Matrix4::Matrix m_view;
    QPixmap m_projectionIcon;
    QPixmap m_cameraIcon;
    QPixmap m_linkIcon;
    QPixmap m_linkOffIcon;
    QPushButton* m_projectionButton = nullptr;
    QPushButton* m_cameraButton = nullptr;
    QLabel* m_linkLabel = nullptr;
    bool m_perspective = true;
    bool m_shownLinkState = false;
    bool m_functionsReady = false;

    static GLWidget* s_instance;
};
