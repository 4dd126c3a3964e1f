#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "defaultimage.h"
#include "editedfile.h"
#include "testfiles.h"

#include <sys/stat.h>
#include <unistd.h>

// "obxsetting --export-report SET OUT" as a script runs it: no display, the
// running program's single-instance lock held, the plan view drawn, and its
// exit codes.
class TestReportCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    struct Result
    {
        int code = -1; // -1 still running, -2 crashed
        QByteArray out;
        QByteArray err;
    };

    // The program (or a wrapper that starts it) with no display and the
    // given variables added.
    Result start(const QString& program, const QStringList& arguments,
                 const QList<QPair<QString, QString>>& variables = {})
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        for (const auto& [name, value] : variables)
            env.insert(name, value);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.path());
        process.start(program, arguments);
        Result result;
        if (!process.waitForFinished(120000))
            return result;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        return result;
    }

    static QString program() { return QStringLiteral(OBX_RUNTIME_DIR "/obxsetting"); }

    int run(const QStringList& arguments, QByteArray* errors = nullptr)
    {
        const Result result =
            start(program(), QStringList{QStringLiteral("--export-report")} + arguments);
        if (errors)
            *errors = result.err;
        return result.code;
    }

    static QString pdfText(const QString& path)
    {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {path, "-"});
        text.waitForFinished(60000);
        return QString::fromUtf8(text.readAllStandardOutput()).simplified();
    }

