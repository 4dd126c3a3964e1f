#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "matrixcompare.h"
#include "testfiles.h"

#include "view3d/capsulemodel.h"
#include "view3d/directionmodel.h"
#include "view3d/prismmodel.h"
#include "view3d/shapeplacement.h"

#include <cmath>

Q_DECLARE_METATYPE(Matrix4::Vector)

// The safety shape models without a GL context: where a capsule's ends
// land, the prism's key points, triangles and outline, the direction
// model's mesh, and the placement of the orientation cones.
class TestShapeModels : public QObject
{
    Q_OBJECT

    using V = Matrix4::Vector;
    QTemporaryDir m_dir;

    static QByteArray text(const V& v)
    {
        return QByteArray::number(v[0]) + ", " + QByteArray::number(v[1]) + ", " +
               QByteArray::number(v[2]);
    }

    static bool finite(const std::vector<Model::Point>& points)
    {
        for (const Model::Point& p : points)
            if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]))
                return false;
        return true;
    }

    // Where the capsule's part puts its local origin, placed with parent.
    static V partCentre(const CapsuleModel& capsule, int part, const Matrix4::Matrix& parent)
    {
        return Matrix4::transformPoint(Matrix4::multiply(parent, capsule.parts[part].matrix),
                                       {0, 0, 0});
    }

    static std::vector<PrismGeometry::Corner> polygon(int n, float radius)
    {
        std::vector<PrismGeometry::Corner> corners;
        for (int i = 0; i < n; ++i) {
            const double t = 2 * M_PI * i / n;
            corners.push_back({float(radius * std::cos(t)) + 50, float(radius * std::sin(t))});
        }
        return corners;
    }

