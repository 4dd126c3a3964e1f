#include "app/core/setting.h"
#include "fakemirelcontroller.h"
#include "io/controllerlogin.h"
#include "io/mirelclient.h"
#include "io/monitorcommandmask.h"
#include "io/monitorfeeduse.h"
#include "messagecapture.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>

class TestMirelClient : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeMirelController* m_fake = nullptr; // owned by the adapter

    void loadSettings(const QByteArray& network, const QByteArray& test = QByteArray())
    {
        loadSettingsFile(m_dir.filePath(QStringLiteral("config.ini")),
                         "[Network]\n" + network + "[Test]\n" + test);
    }
    // An adapter connected to a fresh fake controller, m_fake.
    IO::MirelClient* connectedClient()
    {
        auto controller = std::make_unique<FakeMirelController>();
        m_fake = controller.get();
        return new IO::MirelClient(std::move(controller));
    }
    static void tick(IO::MirelClient* client)
    {
        QVERIFY(QMetaObject::invokeMethod(client, "updateMonitorData"));
    }
    static MirelRzShmRz2IfSafmMon sampleRecord(float base)
    {
        MirelRzShmRz2IfSafmMon record = {};
        for (int i = 0; i < 18; ++i)
            record.jointPv[i] = base + i;
        record.channel[1].flangePosition[2] = base * 2;
        return record;
    }

