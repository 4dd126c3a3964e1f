#include <QAbstractButton>
#include <QDir>
#include <QOpenGLContext>
#include <QOpenGLFunctions_1_1>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>

#include "defaultimage.h"
#include "messagecapture.h"
#include "shapeimagewriter.h"
#include "testfiles.h"

#include "app/core/startupstate.h"
#include "app/scene/scenemanager.h"
#include "io/mirelclient.h"
#include "io/mirelrzshmrz2ifsafmmon.h"
#include "parameter/parameter.h"
#include "view3d/areamonitorview.h"
#include "view3d/camera.h"
#include "view3d/glwidget.h"
#include "view3d/robot.h"
#include "view3d/robotmodel.h"
#include "widgets/msgbox.h"

// The GL view under Xvfb with Mesa: what it draws (robot, grid, safety
// shapes and markers), its keys and mouse, the live feed it holds, and
// robots that cannot be loaded.
class TestGLWidget : public QObject
{
    Q_OBJECT

    QTranslator m_english;
    QTemporaryDir m_dir;
    const QRgb m_background = qRgb(60, 60, 60);

    void useModelFolder(const QString& folder)
    {
        loadSettingsFile(m_dir.filePath("config.ini"),
                         "[ApplicationSettings]\nRobotModelPath=" + folder.toUtf8() +
                             "\nMonitoringModelPath=" OBX_RUNTIME_DIR "/assets/obj\n");
    }

    static void showSized(QWidget& view, int width, int height)
    {
        view.resize(width, height);
        view.show();
        // A long bound: a loaded machine can take seconds to map a GL window.
        QVERIFY(QTest::qWaitForWindowExposed(&view, 60000));
    }

    // Shows a view of 640 x 480 with the shipped robot, 3 m from the origin.
    static void showWithRobot(GLWidget& view)
    {
        showSized(view, 640, 480);
        view.loadRobot();
        QVERIFY(view.robot() && !view.robot()->links().empty());
        view.camera().setDistance(3000);
    }

    // Where a world point lands in a picture of the view.
    static QPoint pixelOf(GLWidget& view, const Matrix4::Vector& p)
    {
        Camera& camera = view.camera();
        const Matrix4::Matrix m =
            Matrix4::multiply(view.isPerspective() ? camera.perspective() : camera.orthographic(),
                              camera.viewMatrix());
        const float x = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
        const float y = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
        const float w = m[3] * p[0] + m[7] * p[1] + m[11] * p[2] + m[15];
        return QPoint(int((x / w * 0.5f + 0.5f) * view.width()),
                      int((0.5f - y / w * 0.5f) * view.height()));
    }