private slots:
    void initTestCase()
    {
        loadSettingsFile(m_dir.filePath("config.ini"),
                         "[ApplicationSettings]\nMonitoringModelPath=" OBX_RUNTIME_DIR
                         "/assets/obj\n");
    }

    void capsuleEndsLandOnItsPoints()
    {
        CapsuleModel capsule;
        for (const auto& part : capsule.parts)
            QVERIFY(!part.vertices.empty() && part.normals.size() == part.vertices.size());
        QVERIFY(capsule.vertices.empty());

        QRandomGenerator random(17);
        const auto any = [&random](double range) {
            return float((random.generateDouble() * 2 - 1) * range);
        };
        for (int i = 0; i < 200; ++i) {
            V p1{any(1000), any(1000), any(1000)};
            V p2{any(1000), any(1000), any(1000)};
            // Some along the X axis either way: the identity and the half turn.
            if (i % 20 == 1)
                p2 = {p1[0] - 300, p1[1], p1[2]};
            if (i % 20 == 2)
                p2 = {p1[0] + 300, p1[1], p1[2]};
            const Matrix4::Matrix frame =
                Matrix4::multiply(Matrix4::translation(any(500), any(500), any(500)),
                                  Matrix4::rotationAbout({any(1), any(1), any(1)}, any(180)));
            capsule.length = ShapePlacement::distance(p1, p2);
            capsule.radius = 10 + std::fabs(any(100));
            capsule.updateMatrix();
            const Matrix4::Matrix parent = Matrix4::multiply(
                Matrix4::multiply(frame, Matrix4::translation(p1[0], p1[1], p1[2])),
                ShapePlacement::alignmentRotation(p1, p2));
            const V at1 = Matrix4::transformPoint(frame, p1);
            const V at2 = Matrix4::transformPoint(frame, p2);
            const V middle = Matrix4::transformPoint(
                frame, {(p1[0] + p2[0]) / 2, (p1[1] + p2[1]) / 2, (p1[2] + p2[2]) / 2});
            QVERIFY2(
                nearPoint(partCentre(capsule, CapsuleModel::LeftHemisphere, parent), at1, 0.05f),
                text(p1));
            QVERIFY2(
                nearPoint(partCentre(capsule, CapsuleModel::RightHemisphere, parent), at2, 0.05f),
                text(p1) + " to " + text(p2));
            QVERIFY(nearPoint(partCentre(capsule, CapsuleModel::Cylinder, parent), middle, 0.05f));
        }
    }

    void capsuleMatricesAndDegenerateCapsules()
    {
        CapsuleModel capsule;
        capsule.length = 100;
        capsule.radius = 10;
        capsule.updateMatrix();
        // The ends scale by the radius; the cylinder stretches by 2.87939 L + r.
        QCOMPARE(capsule.parts[CapsuleModel::RightHemisphere].matrix[5], -10.0f);
        QVERIFY(qAbs(capsule.parts[CapsuleModel::Cylinder].matrix[0] + 297.939f) < 1e-3f);

        // A sphere, coinciding points and points too close for a direction:
        // no rotation, all parts centred at the origin, nothing not a number.
        for (const V& p2 : {V{5, 5, 5}, V{5, 5, 5.0000005f}}) {
            const Matrix4::Matrix r = ShapePlacement::alignmentRotation({5, 5, 5}, p2);
            for (const float e : r)
                QVERIFY(std::isfinite(e));
        }
        compareMatrix(ShapePlacement::alignmentRotation({5, 5, 5}, {5, 5, 5}), Matrix4::identity(),
                      0);
        const V tiny{1e-30f, 0, 0};
        compareMatrix(ShapePlacement::alignmentRotation({0, 0, 0}, tiny), Matrix4::identity(), 0);
        capsule.length = 0;
        capsule.updateMatrix();
        for (int part = 0; part < CapsuleModel::PartCount; ++part)
            QVERIFY(nearPoint(partCentre(capsule, part, Matrix4::identity()), {0, 0, 0}, 0));
        QCOMPARE(capsule.parts[CapsuleModel::Cylinder].matrix[0], -10.0f);
    }

    void prismKeyPointsTrianglesAndNormals()
    {
        const int expectedTriangles[] = {0, 0, 0, 8, 12, 20, 24, 28, 32};
        PrismModel prism;
        // The default: a box of 12 triangles.
        prism.updateMatrix();
        QCOMPARE(prism.vertices.size(), std::size_t(36));
        for (int n = 3; n <= 8; ++n) {
            std::vector<PrismGeometry::Corner> corners = polygon(n, 400);
            // Sixteen entries as the safety shapes pass them: only the first n count.
            corners.resize(16, {9999, 9999});
            prism.setShape(n, 500, -100, corners);
            prism.setHighlight(PrismGeometry::TopRing);
            prism.updateMatrix();
            const PrismGeometry& g = *prism.geometry;
            QCOMPARE(int(g.keyPoints.size()), n >= 5 ? 2 * n + 2 : 2 * n);
            QCOMPARE(int(prism.vertices.size()), 3 * expectedTriangles[n]);
            QCOMPARE(prism.normals.size(), prism.vertices.size());
            if (n >= 5) {
                QVERIFY(nearPoint(g.keyPoints[n], {50, 0, -100}, 1e-3f));
                QVERIFY(nearPoint(g.keyPoints[2 * n + 1], {50, 0, 500}, 1e-3f));
            }
            // Every face normal is a unit vector pointing out of the prism.
            for (std::size_t t = 0; t < prism.vertices.size(); t += 3) {
                V c{0, 0, 0};
                for (int k = 0; k < 3; ++k)
                    for (int i = 0; i < 3; ++i)
                        c[i] += prism.vertices[t + k][i] / 3;
                const V out{c[0] - 50, c[1], c[2] - 200};
                const Model::Point& normal = prism.normals[t];
                QVERIFY(normal[0] * out[0] + normal[1] * out[1] + normal[2] * out[2] > 0);
                QVERIFY(std::fabs(std::hypot(normal[0], normal[1], normal[2]) - 1) < 1e-5f);
            }
            QCOMPARE(int(prism.edgeVertices.size()), n);
            QCOMPARE(prism.edgeVertices[0][2], 500.0f);
        }
    }

    void prismOutlineAndBadCounts()
    {
        PrismModel prism;
        prism.setShape(4, 500, -100, polygon(4, 300));
        prism.setHighlight(0);
        prism.updateMatrix();
        QCOMPARE(prism.edgeVertices.size(), std::size_t(2));
        QCOMPARE(prism.edgeVertices[0][2], -100.0f);
        QCOMPARE(prism.edgeVertices[1][2], 500.0f);
        QCOMPARE(prism.edgeVertices[0][0], prism.edgeVertices[1][0]);
        prism.setHighlight(PrismGeometry::BottomRing);
        prism.updateMatrix();
        QCOMPARE(prism.edgeVertices.size(), std::size_t(4));
        QCOMPARE(prism.edgeVertices[3][2], -100.0f);
        // Outside the corners and the two rings: no outline.
        for (const int h : {4, 7, -1, 10, 32767}) {
            prism.setHighlight(h);
            prism.updateMatrix();
            QVERIFY(prism.edgeVertices.empty());
        }

        // Counts the image allows but no table has, and a list too short.
        std::vector<PrismGeometry::Corner> corners = polygon(8, 300);
        corners.resize(16);
        for (const int n : {9, 16, 32767, 2, 0, -5}) {
            prism.setShape(n, 500, -100, corners);
            prism.setHighlight(PrismGeometry::TopRing);
            prism.updateMatrix();
            QVERIFY(prism.vertices.empty() && prism.geometry->keyPoints.empty());
            QVERIFY(prism.edgeVertices.empty());
        }
        prism.setShape(6, 500, -100, polygon(5, 300));
        prism.updateMatrix();
        QVERIFY(prism.vertices.empty());

        // All corners in one place and a flat prism: zero-area triangles get
        // a normal, not a division by zero.
        prism.setShape(5, 0, 0, std::vector<PrismGeometry::Corner>(5, {7, 7}));
        prism.updateMatrix();
        QCOMPARE(prism.vertices.size(), std::size_t(60));
        QVERIFY(finite(prism.normals));
    }

    void directionModelMesh()
    {
        DirectionModel cone;
        QVERIFY(!cone.depthMask && cone.visible);
        cone.buildIndexed(30);
        QCOMPARE(cone.ringCount, 2);
        QCOMPARE(cone.meshVertices.size(), std::size_t(74));
        QCOMPARE(cone.meshIndices.size(), std::size_t(3 * 120));
        QVERIFY(nearPoint(cone.meshVertices[2], {0, 866.03f, 500}, 0.01f));

        struct Case
        {
            float angle;
            int rings, vertices, triangles;
        };
        for (const Case& c : {Case{100, 7, 2 + 24 + 24 * 7, 360}, Case{10, 2, 74, 120},
                              Case{90, 6, 2 + 24 + 24 * 6, 48 + 48 * 5 + 24},
                              Case{179, 12, 2 + 24 + 24 * 12, 48 + 48 * 11 + 24},
                              Case{180, 12, 267, 528}, Case{400, 12, 267, 528}}) {
            cone.buildIndexed(c.angle);
            QCOMPARE(cone.ringCount, c.rings);
            QCOMPARE(int(cone.meshVertices.size()), c.vertices);
            QCOMPARE(int(cone.meshIndices.size()), 3 * c.triangles);
            for (const std::uint32_t i : cone.meshIndices)
                QVERIFY(i < cone.meshVertices.size());
            cone.setAngle(c.angle);
            QCOMPARE(int(cone.vertices.size()), 3 * c.triangles);
            QVERIFY(cone.meshIndices.empty() && finite(cone.vertices) && finite(cone.normals));
        }
        QCOMPARE(cone.angle, 180.0f);

        // No angle: one triangle of no area; the same angle twice: the same mesh.
        for (const float angle : {0.0f, -5.0f, std::nanf("")}) {
            cone.setAngle(angle);
            QCOMPARE(cone.ringCount, 0);
            QCOMPARE(cone.vertices.size(), std::size_t(3));
            QVERIFY(finite(cone.vertices));
        }
        cone.setAngle(45);
        const std::vector<Model::Point> first = cone.vertices;
        cone.setAngle(45);
        QVERIFY(cone.vertices == first);
    }

    // The orientation cone's axis (model +Y) for the range's O and A with
    // frame 7 the identity, standing at the tool centre point's origin.
    void orientationConeAxis_data()
    {
        QTest::addColumn<float>("o");
        QTest::addColumn<float>("a");
        QTest::addColumn<V>("axis");
        QTest::newRow("A 90") << 0.0f << 90.0f << V{0, -1, 0};
        QTest::newRow("O 90 A 90") << 90.0f << 90.0f << V{1, 0, 0};
        QTest::newRow("O 30 A 45") << 30.0f << 45.0f << V{0.354f, -0.612f, 0.707f};
        QTest::newRow("down") << 0.0f << 180.0f << V{0, 0, -1};
    }
    void orientationConeAxis()
    {
        QFETCH(float, o);
        QFETCH(float, a);
        QFETCH(V, axis);
        const Matrix4::Matrix tcp = Matrix4::translation(10, 20, 30);
        const Matrix4::Matrix m = ShapePlacement::coneParent(tcp, Matrix4::identity(), o, a);
        QVERIFY(nearPoint(Matrix4::transformPoint(m, {0, 0, 0}), {10, 20, 30}, 1e-4f));
        const V tip = Matrix4::transformPoint(m, {0, 1, 0});
        QVERIFY2(nearPoint({tip[0] - 10, tip[1] - 20, tip[2] - 30}, axis, 1e-3f), text(tip));
    }
};

QTEST_GUILESS_MAIN(TestShapeModels)
#include "tst_shapemodels.moc"
