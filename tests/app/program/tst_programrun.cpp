#include <QDate>
#include <QDir>
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

    struct Installation
    {
        QTemporaryDir dir;
        QString program() const { return dir.filePath(QStringLiteral("obxsetting")); }
        QString logFile() const
        {
            return dir.filePath(QStringLiteral("log/") +
                                QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
                                QStringLiteral(".log"));
        }
    };

    static bool copyTree(const QString& from, const QString& to)
    {
        QDir().mkpath(to);
        const QDir source(from);
        for (const QFileInfo& entry :
             source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString target = to + QLatin1Char('/') + entry.fileName();
            if (entry.isDir() ? !copyTree(entry.filePath(), target)
                              : !QFile::copy(entry.filePath(), target))
                return false;
        }
        return true;
    }

    // The program and its config folder are copied; the large asset folder
    // is shared through a link.
    static void install(Installation& installation)
    {
        const QString root = QStringLiteral(OBX_RUNTIME_DIR);
        QVERIFY(QFile::copy(root + QStringLiteral("/obxsetting"), installation.program()));
        QVERIFY(copyTree(root + QStringLiteral("/config"),
                         installation.dir.filePath(QStringLiteral("config"))));
        QVERIFY(QFile::link(root + QStringLiteral("/assets"),
                            installation.dir.filePath(QStringLiteral("assets"))));
    }

    static void start(const Installation& installation, QProcess& process)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   installation.dir.filePath(QStringLiteral("home")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(env);
        process.start(installation.program(), {});
        QVERIFY(process.waitForStarted());
    }

    static bool waitForLine(QProcess& process, const QByteArray& text, QByteArray& seen)
    {
        QDeadlineTimer deadline(90000);
        while (!deadline.hasExpired()) {
            process.waitForReadyRead(200);
            seen += process.readAllStandardError();
            if (seen.contains(text))
                return true;
            if (process.state() == QProcess::NotRunning) {
                seen += process.readAllStandardError();
                return seen.contains(text);
            }
        }
        return false;
    }

    // Asks until the window exists; the test's event loop keeps reading the
    // program's output meanwhile.
    static bool closeWindow()
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (QProcess::execute(QStringLiteral(OBX_BINARY_DIR "/tests/obx-test-closewindow"),
                                  {QStringLiteral("OXS Setting soft")}) == 0)
                return true;
            QTest::qWait(200);
        }
        return false;
    }

private slots:
    void closingAnUnchangedWindowEndsWithZeroAndTheLogTellsTheStartUp()
    {
        Installation installation;
        install(installation);
        QProcess program;
        start(installation, program);
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
        for (const char* line : {"InitializeApp -> OK", "MIREL connected: false",
                                 "DataProvider::initializeForTest -> OK", "InitializeSAFM -> OK",
                                 "MainWindow::showNormal"}) {
            const int found = text.indexOf(QLatin1String(line), position);
            QVERIFY2(found >= 0, line);
            position = found;
        }
    }

    void missingDefaultSetEndsWithOneAndNoWindow()
    {
        Installation installation;
        install(installation);
        QVERIFY(QFile::remove(
            installation.dir.filePath(QStringLiteral("config/parameter/default.txt"))));
        QProcess program;
        start(installation, program);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        const QByteArray log = program.readAllStandardError();
        QVERIFY(log.contains("InitializeSAFM -> NG"));
        QVERIFY(!log.contains("MainWindow::show"));
    }

    void unusableTemporaryFolderEndsWithOneAndSaysWhy()
    {
        Installation installation;
        install(installation);
        // A folder below a plain file can never be made.
        const QString blocker = installation.dir.filePath(QStringLiteral("blocker"));
        QFile(blocker).open(QIODevice::WriteOnly);
        QSettings ini(installation.dir.filePath(QStringLiteral("config/config.ini")),
                      QSettings::IniFormat);
        ini.setValue(QStringLiteral("ApplicationSettings/TmpPath"),
                     blocker + QStringLiteral("/tmp"));
        ini.sync();
        QProcess program;
        start(installation, program);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("Cannot create the temporary folder"));
    }

    void secondInstanceIsRefusedUntilTheFirstDies()
    {
        Installation installation;
        install(installation);
        QProcess first;
        start(installation, first);
        QByteArray firstLog;
        QVERIFY2(waitForLine(first, "InitializeApp -> OK", firstLog), firstLog.constData());

        QProcess second;
        start(installation, second);
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
