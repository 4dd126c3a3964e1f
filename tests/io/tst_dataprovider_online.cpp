// The online workflows against a real FTP server and a simulated controller.

#include "dataproviderfixture.h"
#include "ftpserver.h"
#include "messagecapture.h"
#include "parameter/parameter.h"

#include <QSignalSpy>
#include <QtTest>

class TestDataProviderOnline : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FtpServer m_server{QStringLiteral("tester"), QStringLiteral("tester")};
    SimulatedController* m_unit = nullptr;
    DataProvider* m_provider = nullptr;
    Parameter* m_store = nullptr;

    QString unitFile() const { return m_dir.filePath(QStringLiteral("unit.txt")); }
    QString serverPath(const QString& path) const { return m_server.rootPath() + path; }
    void loadTestSettings(const QByteArray& test = QByteArray())
    {
        loadSettings(m_dir, "ParameterPath=" + m_dir.path().toUtf8() + "\n",
                     "MirelIPAddress=127.0.0.1\nMirelUser=tester\nMirelMaxRetryCount=2\n"
                     "MirelRetryWait_ms=10\nFtpTimeout_ms=5000\nFtpMaxRetryCount=0\n",
                     test);
    }
    // All three images of the store hold `image`.
    void setStore(const ParameterImage& image)
    {
        m_store->editImage() = image;
        m_store->setMasterData(true);
    }
    void checkStoreUnchanged(const ParameterImage& image)
    {
        QVERIFY(m_store->masterImage() == image);
        QVERIFY(m_store->appliedImage() == image);
    }

