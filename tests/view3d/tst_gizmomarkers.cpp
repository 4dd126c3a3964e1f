#include <QTemporaryDir>
#include <QtTest>

#include "matrixcompare.h"
#include "shapeimagewriter.h"
#include "testfiles.h"

#include "parameter/parameter.h"
#include "view3d/camera.h"
#include "view3d/gizmo.h"
#include "view3d/vertexpoint.h"

// Where the gizmo stands on each page and when it hides, its scale, and
// which speed monitoring points are collected; all without a GL context.
class TestGizmoMarkers : public QObject
{
    Q_OBJECT

    using V = Matrix4::Vector;

    QTemporaryDir m_dir;
    Parameter& m_store = *Parameter::instance();
    ParameterImage& m_image = m_store.editImage();
    const float m_joints[RobotFrames::JointCount] = {};

    bool marker(int scene, Matrix4::Matrix& out)
    {
        m_store.m_robotFrames.update(m_image, m_joints);
        return Gizmo::markerMatrix(m_store, m_store.m_robotFrames, scene, out);
    }

    ShapeImageWriter m_writer{m_image};

private slots:
    void initTestCase()
    {
        loadSettingsFile(m_dir.filePath("config.ini"),
                         "[ApplicationSettings]\nMonitoringModelPath=" OBX_RUNTIME_DIR
                         "/assets/obj\n");
    }

    void init() { ShapeImageWriter::clearDisplay(m_store); }

    void armShapePoints()
    {
        Matrix4::Matrix m;
        // Maker model 5 in coordinate system 3.
        m_writer.setArm(0, 4, 3, 1, 10, {10, 20, 30}, {40, 50, 60});
        m_store.m_selectedElement = 4;
        m_store.m_armModelFlags[0][4] = 1;
        QVERIFY(!marker(21, m)); // no focused marker
        // Marker 2 marks point 2; any other marker point 1.
        for (const int point : {1, 2, 7}) {
            m_store.m_marker = point;
            QVERIFY(marker(21, m));
            const V at = Matrix4::transformPoint(m_store.m_robotFrames.frame(3),
                                                 point == 2 ? V{40, 50, 60} : V{10, 20, 30});
            QVERIFY(nearPoint(originOf(m), at));
        }
        // Not on another page; not for a hidden model, a set or element
        // outside the tables, or a coordinate number outside 1..50.
        QVERIFY(!marker(25, m));
        m_store.m_armModelSet = 2;
        QVERIFY(!marker(21, m));
        m_store.m_armModelSet = 0;
        for (const int e : {-1, 20, 1000}) {
            m_store.m_selectedElement = e;
            QVERIFY(!marker(21, m));
        }
        m_store.m_selectedElement = 4;
        for (const qint16 n : {0, 51, 82, -3}) {
            m_image.setI16At(3796 + 2 * 4, n);
            QVERIFY(!marker(21, m));
        }
        m_image.setI16At(3796 + 2 * 4, 3);
        m_store.m_armModelFlags[0][4] = 0;
        QVERIFY(!marker(21, m));
    }

    void toolShapePoints()
    {
        Matrix4::Matrix m;
        const auto setShape = [this](int valid, int kind) {
            m_writer.setTool(3, 1, valid, kind, 10, {0, 0, 100}, {}, {}, {90, 0, 0});
        };
        setShape(1, 2); // a cuboid
        m_store.m_selectedTool = 3;
        m_store.m_selectedElement = 1;
        m_store.m_marker = 1;
        m_store.m_toolModelFlags[3][1] = 1;
        QVERIFY(marker(22, m));
        const Matrix4::Matrix& flange = *m_store.m_robotFrames.lastLinkFrame();
        QVERIFY(nearPoint(originOf(m), Matrix4::transformPoint(flange, {0, 0, 100})));
        // The cuboid turns the cross by Rz(O) Ry(A) Rz(T): its X along the flange's Y.
        const V x = Matrix4::transformPoint(m, {1, 0, 0});
        const V flangeY{flange[4], flange[5], flange[6]};
        QVERIFY(nearPoint({x[0] - m[12], x[1] - m[13], x[2] - m[14]}, flangeY, 1e-4f));
        // A sphere keeps the flange's orientation.
        setShape(1, 0);
        QVERIFY(marker(22, m));
        QVERIFY(nearPoint({m[0], m[1], m[2]}, {flange[0], flange[1], flange[2]}, 1e-5f));
        setShape(0, 0); // disabled
        QVERIFY(!marker(22, m));
        setShape(1, 0);
        m_store.m_selectedTool = 32;
        QVERIFY(!marker(22, m));
    }

