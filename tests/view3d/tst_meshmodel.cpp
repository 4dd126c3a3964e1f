#include <QTemporaryDir>
#include <QtTest>

#include "matrixcompare.h"
#include "messagecapture.h"
#include "testfiles.h"

#include "view3d/model.h"
#include "view3d/objmeshreader.h"

// The .obj reader on good and malformed files, and the model matrices,
// all without a GL context: a model draws nothing then, but composes.
class TestMeshModel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const char* name, const QByteArray& content)
    {
        return writeTestFile(m_dir.filePath(QLatin1String(name)), content);
    }

    static std::vector<ObjFace> read(const QString& path, bool expected = true)
    {
        std::vector<ObjFace> faces(3);
        [&] { QCOMPARE(ObjMeshReader::read(path, faces), expected); }();
        return faces;
    }

private slots:
    void readsTrianglesAndTheirNormals()
    {
        // Capitals read like lower case; a quad yields the triangle of its
        // first three corners; comments, groups and blank lines are skipped.
        const QString path = write("quad.obj", "# a quad\n"
                                               "o quad\n"
                                               "V 0 0 0\nv 1.5 0 0\n  v 1.5 2 0  \nv 0 2 0\n"
                                               "\n"
                                               "VN 0 0 1\nvn 0 0 -1\n"
                                               "s off\n"
                                               "F 1//1 2//1 3//2 4//1\n");
        const std::vector<ObjFace> faces = read(path);
        QCOMPARE(int(faces.size()), 1);
        QCOMPARE(faces[0].positions[1], (ObjFace().positions[0] = {1.5f, 0, 0}));
        QCOMPARE(faces[0].positions[2], (ObjFace().positions[0] = {1.5f, 2, 0}));
        QCOMPARE(faces[0].normals[2], (ObjFace().normals[0] = {0, 0, -1}));

        std::vector<ObjMeshReader::Point> vertices(5), normals(1);
        ObjMeshReader::toArrays(faces, vertices, normals);
        QCOMPARE(int(vertices.size()), 3);
        QCOMPARE(int(normals.size()), 3);
        QCOMPARE(vertices[2], faces[0].positions[2]);

        // With "vt" lines the texture index is read too.
        const QString textured = write("textured.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
                                                       "vt 0.25 0.5\nvt 1 1\nvn 0 0 1\n"
                                                       "f 1/2/1 2/1/1 3/2/1\n");
        const std::vector<ObjFace> withTexture = read(textured);
        QCOMPARE(int(withTexture.size()), 1);
        QCOMPARE(withTexture[0].texCoords[1], (ObjFace().texCoords[0] = {0.25f, 0.5f}));

        // Tabs and the other ASCII spaces part words, in runs; a no-break
        // space is part of its word, which then reads as 0.
        const QString spaced = write("spaced.obj", "v\t1 \t 2\x0b\x0c"
                                                   "3\r\n"
                                                   "v 4\t5 6\nv 7 8\xc2\xa0"
                                                   "9 1\nvn 0 0 1\n"
                                                   "f\t1//1   2//1\t3//1\n");
        const std::vector<ObjFace> spacedFaces = read(spaced);
        QCOMPARE(int(spacedFaces.size()), 1);
        QCOMPARE(spacedFaces[0].positions[0], (ObjFace().positions[0] = {1, 2, 3}));
        QCOMPARE(spacedFaces[0].positions[2], (ObjFace().positions[0] = {7, 0, 1}));

        // Only comments: success, no faces.
        QVERIFY(read(write("comments.obj", "# nothing\n# here\n")).empty());
    }

    void malformedLinesAreSkippedWithOneWarning()
    {
        const QString path = write("bad.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\n"
                                              "v 1 2\n"             // too few numbers
                                              "vn 1\n"              // too few numbers
                                              "f 0//1 1//1 2//1\n"  // index 0
                                              "f -1//1 1//1 2//1\n" // negative
                                              "f 1//1 2//1 4//1\n"  // past the end
                                              "f 1//1 2//2 3//1\n"  // normal past the end
                                              "f 1//1 2//1\n"       // two corners
                                              "f 1 2 3\n"           // no normal index
                                              "f x//1 2//1 3//1\n"  // not a number
                                              "f 1//1 2//1 3//1\n"  // good
                                              "vt 0.5 0.5\n"
                                              "f 1//1 2//1 3//1\n"      // no texture index now
                                              "f 1/2/1 2/1/1 3/1/1\n"   // texture past the end
                                              "f 3/1/1 2/1/1 1/1/1\n"); // good
        MessageCapture capture;
        const std::vector<ObjFace> faces = read(path);
        QCOMPARE(int(faces.size()), 2);
        QCOMPARE(faces[1].positions[0], (ObjFace().positions[0] = {0, 1, 0}));
        QCOMPARE(capture.messagesOf(QtWarningMsg).size(), 1);
        QVERIFY(capture.contains("skipped 11 malformed lines, the first at line 5"));
    }

    void missingFileAndMonitoringMesh()
    {
        MessageCapture capture;
        const std::vector<ObjFace> faces = read(m_dir.filePath("none.obj"), false);
        QVERIFY(faces.empty());
        QVERIFY(capture.contains("File does not exist"));

        loadSettingsFile(m_dir.filePath("config.ini"),
                         "[ApplicationSettings]\nMonitoringModelPath=" + m_dir.path().toUtf8() +
                             "\n");
        write("cone.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n");
        std::vector<ObjMeshReader::Point> vertices, normals;
        loadMonitoringMesh(QStringLiteral("cone.obj"), vertices, normals);
        QCOMPARE(int(vertices.size()), 3);
        // A missing file leaves the arrays as they were.
        loadMonitoringMesh(QStringLiteral("cylinder.obj"), vertices, normals);
        QCOMPARE(int(vertices.size()), 3);
        QVERIFY(capture.contains("Can't Open File."));
        Setting::instance()->resetToDefaults();
    }

    void modelMatricesCompose()
    {
        Model parent, child, grandChild;
        parent.children = {&child};
        child.children = {&grandChild};
        // The fourth component acts first.
        child.components[0] = Matrix4::translation(10, 0, 0);
        child.components[2] = Matrix4::rotationZ(90);
        child.components[3] = Matrix4::translation(1, 0, 0);
        child.updateMatrix();
        compareMatrix(child.modelMatrix, {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 10, 1, 0, 1}, 1e-6f);

        // Invisible models still compose and render their children.
        parent.visible = false;
        parent.components[0] = Matrix4::translation(0, 0, 100);
        parent.updateMatrix();
        parent.render(Matrix4::identity(), Matrix4::translation(0, 5, 0));
        QCOMPARE(grandChild.modelMatrix[12], 10.0f);
        QCOMPARE(grandChild.modelMatrix[13], 6.0f);
        QCOMPARE(grandChild.modelMatrix[14], 100.0f);

        // reset() keeps the mesh and children.
        child.vertices = {{1, 2, 3}};
        child.visible = false;
        child.reset();
        QVERIFY(child.visible);
        QCOMPARE(int(child.vertices.size()), 1);
        QCOMPARE(int(child.children.size()), 1);
        compareMatrix(child.components[2], Matrix4::identity(), 0);
    }

    void eulerAnglesAreZYZ()
    {
        const auto euler = [](float a, float b, float c) {
            const float angles[3] = {a, b, c};
            Matrix4::Matrix m;
            Matrix4::eulerRotationMatrix(m.data(), angles);
            return m;
        };
        compareMatrix(euler(90, 0, 0), Matrix4::rotationZ(90), 1e-6f);
        compareMatrix(euler(0, 90, 0), Matrix4::rotationY(90), 1e-6f);
        compareMatrix(euler(30, 0, 45), Matrix4::rotationZ(75), 1e-6f);
        // The written-out third column (ca sb, sa sb, cb) for 30, 60, 10.
        const Matrix4::Matrix general = euler(30, 60, 10);
        QVERIFY(qAbs(general[8] - 0.75f) < 1e-6f);
        QVERIFY(qAbs(general[9] - 0.4330127f) < 1e-6f);
        QVERIFY(qAbs(general[10] - 0.5f) < 1e-6f);
    }
};

QTEST_GUILESS_MAIN(TestMeshModel)
#include "tst_meshmodel.moc"
