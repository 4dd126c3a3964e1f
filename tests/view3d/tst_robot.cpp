#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "defaultimage.h"
#include "matrixcompare.h"
#include "messagecapture.h"
#include "testfiles.h"

#include "app/core/startupstate.h"
#include "parameter/parameterimage.h"
#include "parameter/robotframes.h"
#include "view3d/robot.h"
#include "view3d/robotinfo.h"
#include "view3d/robotmodel.h"
#include "view3d/robotseries.h"

// Reading descriptions, loading and posing the robot without a GL
// context: the shipped model against the kinematic frames, and small
// descriptions written here.
class TestRobot : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ParameterImage m_default;
    RobotFrames m_frames;
    float m_joints[18] = {};

    void useModelFolder(const QString& folder, const QByteArray& typeName = QByteArray())
    {
        loadSettingsFile(m_dir.filePath("config.ini"),
                         "[ApplicationSettings]\nRobotModelPath=" + folder.toUtf8() +
                             "\n[Test]\nRobotTypeName=" + typeName + "\n");
    }

    // A series folder with a description of the given items and a small
    // closed mesh for each model name in `meshes`.
    QString writeSeries(const QString& series, const QString& name, const QByteArray& items,
                        const QStringList& meshes, bool withOrigin = true)
    {
        const QString root = m_dir.filePath("models");
        QDir().mkpath(root + "/" + series + "/setting");
        QDir().mkpath(root + "/" + series + "/mesh");
        writeTestFile(
            root + "/" + series + "/setting/" + name + ".xml",
            "<robot><rzrobot_type value=\"" + series.toUtf8() + "\"/>" +
                (withOrigin ? QByteArray("<dh_origin x=\"0\" y=\"0\" z=\"0\"/>") : QByteArray()) +
                "<link>" + items + "</link></robot>");
        for (const QString& mesh : meshes)
            writeTestFile(root + "/" + series + "/mesh/" + mesh,
                          "v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n");
        return root;
    }

    static QByteArray item(const char* model, const char* zvec = "0 0 1")
    {
        const QList<QByteArray> z = QByteArray(zvec).split(' ');
        return QByteArray("<item><model value=\"") + model +
               "\"/><origin><position x=\"0\" y=\"0\" z=\"100\"/><rotaxis><xvec x=\"1\"/>"
               "<yvec y=\"1\"/><zvec x=\"" +
               z[0] + "\" y=\"" + z[1] + "\" z=\"" + z[2] + "\"/></rotaxis></origin></item>";
    }

    static ParameterImage imageNamed(const char* typeName)
    {
        ParameterImage image;
        image.setTextAt(4, QString::fromLatin1(typeName));
        return image;
    }

