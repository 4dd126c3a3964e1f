// The start-up's online branch: the controller switches and the two start-up
// faults, against a real FTP server and a simulated controller.

#include "app/startupsequence.h"
#include "dataproviderfixture.h"
#include "messagecapture.h"
#include "parameter/parameter.h"

#include <QApplication>
#include <QtTest>

class TestStartupOnline : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FtpServer m_server{QStringLiteral("tester"), QStringLiteral("tester")};
    SimulatedController* m_unit = nullptr;

    QString unitFile() const { return m_dir.filePath(QStringLiteral("unit.txt")); }

    // A fresh provider on a fresh simulated controller: the online decision
    // is made once per provider.
    void startController(const QByteArray& test, const QHash<QString, QString>& replies)
    {
        loadSettings(m_dir, "ParameterPath=" + m_dir.path().toUtf8() + "\n",
                     "MirelIPAddress=127.0.0.1\nMirelUser=tester\nMirelMaxRetryCount=0\n"
                     "FtpMaxRetryCount=0\nFtpTimeout_ms=5000\n",
                     test);
        DataProvider::destroyInstance();
        auto unit = std::make_unique<SimulatedController>();
        m_unit = unit.get();
        m_unit->ftpRoot = m_server.rootPath();
        m_unit->unitFile = unitFile();
        for (auto it = replies.begin(); it != replies.end(); ++it)
            m_unit->scripted[it.key()] << it.value();
        DataProvider::create(nullptr, std::move(unit), m_server.port());
    }

private slots:
    void initTestCase()
    {
        startControllerServer(m_server, m_dir);
        QVERIFY(writeImage(unitFile(), changedImage(3)));
    }

    void controllerSwitches_data()
    {
        QTest::addColumn<QString>("switchReply");
        QTest::addColumn<QByteArray>("fakeSwitch");
        QTest::addColumn<QString>("originReply");
        QTest::addColumn<bool>("vsfToAfm");
        QTest::addColumn<int>("origin");
        QTest::newRow("whole word ON") << "VSF ON" << QByteArray() << "ON" << true << -1;
        QTest::newRow("ONLINE is not ON") << "ONLINE" << QByteArray() << "OFF" << false << 0;
        QTest::newRow("forced on") << "OFF" << QByteArray("true") << "ONOFF" << true << 1;
        QTest::newRow("forced off") << "ON" << QByteArray("yes") << "mode OFF." << false << 0;
    }
    void controllerSwitches()
    {
        QFETCH(QString, switchReply);
        QFETCH(QByteArray, fakeSwitch);
        QFETCH(QString, originReply);
        QFETCH(bool, vsfToAfm);
        QFETCH(int, origin);
        startController("VSFtoAFM_SWName=VSF\nFakeVSFtoAFM=" + fakeSwitch + "\n",
                        {{QStringLiteral("sw VSF"), switchReply},
                         {QStringLiteral("SW ZTYDHORIGIN_MODEL"), originReply}});
        isVSFtoAFM = !vsfToAfm;
        dhOriginMode = 7;
        Parameter::instance()->masterImage().clear();
        QVERIFY(InitializeSAFM());
        QVERIFY(isOnline);
        QCOMPARE(isVSFtoAFM, vsfToAfm);
        QCOMPARE(dhOriginMode, origin);
        // The unit's set became the master data.
        QCOMPARE(Parameter::instance()->masterImage().i16At(userValueOffset), qint16(3));
    }

    void startUpFaultsEndTheStartUp_data()
    {
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<bool>("readsTheUnit");
        QTest::newRow("connection") << QByteArray("FakeInitialConnectionError") << false;
        QTest::newRow("read") << QByteArray("FakeInitialReadError") << true;
    }
    void startUpFaultsEndTheStartUp()
    {
        QFETCH(QByteArray, fault);
        QFETCH(bool, readsTheUnit);
        startController(fault + "=true\n", {});
        Parameter::instance()->masterImage().clear();
        MessageCapture log;
        QVERIFY(!InitializeSAFM());
        QVERIFY(log.contains(QString::fromLatin1(fault)));
        QVERIFY(log.contains(QStringLiteral("InitializeSAFM -> NG")));
        QCOMPARE(m_unit->count(QStringLiteral("ZSAFM_SAVE")) > 0, readsTheUnit);
        QCOMPARE(Parameter::instance()->masterImage(), ParameterImage()); // nothing committed
    }

    void cleanupTestCase() { DataProvider::destroyInstance(); }
};

QTEST_MAIN(TestStartupOnline)
#include "tst_startuponline.moc"
