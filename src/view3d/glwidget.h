#pragma once

#include <QOpenGLFunctions_1_1>
#include <QOpenGLWidget>

#include "view3d/camera.h"

// The 3D view in the middle of the main window, drawn with the OpenGL 1.1
// fixed-function pipeline under an orbit camera. There is one instance,
// reachable through instance() while it exists.
class GLWidget : public QOpenGLWidget, protected QOpenGLFunctions_1_1
{
    Q_OBJECT

public:
    explicit GLWidget(QWidget* parent = nullptr);
    ~GLWidget() override;

    // Null while no 3D view exists.
    static GLWidget* instance();

    // Loads the robot of the current robot type. A DH origin mode that no
    // robot model supports tells the user and clears isRunnable, so the
    // start-up ends instead of entering the event loop.
    void loadRobot();

    Camera& camera() const { return *m_camera; }

    // perspective true: perspective projection, false: parallel projection.
    void setPerspective(bool perspective, bool refreshToolTip);
    bool isPerspective() const { return m_perspective; }

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    void loadProjection();
    void drawGrid();

    Camera* m_camera = nullptr;
    bool m_perspective = true;
    bool m_functionsReady = false;

    static GLWidget* s_instance;
};