    void areaVertexAndCentres()
    {
        Matrix4::Matrix m;
        m_writer.setArea(2, 1, 3, 500, -100, {{0, 0}, {300, 0}, {0, 600}});
        m_store.m_selectedArea = 2;
        m_store.m_areaModelFlags[2] = 1;
        m_store.m_marker = 2;
        QVERIFY(marker(23, m));
        QVERIFY(nearPoint(originOf(m), {300, 0, 500}));
        m_store.m_marker = 9;
        QVERIFY(marker(23, m));
        QVERIFY(nearPoint(originOf(m), {100, 200, 500}));
        m_store.m_marker = 10;
        QVERIFY(marker(23, m));
        QVERIFY(nearPoint(originOf(m), {100, 200, -100}));
        // A stored count beyond the 8 corners has no centre; a marker above
        // 10 and an area outside the table mark nothing.
        m_writer.setArea(2, 1, 32767, 500, -100, {});
        QVERIFY(!marker(23, m));
        m_store.m_marker = 11;
        QVERIFY(!marker(23, m));
        m_store.m_marker = 1;
        m_store.m_selectedArea = 16;
        QVERIFY(!marker(23, m));
    }

    // The common settings page marks its current tool's frame: the flange
    // moved by that tool's centre point; no tool, no mark.
    void toolCentrePointFrame()
    {
        Matrix4::Matrix m;
        const int tool3 = 2796 + 24 * 2;
        for (int i = 0; i < 6; ++i)
            m_image.setF32At(tool3 + 4 * i, i == 2 ? 120.f : 0.f);
        m_store.m_selectedTool = 2;
        QVERIFY(marker(20, m));
        QVERIFY(nearPoint(originOf(m), Matrix4::transformPoint(
                                           *m_store.m_robotFrames.lastLinkFrame(), {0, 0, 120})));
        for (const int tool : {-1, 32}) {
            m_store.m_selectedTool = tool;
            QVERIFY(!marker(20, m));
        }
    }