private slots:
    void init()
    {
        Setting::instance()->resetToDefaults();
        std::memset(jointPos, 0, sizeof jointPos);
        *const_cast<MirelRzShmRz2IfSafmMon*>(IO::MirelClient::monitorRecord()) = {};
    }

    void useCountRunsTheTimer()
    {
        QScopedPointer<IO::MirelClient> client(connectedClient());
        client->stopUpdate(); // never below 0
        QCOMPARE(client->updateUseCount(), 0);
        client->startUpdate();
        client->startUpdate();
        client->stopUpdate();
        QVERIFY(client->isUpdating());
        client->stopUpdate();
        QVERIFY(!client->isUpdating());

        // The first user after a stop starts it again, and the timer ticks.
        QSignalSpy spy(client.data(), &IO::MirelClient::monitorDataUpdated);
        m_fake->publish(sampleRecord(7.0f));
        client->startUpdate();
        QVERIFY(spy.wait());
        QCOMPARE(jointPos[0], 7.0f);
    }

    void feedUseMovesTheCountByOneAtMost()
    {
        QScopedPointer<IO::MirelClient> client(connectedClient());
        IO::MonitorFeedUse view;
        {
            IO::MonitorFeedUse screen;
            screen.take();
            screen.take(); // shown twice
            view.take();
            QCOMPARE(client->updateUseCount(), 2);
            view.release();
            view.release(); // hidden twice: the screen keeps its count
            QCOMPARE(client->updateUseCount(), 1);
            QVERIFY(client->isUpdating());
        } // the screen's destruction releases its hold
        QCOMPARE(client->updateUseCount(), 0);
        view.take();
        client.reset(); // a client that goes first leaves nothing to release
        QVERIFY(!view.isTaken());
        view.release();
    }

    void connectionUsesTheControllerLogin_data()
    {
        QTest::addColumn<QByteArray>("network");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("user");
        QTest::newRow("empty settings keep the start values")
            << QByteArray("MirelIPAddress=\n") << QString("127.0.0.2") << QString("operator");
        QTest::newRow("settings") << QByteArray("MirelIPAddress=127.0.0.1\nMirelUser=robot\n")
                                  << QString("127.0.0.1") << QString("robot");
    }
    void connectionUsesTheControllerLogin()
    {
        QFETCH(QByteArray, network);
        QFETCH(QString, address);
        QFETCH(QString, user);
        IO::controllerAddress = QStringLiteral("127.0.0.2");
        IO::ftpUserName = IO::ftpPassword = QStringLiteral("operator");
        loadSettings(network);
        IO::takeControllerLoginSettings();
        MessageCapture log;
        QScopedPointer<IO::MirelClient> client(connectedClient());
        QVERIFY(client->isConnected());
        QVERIFY(!log.contains(user)); // nor the password, the same
        QCOMPARE(QStringList({m_fake->address, m_fake->user, m_fake->password}),
                 QStringList({address, user, user}));
        QCOMPARE(IO::MirelClient::instance(), client.data());
        client.reset();
        QCOMPARE(IO::MirelClient::instance(), nullptr);
    }

    void offline_data()
    {
        QTest::addColumn<bool>("withTransport");
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QByteArray>("test");
        QTest::newRow("no transport") << false << "no messaging transport" << QByteArray();
        QTest::newRow("refused") << true << "AUTHENTICATION_FAILED" << QByteArray();
        QTest::newRow("random monitoring data")
            << false << "no messaging transport" << QByteArray("RandomMonitoringData=true\n");
        QTest::newRow("3D joint values")
            << false << "no messaging transport" << QByteArray("Test3DJointValue=true\n");
    }
    void offline()
    {
        QFETCH(bool, withTransport);
        QFETCH(QString, logged);
        QFETCH(QByteArray, test);
        loadSettings(QByteArray(), test);
        MessageCapture log;
        std::unique_ptr<FakeMirelController> fake;
        if (withTransport) {
            fake = std::make_unique<FakeMirelController>();
            fake->connectResult = IO::MirelTransport::AuthenticationFailed;
        }
        IO::MirelClient client(std::move(fake));
        QVERIFY(!client.isConnected());
        QVERIFY(log.contains(logged)); // the failure is logged by name

        // Nothing is sent, the reply stays, the cause is named.
        QString reply = QStringLiteral("untouched");
        QVERIFY(!client.executeMonitorCommand(QStringLiteral("ZSAFM_VERSION"), &reply));
        QCOMPARE(reply, QStringLiteral("untouched"));
        QVERIFY(log.messagesOf(QtWarningMsg).last().contains(QLatin1String("NOT_CONNECTED")));

        // The tick still reports. The joint values stay the 3D view's unless
        // a test setting simulates the unit.
        jointPos[0] = 12.0f;
        QSignalSpy spy(&client, &IO::MirelClient::monitorDataUpdated);
        tick(&client);
        QCOMPARE(spy.count(), 1);
        if (test.isEmpty()) {
            QCOMPARE(jointPos[0], 12.0f);
            return;
        }
        float first[18];
        std::memcpy(first, jointPos, sizeof first);
        tick(&client);
        const MirelRzShmRz2IfSafmMon* record = IO::MirelClient::monitorRecord();
        bool moved = false;
        for (int i = 0; i < 18; ++i) {
            QCOMPARE(jointPos[i], record->jointPv[i]);
            QVERIFY(std::isfinite(jointPos[i]) && std::fabs(jointPos[i]) <= 180.0f);
            moved = moved || jointPos[i] != first[i];
        }
        QVERIFY(moved);
        QVERIFY(record->networkStatusLed <= 5 && record->moduleStatusLed <= 5);
        for (float value : record->channel[1].flangePosition)
            QVERIFY(std::isfinite(value));
    }

    void monitorCommandsGoToTheCommandService()
    {
        loadSettings("MirelExecServiceTimeout_ms=2500\n");
        QScopedPointer<IO::MirelClient> client(connectedClient());
        MessageCapture log;
        m_fake->answers.insert(QStringLiteral("ZSAFM_VERSION"),
                               {IO::MirelTransport::Ok, QStringLiteral("A1\nB1\nC1")});
        m_fake->answers.insert(QStringLiteral("ZSAFM_SAVE /SET_U safm_save_u.tmp"),
                               {IO::MirelTransport::Ok, QStringLiteral("NG:COMM")});
        m_fake->answers.insert(QStringLiteral("ZSAFM_OVERRIDE ON"),
                               {IO::MirelTransport::Timeout, QString()});

        QString reply;
        QVERIFY(client->executeMonitorCommand(QStringLiteral("ZSAFM_VERSION"), &reply));
        QCOMPARE(reply, QStringLiteral("A1\nB1\nC1"));
        // An "NG:" reply is an answer; the caller judges it.
        QVERIFY(client->executeMonitorCommand(QStringLiteral("ZSAFM_SAVE /SET_U safm_save_u.tmp"),
                                              &reply, 500));
        QCOMPARE(reply, QStringLiteral("NG:COMM"));
        QCOMPARE(m_fake->timeouts, (QList<int>{2500, 500}));

        QVERIFY(!client->executeMonitorCommand(QStringLiteral("ZSAFM_OVERRIDE ON"), &reply));
        QCOMPARE(reply, QStringLiteral("NG:COMM"));
        QVERIFY(log.messagesOf(QtWarningMsg).last().contains(QLatin1String("TIMEOUT")));
        QVERIFY(log.messagesOf(QtWarningMsg).last().endsWith(QLatin1String("NG")));

        // A password goes out whole but is logged masked, answered or not.
        const QString pass = QStringLiteral("ZSAFM_PASS /CHG secret1 secret2");
        QVERIFY(client->executeMonitorCommand(pass, &reply));
        m_fake->answers.insert(pass, {IO::MirelTransport::ReceiveFailed, QString()});
        QVERIFY(!client->executeMonitorCommand(pass, &reply));
        QCOMPARE(m_fake->requests.mid(3), (QStringList{pass, pass}));
        QVERIFY(log.contains(QStringLiteral("ZSAFM_PASS /CHG ********")));
        QVERIFY(!log.contains(QStringLiteral("secret")));
    }

    void numericSettingsFallBackToDefaults_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("timeout");
        QTest::newRow("empty") << QByteArray() << 10000;
        QTest::newRow("blank around digits") << QByteArray(" 42 ") << 42;
        QTest::newRow("sign") << QByteArray("+5") << 10000;
        QTest::newRow("negative") << QByteArray("-5") << 10000;
        QTest::newRow("fraction") << QByteArray("1.5") << 10000;
        QTest::newRow("hexadecimal") << QByteArray("0x10") << 10000;
        QTest::newRow("beyond int") << QByteArray("99999999999999999999999") << 2147483647;
    }
    void numericSettingsFallBackToDefaults()
    {
        QFETCH(QByteArray, value);
        loadSettings("MirelExecServiceTimeout_ms=\"" + value + "\"\n");
        IO::MirelClient client;
        QTEST(client.serviceTimeoutMs(), "timeout");
    }

    void passwordCommandsAreMasked_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("shown");
        auto row = [](const char* tag, const char* command, const char* shown) {
            QTest::newRow(tag) << QString(command) << QString(shown);
        };
        row("check", "ZSAFM_PASS /CHK secret1", "ZSAFM_PASS /CHK ********");
        row("change", "ZSAFM_PASS /CHG secret1 secret2", "ZSAFM_PASS /CHG ********");
        row("lower case, extra blanks", "  zsafm_pass   /chk   secret1",
            "  zsafm_pass   /chk ********");
        row("password glued to switch", "ZSAFM_PASS /CHKsecret1", "ZSAFM_PASS ********");
        row("unknown switch", "ZSAFM_PASS /X secret1", "ZSAFM_PASS ********");
        row("no password", "ZSAFM_PASS /CHK ", "ZSAFM_PASS /CHK ");
        row("line break", "ZSAFM_PASS /CHK a\nsecret1", "ZSAFM_PASS /CHK ********");
        row("other command", "ZSAFM_SAVE /SET_U safm_save_u.tmp",
            "ZSAFM_SAVE /SET_U safm_save_u.tmp");
    }
    void passwordCommandsAreMasked()
    {
        QFETCH(QString, command);
        QTEST(IO::maskMonitorCommand(command), "shown");
    }

    void tickCopiesTheNewestMessage()
    {
        loadSettings(QByteArray(), "LogFlangePosition=true\n");
        QScopedPointer<IO::MirelClient> client(connectedClient());
        QSignalSpy spy(client.data(), &IO::MirelClient::monitorDataUpdated);
        m_fake->publish(sampleRecord(1.0f));
        m_fake->publish(sampleRecord(50.0f)); // only the newest counts
        MessageCapture log;
        tick(client.data());
        QCOMPARE(spy.count(), 1);
        const auto* record = spy.at(0).at(0).value<const MirelRzShmRz2IfSafmMon*>();
        QCOMPARE(record, IO::MirelClient::monitorRecord());
        const MirelRzShmRz2IfSafmMon expected = sampleRecord(50.0f);
        QCOMPARE(std::memcmp(record, &expected, sizeof expected), 0);
        for (int i = 0; i < 18; ++i)
            QCOMPARE(jointPos[i], 50.0f + i);
        QVERIFY(log.contains(QStringLiteral("flangePosition A: 0 0 0 B: 0 0 100")));

        // Nothing new: the record keeps its content and is announced again.
        tick(client.data());
        QCOMPARE(spy.count(), 2);
        QCOMPARE(std::memcmp(record, &expected, sizeof expected), 0);

        // A message of another size is not a record.
        m_fake->publishBytes(QByteArray(771, '\x7f'));
        tick(client.data());
        QCOMPARE(std::memcmp(record, &expected, sizeof expected), 0);
        QVERIFY(log.contains(QStringLiteral("size: 771")));

        // Once the connection is gone the joint values belong to the 3D view.
        m_fake->dropConnection();
        m_fake->publish(sampleRecord(90.0f));
        jointPos[3] = -1.0f;
        tick(client.data());
        QCOMPARE(jointPos[3], -1.0f);
    }
};

QTEST_MAIN(TestMirelClient)
#include "tst_mirelclient.moc"
