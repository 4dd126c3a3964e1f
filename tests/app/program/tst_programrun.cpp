#include <QDate>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// Runs copies of the installed program tree offline under Xvfb, as a user
// would start it, and checks exit codes and the day's log.
class TestProgramRun : public QObject
{
    Q_OBJECT

    // A copy of the program and its config folder; the large asset folder is
    // shared through a link.
    struct Installation
    {
        QTemporaryDir dir;
        Installation()
        {
            const QString root = QStringLiteral(OBX_RUNTIME_DIR);
            QVERIFY(QFile::copy(root + "/obxsetting", program()));
            QCOMPARE(QProcess::execute("cp", {"-r", root + "/config", dir.path()}), 0);
            QVERIFY(QFile::link(root + "/assets", dir.filePath("assets")));
            QVERIFY(QDir().mkdir(runtimeDir()));
            QFile::setPermissions(runtimeDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);
        }
        QString program() const { return dir.filePath(QStringLiteral("obxsetting")); }
        QString runtimeDir() const { return dir.filePath(QStringLiteral("runtime")); }
        QString logFile() const
        {
            return dir.filePath(QDate::currentDate().toString("'log/'yyyyMMdd'.log'"));
        }
    };

    // runtimeDir: where the instance lock lives, the installation's own by
    // default.
    static void start(const Installation& installation, QProcess& process,
                      const QStringList& arguments = {}, const QString& runtimeDir = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   installation.dir.filePath(QStringLiteral("home")));
        // The instance lock lives in the runtime folder; each test run gets
        // its own so that parallel tests and a running copy do not meet.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                   runtimeDir.isEmpty() ? installation.runtimeDir() : runtimeDir);
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(installation.program(), arguments);
        QVERIFY(process.waitForStarted());
    }

    // Reads the program's log until a line holds the text or the program ends.
    static bool waitForLine(QProcess& process, const QByteArray& text, QByteArray& seen)
    {
        const QDeadlineTimer deadline(90000);
        do {
            process.waitForReadyRead(200);
            seen += process.readAllStandardError();
        } while (!seen.contains(text) && process.state() != QProcess::NotRunning &&
                 !deadline.hasExpired());
        return (seen += process.readAllStandardError()).contains(text);
    }

    // Asks until a window with the title exists; the test's event loop keeps
    // reading the program's output meanwhile.
    static bool closeWindow(const QString& title = QStringLiteral("OXS Setting soft"))
    {
        const QDeadlineTimer deadline(60000);
        while (QProcess::execute(QStringLiteral(OBX_BINARY_DIR "/tests/obx-test-closewindow"),
                                 {title}) != 0) {
            if (deadline.hasExpired())
                return false;
            QTest::qWait(200);
        }
        return true;
    }

private slots:
    // Also with the 3D view hidden ("-o"): the robot then loads while the
    // view has no GL context.
    void closingAnUnchangedWindowEndsWithZeroAndTheLogTellsTheStartUp_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addRow("plain") << QStringList();
        QTest::addRow("-o") << QStringList{"-o"};
    }

    void closingAnUnchangedWindowEndsWithZeroAndTheLogTellsTheStartUp()
    {
        QFETCH(QStringList, arguments);
        Installation installation;
        QProcess program;
        start(installation, program, arguments);
        QByteArray log;
        QVERIFY2(waitForLine(program, "MainWindow::showNormal", log), log.constData());
        QVERIFY(closeWindow());
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QFile file(installation.logFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        int position = 0;
        for (const char* line :
             {"InitializeApp -> OK", "MIREL connected: false",
              "DataProvider::initializeForTest -> OK", "InitializeSAFM -> OK",
              "GLWidget::loadRobot", "Robot 3D model: QR6-0700", "MainWindow::showNormal"}) {
            const int found = text.indexOf(QLatin1String(line), position);
            QVERIFY2(found >= 0, line);
            position = found;
        }
    }

    // A default set that cannot be read is told in a box before the end;
    // a folder that cannot be made ends before any window can be shown.
    void brokenInstallationEndsWithOne_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("logged");
        QTest::addColumn<bool>("box");
        QTest::newRow("missing default set")
            << "missing" << QByteArray("InitializeSAFM -> NG") << true;
        QTest::newRow("corrupt default set")
            << "corrupt" << QByteArray("InitializeSAFM -> NG") << true;
        QTest::newRow("no parameter path") << "path" << QByteArray("InitializeSAFM -> NG") << true;
        QTest::newRow("unusable temporary folder")
            << "tmp" << QByteArray("Cannot create the temporary folder") << false;
    }
    void brokenInstallationEndsWithOne()
    {
        QFETCH(QString, fault);
        QFETCH(QByteArray, logged);
        QFETCH(bool, box);
        Installation installation;
        const QString defaultSet = installation.dir.filePath("config/parameter/default.txt");
        QSettings ini(installation.dir.filePath("config/config.ini"), QSettings::IniFormat);
        if (fault == "missing") {
            QVERIFY(QFile::remove(defaultSet));
        } else if (fault == "corrupt") {
            QFile file(defaultSet);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(file.size() / 2);
            file.write("corrupt");
        } else if (fault == "path") {
            ini.remove("ApplicationSettings/ParameterPath");
        } else {
            // A folder below a plain file can never be made.
            const QString blocker = installation.dir.filePath("blocker");
            QFile(blocker).open(QIODevice::WriteOnly);
            ini.setValue("ApplicationSettings/TmpPath", blocker + "/tmp");
        }
        ini.sync();
        QProcess program;
        start(installation, program);
        QByteArray log;
        QVERIFY2(waitForLine(program, logged, log), log.constData());
        if (box)
            QVERIFY(closeWindow(QStringLiteral("Start-up error")));
        QVERIFY(program.state() == QProcess::NotRunning || program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        log += program.readAllStandardError();
        QVERIFY(!log.contains("MainWindow::show"));
    }

    void secondInstanceIsRefusedUntilTheFirstDies()
    {
        Installation installation;
        QProcess first;
        start(installation, first);
        QByteArray firstLog;
        QVERIFY2(waitForLine(first, "InitializeApp -> OK", firstLog), firstLog.constData());

        // A copy installed in another folder is the same program.
        Installation otherCopy;
        QProcess second;
        start(otherCopy, second, {}, installation.runtimeDir());
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 1);
        const QByteArray secondLog = second.readAllStandardError();
        QVERIFY(secondLog.contains("Warning -- : Cannot start more than one instance"));
        QVERIFY(!secondLog.contains("InitializeApp -> OK"));

        // A crashed first instance must not lock the user out.
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(30000));
        QProcess third;
        start(installation, third);
        QByteArray thirdLog;
        QVERIFY2(waitForLine(third, "InitializeApp -> OK", thirdLog), thirdLog.constData());
        third.kill();
        third.waitForFinished(30000);
    }
};

QTEST_GUILESS_MAIN(TestProgramRun)
#include "tst_programrun.moc"
