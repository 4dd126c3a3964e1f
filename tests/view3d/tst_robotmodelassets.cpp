#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "testfiles.h"

#include "view3d/objmeshreader.h"

#include <map>

// The shipped robot model: made by our generator, reproducible, and every
// link mesh closed with outward faces (the view culls back faces).
class TestRobotModelAssets : public QObject
{
    Q_OBJECT

    const QString m_shipped = QStringLiteral(OBX_SOURCE_DIR "/assets/obj/QR6");

    static QStringList filesBelow(const QString& folder)
    {
        QStringList files;
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(folder).relativeFilePath(it.next());
        files.sort();
        return files;
    }

private slots:
    void regeneratingGivesTheSameFiles()
    {
        QTemporaryDir out;
        QCOMPARE(
            QProcess::execute(QStringLiteral(OBX_RUNTIME_DIR "/gen_robot_model"), {out.path()}), 0);
        const QString generated = out.filePath(QStringLiteral("QR6"));
        const QStringList files = filesBelow(m_shipped);
        QCOMPARE(filesBelow(generated), files);
        QCOMPARE(files.size(), 8);
        for (const QString& file : files)
            QVERIFY2(readTestFile(generated + "/" + file) == readTestFile(m_shipped + "/" + file),
                     qPrintable(file));
    }

    void meshesAreClosedAndFaceOutward()
    {
        const QStringList meshes = QDir(m_shipped + "/mesh").entryList({"*.obj"});
        QCOMPARE(meshes.size(), 7);
        for (const QString& name : meshes) {
            std::vector<ObjFace> faces;
            QVERIFY(ObjMeshReader::read(m_shipped + "/mesh/" + name, faces));
            QVERIFY(faces.size() >= 12);
            using P = std::array<float, 3>;
            std::map<std::pair<P, P>, int> edges;
            double volume = 0;
            for (const ObjFace& f : faces) {
                const P& a = f.positions[0];
                const P& b = f.positions[1];
                const P& c = f.positions[2];
                const P ab{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
                const P ac{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
                const P n{ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ab[0] * ac[2],
                          ab[0] * ac[1] - ab[1] * ac[0]};
                // Counter-clockwise winding agrees with every stored normal.
                for (const P& normal : f.normals)
                    QVERIFY2(n[0] * normal[0] + n[1] * normal[1] + n[2] * normal[2] > 0,
                             qPrintable(name));
                volume += (a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
                           a[2] * (b[0] * c[1] - b[1] * c[0])) /
                          6.0;
                for (int k = 0; k < 3; ++k)
                    ++edges[{f.positions[k], f.positions[(k + 1) % 3]}];
            }
            // Closed: every edge is walked as often one way as the other
            // (solids of one mesh may share edges).
            for (const auto& edge : edges) {
                const auto back = edges.find({edge.first.second, edge.first.first});
                QVERIFY2(back != edges.end() && back->second == edge.second, qPrintable(name));
            }
            // Outward faces enclose a positive volume.
            QVERIFY2(volume > 1000.0, qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestRobotModelAssets)
#include "tst_robotmodelassets.moc"