private slots:
    void initTestCase()
    {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QVERIFY(m_dir.isValid());
    }

    void writesWithoutDisplayBesideARunningProgram()
    {
        // The running program's lock, in the runtime folder the command sees.
        QLockFile lock(m_dir.filePath(QStringLiteral("obxsetting.lock")));
        QVERIFY(lock.tryLock(0));
        // A relative output path is taken against the caller's folder.
        QCOMPARE(run({defaultSetPath(), QStringLiteral("out.pdf")}), 0);
        QVERIFY(readTestFile(m_dir.filePath(QStringLiteral("out.pdf"))).startsWith("%PDF"));

        const QString content = pdfText(m_dir.filePath(QStringLiteral("out.pdf")));
        QVERIFY(content.contains(defaultSetPath()));
        QVERIFY(content.contains(QStringLiteral("Values outside their limits none")));
    }

    // The plan view is drawn without a display: every enabled area with its
    // kind and Z range, the axes and the models' legend are in the PDF.
    void drawsThePlanWithoutDisplay()
    {
        const QString pdf = m_dir.filePath(QStringLiteral("plan.pdf"));
        QByteArray errors;
        QCOMPARE(run({QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/plan-areas-and-models.txt"),
                      pdf},
                     &errors),
                 0);
        QVERIFY2(!errors.contains("NG"), errors.constData());
        const QString content = pdfText(pdf);
        for (const char* label :
             {"Plan view (XY)", "+X", "+Y", "Area 1: permitted, Z -1000 to 2000 mm",
              "Area 2: forbidden, Z 0 to 1500 mm", "Arm model, maker setting",
              "Tool model of tool 1"})
            QVERIFY2(content.contains(QLatin1String(label)), label);
    }

    // A set with values outside their limits is still reported, and the
    // exit code and a line on standard error say that it is not clean.
    void valuesOutsideLimitsExitTwo()
    {
        const QString pdf = m_dir.filePath(QStringLiteral("zero.pdf"));
        QByteArray errors;
        QCOMPARE(
            run({QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/all-zero.txt"), pdf}, &errors),
            2);
        QVERIFY2(errors.contains("The set holds 138 values outside their limits; the report "
                                 "lists them: " +
                                 pdf.toUtf8()),
                 errors.constData());
        QVERIFY(pdfText(pdf).contains(QStringLiteral("Values outside their limits 138")));
        QCOMPARE(run({QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/commonspec-5.txt"), pdf},
                     &errors),
                 2);
        QVERIFY2(errors.contains("1 value outside its limits; the report lists it"),
                 errors.constData());
        // The summary counts them; a set that was written is no error.
        const Result json = start(
            program(),
            {QStringLiteral("--export-report"), QStringLiteral("--format"), QStringLiteral("json"),
             QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/all-zero.txt"), pdf});
        QCOMPARE(json.code, 2);
        const QJsonObject summary = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(summary.value(QStringLiteral("findings")).toInt(), 138);
        QCOMPARE(summary.value(QStringLiteral("exitCode")).toInt(), 2);
        QVERIFY(!summary.contains(QStringLiteral("error")));
    }

    void exitCodesOfFailures()
    {
        const QString garbage =
            writeTestFile(m_dir.filePath(QStringLiteral("garbage.txt")), "not a parameter file\n");
        for (const QString& set : {m_dir.filePath(QStringLiteral("missing.txt")), garbage}) {
            QCOMPARE(run({set, m_dir.filePath(QStringLiteral("never.pdf"))}), 1);
            QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never.pdf"))));
        }
        // A missing OUT is a usage error, like every wrong argument count.
        QCOMPARE(run({defaultSetPath()}), 64);
        const QString blocker = writeTestFile(m_dir.filePath(QStringLiteral("blocker")), "x");
        QByteArray errors;
        QCOMPARE(run({defaultSetPath(), blocker + QStringLiteral("/out.pdf")}, &errors), 4);
        QVERIFY2(errors.contains("cannot be written"), errors.constData());
        // The set itself as OUT, by another spelling of its path: the set
        // stays as it was.
        const QString set = m_dir.filePath(QStringLiteral("set.txt"));
        QVERIFY(QFile::copy(defaultSetPath(), set));
        const QByteArray before = readTestFile(set);
        QCOMPARE(run({set, m_dir.path() + QStringLiteral("/./set.txt")}), 4);
        QCOMPARE(readTestFile(set), before);
    }

    // Neither a FIFO as SET (which would block the read forever) nor a
    // FIFO or device as OUT (which the PDF would replace) is taken.
    void refusesWhatIsNoRegularFile()
    {
        const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString pdf = m_dir.filePath(QStringLiteral("fifo.pdf"));
        QByteArray errors;
        QCOMPARE(run({fifo, pdf}, &errors), 1);
        QVERIFY2(errors.contains("not a regular file"), errors.constData());
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(run({defaultSetPath(), fifo}, &errors), 4);
        QVERIFY2(errors.contains("not a regular file"), errors.constData());
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    // Every path is taken against the caller's folder before the program
    // moves to its own; a name need not be UTF-8.
    void pathsAsTheCallerGaveThem()
    {
        QVERIFY(QFile::copy(defaultSetPath(), m_dir.filePath(QStringLiteral("cwd set.txt"))));
        QCOMPARE(run({"/proc/self/cwd/cwd set.txt", "/proc/self/cwd/cwd.pdf"}), 0);
        QVERIFY(readTestFile(m_dir.filePath(QStringLiteral("cwd.pdf"))).startsWith("%PDF"));

        const Result latin1 =
            start(QStringLiteral("sh"),
                  {"-c", "exec \"$0\" --export-report \"$1\" \"$(printf 'r\\351port.pdf')\"",
                   program(), defaultSetPath()});
        QCOMPARE(latin1.code, 0);
        struct stat info;
        const QByteArray name = QFile::encodeName(m_dir.path()) + "/r\xe9port.pdf";
        QCOMPARE(::stat(name.constData(), &info), 0);
        QVERIFY(info.st_size > 1000);
        // The toolkit cannot remove what it cannot name.
        QCOMPARE(::unlink(name.constData()), 0);
    }

    // The same file by another path, through a bind mount, is still the set.
    void bindMountedSetIsNotReplaced()
    {
        const QString source = m_dir.filePath(QStringLiteral("bind source"));
        const QString target = m_dir.filePath(QStringLiteral("bind target"));
        QVERIFY(QDir().mkpath(source) && QDir().mkpath(target));
        const QString set = source + QStringLiteral("/set.txt");
        QVERIFY(QFile::copy(defaultSetPath(), set));
        const QByteArray before = readTestFile(set);
        const QString script =
            QStringLiteral("mount --bind \"$1\" \"$2\" || exit 99; echo bound; "
                           "exec \"$0\" --export-report \"$1/set.txt\" \"$2/set.txt\"");
        // As root a mount namespace suffices; otherwise a user namespace may allow it.
        Result result;
        for (const QString& flags : {QStringLiteral("-m"), QStringLiteral("-rm")}) {
            result = start(QStringLiteral("unshare"),
                           {flags, "sh", "-c", script, program(), source, target});
            if (result.out.startsWith("bound"))
                break;
        }
        if (!result.out.startsWith("bound"))
            QSKIP(qPrintable(QStringLiteral("no bind mount may be made here: ") +
                             QString::fromLocal8Bit(result.err).trimmed()));
        QCOMPARE(result.code, 4);
        QVERIFY2(result.err.contains("is the file being read"), result.err.constData());
        QCOMPARE(readTestFile(set), before);
    }

    // A display that is named but cannot be opened: the report is drawn
    // without it, never an abort.
    void unreachableDisplay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        int display = 4711;
        while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)) ||
               QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(display)))
            ++display;
        QTest::newRow("X display") << "DISPLAY" << QStringLiteral(":%1").arg(display);
        QTest::newRow("Wayland") << "WAYLAND_DISPLAY"
                                 << "obxsetting-test-no-compositor";
        QTest::newRow("xcb asked") << "QT_QPA_PLATFORM"
                                   << "xcb";
    }

    void unreachableDisplay()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        const QString pdf = m_dir.filePath(QStringLiteral("display.pdf"));
        QFile::remove(pdf);
        const Result result =
            start(program(), {"--export-report", defaultSetPath(), pdf}, {{name, value}});
        QCOMPARE(result.code, 0);
        QVERIFY(readTestFile(pdf).startsWith("%PDF"));
        QVERIFY2(result.err.contains("the report is drawn without it"), result.err.constData());
    }

    // The JSON summary, and a set whose CRCs are 9894: it is written, but
    // the report and the summary say that it is not signed.
    void summaryAndUnsignedSet()
    {
        const QString set = m_dir.filePath(QStringLiteral("unsigned.txt"));
        QVERIFY(writeEditedFile(set, defaultImage(),
                                {{"WholeCRC", 0, 0, QStringLiteral("9894")},
                                 {"SystemCRC", 0, 0, QStringLiteral("9894")},
                                 {"MonitorCRC", 0, 0, QStringLiteral("9894")},
                                 {"SignalCRC", 0, 0, QStringLiteral("9894")},
                                 {"AllDataCRC", 0, 0, QStringLiteral("9894")}}));
        const QString pdf = m_dir.filePath(QStringLiteral("unsigned.pdf"));
        const Result result = start(program(), {"--format", "json", "--export-report", set, pdf});
        QCOMPARE(result.code, 0);
        const QJsonObject summary = QJsonDocument::fromJson(result.out).object();
        QCOMPARE(summary.value("file").toString(), pdf);
        QCOMPARE(summary.value("exitCode").toInt(-1), 0);
        QCOMPARE(summary.value("findings").toInt(-1), 0);
        QCOMPARE(summary.value("signed").toBool(true), false);
        QCOMPARE(summary.value("skippedSignatures").toArray().size(), 5);
        QVERIFY2(result.err.contains("whole CRC: 9894, not checked"), result.err.constData());
        const QString content = pdfText(pdf);
        QCOMPARE(content.count(QStringLiteral("9894 (0x000026a6), not signed")), 5);

        const Result signedSet =
            start(program(), {"--export-report", "--format=json", defaultSetPath(), pdf});
        QCOMPARE(signedSet.code, 0);
        QCOMPARE(QJsonDocument::fromJson(signedSet.out).object().value("signed").toBool(), true);
        QVERIFY(!pdfText(pdf).contains(QStringLiteral("not signed")));
    }

    // The modes that need no window never start it, so no display is needed.
    void helpVersionAndUsageWithoutDisplay()
    {
        for (const QStringList& arguments :
             {QStringList{"--version"}, QStringList{"--help-all"}, QStringList{"-?"}}) {
            const Result result = start(program(), arguments);
            QCOMPARE(result.code, 0);
            QVERIFY(!result.out.isEmpty());
        }
        for (const QStringList& arguments :
             {QStringList{"--export-report"}, QStringList{"--export-report", "a", "b", "c"},
              QStringList{"--check", "x", "--export-report", "a", "b"}}) {
            const Result result = start(program(), arguments);
            QCOMPARE(result.code, 64);
            QVERIFY2(result.err.contains("Usage: obxsetting"), result.err.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
