#include "app/core/logging.h"
#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "testfiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The fatal case must end the process, so the cases that log through the
// handler in earnest run in a child: the test binary started again with
// OBX_FATAL_LOG_DIR or OBX_UNWRITABLE_LOG_DIR set. The unwritable one logs
// three lines into a folder that cannot hold files.
static int childMain(const QByteArray& dir, bool fatal)
{
    logDirectory = QString::fromLocal8Bit(dir);
    qInstallMessageHandler(LogMessageHandler);
    if (fatal)
        qFatal("fatal reason %d", 42);
    for (int i = 0; i < 3; ++i)
        qInfo("line %d", i);
    return 0;
}

class TestLogging : public QObject
{
    Q_OBJECT

    static void runChild(QProcess& child, const char* variable, const QString& dir)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QLatin1String(variable), dir);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
    }

private slots:
    // The other kinds are read back from the file below and from the fatal run.
    void criticalLineFormat()
    {
        const QDateTime time(QDate(2026, 1, 2), QTime(3, 4, 5, 6));
        QCOMPARE(Logging::formatLine(QtCriticalMsg, time, QStringLiteral("text")),
                 QStringLiteral("[2026-01-02T03:04:05.006] Critical -- : text"));
    }

    void handlerAppendsUtf8LinesToTheFileOfTheDay()
    {
        QTemporaryDir dir;
        logDirectory = dir.path();
        const QString expectedFile = dir.filePath(QDate::currentDate().toString("yyyyMMdd'.log'"));
        QCOMPARE(Logging::logFilePath(QDate::currentDate()), expectedFile);

        qInstallMessageHandler(LogMessageHandler);
        qDebug() << "dropped";
        qInfo().noquote() << QString::fromUtf8("first \xe3\x83\xad\xe3\x82\xb0");
        qWarning().noquote() << "second";
        qInstallMessageHandler(nullptr);

        const QByteArray raw = readTestFile(expectedFile);
        QVERIFY(!raw.contains('\r'));
        QVERIFY(!raw.startsWith("\xef\xbb\xbf"));
        const QStringList lines = QString::fromUtf8(raw).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3); // two lines, each ended by one line feed
        QVERIFY(lines.last().isEmpty());
        // Today's date and the time to the millisecond.
        const QRegularExpression stamp(QDate::currentDate().toString("'^\\['yyyy-MM-dd") +
                                       "T\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\] ");
        QVERIFY(stamp.match(lines[0]).hasMatch() && stamp.match(lines[1]).hasMatch());
        QVERIFY(lines[0].endsWith(QString::fromUtf8("Info -- : first \xe3\x83\xad\xe3\x82\xb0")));
        QVERIFY(lines[1].endsWith(QLatin1String("Warning -- : second")));
    }

    void logDirectoryFromSetting_data()
    {
        QTest::addColumn<QString>("logPath");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const char* path, const char* expected) {
            QTest::newRow(tag) << QString(path) << QString(expected);
        };
        row("empty uses temporary folder", "", "TMP");
        row("two separators lose one", "DIR/logs//", "DIR/logs/");
        row("backslash", "DIR/logs\\", "DIR/logs");
        row("environment", "%OBX_TEST_LOG_ROOT%/x", "DIR/x");
    }
    void logDirectoryFromSetting()
    {
        QFETCH(QString, logPath);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        qputenv("OBX_TEST_LOG_ROOT", dir.path().toLocal8Bit());
        localTmpDir = dir.path() + QStringLiteral("/tmp/");
        logPath.replace(QLatin1String("DIR"), dir.path());
        expected.replace(QLatin1String("TMP"), dir.path() + QStringLiteral("/tmp"));
        expected.replace(QLatin1String("DIR"), dir.path());
        // As at start-up: the folder comes from the settings file.
        loadSettingsFile(
            dir.filePath(QStringLiteral("config.ini")),
            "[ApplicationSettings]\nLogPath=" + logPath.toUtf8().replace('\\', "\\\\") + "\n");
        QVERIFY(CreateLogDirectory(Setting::instance()->value(QStringLiteral("LogPath"))));
        QCOMPARE(logDirectory, expected);
        QVERIFY(QFileInfo(expected).isDir());
    }

    void nothingUsableNeverMeansTheRoot()
    {
        localTmpDir.clear();
        Setting::instance()->resetToDefaults();
        QVERIFY(CreateLogDirectory(QStringLiteral("/")));
        QCOMPARE(logDirectory, QCoreApplication::applicationDirPath() + QStringLiteral("/log"));
        QDir(logDirectory).removeRecursively();
    }

    void unwritableLogFolderIsToldOnceAndLinesStillReachTheConsole()
    {
        QTemporaryDir dir;
        // A "folder" that is a plain file: no file can be made in it, even
        // by root.
        const QString blocker = dir.filePath(QStringLiteral("blocker"));
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        QProcess child;
        runChild(child, "OBX_UNWRITABLE_LOG_DIR", blocker);
        QCOMPARE(child.exitCode(), 0);
        const QString err = QString::fromLocal8Bit(child.readAllStandardError());
        QCOMPARE(err.count(QLatin1String("Cannot write the log file")), 1);
        QVERIFY(err.contains(QLatin1String("Info -- : line 2")));
    }

    void fatalMessageReachesTheFileAndEndsTheProcess()
    {
        QTemporaryDir dir;
        QProcess child;
        runChild(child, "OBX_FATAL_LOG_DIR", dir.path());
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        QVERIFY(QString::fromLocal8Bit(child.readAllStandardError())
                    .contains(QLatin1String("Fatal -- : fatal reason 42")));
        const QString file =
            dir.filePath(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + ".log");
        QVERIFY(readTestFile(file).contains("Fatal -- : fatal reason 42"));
    }
};

int main(int argc, char** argv)
{
    for (const bool fatal : {true, false}) {
        const QByteArray dir = qgetenv(fatal ? "OBX_FATAL_LOG_DIR" : "OBX_UNWRITABLE_LOG_DIR");
        if (!dir.isEmpty())
            return childMain(dir, fatal);
    }
    QCoreApplication app(argc, argv);
    TestLogging test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logging.moc"
