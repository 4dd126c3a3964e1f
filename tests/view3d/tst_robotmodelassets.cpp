#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "testfiles.h"

#include "view3d/objmeshreader.h"

#include <cmath>
#include <map>

// The shipped robot model and monitoring shapes: made by our generator,
// reproducible, every mesh facing outward and closed where it must be (the
// view culls back faces).
class TestRobotModelAssets : public QObject
{
    Q_OBJECT

    using P = std::array<float, 3>;
    using Edges = std::map<std::pair<P, P>, int>;

    const QString m_folder = QStringLiteral(OBX_SOURCE_DIR "/assets/obj");
    const QString m_shipped = m_folder + "/QR6";
    const QStringList m_shapes = {"cone.obj", "cylinder.obj", "hemisphere-left.obj",
                                  "hemisphere-right.obj", "rounded-corner-rectangular.obj"};

    static QStringList filesBelow(const QString& folder)
    {
        QStringList files;
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(folder).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    static std::vector<ObjFace> readFaces(const QString& path)
    {
        std::vector<ObjFace> faces;
        if (!ObjMeshReader::read(path, faces))
            qWarning() << "cannot read" << path;
        return faces;
    }

    // Counter-clockwise winding agrees with every stored normal; adds the
    // directed edges and returns the signed volume the faces enclose.
    static double checkWinding(const std::vector<ObjFace>& faces, Edges& edges, bool& agrees)
    {
        double volume = 0;
        for (const ObjFace& f : faces) {
            const P& a = f.positions[0];
            const P& b = f.positions[1];
            const P& c = f.positions[2];
            const P ab{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
            const P ac{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
            const P n{ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ab[0] * ac[2],
                      ab[0] * ac[1] - ab[1] * ac[0]};
            for (const P& normal : f.normals)
                agrees = agrees && n[0] * normal[0] + n[1] * normal[1] + n[2] * normal[2] > 0;
            volume += (a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
                       a[2] * (b[0] * c[1] - b[1] * c[0])) /
                      6.0;
            for (int k = 0; k < 3; ++k)
                ++edges[{f.positions[k], f.positions[(k + 1) % 3]}];
        }
        return volume;
    }

    // Closed: every edge is walked as often one way as the other (solids of
    // one mesh may share edges). Returns the edges that are not.
    static std::vector<std::pair<P, P>> openEdges(const Edges& edges)
    {
        std::vector<std::pair<P, P>> open;
        for (const auto& edge : edges) {
            const auto back = edges.find({edge.first.second, edge.first.first});
            if (back == edges.end() || back->second != edge.second)
                open.push_back(edge.first);
        }
        return open;
    }

    static void extent(const std::vector<ObjFace>& faces, P& lo, P& hi)
    {
        lo = {1e9f, 1e9f, 1e9f};
        hi = {-1e9f, -1e9f, -1e9f};
        for (const ObjFace& f : faces)
            for (const P& p : f.positions)
                for (int i = 0; i < 3; ++i) {
                    lo[i] = std::min(lo[i], p[i]);
                    hi[i] = std::max(hi[i], p[i]);
                }
    }

private slots:
    void regeneratingGivesTheSameFiles()
    {
        QTemporaryDir out;
        QCOMPARE(
            QProcess::execute(QStringLiteral(OBX_RUNTIME_DIR "/gen_robot_model"), {out.path()}), 0);
        const QStringList files = filesBelow(m_folder);
        QCOMPARE(filesBelow(out.path()), files);
        QCOMPARE(files.size(), 8 + m_shapes.size());
        for (const QString& file : files)
            QVERIFY2(readTestFile(out.filePath(file)) == readTestFile(m_folder + "/" + file),
                     qPrintable(file));
    }

    void meshesAreClosedAndFaceOutward()
    {
        const QStringList meshes = QDir(m_shipped + "/mesh").entryList({"*.obj"});
        QCOMPARE(meshes.size(), 7);
        QStringList closed;
        for (const QString& name : meshes)
            closed << m_shipped + "/mesh/" + name;
        closed << m_folder + "/rounded-corner-rectangular.obj" << m_folder + "/cone.obj";
        for (const QString& path : closed) {
            const std::vector<ObjFace> faces = readFaces(path);
            QVERIFY(faces.size() >= 12);
            Edges edges;
            bool agrees = true;
            const double volume = checkWinding(faces, edges, agrees);
            QVERIFY2(agrees, qPrintable(path));
            QVERIFY2(openEdges(edges).empty(), qPrintable(path));
            // Outward faces enclose a positive volume.
            QVERIFY2(volume > (path.contains("/mesh/") ? 1000.0 : 1.0), qPrintable(path));
        }
    }

    // The capsule's parts: two halves of the unit sphere that close each
    // other, and an open cylinder whose only borders are its two end rings.
    void capsulePartsFitTheCapsuleFormula()
    {
        Edges sphere;
        bool agrees = true;
        double volume = 0;
        for (const char* side : {"hemisphere-left.obj", "hemisphere-right.obj"}) {
            const std::vector<ObjFace> faces = readFaces(m_folder + "/" + side);
            volume += checkWinding(faces, sphere, agrees);
            P lo, hi;
            extent(faces, lo, hi);
            const bool left = QByteArray(side).contains("left");
            QCOMPARE(lo[0], left ? -1.0f : 0.0f);
            QCOMPARE(hi[0], left ? 0.0f : 1.0f);
        }
        QVERIFY(agrees);
        QVERIFY(openEdges(sphere).empty());
        QVERIFY(std::fabs(volume - 4.0 / 3.0 * M_PI) < 0.1);

        const std::vector<ObjFace> cylinder = readFaces(m_folder + "/cylinder.obj");
        Edges edges;
        checkWinding(cylinder, edges, agrees);
        QVERIFY(agrees);
        for (const auto& edge : openEdges(edges))
            QVERIFY(std::fabs(edge.first[0]) == 0.173648f && edge.first[0] == edge.second[0]);
        for (const ObjFace& f : cylinder)
            for (const P& p : f.positions)
                QVERIFY(std::fabs(std::hypot(p[1], p[2]) - 1) < 1e-3);
        // Stretched by 2.87939 L + r it spans L plus a third of the radius.
        P lo, hi;
        extent(cylinder, lo, hi);
        QVERIFY(std::fabs((hi[0] - lo[0]) * 2.87939f - 1.0f) < 1e-4f);
    }

    // The box spans -1 to 1; the cone's tip lies on -Z, its base towards +Z.
    void boxAndConeShapes()
    {
        P lo, hi;
        extent(readFaces(m_folder + "/rounded-corner-rectangular.obj"), lo, hi);
        QCOMPARE(lo, (P{-1, -1, -1}));
        QCOMPARE(hi, (P{1, 1, 1}));
        const std::vector<ObjFace> cone = readFaces(m_folder + "/cone.obj");
        extent(cone, lo, hi);
        QCOMPARE(lo[2], -1.5f);
        QCOMPARE(hi[2], 1.5f);
        int tips = 0;
        for (const ObjFace& f : cone)
            for (const P& p : f.positions)
                tips += p[0] == 0 && p[1] == 0 && p[2] == -1.5f;
        QVERIFY(tips > 0);
    }
};

QTEST_GUILESS_MAIN(TestRobotModelAssets)
#include "tst_robotmodelassets.moc"
