#include "app/core/setting.h"
#include "fakemirelcontroller.h"
#include "io/controllerlogin.h"
#include "io/mirelclient.h"
#include "io/monitorcommandmask.h"
#include "messagecapture.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>

class TestMirelClient : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    void loadSettings(const QByteArray& network, const QByteArray& test = QByteArray())
    {
        const QString path = m_dir.filePath(QStringLiteral("config.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Network]\n" + network + "[Test]\n" + test);
        file.close();
        Setting::instance()->load(path);
    }
    // Adapter connected to a fake controller; fake stays owned by the client.
    static IO::MirelClient* connectedClient(FakeMirelController** fake, QObject* parent)
    {
        auto controller = std::make_unique<FakeMirelController>();
        *fake = controller.get();
        return new IO::MirelClient(std::move(controller), parent);
    }
    static void tick(IO::MirelClient* client)
    {
        QVERIFY(QMetaObject::invokeMethod(client, "updateMonitorData"));
    }
    static MirelRzShmRz2IfSafmMon sampleRecord(float base)
    {
        MirelRzShmRz2IfSafmMon record = {};
        for (int i = 0; i < 18; ++i) {
            record.jointPv[i] = base + i;
            record.jointSv[i] = base - i;
        }
        record.overrideState = 1;
        record.channel[1].toolNumber = 3;
        record.channel[1].flangePosition[2] = base * 2;
        return record;
    }
    static MirelRzShmRz2IfSafmMon& sharedRecord()
    {
        return *const_cast<MirelRzShmRz2IfSafmMon*>(IO::MirelClient::monitorRecord());
    }

private slots:
    void init()
    {
        Setting::instance()->resetToDefaults();
        std::memset(jointPos, 0, sizeof jointPos);
        sharedRecord() = MirelRzShmRz2IfSafmMon{};
    }

    void recordFieldsSitAtTheUnitsOffsets()
    {
        // Bytes laid out as the unit sends them, read back through the fields.
        QByteArray bytes(772, '\0');
        auto putFloat = [&](int offset, float value) {
            std::memcpy(bytes.data() + offset, &value, 4);
        };
        auto putWord = [&](int offset, quint32 value) {
            std::memcpy(bytes.data() + offset, &value, 4);
        };
        putFloat(0, 1.5f);
        putFloat(68, 18.5f);
        putFloat(72, -2.5f);
        bytes[144] = 4;
        bytes[145] = 5;
        bytes[146] = 1;
        for (int c = 0; c < 2; ++c) {
            const int block = c == 0 ? 148 : 460;
            putWord(block + 0, 0x11u + c);
            putWord(block + 52, 0x22u + c);
            putWord(block + 56, 0x33u + c);
            putWord(block + 72, 0x44u + c);
            bytes[block + 112] = char(0x55 + c);
            bytes[block + 161] = char(0x66 + c);
            bytes[block + 162] = char(7 + c);
            putFloat(block + 164, 100.0f + c);
            putFloat(block + 168, 200.0f + c);
            putFloat(block + 172, 300.0f + c);
            putWord(block + 180, 0x77u + c);
            putWord(block + 244, 0x88u + c);
            putWord(block + 304, 0x99u + c);
            bytes[block + 308] = char(9 + c);
        }
        MirelRzShmRz2IfSafmMon record;
        std::memcpy(&record, bytes.constData(), sizeof record);
        QCOMPARE(record.jointPv[0], 1.5f);
        QCOMPARE(record.jointPv[17], 18.5f);
        QCOMPARE(record.jointSv[0], -2.5f);
        QCOMPARE(int(record.networkStatusLed), 4);
        QCOMPARE(int(record.moduleStatusLed), 5);
        QCOMPARE(int(record.overrideState), 1);
        for (int c = 0; c < 2; ++c) {
            const MirelRzShmRz2IfSafmMonChannel& block = record.channel[c];
            QCOMPARE(block.safetyInputs[0], 0x11u + c);
            QCOMPARE(block.safetyInputs[13], 0x22u + c);
            QCOMPARE(block.safetyOutputs[0], 0x33u + c);
            QCOMPARE(block.safetyOutputs[4], 0x44u + c); // internal output stream
            QCOMPARE(int(block.logicResults[0]), 0x55 + c);
            QCOMPARE(int(block.logicResults[49]), 0x66 + c);
            QCOMPARE(int(block.currentToolIndex), 7 + c);
            QCOMPARE(block.flangePosition[0], 100.0f + c);
            QCOMPARE(block.flangePosition[1], 200.0f + c);
            QCOMPARE(block.flangePosition[2], 300.0f + c);
            QCOMPARE(block.areaArmModelMask[0], 0x77u + c);
            QCOMPARE(block.areaToolModelMask[0], 0x88u + c);
            QCOMPARE(block.areaToolModelMask[15], 0x99u + c);
            QCOMPARE(int(block.toolNumber), 9 + c);
        }
    }

    void useCountRunsTheTimer()
    {
        IO::MirelClient client;
        QVERIFY(!client.isUpdating());
        client.stopUpdate(); // never below 0
        QCOMPARE(client.updateUseCount(), 0);
        client.startUpdate();
        QVERIFY(client.isUpdating());
        client.startUpdate();
        client.stopUpdate();
        QVERIFY(client.isUpdating());
        client.stopUpdate();
        QVERIFY(!client.isUpdating());
        client.stopUpdate();
        QCOMPARE(client.updateUseCount(), 0);
        client.startUpdate(); // the first user after a stop starts it again
        QVERIFY(client.isUpdating());
    }

    void connectionUsesTheControllerLogin()
    {
        IO::controllerAddress = QStringLiteral("127.0.0.1");
        IO::ftpUserName = QStringLiteral("operator");
        IO::ftpPassword = QStringLiteral("pw-1");
        FakeMirelController* fake = nullptr;
        MessageCapture log;
        QScopedPointer<IO::MirelClient> client(connectedClient(&fake, nullptr));
        QVERIFY(client->isConnected());
        for (const QString& line : log.messages())
            QVERIFY2(!line.contains(QLatin1String("operator")) &&
                         !line.contains(QLatin1String("pw-1")),
                     qPrintable(line));
        QCOMPARE(IO::MirelClient::instance(), client.data());
        QCOMPARE(fake->address, QStringLiteral("127.0.0.1"));
        QCOMPARE(fake->user, QStringLiteral("operator"));
        QCOMPARE(fake->password, QStringLiteral("pw-1"));
        QCOMPARE(fake->services, QStringList{QStringLiteral("sRZ_MONITOR_COMMAND:1.1.0")});
        QCOMPARE(fake->topics, QStringList{QStringLiteral("tSAFM_MONITOR:1.0.0")});
        client.reset();
        QCOMPARE(IO::MirelClient::instance(), nullptr);
    }

    void controllerLoginTakesNonEmptySettings_data()
    {
        QTest::addColumn<QByteArray>("network");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("user");
        QTest::newRow("empty keep start values") << QByteArray() << "192.168.0.2"
                                                 << "qzoper";
        QTest::newRow("set") << QByteArray("MirelIPAddress=127.0.0.1\nMirelUser=robot\n")
                             << "127.0.0.1"
                             << "robot";
    }
    void controllerLoginTakesNonEmptySettings()
    {
        QFETCH(QByteArray, network);
        QFETCH(QString, user);
        IO::controllerAddress = QStringLiteral("192.168.0.2");
        IO::ftpUserName = IO::ftpPassword = QStringLiteral("qzoper");
        loadSettings(network);
        IO::takeControllerLoginSettings();
        QTEST(IO::controllerAddress, "address");
        QCOMPARE(IO::ftpUserName, user);
        QCOMPARE(IO::ftpPassword, user);
    }

    void failedConnectionIsLoggedByName_data()
    {
        QTest::addColumn<bool>("withTransport");
        QTest::addColumn<QString>("logged");
        QTest::newRow("no transport") << false << "no messaging transport";
        QTest::newRow("refused") << true << "AUTHENTICATION_FAILED";
    }
    void failedConnectionIsLoggedByName()
    {
        QFETCH(bool, withTransport);
        MessageCapture log;
        std::unique_ptr<FakeMirelController> fake;
        if (withTransport) {
            fake = std::make_unique<FakeMirelController>();
            fake->connectResult = IO::MirelTransport::AuthenticationFailed;
        }
        IO::MirelClient client(std::move(fake));
        QVERIFY(!client.isConnected());
        QFETCH(QString, logged);
        QVERIFY(log.contains(logged));

        // Offline: nothing is sent, the reply stays, the cause is named.
        QString reply = QStringLiteral("untouched");
        QVERIFY(!client.executeMonitorCommand(QStringLiteral("ZSAFM_VERSION"), &reply));
        QCOMPARE(reply, QStringLiteral("untouched"));
        QVERIFY(log.messagesOf(QtWarningMsg).last().contains(QLatin1String("NOT_CONNECTED")));

        // The tick still reports, but the joint values stay the 3D view's.
        jointPos[0] = 12.0f;
        QSignalSpy spy(&client, &IO::MirelClient::monitorDataUpdated);
        tick(&client);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(jointPos[0], 12.0f);
    }

    void monitorCommandsGoToTheCommandService()
    {
        loadSettings("MirelExecServiceTimeout_ms=2500\n");
        FakeMirelController* fake = nullptr;
        QScopedPointer<IO::MirelClient> client(connectedClient(&fake, nullptr));
        QCOMPARE(client->serviceTimeoutMs(), 2500);
        fake->answers.insert(QStringLiteral("ZSAFM_VERSION"),
                             {IO::MirelTransport::Ok, QStringLiteral("A1\nB1\nC1")});
        fake->answers.insert(QStringLiteral("ZSAFM_SAVE /SET_U safm_save_u.tmp"),
                             {IO::MirelTransport::Ok, QStringLiteral("NG:COMM")});
        fake->answers.insert(QStringLiteral("ZSAFM_OVERRIDE ON"),
                             {IO::MirelTransport::Timeout, QString()});

        QString reply;
        QVERIFY(client->executeMonitorCommand(QStringLiteral("ZSAFM_VERSION"), &reply));
        QCOMPARE(reply, QStringLiteral("A1\nB1\nC1"));
        // An "NG:" reply is an answer; the caller judges it.
        QVERIFY(client->executeMonitorCommand(QStringLiteral("ZSAFM_SAVE /SET_U safm_save_u.tmp"),
                                              &reply, 500));
        QCOMPARE(reply, QStringLiteral("NG:COMM"));
        QCOMPARE(fake->timeouts, (QList<int>{2500, 500}));

        MessageCapture log;
        QVERIFY(!client->executeMonitorCommand(QStringLiteral("ZSAFM_OVERRIDE ON"), &reply));
        QCOMPARE(reply, QStringLiteral("NG:COMM"));
        QVERIFY(log.messagesOf(QtWarningMsg).last().contains(QLatin1String("TIMEOUT")));
        QVERIFY(log.messagesOf(QtWarningMsg).last().endsWith(QLatin1String("NG")));
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
        QTest::newRow("beyond int") << QByteArray("99999999999999999999999") << 2147483647;
    }
    void numericSettingsFallBackToDefaults()
    {
        QFETCH(QByteArray, value);
        loadSettings("MirelExecServiceTimeout_ms=\"" + value + "\"\n");
        IO::MirelClient client;
        QTEST(client.serviceTimeoutMs(), "timeout");
        QCOMPARE(client.maxRetryCount(), 3);
        QCOMPARE(client.retryWaitMs(), 100);
    }

    void passwordCommandsAreMasked_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("shown");
        QTest::newRow("check") << "ZSAFM_PASS /CHK secret1"
                               << "ZSAFM_PASS /CHK ********";
        QTest::newRow("change") << "ZSAFM_PASS /CHG secret1 secret2"
                                << "ZSAFM_PASS /CHG ********";
        QTest::newRow("lower case, extra blanks") << "  zsafm_pass   /chk   secret1"
                                                  << "  zsafm_pass   /chk ********";
        QTest::newRow("password glued to switch") << "ZSAFM_PASS /CHKsecret1"
                                                  << "ZSAFM_PASS ********";
        QTest::newRow("unknown switch") << "ZSAFM_PASS /X secret1"
                                        << "ZSAFM_PASS ********";
        QTest::newRow("no password") << "ZSAFM_PASS /CHK "
                                     << "ZSAFM_PASS /CHK ";
        QTest::newRow("line break") << "ZSAFM_PASS /CHK a\nsecret1"
                                    << "ZSAFM_PASS /CHK ********";
        QTest::newRow("other command") << "ZSAFM_SAVE /SET_U safm_save_u.tmp"
                                       << "ZSAFM_SAVE /SET_U safm_save_u.tmp";
    }
    void passwordCommandsAreMasked()
    {
        QFETCH(QString, command);
        QTEST(IO::maskMonitorCommand(command), "shown");

        // The adapter sends the whole command but logs only the masked one,
        // whether the command succeeds or not.
        FakeMirelController* fake = nullptr;
        QScopedPointer<IO::MirelClient> client(connectedClient(&fake, nullptr));
        MessageCapture log;
        QString reply;
        QVERIFY(client->executeMonitorCommand(command, &reply));
        fake->answers.insert(command, {IO::MirelTransport::ReceiveFailed, QString()});
        QVERIFY(!client->executeMonitorCommand(command, &reply));
        QCOMPARE(fake->requests.first(), command);
        QCOMPARE(log.messages().size(), 2);
        for (const QString& line : log.messages())
            QVERIFY2(!line.contains(QLatin1String("secret")), qPrintable(line));
    }

    void tickCopiesTheNewestMessage()
    {
        FakeMirelController* fake = nullptr;
        QScopedPointer<IO::MirelClient> client(connectedClient(&fake, nullptr));
        QSignalSpy spy(client.data(), &IO::MirelClient::monitorDataUpdated);
        fake->publish(sampleRecord(1.0f));
        fake->publish(sampleRecord(50.0f)); // only the newest counts
        tick(client.data());
        QCOMPARE(spy.count(), 1);
        const auto* record = spy.at(0).at(0).value<const MirelRzShmRz2IfSafmMon*>();
        QCOMPARE(record, IO::MirelClient::monitorRecord());
        const MirelRzShmRz2IfSafmMon expected = sampleRecord(50.0f);
        QCOMPARE(std::memcmp(record, &expected, sizeof expected), 0);
        for (int i = 0; i < 18; ++i)
            QCOMPARE(jointPos[i], 50.0f + i);

        // Nothing new: the record keeps its content and is announced again.
        tick(client.data());
        QCOMPARE(spy.count(), 2);
        QCOMPARE(std::memcmp(record, &expected, sizeof expected), 0);

        // A message of another size is not a record.
        MessageCapture log;
        fake->publishBytes(QByteArray(771, '\x7f'));
        tick(client.data());
        QCOMPARE(std::memcmp(record, &expected, sizeof expected), 0);
        QVERIFY(log.contains(QStringLiteral("size: 771")));

        // Once the connection is gone the joint values belong to the 3D view.
        fake->dropConnection();
        fake->publish(sampleRecord(90.0f));
        jointPos[3] = -1.0f;
        tick(client.data());
        QCOMPARE(jointPos[3], -1.0f);
    }

    void timerDrivesTheTick()
    {
        FakeMirelController* fake = nullptr;
        QScopedPointer<IO::MirelClient> client(connectedClient(&fake, nullptr));
        QSignalSpy spy(client.data(), &IO::MirelClient::monitorDataUpdated);
        fake->publish(sampleRecord(7.0f));
        client->startUpdate();
        QVERIFY(spy.wait());
        QCOMPARE(jointPos[0], 7.0f);
        client->stopUpdate();
    }

    void testSettingsFeedSimulatedData_data()
    {
        QTest::addColumn<QByteArray>("test");
        QTest::newRow("random monitoring data") << QByteArray("RandomMonitoringData=true\n");
        QTest::newRow("3D joint values") << QByteArray("Test3DJointValue=true\n");
    }
    void testSettingsFeedSimulatedData()
    {
        QFETCH(QByteArray, test);
        loadSettings(QByteArray(), test);
        IO::MirelClient client; // offline
        tick(&client);
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
        for (const MirelRzShmRz2IfSafmMonChannel& channel : record->channel)
            for (float value : channel.flangePosition)
                QVERIFY(std::isfinite(value));
    }

    void flangePositionIsLoggedOnRequest()
    {
        loadSettings(QByteArray(), "LogFlangePosition=true\n");
        FakeMirelController* fake = nullptr;
        QScopedPointer<IO::MirelClient> client(connectedClient(&fake, nullptr));
        fake->publish(sampleRecord(4.0f));
        MessageCapture log;
        tick(client.data());
        QVERIFY(log.contains(QStringLiteral("flangePosition A: 0 0 0 B: 0 0 8")));
    }
};

QTEST_MAIN(TestMirelClient)
#include "tst_mirelclient.moc"
