#include <QTemporaryDir>
#include <QtTest>

#include "messagecapture.h"
#include "testfiles.h"

#include "view3d/robotinfo.h"

// The robot description reader on broken and unusual descriptions (the
// shipped one is read by the robot's own tests).
class TestRobotInfo : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const char* name, const QByteArray& content)
    {
        return writeTestFile(m_dir.filePath(QLatin1String(name)), content);
    }

private slots:
    void unusualButReadableDocuments()
    {
        const QString path = write("odd.xml", R"(<robot>
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
        QVERIFY(info.xmlParser(write("good.xml", "<r><rzrobot_type value=\"A\"/><item/></r>")));

        MessageCapture capture;
        const QString missing = m_dir.filePath("missing.xml");
        QVERIFY(!info.xmlParser(missing));
        QVERIFY(capture.contains("RobotInfo::xmlParser Error: Can't open " + missing));
        QCOMPARE(info.typeName, QStringLiteral("A")); // unchanged
        QCOMPARE(info.items.size(), 1);

        // Not XML: an empty document, no origin, no items, still true.
        for (const QByteArray& content :
             {QByteArray("this is not xml"), QByteArray("<robot><dh_origin x=\"1\"")}) {
            QVERIFY(info.xmlParser(write("broken.xml", content)));
            QCOMPARE(info.typeName, QString());
            QVERIFY(info.dhOriginEmpty);
            QVERIFY(info.automakerDhOriginEmpty);
            QVERIFY(info.items.isEmpty());
        }
        QVERIFY(capture.contains("#Items: 0"));
    }
};

QTEST_GUILESS_MAIN(TestRobotInfo)
#include "tst_robotinfo.moc"