    static bool isRobotGrey(QRgb pixel)
    {
        return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) && qRed(pixel) > 90;
    }

    // Whether a pixel within one of the point has the colour.
    static bool near(const QImage& image, QPoint at, QRgb colour)
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.pixel(at + QPoint(dx, dy)) == colour)
                    return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(":/config/i18n/en.qm"));
        QCoreApplication::installTranslator(&m_english);
        QVERIFY(readDefaultImage(Parameter::instance()->editImage()));
    }

    void cleanup() { ShapeImageWriter::clearDisplay(*Parameter::instance()); }

    void init()
    {
        dhOriginMode = 1;
        isOnline = false;
        isRunnable = true;
        std::fill(std::begin(jointPos), std::end(jointPos), 0.0f);
        useModelFolder(QStringLiteral(OBX_RUNTIME_DIR "/assets/obj"));
    }

    void drawsTheRobotOnTheGridAndHidesIt()
    {
        for (const bool perspective : {true, false}) {
            QVERIFY(!GLWidget::instance());
            GLWidget view;
            QCOMPARE(GLWidget::instance(), &view);
            view.setPerspective(perspective, false);
            showWithRobot(view);

            const QImage frame = view.grabFramebuffer();
            QCOMPARE(frame.size(), QSize(640, 480));
            // The robot's drawing leaves the fixed-function state as the next one
            // expects it: no depth test, lighting or blending, depth writes on.
            view.makeCurrent();
            auto* gl = view.context()->versionFunctions<QOpenGLFunctions_1_1>();
            GLboolean depthWrites = GL_FALSE;
            gl->glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
            QVERIFY(!gl->glIsEnabled(GL_DEPTH_TEST) && !gl->glIsEnabled(GL_LIGHTING) &&
                    !gl->glIsEnabled(GL_BLEND) && depthWrites);
            view.doneCurrent();
            QCOMPARE(frame.pixel(2, 2), m_background);
            const QPoint onBase = pixelOf(view, {0, 0, 120});
            const QRgb robot = frame.pixel(onBase);
            // Lit from beside the eye, the base's side facing it is bright;
            // a light moved away by metres, or a directional one, darkens it.
            QVERIFY2(isRobotGrey(robot) && qRed(robot) > 140,
                     qPrintable(QString::number(robot, 16)));
            const QPoint onForearm = pixelOf(view, {200, 0, 645});
            QVERIFY(isRobotGrey(frame.pixel(onForearm)));

            QTest::keyClick(&view, Qt::Key_H);
            const QImage hidden = view.grabFramebuffer();
            QVERIFY(!isRobotGrey(hidden.pixel(onBase)));
            QCOMPARE(hidden.pixel(onForearm), m_background);
            // On the X axis, away from the origin, the grid's X colour.
            QVERIFY(near(hidden, pixelOf(view, {-700, 0, 0}), qRgb(167, 68, 83)));
            QVERIFY(near(hidden, pixelOf(view, {0, 600, 0}), qRgb(109, 150, 45)));
            // A metre line of the floor grid in its grey.
            QVERIFY(near(hidden, pixelOf(view, {1000, 500, 0}), qRgb(72, 72, 72)));

            QTest::keyClick(&view, Qt::Key_S);
            QCOMPARE(view.grabFramebuffer().pixel(onBase), robot);
        }
        QVERIFY(!GLWidget::instance());
    }

    // Each shape in its colour (an area by its move-valid word: 1 blue,
    // else red; an arm model green, yellow while the area monitoring tab
    // reports it) and translucent: hiding the robot behind it changes the
    // pixel. A hidden shape draws nothing.
    void shapesInTheirTranslucentMaterials()
    {
        Parameter* store = Parameter::instance();
        ShapeImageWriter writer(store->editImage());
        GLWidget view;
        showWithRobot(view);
        const QPoint onBase = pixelOf(view, {0, 0, 120});
        const QRgb robot = view.grabFramebuffer().pixel(onBase);
        // Which channel leads: 0 red, 1 green, 2 blue, 3 red and green.
        const auto check = [&view, onBase](int colour) {
            const QRgb pixel = view.grabFramebuffer().pixel(onBase);
            const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
            const bool leads[] = {r > g + 60 && r > b + 60, g > r + 60 && g > b + 60,
                                  b >= g && b > r + 40,
                                  r > b + 60 && g > b + 60 && qAbs(r - g) < 40};
            QVERIFY2(leads[colour], qPrintable(QString::number(pixel, 16)));
            QTest::keyClick(&view, Qt::Key_H);
            QVERIFY(view.grabFramebuffer().pixel(onBase) != pixel);
            QTest::keyClick(&view, Qt::Key_S);
        };

        store->m_areaModelFlags[3] = 1;
        for (const quint16 moveValid : {1, 0, 2}) {
            writer.setArea(3, moveValid, 4, 400, 0,
                           {{-300, -300}, {300, -300}, {300, 300}, {-300, 300}});
            check(moveValid == 1 ? 2 : 0);
        }
        store->m_areaModelFlags[3] = 0;
        QCOMPARE(view.grabFramebuffer().pixel(onBase), robot);

        writer.setArm(0, 0, 1, 0, 300, {0, 0, 120}, {});
        store->m_armModelSet = 0;
        store->m_armModelFlags[0][0] = 1;
        check(1);
        MirelRzShmRz2IfSafmMonChannel channel = {};
        channel.areaArmModelMask[5] = 1; // arm model 1 in area 6
        AreaMonitorView::setProbe([&channel] { return AreaMonitorView{true, true, &channel}; });
        Scene::SceneManager::create(nullptr);
        Scene::SceneManager::instance()->loadScene(2);
        check(3);
        Scene::SceneManager::instance()->loadScene(1);
        AreaMonitorView::setProbe({});
        store->m_armModelFlags[0][0] = 0;
        QCOMPARE(view.grabFramebuffer().pixel(onBase), robot);
    }

    // The gizmo at an arm shape's point inside the robot's base shows
    // through the robot; a speed point is drawn where it stands.
    void gizmoThroughTheRobotAndSpeedPoints()
    {
        Scene::SceneManager::create(nullptr);
        Scene::SceneManager::instance()->loadScene(21);
        Parameter* store = Parameter::instance();
        ParameterImage& image = store->editImage();
        // Maker arm model 1 in coordinate system 1, a sphere of no size.
        ShapeImageWriter(image).setArm(0, 0, 1, 0, 0, {0, 0, 120}, {});
        store->m_armModelSet = 0;
        store->m_selectedElement = 0;
        store->m_armModelFlags[0][0] = 0;
        store->m_marker = 1;
        image.setI16At(46740 + 2 * 5, 1); // maker speed point 6
        ShapeImageWriter(image).setPoint(46780 + 4 * 5, {-900, 0, 700});

        GLWidget view;
        showWithRobot(view);
        // The X axis line runs from the base's centre out through its wall.
        const QPoint onLine = pixelOf(view, {60, 0, 120});
        QVERIFY(isRobotGrey(view.grabFramebuffer().pixel(onLine)));
        store->m_armModelFlags[0][0] = 1;
        QVERIFY(near(view.grabFramebuffer(), onLine, qRgb(167, 68, 83)));
        Scene::SceneManager::instance()->loadScene(25);
        QVERIFY(isRobotGrey(view.grabFramebuffer().pixel(onLine)));

        const QPoint point = pixelOf(view, {-900, 0, 700});
        QCOMPARE(view.grabFramebuffer().pixel(point), m_background);
        store->m_armSpeedPointFlags[0][5] = 1;
        const QRgb lit = view.grabFramebuffer().pixel(point);
        QVERIFY2(qGreen(lit) > 150 && qRed(lit) < 100, qPrintable(QString::number(lit, 16)));
        Scene::SceneManager::instance()->loadScene(1);
    }

    void functionKeysJogOfflineOnly()
    {
        GLWidget view;
        showWithRobot(view);
        const QPoint onForearm = pixelOf(view, {200, 0, 645});
        QVERIFY(isRobotGrey(view.grabFramebuffer().pixel(onForearm)));

        MessageCapture capture;
        QTest::keyClick(&view, Qt::Key_F3);
        QCOMPARE(jointPos[2], 1.0f);
        QVERIFY(capture.contains("jointPos[2]: 1"));
        QTest::keyClick(&view, Qt::Key_F3, Qt::ControlModifier);
        QTest::keyClick(&view, Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(jointPos[2], -1.0f);
        QTest::keyClick(&view, Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(jointPos[2], 0.0f);
        QTest::keyClick(&view, Qt::Key_F9);
        QTest::keyClick(&view, Qt::Key_F8);
        QCOMPARE(jointPos[7], 1.0f);
        QCOMPARE(jointPos[8], 0.0f);

        // Joint 2 by 60 degrees tips the arm forward: the forearm moves away.
        for (int i = 0; i < 60; ++i)
            QTest::keyClick(&view, Qt::Key_F2);
        QCOMPARE(jointPos[1], 60.0f);
        QCOMPARE(view.grabFramebuffer().pixel(onForearm), m_background);

        isOnline = true;
        QTest::keyClick(&view, Qt::Key_F1);
        QTest::keyClick(&view, Qt::Key_F2, Qt::ControlModifier);
        QCOMPARE(jointPos[0], 0.0f);
        QCOMPARE(jointPos[1], 60.0f);
    }

    void cameraKeysWheelAndMouse()
    {
        GLWidget view;
        Camera& camera = view.camera();
        // Before a robot is loaded H and S change nothing.
        QTest::keyClick(&view, Qt::Key_H);
        QVERIFY(!view.robot());

        QTest::keyClick(&view, Qt::Key_7);
        QCOMPARE(camera.pitch(), 90.0f);
        QTest::keyClick(&view, Qt::Key_Minus);
        QCOMPARE(camera.distance(), 16500.0f);
        QTest::keyClick(&view, Qt::Key_Space);
        QCOMPARE(camera.distance(), 15000.0f);
        QCOMPARE(camera.pitch(), 45.0f);

        const auto wheel = [&view](QPoint delta) {
            QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), delta, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(&view, &event);
            QVERIFY(event.isAccepted());
        };
        wheel(QPoint(0, -120));
        QCOMPARE(camera.distance(), 16500.0f);
        wheel(QPoint(120, 0)); // horizontal: no zoom
        QCOMPARE(camera.distance(), 16500.0f);
        wheel(QPoint(0, 0)); // zero counts as zooming in
        QCOMPARE(camera.distance(), 14850.0f);

        // Dragging right by 10 pixels lowers yaw by 10, wrapping below 0.
        camera.setAngles(5, 0);
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QMouseEvent move(QEvent::MouseMove, QPointF(110, 95), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &move);
        QCOMPARE(camera.yaw(), 355.0f);
        QCOMPARE(camera.pitch(), -5.0f);
    }

    void overlayToolTips()
    {
        GLWidget view;
        showSized(view, 400, 300);
        auto* projection = view.findChild<QPushButton*>("ProjModeButton");
        auto* camera = view.findChild<QPushButton*>("SelectCameraButton");
        QVERIFY(projection && camera);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(projection, &enter);
        QCOMPARE(QToolTip::text(), QStringLiteral("Parallel projection"));
        projection->click();
        QVERIFY(!view.isPerspective());
        QCOMPARE(QToolTip::text(), QStringLiteral("Perspective projection"));
        view.camera().setPreset(3);
        QCoreApplication::sendEvent(camera, &enter);
        QCOMPARE(QToolTip::text(), QStringLiteral("Reset"));
        camera->click();
        QCOMPARE(view.camera().preset(), 0u);
        QCOMPARE(QToolTip::text(), QStringLiteral("XZ"));
    }

    void holdsTheFeedOnlyWhileShown()
    {
        IO::MirelClient client;
        client.startUpdate(); // another consumer
        {
            QWidget window;
            auto* view = new GLWidget(&window);
            showSized(window, 300, 200);
            QCOMPARE(client.updateUseCount(), 2);
            view->hide();
            view->hide();
            QCOMPARE(client.updateUseCount(), 1);
            view->show();
            QCOMPARE(client.updateUseCount(), 2);
            // A tick repaints and shows the online state.
            emit client.monitorDataUpdated(IO::MirelClient::monitorRecord());
            QVERIFY(GLWidget::updateLinkState());
        }
        QCOMPARE(client.updateUseCount(), 1);

        // Shown while its window is minimized: no feed; the later hide takes
        // no other consumer's count.
        QWidget window;
        auto* view = new GLWidget(&window);
        window.showMinimized();
        QCoreApplication::processEvents();
        view->hide();
        QCOMPARE(client.updateUseCount(), 1);
        client.stopUpdate();
    }

    // Idle, a software-rendered view must cost nothing: a tick repaints only
    // when the joint values or what the shapes read from the record changed.
    void aTickRepaintsOnlyWhenSomethingDrawnChanged()
    {
        IO::MirelClient client;
        GLWidget view;
        showWithRobot(view);
        QSignalSpy frames(&view, &QOpenGLWidget::frameSwapped);
        const auto tick = [&client] {
            emit client.monitorDataUpdated(IO::MirelClient::monitorRecord());
            QCoreApplication::processEvents(); // a requested repaint happens here
        };
        tick();
        QTRY_VERIFY(!frames.isEmpty());
        frames.clear();
        tick();
        tick();
        QCOMPARE(frames.count(), 0);

        jointPos[4] = std::nanf(""); // a NaN equals itself: one repaint
        tick();
        QTRY_COMPARE(frames.count(), 1);
        tick();
        auto& record = *const_cast<MirelRzShmRz2IfSafmMon*>(IO::MirelClient::monitorRecord());
        record.channel[0].currentToolIndex = 3; // the cones' tool
        tick();
        QTRY_COMPARE(frames.count(), 2);
        record.channel[0].currentToolIndex = 0;
    }

    void loadingWithoutContextOrWithBadMeshes()
    {
        // Never shown (the "-o" start): the robot loads without a context.
        {
            GLWidget view;
            view.loadRobot();
            QVERIFY(view.robot() && view.robot()->links().size() == 7);
            QCOMPARE(view.objects().at(1), static_cast<Object3D*>(view.robot()));
            QVERIFY(!GLWidget::updateLinkState());
            view.loadRobot(); // replaced, not added
            QCOMPARE(std::count(view.objects().begin(), view.objects().end(), nullptr), 0L);
        }

        // A broken mesh and a missing one: nothing drawn, no crash.
        const QString root = m_dir.filePath("bad");
        QVERIFY(QDir().mkpath(root + "/QR6/setting") && QDir().mkpath(root + "/QR6/mesh"));
        QVERIFY(QFile::copy(OBX_RUNTIME_DIR "/assets/obj/QR6/setting/QR6-0700.xml",
                            root + "/QR6/setting/QR6-0700.xml"));
        const QStringList meshes =
            QDir(OBX_RUNTIME_DIR "/assets/obj/QR6/mesh").entryList(QDir::Files);
        for (const QString& mesh : meshes)
            writeTestFile(root + "/QR6/mesh/" + mesh, "f 1//1 2//2 3//3\nv nonsense\n\xff\xfe");
        useModelFolder(root);
        GLWidget view;
        showSized(view, 320, 240);
        const QImage gridOnly = view.grabFramebuffer();
        view.loadRobot();
        QCOMPARE(view.robot()->links().size(), std::size_t(7));
        QCOMPARE(view.grabFramebuffer(), gridOnly);

        QFile::remove(root + "/QR6/mesh/" + meshes.first());
        view.loadRobot();
        QVERIFY(view.robot()->links().empty());
        QCOMPARE(view.grabFramebuffer(), gridOnly);
    }

    void unsupportedModelStopsTheStart_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("supported");
        for (const int mode : {-2, -1, 0, 1, 2})
            QTest::addRow("%d", mode) << mode << (mode >= -1 && mode <= 1);
    }

    void unsupportedModelStopsTheStart()
    {
        QFETCH(int, mode);
        QFETCH(bool, supported);
        GLWidget view;
        view.camera().setPreset(2);
        dhOriginMode = mode;
        QStringList titles;
        MsgBox::setAutoAnswer([&titles, &view](QMessageBox& box) {
            // The box comes once the robot is built.
            titles << box.windowTitle() + (view.robot() ? " built" : "");
            return box.buttons().value(0);
        });
        view.loadRobot();
        MsgBox::setAutoAnswer({});

        QCOMPARE(isRunnable, supported);
        QCOMPARE(titles, supported ? QStringList() : QStringList{"Model unsupported error built"});
        QCOMPARE(view.camera().preset(), 0u);
    }
};

QTEST_MAIN(TestGLWidget)
#include "tst_glwidget.moc"
