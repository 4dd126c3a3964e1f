#include <QtTest>

#include "matrixcompare.h"

#include "view3d/camera.h"

// The orbit camera's limits, presets and matrices, against numbers worked
// out by hand.
class TestCamera : public QObject
{
    Q_OBJECT

private slots:
    void presetsAndTheirNames()
    {
        for (const unsigned asked : {2u, 3u, 4u, 4000000000u}) {
            const unsigned taken = asked < 4 ? asked : 0u;
            Camera camera, reference;
            camera.setPreset(1);
            camera.setAngles(200, 10);
            camera.setDistance(2000);
            camera.pan(100, 0, 0);
            camera.setPreset(asked);
            reference.setPreset(taken);
            QCOMPARE(camera.preset(), taken);
            QCOMPARE(camera.viewMatrix(), reference.viewMatrix());
            QCOMPARE(camera.distance(), 15000.0f);
        }
        Camera camera;
        const QStringList expected{"XZ", "XY", "YZ", "Reset"};
        for (const QString& name : expected) {
            QCOMPARE(camera.nextPresetName(), name);
            camera.nextPreset();
            QCOMPARE(Camera::presetName(camera.preset()), name);
        }
        QCOMPARE(camera.preset(), 0u);
        QCOMPARE(Camera::presetName(4), QString());
    }

    void anglesWrapAndClampAndDistanceStops()
    {
        Camera camera;
        camera.setAngles(361, 91);
        QCOMPARE(camera.yaw(), 1.0f);
        QCOMPARE(camera.pitch(), 90.0f);
        camera.setAngles(-1, -100);
        QCOMPARE(camera.yaw(), 359.0f);
        QCOMPARE(camera.pitch(), -90.0f);
        camera.setAngles(360, 0); // the limit itself is kept
        QCOMPARE(camera.yaw(), 360.0f);
        camera.setDistance(999);
        QCOMPARE(camera.distance(), 1000.0f);
        camera.setDistance(30001);
        QCOMPARE(camera.distance(), 30000.0f);
        camera.setDistance(5000);
        QCOMPARE(camera.distance(), 5000.0f);
    }

    void viewMatrices()
    {
        // Start: yaw 0, pitch 45, distance 15000; eye (0, 10606.6, 10606.6)
        // looking at the origin; screen right is -X.
        Camera camera;
        const float h = 0.70710678f;
        compareMatrix(camera.viewMatrix(), {-1, 0, 0, 0, 0, -h, h, 0, 0, h, h, 0, 0, 0, -15000, 1},
                      1e-3f);
        // YZ: eye on -X, looking along +X with +Z up.
        camera.setPreset(3);
        compareMatrix(camera.viewMatrix(), {0, 0, -1, 0, -1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -15000, 1},
                      1e-3f);
        // Straight down does not degenerate: the up vector turns with the pitch.
        camera.setPreset(2);
        compareMatrix(camera.viewMatrix(), {-1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1, 0, 0, 0, -15000, 1},
                      1e-3f);
        // Panning by +100 along X at yaw 0 moves the world left by 100 on screen.
        camera.setPreset(1);
        camera.pan(100, 0, 0);
        QCOMPARE(camera.viewMatrix()[12], 100.0f);
    }

    void projections()
    {
        Camera camera;
        // 1280 x 800: f = 1 / tan(22.5 deg) = 2.4142136, aspect 1.6.
        compareMatrix(camera.perspective(1280, 800),
                      {1.5088835f, 0, 0, 0, 0, 2.4142136f, 0, 0, 0, 0, -1.0f, -1, 0, 0, -0.2f, 0},
                      1e-5f);
        // Taller than wide keeps distance / 4 = 3750 as the half-width.
        compareMatrix(camera.orthographic(400, 800),
                      {1.0f / 3750, 0, 0, 0, 0, 1.0f / 7500, 0, 0, 0, 0, -1e-8f, 0, 0, 0, 0, 1},
                      1e-9f);
        // Wider than high, at another distance, from the stored size.
        camera.orthographic(800, 400);
        camera.setDistance(4000);
        compareMatrix(camera.orthographic(),
                      {1.0f / 2000, 0, 0, 0, 0, 1.0f / 1000, 0, 0, 0, 0, -1e-8f, 0, 0, 0, 0, 1},
                      1e-9f);
    }
};

QTEST_GUILESS_MAIN(TestCamera)
#include "tst_camera.moc"