    void speedPointsAndTheirMarker()
    {
        Matrix4::Matrix m;
        // User arm point 2 in coordinate system 1, maker point 0 without one.
        m_image.setI16At(47020 + 2 * 2, 1);
        m_writer.setPoint(47060 + 4 * 2, {1, 2, 3});
        m_image.setI16At(46740, 0);
        m_store.m_armSpeedPointFlags[1][2] = 1;
        m_store.m_armSpeedPointFlags[0][0] = 1;
        m_store.m_speedPointSet = 1;
        m_store.m_selectedElement = 2;
        QVERIFY(marker(26, m));
        QVERIFY(nearPoint(originOf(m),
                          Matrix4::transformPoint(m_store.m_robotFrames.frame(1), {1, 2, 3})));

        VertexPoint points;
        points.collect(m_store, m_store.m_robotFrames, 1);
        QCOMPARE(points.points(VertexPoint::UserList).size(), std::size_t(1));
        QVERIFY(nearPoint(points.points(VertexPoint::UserList)[0], originOf(m)));
        points.collect(m_store, m_store.m_robotFrames, 0);
        QVERIFY(points.points(VertexPoint::MakerList).empty()); // coordinate number 0
        // Numbers above 50 name tool frames, no coordinate system: neither
        // drawn nor marked.
        m_image.setI16At(46740, 51);
        points.collect(m_store, m_store.m_robotFrames, 0);
        QVERIFY(points.points(VertexPoint::MakerList).empty());
        m_store.m_speedPointSet = 0;
        m_store.m_selectedElement = 0;
        QVERIFY(!marker(26, m));
        m_store.m_speedPointSet = 1;
        m_store.m_selectedElement = 2;
        m_image.setI16At(46740, 0);
        points.collect(m_store, m_store.m_robotFrames, 5); // no such set: nothing changes
        QCOMPARE(points.points(VertexPoint::UserList).size(), std::size_t(1));
        // Both sets at once (the custom speed page's watched points): both
        // lists are rebuilt, and no single point is marked.
        m_store.m_armSpeedPointFlags[1][2] = 0;
        m_store.m_speedPointSet = Parameter::BothSpeedPointSets;
        points.update();
        QVERIFY(points.points(VertexPoint::UserList).empty());
        QVERIFY(!marker(26, m));

        // A tool point shows whether or not it is enabled; the gizmo marks
        // it only when it is.
        const int block = 47300 + 280 * 4;
        m_writer.setPoint(block + 40 + 4 * 3, {7, 8, 9});
        m_image.setU16At(block + 2 * 3, 0);
        m_store.m_toolSpeedPointFlags[4][3] = 1;
        m_store.m_selectedTool = 4;
        m_store.m_selectedElement = 3;
        points.collectTool(m_store);
        QCOMPARE(points.points(VertexPoint::ToolList),
                 (std::vector<Model::Point>{Model::Point{7, 8, 9}}));
        QVERIFY(!marker(27, m));
        m_image.setU16At(block + 2 * 3, 1);
        QVERIFY(marker(27, m));
        QVERIFY(nearPoint(originOf(m), Matrix4::transformPoint(
                                           *m_store.m_robotFrames.lastLinkFrame(), {7, 8, 9})));
        m_store.m_selectedTool = 99;
        points.collectTool(m_store);
        QVERIFY(points.points(VertexPoint::ToolList).empty());
        QVERIFY(!marker(27, m));
    }

    // The cross scales with the distance, also while hidden, and each cone
    // sits beyond its line's end with its tip pointing outwards.
    void gizmoScalesWithTheCamera()
    {
        Camera camera;
        camera.setDistance(3000);
        Gizmo gizmo(camera);
        QVERIFY(!gizmo.model().coneVertices.empty());
        gizmo.update();
        gizmo.setVisible(false); // nothing marked while the user zooms
        camera.setDistance(15000);
        gizmo.update();
        gizmo.setVisible(true);
        const GizmoModel& model = gizmo.model();
        QCOMPARE(model.lineEnds[1][0], 2500.0f);
        QCOMPARE(model.lineEnds[5][2], 2500.0f);
        // The mesh's tip is its vertex lowest on Z.
        const V tip = *std::min_element(model.coneVertices.begin(), model.coneVertices.end(),
                                        [](const V& a, const V& b) { return a[2] < b[2]; });
        for (int axis = 0; axis < 3; ++axis) {
            const Matrix4::Matrix& cone = model.coneTransforms[axis];
            V at{0, 0, 0};
            at[axis] = 2750;
            QVERIFY(nearPoint(originOf(cone), at));
            QVERIFY(std::fabs(std::hypot(cone[0], cone[1], cone[2]) - 166.667f) < 0.01f);
            V outwards = at;
            outwards[axis] += 1.5f * 166.667f;
            QVERIFY(nearPoint(Matrix4::transformPoint(cone, tip), outwards, 0.5f));
        }
    }
};

QTEST_GUILESS_MAIN(TestGizmoMarkers)
#include "tst_gizmomarkers.moc"
