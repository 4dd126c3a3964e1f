// The online workflows against a real FTP server and a simulated controller.

#include "app/core/interfaceutilities.h"
#include "dataproviderfixture.h"
#include "editedfile.h"
#include "ftpserver.h"
#include "imagecells.h"
#include "messagecapture.h"
#include "parameter/parameter.h"

#include <QTcpServer>
#include <QTcpSocket>
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
    QString serverPath(const char* path) const { return m_server.rootPath() + QLatin1String(path); }
    void loadTestSettings(const QByteArray& test = QByteArray(), int ftpTimeoutMs = 5000)
    {
        loadSettings(m_dir, "ParameterPath=" + m_dir.path().toUtf8() + "\n",
                     "MirelIPAddress=127.0.0.1\nMirelUser=tester\nMirelMaxRetryCount=2\n"
                     "MirelRetryWait_ms=10\nFtpMaxRetryCount=0\nFtpTimeout_ms=" +
                         QByteArray::number(ftpTimeoutMs) + "\n",
                     test);
    }
    // Before an operation: one parameter file in the controller's parameter
    // folder (user value 4), the store (applied 3 for writing), and the file
    // dialog's answer (that file, the controller's drive, or the unit).
    QString prepareOperation(const QString& operation, DialogAnswers& dialogs)
    {
        const QString folder = serverPath("/qordata/setting_app/Safetyparam");
        for (const QString& name : QDir(folder).entryList(QDir::Files))
            QFile::remove(folder + QLatin1Char('/') + name);
        writeImage(folder + QStringLiteral("/OBX_Safetyparam_20240101000000.txt"), changedImage(4));
        if (operation == QLatin1String("write")) {
            m_store->editImage() = changedImage(3);
            m_store->update(); // applied = 3, master = 1, unit = 2
        }
        const IO::FileDialog::Drive drive = operation == QLatin1String("robot data")
                                                ? IO::FileDialog::Orbilux
                                                : IO::FileDialog::CFast;
        dialogs.chooseFile = [drive](IO::FileDialog& dialog) { return dialog.drive() == drive; };
        if (operation == QLatin1String("open file"))
            dialogs.chooseFileNamed(QStringLiteral("OBX_Safetyparam_20240101000000.txt"));
        return folder;
    }

    // Runs an exchange operation by its name in the tables below.
    bool run(const QString& op)
    {
        return op == "read"          ? m_provider->readSAFM(nullptr)
               : op == "verify"      ? m_provider->verifySAFM(nullptr)
               : op == "write"       ? m_provider->writeSAFM(nullptr)
               : op == "password"    ? m_provider->setPass(nullptr)
               : op == "report"      ? m_provider->writeReport(nullptr)
               : op == "output file" ? m_provider->writeFile(nullptr)
               : op == "open file"   ? m_provider->readFile(nullptr)
                                     : m_provider->readRobotParam(nullptr);
    }