private slots:
    void initTestCase()
    {
        for (const char* name : {"ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
        QVERIFY(installEnglish());
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
        // The controller's own folders.
        QVERIFY(QDir(m_server.rootPath()).mkpath(QStringLiteral("tmp")));
        QVERIFY(QDir(m_server.rootPath()).mkpath(QStringLiteral("qordata")));
        QVERIFY(QFile::copy(QStringLiteral(OBX_SOURCE_DIR "/config/parameter/default.txt"),
                            m_dir.filePath(QStringLiteral("default.txt"))));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("local")));
        localTmpDir = m_dir.filePath(QStringLiteral("local/"));
        loadTestSettings();

        auto unit = std::make_unique<SimulatedController>();
        m_unit = unit.get();
        m_unit->ftpRoot = m_server.rootPath();
        m_unit->unitFile = unitFile();
        m_provider = DataProvider::create(nullptr, std::move(unit), m_server.port());
        m_store = Parameter::instance();

        MessageCapture log;
        QVERIFY(m_provider->createRemoteDirectories());
        QVERIFY(isOnline && m_provider->online());
        for (const char* folder :
             {"/qordata/setting_app/save/Safetyparam", "/qordata/setting_app/save/Safetyreport"})
            QVERIFY(QDir(serverPath(QLatin1String(folder))).exists());
        QVERIFY(log.contains(QStringLiteral("FtpClient::close")));
    }
    void init()
    {
        loadTestSettings();
        QVERIFY(writeImage(unitFile(), changedImage(2)));
        setStore(changedImage(1));
        m_unit->requests.clear();
        m_unit->scripted.clear();
    }

    void startupReadsRobotAndUserPart_data()
    {
        QTest::addColumn<QStringList>("userReplies");
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<qint16>("userValue");
        QTest::newRow("both parts from the unit") << QStringList() << QByteArray() << qint16(2);
        QTest::newRow("NG:R_SFPRMBIN: user part from default.txt")
            << QStringList{QStringLiteral("NG:R_SFPRMBIN")} << QByteArray() << qint16(1);
        QTest::newRow("FakeInitialReadCError")
            << QStringList() << QByteArray("FakeInitialReadCError=true\n") << qint16(1);
    }
    void startupReadsRobotAndUserPart()
    {
        QFETCH(QStringList, userReplies);
        QFETCH(QByteArray, test);
        QFETCH(qint16, userValue);
        loadTestSettings(test);
        QVERIFY(writeImage(unitFile(), changedImage(2, QStringLiteral("QR6-0900"))));
        m_unit->scripted[QStringLiteral("ZSAFM_SAVE /SET_U safm_save_u.tmp")] = userReplies;
        BoxRecorder boxes;
        ParameterImage image;
        QVERIFY(m_provider->readInitialSAFM(&image));
        QCOMPARE(image.textAt(robotTypeOffset), QStringLiteral("QR6-0900"));
        QCOMPARE(image.i16At(userValueOffset), userValue);
        QCOMPARE(m_unit->requests.first(), QStringLiteral("ZSAFM_SAVE /SET_R safm_save_r.tmp"));
        QVERIFY(boxes.boxes.isEmpty());
    }

    void startupReadFailureEndsWithItsBox_data()
    {
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<int>("retryLines");
        QTest::newRow("robot part NG:COMM") << QByteArray("FakeInitialReadRetryFail=R\n") << 2;
        QTest::newRow("user part NG:COMM") << QByteArray("FakeInitialReadRetryFail=c\n") << 2;
        QTest::newRow("transfer") << QByteArray("FakeInitialReadRetryFail=get\n") << 0;
    }
    void startupReadFailureEndsWithItsBox()
    {
        QFETCH(QByteArray, test);
        loadTestSettings(test);
        BoxRecorder boxes;
        MessageCapture log;
        ParameterImage image;
        image.setI16At(userValueOffset, 4);
        const ParameterImage before = image;
        QVERIFY(!m_provider->readInitialSAFM(&image));
        QVERIFY(image == before);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Initial read error"));
        QCOMPARE(boxes.boxes.first().icon, int(QMessageBox::Critical));
        QTEST(int(log.messagesOf(QtWarningMsg).filter(QStringLiteral("after 10ms wait")).size()),
              "retryLines");
    }

    void monitorCommandRetries_data()
    {
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("reply");
        QTest::newRow("answered at once") << QStringList{"OK 1"} << true << 1 << "OK 1";
        QTest::newRow("COMM and SEMA retried")
            << QStringList{"NG:COMM", "NG:SEMA", "OK"} << true << 3 << "OK";
        QTest::newRow("retries run out")
            << QStringList{"NG:COMM", "NG:COMM", "NG:SEMA", "OK"} << false << 3 << "NG:SEMA";
        QTest::newRow("other NG code not retried")
            << QStringList{"NG:ROBOTBUSY", "OK"} << false << 1 << "NG:ROBOTBUSY";
        QTest::newRow("FakeConnectionError: nothing sent")
            << QStringList{"OK"} << false << 0 << "untouched";
    }
    void monitorCommandRetries()
    {
        QFETCH(QStringList, replies);
        const QString command = QStringLiteral("ZSAFM_VERSION");
        m_unit->scripted[command] = replies;
        if (QTest::currentDataTag() == QLatin1String("FakeConnectionError: nothing sent"))
            loadTestSettings("FakeConnectionError=true\n");
        MessageCapture log;
        QString reply = QStringLiteral("untouched");
        QTEST(m_provider->executeMonitorMirel(command, &reply), "result");
        QTEST(int(m_unit->requests.size()), "sent");
        QTEST(reply, "reply");
        QFETCH(int, sent);
        for (int retry = 1; retry < sent; ++retry)
            QVERIFY(log.contains(QStringLiteral("Retry %1 after 10ms wait").arg(retry)));
        QFETCH(bool, result);
        if (!result && sent > 0) {
            QCOMPARE(m_provider->errorRecord().errorCode, int(DataProvider::CommandError));
            QCOMPARE(m_provider->errorRecord().lastErrorText, reply);
            QVERIFY(log.contains(QStringLiteral("errorCode:")));
        }
    }

    void readAndVerifyUnit_data()
    {
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<QString>("title");
        QTest::newRow("good") << QByteArray() << "completed";
        QTest::newRow("save fails") << QByteArray("FakeOBXReadRetryFail=SAVE\n") << "error";
        QTest::newRow("transfer fails") << QByteArray("FakeOBXReadRetryFail=get\n") << "error";
        QTest::newRow("connection") << QByteArray("FakeOBXReadError=Connection\n") << "error";
        QTest::newRow("format") << QByteArray("FakeOBXReadError=format\n") << "error";
        QTest::newRow("read") << QByteArray("FakeOBXReadError=x\n") << "error";
    }
    void readAndVerifyUnit()
    {
        QFETCH(QByteArray, test);
        QFETCH(QString, title);
        loadTestSettings(test);
        const bool good = title == QLatin1String("completed");
        const ParameterImage before = m_store->masterImage();
        BoxRecorder boxes;
        DialogAnswers dialogs;

        QCOMPARE(m_provider->verifySAFM(nullptr), good);
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Verify Orbilux ") + title);
        QCOMPARE(dialogs.comparisons, good ? 1 : 0);
        if (good) {
            QCOMPARE(dialogs.comparedRows.size(), 1);
            QCOMPARE(dialogs.comparedRows.first().left, QStringLiteral("2"));
            QCOMPARE(dialogs.comparedRows.first().right, QStringLiteral("1"));
        }
        checkStoreUnchanged(before);

        boxes.boxes.clear();
        QCOMPARE(m_provider->readSAFM(nullptr), good);
        QCOMPARE(boxes.boxes.size(), 2); // the confirmation, then the result
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Read Orbilux ") + title);
        if (good) {
            QCOMPARE(m_store->masterImage().i16At(userValueOffset), qint16(2));
            QVERIFY(m_store->appliedImage() == m_store->masterImage());
            QVERIFY(m_store->editImage() == m_store->masterImage());
        } else {
            checkStoreUnchanged(before);
        }
    }

    void writeUnitWithReadBack()
    {
        ParameterImage edited = changedImage(3);
        m_store->editImage() = edited;
        m_store->update(); // applied = 3, master = 1, unit = 2
        BoxRecorder boxes;
        DialogAnswers dialogs;
        MessageCapture log;
        QVERIFY(m_provider->writeSAFM(nullptr));

        QCOMPARE(m_unit->requests,
                 (QStringList{"ZSAFM_PASS /CHK secret", "ZSAFM_SAVE /SET_U safm_save_u.tmp",
                              "ZSAFM_LOAD /CHK safm_load.tmp", "ZSAFM_LOAD /FIX"}));
        // The user confirmed the unit's present value against the read-back.
        QCOMPARE(dialogs.comparedRows.size(), 1);
        QCOMPARE(dialogs.comparedRows.first().left, QStringLiteral("2"));
        QCOMPARE(dialogs.comparedRows.first().right, QStringLiteral("3"));
        QCOMPARE(readImage(unitFile()).i16At(userValueOffset), qint16(3));
        QVERIFY(m_store->masterImage() == readImage(unitFile()));
        QVERIFY(m_store->appliedImage() == m_store->masterImage());
        QCOMPARE(m_store->editImage().i16At(userValueOffset), qint16(3));

        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Write Orbilux completed"));
        const QStringList reports = QDir(serverPath("/qordata/setting_app/save/Safetyreport"))
                                        .entryList({QStringLiteral("OBX_Safetyreport_*.txt")});
        QVERIFY(!reports.isEmpty());
        QVERIFY(boxes.lastText().contains(reports.last()));
        for (const QString& line : log.messages())
            QVERIFY2(!line.contains(QLatin1String("secret")), qPrintable(line));
    }

    void failedWriteLeavesTheStore_data()
    {
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("acceptView");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("bodyPart");
        const QString ok = QStringLiteral("secret");
        QTest::newRow("wrong password") << QByteArray() << "wrong" << true << "error"
                                        << "NG:PASSWORD";
        QTest::newRow("password cancelled") << QByteArray() << "" << true << "canceled"
                                            << "";
        QTest::newRow("comparison cancelled") << QByteArray() << ok << false << "canceled"
                                              << "";
        QTest::newRow("pass check fails")
            << QByteArray("FakeOBXPassRetryFail=chk\n") << ok << true << "error"
            << "NG:COMM";
        for (const char* step : {"save", "put", "load_chk", "get", "load_fix"})
            QTest::newRow(step) << QByteArray("FakeOBXWriteRetryFail=") + step + "\n"
                                << ok << true << "error"
                                << "";
        QTest::newRow("robot busy")
            << QByteArray("FakeOBXWriteError=robotbusy\n") << ok << true << "error"
            << "NG:ROBOTBUSY";
        QTest::newRow("connection")
            << QByteArray("FakeOBXWriteError=CONNECTION\n") << ok << true << "error"
            << "";
        QTest::newRow("time limit")
            << QByteArray("FakeOBXWriteError=TIMEOUT\n") << ok << true << "timed out"
            << "";
        QTest::newRow("motors stay on")
            << QByteArray("FakeOBXWriteError=MTRON\n") << ok << true << "canceled"
            << "";
    }
    void failedWriteLeavesTheStore()
    {
        QFETCH(QByteArray, test);
        QFETCH(QString, password);
        QFETCH(QString, title);
        QFETCH(QString, bodyPart);
        loadTestSettings(test);
        m_store->editImage() = changedImage(3);
        m_store->update();
        const ParameterImage master = m_store->masterImage();
        const ParameterImage applied = m_store->appliedImage();
        BoxRecorder boxes;
        boxes.answers << true << false; // motors on: try once more, then give up
        DialogAnswers dialogs;
        dialogs.currentPassword = password;
        dialogs.acceptPassword = !password.isEmpty();
        QFETCH(bool, acceptView);
        dialogs.acceptComparison = acceptView;

        QVERIFY(!m_provider->writeSAFM(nullptr));
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Write Orbilux ") + title);
        QVERIFY(boxes.lastText().contains(bodyPart));
        QVERIFY(m_store->masterImage() == master);
        QVERIFY(m_store->appliedImage() == applied);
        QCOMPARE(readImage(unitFile()).i16At(userValueOffset), qint16(2));
        if (QTest::currentDataTag() == QLatin1String("motors stay on"))
            QCOMPARE(boxes.boxes.size(), 3); // asked twice to turn the motors off
    }

    void changePassword_data()
    {
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("title");
        const QString check = QStringLiteral("ZSAFM_PASS /CHK secret");
        const QString change = QStringLiteral("ZSAFM_PASS /CHG newsecret");
        QTest::newRow("changed") << QByteArray() << "secret" << QStringList{check, change}
                                 << "completed";
        QTest::newRow("wrong current password")
            << QByteArray() << "wrong" << QStringList{"ZSAFM_PASS /CHK wrong"} << "error";
        QTest::newRow("check fails")
            << QByteArray("FakeOBXPassRetryFail=chk\n") << "secret" << QStringList() << "error";
        QTest::newRow("change fails") << QByteArray("FakeOBXPassRetryFail=CHG\n") << "secret"
                                      << QStringList{check} << "error";
    }
    void changePassword()
    {
        QFETCH(QByteArray, test);
        QFETCH(QString, current);
        QFETCH(QString, title);
        loadTestSettings(test);
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.currentPassword = current;
        MessageCapture log;
        QCOMPARE(m_provider->setPass(nullptr), title == QLatin1String("completed"));
        QTEST(m_unit->requests, "sent");
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Change Password ") + title);
        for (const QString& line : log.messages())
            QVERIFY2(!line.contains(QLatin1String("secret")) &&
                         !line.contains(QLatin1String("wrong")),
                     qPrintable(line));
    }

    void publishReport_data()
    {
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("bodyPart");
        QTest::newRow("published") << QByteArray() << "Safety Report"
                                   << "/qordata/setting_app/save/Safetyreport/OBX_Safetyreport_";
        QTest::newRow("connection")
            << QByteArray("FakeSafetyReportWriteError=CONNECTION\n") << "Write error"
            << "Cannot communicate";
        QTest::newRow("write") << QByteArray("FakeSafetyReportWriteError=x\n") << "Write error"
                               << "cannot be written";
    }
    void publishReport()
    {
        QFETCH(QByteArray, test);
        QFETCH(QString, title);
        QFETCH(QString, bodyPart);
        loadTestSettings(test);
        BoxRecorder boxes;
        QCOMPARE(m_provider->writeReport(nullptr), test.isEmpty());
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.lastTitle(), title);
        QVERIFY2(boxes.lastText().contains(bodyPart), qPrintable(boxes.lastText()));
    }

    void filesInTheControllersFolder_data()
    {
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("read");
        QTest::newRow("good") << QByteArray() << true << true;
        QTest::newRow("put fails") << QByteArray("FakeFileOpRetryFail=put\n") << false << true;
        QTest::newRow("get fails") << QByteArray("FakeFileOpRetryFail=get\n") << true << false;
        QTest::newRow("listing fails")
            << QByteArray("FakeFileOpRetryFail=getlist\n") << false << false;
    }
    void filesInTheControllersFolder()
    {
        QFETCH(QByteArray, test);
        QFETCH(bool, written);
        QFETCH(bool, read);
        const QString folder = serverPath("/qordata/setting_app/save/Safetyparam");
        for (const QString& name : QDir(folder).entryList(QDir::Files))
            QFile::remove(folder + QLatin1Char('/') + name);
        QVERIFY(writeImage(folder + QStringLiteral("/OBX_Safetyparam_20240101000000.txt"),
                           changedImage(4)));
        loadTestSettings(test);
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFile = [](IO::FileDialog& dialog) {
            return dialog.drive() == IO::FileDialog::CFast;
        };
        QCOMPARE(m_provider->writeFile(nullptr), written);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), written ? 2 : 1);
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Output Parameter File ") +
                                        QLatin1String(written ? "completed" : "error"));

        dialogs.chooseFile = [](IO::FileDialog& dialog) {
            dialog.setFileName(QStringLiteral("OBX_Safetyparam_20240101000000.txt"));
            return true;
        };
        QCOMPARE(m_provider->readFile(nullptr), read);
        QCOMPARE(m_store->masterImage().i16At(userValueOffset), qint16(read ? 4 : 1));
        if (read)
            QVERIFY(
                dialogs.listedFiles.contains(QStringLiteral("OBX_Safetyparam_20240101000000.txt")));
    }

    void robotDataFromTheUnit()
    {
        QVERIFY(writeImage(unitFile(), changedImage(2, QStringLiteral("QR6-0900"))));
        BoxRecorder boxes;
        DialogAnswers dialogs;
        dialogs.chooseFile = [](IO::FileDialog& dialog) {
            return dialog.drive() == IO::FileDialog::Orbilux;
        };
        QStringList order;
        connect(m_provider, &DataProvider::robotModelUnloading, this,
                [&] { order << m_store->editImage().textAt(robotTypeOffset); });
        connect(m_provider, &DataProvider::robotModelChanged, this,
                [&] { order << m_store->editImage().textAt(robotTypeOffset); });
        QVERIFY(m_provider->readRobotParam(nullptr));
        disconnect(m_provider, nullptr, this, nullptr);
        QCOMPARE(order, (QStringList{"QR6-0700", "QR6-0900"}));
        QCOMPARE(m_unit->requests, QStringList{"ZSAFM_SAVE /SET_R safm_save_r.tmp"});
        QCOMPARE(m_store->masterImage().textAt(robotTypeOffset), QStringLiteral("QR6-0900"));
        QCOMPARE(m_store->masterImage().i16At(userValueOffset), qint16(1)); // robot part only
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Read Robot Data completed"));
    }
};

QTEST_MAIN(TestDataProviderOnline)
#include "tst_dataprovider_online.moc"