private slots:
    void initTestCase() { QVERIFY(readDefaultImage(m_default)); }

    void init()
    {
        dhOriginMode = 1;
        std::fill(std::begin(m_joints), std::end(m_joints), 0.0f);
        useModelFolder(QStringLiteral(OBX_RUNTIME_DIR "/assets/obj"));
    }

    void cleanupTestCase() { Setting::instance()->resetToDefaults(); }

    void loadsTheShippedModel()
    {
        Robot robot(m_default, m_frames, m_joints);
        QVERIFY(robot.availableModels().contains("QR6-0700"));
        QCOMPARE(robot.seriesName(), QStringLiteral("QR6"));
        QVERIFY(!robot.isUnsupported());
        QVERIFY(!robot.links().empty());
    }

    // The posed model and the kinematic frames are the same robot: over many
    // random joint vectors the last link and the flange frame agree.
    void posedModelAgreesWithTheFrames()
    {
        Robot robot(m_default, m_frames, m_joints);
        QRandomGenerator random(14);
        const float limits[6] = {170, 135, 160, 190, 120, 360};
        double worst = 0;
        for (int run = 0; run < 2000; ++run) {
            for (int j = 0; j < 6; ++j)
                m_joints[j] = float((random.generateDouble() * 2 - 1) * limits[j]);
            m_frames.update(m_default, m_joints);
            robot.update();
            robot.draw(Matrix4::identity()); // composes the world matrices
            const Matrix4::Matrix& link = robot.links().back()->modelMatrix;
            const Matrix4::Matrix& flange = *m_frames.lastLinkFrame();
            // The origin and a point 100 mm along each axis.
            for (const Matrix4::Vector& p :
                 {Matrix4::Vector{0, 0, 0}, Matrix4::Vector{100, 0, 0}, Matrix4::Vector{0, 100, 0},
                  Matrix4::Vector{0, 0, 100}}) {
                const Matrix4::Vector a = Matrix4::transformPoint(link, p);
                const Matrix4::Vector b = Matrix4::transformPoint(flange, p);
                worst = std::max(worst, std::sqrt(double(a[0] - b[0]) * (a[0] - b[0]) +
                                                  double(a[1] - b[1]) * (a[1] - b[1]) +
                                                  double(a[2] - b[2]) * (a[2] - b[2])));
            }
        }
        QVERIFY2(worst < 0.05, qPrintable(QString::number(worst)));
    }

    void modelNameMatching_data()
    {
        QTest::addColumn<QByteArray>("setting");
        QTest::addColumn<QString>("imageName");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("model");
        // A version part after '-' falls back to the series' own file.
        QTest::newRow("series file") << QByteArray() << "XY9-0100"
                                     << "Exact match to XY9-0100 not found."
                                     << "XY9";
        QTest::newRow("no series") << QByteArray() << "XY8-0100"
                                   << "No matching 3D model to XY8" << QString();
        QTest::newRow("no version")
            << QByteArray() << "XY8"
            << "XY8 does not contain version number.  No matching 3D model." << QString();
        // The setting replaces the image's name; '/' is removed.
        QTest::newRow("setting") << QByteArray("X/Y9") << "QR6-0700"
                                 << "typeName(config.ini): X/Y9"
                                 << "XY9";
    }

    void modelNameMatching()
    {
        QFETCH(QByteArray, setting);
        QFETCH(QString, imageName);
        QFETCH(QString, message);
        QFETCH(QString, model);
        const QString root = writeSeries("XY9", "XY9", item("XY9-a.obj"), {"XY9-a.obj"});
        useModelFolder(root, setting);
        MessageCapture capture;
        Robot robot(imageNamed(qPrintable(imageName)), m_frames, m_joints);
        QVERIFY(capture.contains(message));
        QCOMPARE(robot.modelName(), model);
        QCOMPARE(robot.links().size(), std::size_t(model.isEmpty() ? 0 : 1));
        QCOMPARE(robot.nodes().empty(), model.isEmpty());
        if (model.isEmpty())
            QVERIFY(capture.contains("erro-open-not-xml: File " + root + "//setting/.xml"));
    }

    // No model folder at all: nothing found, nothing loaded.
    void noModelFolder()
    {
        useModelFolder(m_dir.filePath("nowhere"));
        Robot robot(imageNamed("XY9"), m_frames, m_joints);
        QVERIFY(robot.availableModels().isEmpty());
        QVERIFY(robot.links().empty() && robot.nodes().empty());
    }

    // A missing mesh, or a name that would leave the mesh folder: one line
    // per missing file, no robot. (A broken mesh is the view's test.)
    void missingAndEscapingMeshes()
    {
        const QString root =
            writeSeries("MM1", "MM1", item("MM1-a.obj") + item("MM1-b.obj"), {"MM1-a.obj"});
        writeSeries("MM2", "MM2", item("../setting/MM2.xml"), {});
        useModelFolder(root);
        for (const auto& [series, file] :
             {std::pair<const char*, QString>{"MM1", root + "/MM1/mesh/MM1-b.obj"},
              {"MM2", "../setting/MM2.xml"}}) {
            MessageCapture capture;
            Robot robot(imageNamed(series), m_frames, m_joints);
            QVERIFY(capture.contains("erro-open-not-obj: File " + file));
            QVERIFY(robot.links().empty());
            robot.update();
            robot.draw(Matrix4::identity());
        }
    }

    void noOriginIsUnsupported()
    {
        const QString root = writeSeries("NO1", "NO1", item("NO1-a.obj"), {"NO1-a.obj"}, false);
        useModelFolder(root);
        for (const int mode : {-1, 0, 1}) {
            dhOriginMode = mode;
            Robot robot(imageNamed("NO1"), m_frames, m_joints);
            QVERIFY(robot.isUnsupported());
            QCOMPARE(int(robot.links().size()), 1); // the load goes on
        }
    }

    void subLinksAndDefaultPosing()
    {
        // Arm, "subarm" (case ignored), arm: joint indices 0, 0, 1; the
        // default rule still turns link i by joint i, whatever its kind.
        const QString root = writeSeries("SB1", "SB1",
                                         item("SB1-base.obj") + item("SB1-subarm.obj", "0 0 2") +
                                             item("SB1-c.obj", "0 0 0"),
                                         {"SB1-base.obj", "SB1-subarm.obj", "SB1-c.obj"});
        useModelFolder(root);
        Robot robot(imageNamed("SB1"), m_frames, m_joints);
        QCOMPARE(int(robot.links().size()), 3);
        QCOMPARE(robot.links()[1]->kind, int(RobotModel::SubArm));
        QCOMPARE(robot.links()[1]->jointIndex, 0);
        QCOMPARE(robot.links()[2]->jointIndex, 1);

        m_joints[0] = 30;
        m_joints[1] = 45;
        m_frames.update(imageNamed("SB1"), m_joints);
        robot.update();
        // Link 0 never turns; (0, 0, 2) turns like (0, 0, 1); a zero axis
        // does not turn.
        compareMatrix(robot.links()[0]->components[2], Matrix4::identity(), 0);
        compareMatrix(robot.links()[1]->components[2], Matrix4::rotationZ(30), 1e-6f);
        compareMatrix(robot.links()[2]->components[2], Matrix4::identity(), 0);
        compareMatrix(robot.links()[1]->modelMatrix,
                      Matrix4::multiply(Matrix4::translation(0, 0, 100), Matrix4::rotationZ(30)),
                      1e-4f);
    }

    void linearJointSlidesItsLink()
    {
        ParameterImage image = m_default;
        image.setI16At(2276 + 2 * 2, 1); // joint 3 linear
        Robot robot(image, m_frames, m_joints);
        m_joints[2] = 50;
        robot.update();
        const Matrix4::Matrix turn = robot.links()[3]->components[2];
        QCOMPARE(turn[14], 50.0f);
        QCOMPARE(turn[0], 1.0f);
    }

    void seriesRulesReadOnlyTheJointTable()
    {
        float joints[18];
        for (int j = 0; j < 18; ++j)
            joints[j] = float(j + 1) * 10;
        std::vector<RobotModel> models(20);
        std::vector<RobotModel*> links;
        for (RobotModel& model : models)
            links.push_back(&model);
        // Default: link i follows joint i; links past joint 18 read 0.
        QCOMPARE(RobotSeries::linkAngle(0, 0, links, joints), 0.0f);
        QCOMPARE(RobotSeries::linkAngle(0, 3, links, joints), 30.0f);
        QCOMPARE(RobotSeries::linkAngle(0, 19, links, joints), 0.0f);
        // An arm link with joint index 0 (or beyond 18) reads nothing outside.
        links[2]->jointIndex = 0;
        QCOMPARE(RobotSeries::linkAngle(8, 2, links, joints), 0.0f);
        links[2]->jointIndex = 40;
        QCOMPARE(RobotSeries::linkAngle(2, 2, links, joints), 0.0f);
        // Trees attach only links that exist.
        QCOMPARE(int(RobotSeries::treePairs(RobotSeries::TreeB, 8).size()), 7);
        QVERIFY(RobotSeries::treePairs(RobotSeries::Chain, 0).empty());
    }

    // The description reader on unusual and broken descriptions.
    void unusualButReadableDocuments()
    {
        const QString path = writeTestFile(m_dir.filePath("odd.xml"), R"(<robot>
  <rzrobot_type value="XY9"/>
  <dh_origin x="1e3" y="abc" z="-2.5"/>
  <link>
    <item><model value="XY9-a.obj"/>
      <origin><position x="1" y="2" z="3"/>
        <rotaxis><xvec x="1"/><yvec y="1"/><zvec z="2"/></rotaxis></origin>
      <home_angle x="10" y="20" z="30"/><rzrobot_type>arm</rzrobot_type></item>
    <item/>
  </link>
  <item><model value="XY9-outside.obj"/></item>
</robot>)");
        RobotInfo info;
        QVERIFY(info.xmlParser(path));
        QCOMPARE(info.typeName, QStringLiteral("XY9"));
        QVERIFY(!info.dhOriginEmpty);
        QVERIFY(info.automakerDhOriginEmpty);
        // Exponent form reads as 1000; letters read as 0.
        QCOMPARE(info.dhOrigin.x, 1000.0f);
        QCOMPARE(info.dhOrigin.y, 0.0f);
        QCOMPARE(info.dhOrigin.z, -2.5f);
        QCOMPARE(info.items.size(), 3);
        QCOMPARE(info.items.at(0).homeAngle.y, 20.0f);
        QCOMPARE(info.items.at(0).typeText, QStringLiteral("arm"));
        QCOMPARE(info.items.at(1).model, QString()); // an empty item
        // An item outside the link element is still a link, in document order.
        QCOMPARE(info.items.at(2).model, QStringLiteral("XY9-outside.obj"));

        // Reading again replaces the items.
        QVERIFY(info.xmlParser(path));
        QCOMPARE(info.items.size(), 3);
    }

    void brokenAndMissingFiles()
    {
        RobotInfo info;
        QVERIFY(info.xmlParser(writeTestFile(m_dir.filePath("good.xml"),
                                             "<r><rzrobot_type value=\"A\"/><item/></r>")));

        MessageCapture capture;
        const QString missing = m_dir.filePath("missing.xml");
        QVERIFY(!info.xmlParser(missing));
        QVERIFY(capture.contains("RobotInfo::xmlParser Error: Can't open  " + missing));
        QCOMPARE(info.typeName, QStringLiteral("A")); // unchanged
        QCOMPARE(info.items.size(), 1);

        // Not XML: an empty document, no origin, no items, still true.
        for (const QByteArray& content :
             {QByteArray("this is not xml"), QByteArray("<robot><dh_origin x=\"1\"")}) {
            QVERIFY(info.xmlParser(writeTestFile(m_dir.filePath("broken.xml"), content)));
            QCOMPARE(info.typeName, QString());
            QVERIFY(info.dhOriginEmpty);
            QVERIFY(info.automakerDhOriginEmpty);
            QVERIFY(info.items.isEmpty());
        }
        QVERIFY(capture.contains("#Items: 0"));
    }
};

QTEST_GUILESS_MAIN(TestRobot)
#include "tst_robot.moc"