private slots:
    void initTestCase()
    {
        startControllerServer(m_server, m_dir);
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
        QVERIFY(QDir(serverPath("/qordata/setting_app/Safetyparam")).exists());
        QVERIFY(QDir(serverPath("/qordata/setting_app/Safetyreport")).exists());
        QVERIFY(QDir(serverPath("/qordata/setting_app/save")).exists());
        QVERIFY(!QDir(serverPath("/qordata/setting_app/save/Safetyparam")).exists());
        QVERIFY(log.contains(QStringLiteral("FtpClient::close")));
    }
    void init()
    {
        loadTestSettings();
        QVERIFY(writeImage(unitFile(), changedImage(2, QStringLiteral("QR6-0900"))));
        m_store->editImage() = changedImage(1);
        m_store->setMasterData(true);
        m_unit->requests.clear();
        m_unit->scripted.clear();
    }

    void startupRead_data()
    {
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("userValue"); // when read
        QTest::addColumn<int>("retryLines");
        QTest::addColumn<QStringList>("userReplies");
        auto row = [](const char* tag, const char* test, bool ok, int userValue, int retryLines,
                      const QStringList& userReplies = QStringList()) {
            QTest::newRow(tag) << QByteArray(test) << ok << userValue << retryLines << userReplies;
        };
        row("both parts from the unit", "", true, 2, 0);
        row("NG:R_SFPRMBIN: user part from default.txt", "", true, 1, 0, {"NG:R_SFPRMBIN"});
        row("FakeInitialReadCError", "FakeInitialReadCError=true\n", true, 1, 0);
        row("robot part NG:COMM", "FakeInitialReadRetryFail=R\n", false, 0, 2);
        row("user part NG:COMM", "FakeInitialReadRetryFail=c\n", false, 0, 2);
        row("transfer", "FakeInitialReadRetryFail=get\n", false, 0, 0);
    }
    void startupRead()
    {
        QFETCH(QByteArray, test);
        QFETCH(QStringList, userReplies);
        QFETCH(bool, ok);
        loadTestSettings(test);
        m_unit->scripted[QStringLiteral("ZSAFM_SAVE /SET_U safm_save_u.tmp")] = userReplies;
        BoxRecorder boxes;
        MessageCapture log;
        ParameterImage image;
        image.setI16At(userValueOffset, 4);
        const ParameterImage before = image;
        QCOMPARE(m_provider->readInitialSAFM(&image), ok);
        QTEST(int(log.messagesOf(QtWarningMsg).filter(QStringLiteral("after 10ms wait")).size()),
              "retryLines");
        if (ok) {
            QTEST(int(image.i16At(userValueOffset)), "userValue");
            QCOMPARE(image.textAt(robotTypeOffset), QStringLiteral("QR6-0900"));
            QCOMPARE(m_unit->requests.first(), QStringLiteral("ZSAFM_SAVE /SET_R safm_save_r.tmp"));
            QVERIFY(boxes.boxes.isEmpty());
        } else {
            QVERIFY(image == before);
            QCOMPARE(boxes.boxes.size(), 1);
            QCOMPARE(boxes.lastTitle(), QStringLiteral("Initial read error"));
            QCOMPARE(boxes.boxes.first().icon, int(QMessageBox::Critical));
        }
    }

    // The file texts the unit's set did not keep, of either part, come
    // with the set read at start-up.
    void startupReadKeepsUnkeptTexts()
    {
        ParameterImage unit = changedImage(2, QStringLiteral("QR6-0900"));
        QVERIFY(unit.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 0, 2));
        QVERIFY(unit.setF32(fieldNamed("DHPrmTh0"), 0, 0, 0.0f));
        QVERIFY(writeEditedFile(unitFile(), unit,
                                {{"UsrSafetyFilterTime", 0, 0, QStringLiteral("65538")},
                                 {"DHPrmTh0", 0, 0, QStringLiteral("abc")}}));
        ParameterImage image;
        UnkeptTexts texts;
        QVERIFY(m_provider->readInitialSAFM(&image, &texts));
        QVERIFY(image.areasEqual(unit));
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.textAt(image,
                              ParameterLayout::cellOffset(fieldNamed("UsrSafetyFilterTime"), 0, 0)),
                 QStringLiteral("65538"));
        QCOMPARE(texts.textAt(image, ParameterLayout::cellOffset(fieldNamed("DHPrmTh0"), 0, 0)),
                 QStringLiteral("abc"));
    }

    void monitorCommandRetries_data()
    {
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("sent");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QByteArray>("test");
        auto row = [](const char* tag, const QStringList& replies, bool result, int sent,
                      const char* reply, const char* test = "") {
            QTest::newRow(tag) << replies << result << sent << QString(reply) << QByteArray(test);
        };
        row("answered at once", {"OK 1"}, true, 1, "OK 1");
        row("COMM and SEMA retried", {"NG:COMM", "NG:SEMA", "OK"}, true, 3, "OK");
        row("retries run out", {"NG:COMM", "NG:COMM", "NG:SEMA", "OK"}, false, 3, "NG:SEMA");
        row("other NG code not retried", {"NG:ROBOTBUSY", "OK"}, false, 1, "NG:ROBOTBUSY");
        row("FakeConnectionError: nothing sent", {"OK"}, false, 0, "untouched",
            "FakeConnectionError=true\n");
    }
    void monitorCommandRetries()
    {
        QFETCH(QStringList, replies);
        QFETCH(QByteArray, test);
        QFETCH(bool, result);
        QFETCH(int, sent);
        const QString command = QStringLiteral("ZSAFM_VERSION");
        m_unit->scripted[command] = replies;
        loadTestSettings(test);
        MessageCapture log;
        QString reply = QStringLiteral("untouched");
        QCOMPARE(m_provider->executeMonitorMirel(command, &reply), result);
        QCOMPARE(int(m_unit->requests.size()), sent);
        QTEST(reply, "reply");
        for (int retry = 1; retry < sent; ++retry)
            QVERIFY(log.contains(QStringLiteral("Retry %1 after 10ms wait").arg(retry)));
        if (!result && sent > 0) {
            QCOMPARE(m_provider->errorRecord().errorCode, int(DataProvider::CommandError));
            QCOMPARE(m_provider->errorRecord().lastErrorText, reply);
            QVERIFY(log.contains(QStringLiteral("errorCode:")));
        }
    }

    // Every failing or refused operation: its result box, and neither the
    // store nor the unit changed.
    void failedOperations_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<QString>("user"); // what the person does differently
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("bodyPart");
        auto row = [](const QString& operation, const QByteArray& test, const QString& user,
                      const QString& title, const QString& bodyPart = QString()) {
            const QString detail = user.isEmpty() ? QString::fromLatin1(test.trimmed()) : user;
            QTest::newRow(qPrintable(operation + QLatin1Char(' ') + detail))
                << operation << test << user << title << bodyPart;
        };
        for (const char* key :
             {"FakeOBXReadRetryFail=SAVE", "FakeOBXReadRetryFail=get",
              "FakeOBXReadError=Connection", "FakeOBXReadError=format", "FakeOBXReadError=x"})
            row("read", QByteArray(key) + '\n', "", "Read Orbilux error");
        row("verify", "FakeOBXReadRetryFail=SAVE\n", "", "Verify Orbilux error");

        row("write", "", "wrong password", "Write Orbilux error", "NG:PASSWORD");
        row("write", "", "no password", "Write Orbilux canceled");
        row("write", "", "comparison cancelled", "Write Orbilux canceled");
        row("write", "FakeOBXPassRetryFail=chk\n", "", "Write Orbilux error", "NG:COMM");
        for (const char* step : {"save", "put", "load_chk", "get", "load_fix"})
            row("write", "FakeOBXWriteRetryFail=" + QByteArray(step) + '\n', "",
                "Write Orbilux error");
        row("write", "FakeOBXWriteError=robotbusy\n", "", "Write Orbilux error", "NG:ROBOTBUSY");
        row("write", "FakeOBXWriteError=CONNECTION\n", "", "Write Orbilux error");
        row("write", "FakeOBXWriteError=TIMEOUT\n", "", "Write Orbilux timed out");
        row("write", "FakeOBXWriteError=MTRON\n", "", "Write Orbilux canceled");

        row("password", "", "wrong password", "Change Password error");
        row("password", "FakeOBXPassRetryFail=chk\n", "", "Change Password error");
        row("password", "FakeOBXPassRetryFail=CHG\n", "", "Change Password error");

        row("report", "FakeSafetyReportWriteError=CONNECTION\n", "", "Write error",
            "Cannot communicate");
        row("report", "FakeSafetyReportWriteError=x\n", "", "Write error", "cannot be written");

        row("output file", "FakeFileOpRetryFail=put\n", "", "Output Parameter File error");
        row("open file", "FakeFileOpRetryFail=get\n", "", "Open File error");
        row("open file", "FakeFileOpRetryFail=getlist\n", "", "Open File error");
    }
    void failedOperations()
    {
        QFETCH(QString, operation);
        QFETCH(QByteArray, test);
        QFETCH(QString, user);
        QFETCH(QString, bodyPart);
        loadTestSettings(test);
        DialogAnswers dialogs;
        const QString folder = prepareOperation(operation, dialogs);
        const ParameterImage master = m_store->masterImage();
        const ParameterImage applied = m_store->appliedImage();
        BoxRecorder boxes;
        boxes.answers << true << false; // motors on: try once more, then give up
        dialogs.currentPassword = user == QLatin1String("wrong password") ? "wrong" : "secret";
        dialogs.acceptPassword = user != QLatin1String("no password");
        dialogs.acceptComparison = user != QLatin1String("comparison cancelled");
        MessageCapture log;

        QVERIFY(!run(operation));
        QTEST(boxes.lastTitle(), "title");
        QVERIFY2(boxes.lastText().contains(bodyPart), qPrintable(boxes.lastText()));
        QVERIFY(m_store->masterImage() == master);
        QVERIFY(m_store->appliedImage() == applied);
        QCOMPARE(readImage(unitFile()).i16At(userValueOffset), qint16(2));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
        if (test.contains("MTRON"))
            QCOMPARE(boxes.boxes.size(), 3); // asked twice to turn the motors off
        QVERIFY(!log.contains(QStringLiteral("secret")) && !log.contains(QStringLiteral("wrong")));
    }

    // Every operation that goes through: the unit's commands, the values the
    // user compared (unit, then store), the result box and the store after it
    // (unit: user value 2 and robot type QR6-0900; store: 1, or 3 applied for
    // writing; the controller's folder: 4).
    void completedOperations_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QStringList>("compared");
        QTest::addColumn<int>("boxCount");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("userValue");
        QTest::addColumn<QString>("robotType");
        auto row = [](const char* operation, const QStringList& requests,
                      const QStringList& compared, int boxCount, const char* title, int userValue,
                      const char* robotType = "QR6-0700") {
            QTest::newRow(operation) << QString(operation) << requests << compared << boxCount
                                     << QString(title) << userValue << QString(robotType);
        };
        const QString saveUser = QStringLiteral("ZSAFM_SAVE /SET_U safm_save_u.tmp");
        const QString check = QStringLiteral("ZSAFM_PASS /CHK secret");
        row("verify", {saveUser}, {"2", "1"}, 1, "Verify Orbilux completed", 1);
        row("read", {saveUser}, {}, 2, "Read Orbilux completed", 2); // confirmation, result
        row("write", {check, saveUser, "ZSAFM_LOAD /CHK safm_load.tmp", "ZSAFM_LOAD /FIX"},
            {"2", "3"}, 1, "Write Orbilux completed", 3);
        row("password", {check, "ZSAFM_PASS /CHG newsecret"}, {}, 1, "Change Password completed",
            1);
        row("report", {}, {}, 1, "Safety Report", 1);
        row("output file", {}, {}, 1, "Output Parameter File completed", 1);
        row("open file", {}, {}, 1, "Open File completed", 4);
        row("robot data", {"ZSAFM_SAVE /SET_R safm_save_r.tmp"}, {}, 1, "Read Robot Data completed",
            1, "QR6-0900");
    }
    void completedOperations()
    {
        QFETCH(QString, operation);
        DialogAnswers dialogs;
        const QString folder = prepareOperation(operation, dialogs);
        BoxRecorder boxes;
        QStringList robotTypes; // in the edit image when the 3D model goes and comes
        auto note = [&] { robotTypes << m_store->editImage().textAt(robotTypeOffset); };
        connect(m_provider, &DataProvider::robotModelUnloading, this, note);
        connect(m_provider, &DataProvider::robotModelChanged, this, note);
        MessageCapture log;

        const bool ok = run(operation);
        disconnect(m_provider, nullptr, this, nullptr);
        QVERIFY(ok);
        QTEST(m_unit->requests, "requests");
        QStringList compared;
        for (const IO::ComparisonView::Row& row : qAsConst(dialogs.comparedRows))
            compared << row.left << row.right;
        QTEST(compared, "compared");
        QTEST(int(boxes.boxes.size()), "boxCount");
        QTEST(boxes.lastTitle(), "title");
        QTEST(int(m_store->masterImage().i16At(userValueOffset)), "userValue");
        QTEST(m_store->masterImage().textAt(robotTypeOffset), "robotType");
        QVERIFY(m_store->appliedImage() == m_store->masterImage() &&
                m_store->editImage().areasEqual(m_store->masterImage()));
        QVERIFY(!log.contains(QStringLiteral("secret")));

        if (operation == "write") { // the unit runs the read-back, and a report is published
            QVERIFY(m_store->masterImage() == readImage(unitFile()));
            const QStringList reports = QDir(serverPath("/qordata/setting_app/Safetyreport"))
                                            .entryList({QStringLiteral("OBX_Safetyreport_*.txt")});
            QVERIFY(!reports.isEmpty());
            QVERIFY(boxes.lastText().contains(reports.last()));
        }
        if (operation == "report")
            QVERIFY(boxes.lastText().contains(
                QStringLiteral("/qordata/setting_app/Safetyreport/OBX_Safetyreport_")));
        if (operation == "output file")
            QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
        if (operation == "open file")
            QVERIFY(
                dialogs.listedFiles.contains(QStringLiteral("OBX_Safetyparam_20240101000000.txt")));
        if (operation == "robot data")
            QCOMPARE(robotTypes, (QStringList{"QR6-0700", "QR6-0900"}));
    }

    // A set with a value outside its limits reaches the unit only when the
    // user insists.
    void writeAsksAboutValuesOutsideLimits()
    {
        DialogAnswers dialogs;
        prepareOperation(QStringLiteral("write"), dialogs);
        const FieldDef* filterTime =
            ParameterLayout::findByName(QStringLiteral("UsrSafetyFilterTime"));
        QVERIFY(m_store->editImage().setI16(*filterTime, 0, 0, 0));
        m_store->update();
        const QByteArray unitSet = readTestFile(unitFile());
        BoxRecorder boxes;
        boxes.answers = {false};
        QVERIFY(!m_provider->writeSAFM(nullptr));
        QVERIFY(m_unit->requests.isEmpty());
        QCOMPARE(readTestFile(unitFile()), unitSet);
        QCOMPARE(boxes.boxes.size(), 2);
        QVERIFY(boxes.boxes[0].text.startsWith(
            QLatin1String("1 value outside its limits, 0 file texts not kept\n")));
        QCOMPARE(boxes.lastTitle(), boxes.boxes[0].title + QStringLiteral(" canceled"));
    }

    // Last, as it stops the server: the controller's FTP service stops
    // answering after the log-in.
    void transferTimeOutEndsTheOperation()
    {
        DataProvider::destroyInstance();
        loadTestSettings(QByteArray(), 300);
        const quint16 port = m_server.port();
        m_provider = DataProvider::create(nullptr, std::make_unique<SimulatedController>(), port);
        QVERIFY(m_provider->createRemoteDirectories());

        // The same port now accepts connections and never says a word.
        m_server.stop();
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, port));
        QList<QTcpSocket*> accepted;
        connect(&silent, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket* socket = silent.nextPendingConnection())
                accepted << socket;
        });

        BoxRecorder boxes;
        QVERIFY(!m_provider->readSAFM(nullptr));
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Read Orbilux timed out"));
        QCOMPARE(boxes.lastText(), QStringLiteral("The controller did not answer in time.\n") +
                                       systemErrorText(1460, 0x409));
        QCOMPARE(m_provider->errorRecord().errorCode, int(DataProvider::TimeoutError));
        QCOMPARE(m_provider->errorRecord().source, int(DataProviderErrorRecord::FtpSource));
        QVERIFY(m_store->masterImage() == changedImage(1));
        QVERIFY(!accepted.isEmpty());
    }
};

QTEST_MAIN(TestDataProviderOnline)
#include "tst_dataprovider_online.moc"
