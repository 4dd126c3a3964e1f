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
        QVERIFY(content.contains(
            QStringLiteral("Findings 0 values outside their limits, 0 file texts not kept")));
    }

    // The plan view is drawn without a display: every enabled area with its
    // kind and Z range, the axes and the models' legend are in the PDF; also
    // for a robot type that has no model.
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

        // A robot type without a model: the plan without its outline, and
        // no complaint about a description file that was never to be found.
        ParameterImage unknown = defaultImage();
        QVERIFY(unknown.setTextAt(4, QStringLiteral("XYZ-9999"))); // RobotTypeName
        const QString set = m_dir.filePath(QStringLiteral("unknown robot.txt"));
        QVERIFY(writeEditedFile(set, unknown));
        QCOMPARE(run({set, pdf}, &errors), 0);
        QVERIFY2(errors.isEmpty(), errors.constData());
        QVERIFY(pdfText(pdf).contains(QStringLiteral("Plan view (XY)")));
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
        QVERIFY2(errors.contains("The set holds 138 values outside their limits, 0 file texts not "
                                 "kept; the report lists them: " +
                                 pdf.toUtf8()),
                 errors.constData());
        QVERIFY(pdfText(pdf).contains(
            QStringLiteral("Findings 138 values outside their limits, 0 file texts not kept")));
        QCOMPARE(run({QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/commonspec-5.txt"), pdf},
                     &errors),
                 2);
        QVERIFY2(errors.contains("1 value outside its limits, 0 file texts not kept; the report "
                                 "lists it"),
                 errors.constData());
        // The summary counts them; a set that was written is no error.
        const Result json = start(
            program(),
            {QStringLiteral("--export-report"), QStringLiteral("--format"), QStringLiteral("json"),
             QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/all-zero.txt"), pdf});
        QCOMPARE(json.code, 2);
        const QJsonObject summary = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(summary.value(QStringLiteral("findings")).toInt(), 138);
        QCOMPARE(summary.value(QStringLiteral("outsideLimitsCount")).toInt(), 138);
        QCOMPARE(summary.value(QStringLiteral("textsNotKeptCount")).toInt(), 0);
        QCOMPARE(summary.value(QStringLiteral("exitCode")).toInt(), 2);
        QVERIFY(!summary.contains(QStringLiteral("error")));

        // Texts the set did not keep are named as such, not as values
        // outside their limits.
        const Result wrapped =
            start(program(), {QStringLiteral("--export-report"), QStringLiteral("--format=json"),
                              testDataPath("wrapped-integers.txt"), pdf});
        QCOMPARE(wrapped.code, 2);
        QVERIFY2(wrapped.err.contains("The set holds 0 values outside their limits, 3 file texts "
                                      "not kept; the report lists them"),
                 wrapped.err.constData());
        const QJsonObject counts = QJsonDocument::fromJson(wrapped.out).object();
        QCOMPARE(counts.value(QStringLiteral("outsideLimitsCount")).toInt(), 0);
        QCOMPARE(counts.value(QStringLiteral("textsNotKeptCount")).toInt(), 3);
        QVERIFY(pdfText(pdf).contains(
            QStringLiteral("Findings 0 values outside their limits, 3 file texts not kept")));
    }

    void exitCodesOfFailures()
    {
        const QString garbage =
            writeTestFile(m_dir.filePath(QStringLiteral("garbage.txt")), "not a parameter file\n");
        QByteArray text = readTestFile(defaultSetPath());
        const QString unknown = writeTestFile(
            m_dir.filePath(QStringLiteral("unknown.txt")),
            QByteArray(text).replace("\n101-00-01,RobotTypeName,", "\n101-00-01,Bogus,"));
        const QString control =
            writeTestFile(m_dir.filePath(QStringLiteral("control.txt")),
                          QByteArray(text).replace("\n101-00-01,RobotTypeName,",
                                                   "\n101-00-01,Bogus\x1b]0;T\x07\x1b[2J,"));
        const QString badCrc = writeTestFile(
            m_dir.filePath(QStringLiteral("bad crc.txt")),
            QByteArray(text).replace("UsrSafetyFilterTime,10,", "UsrSafetyFilterTime,11,"));
        // The set as the caller named it, and why it cannot be read; no
        // log line of the reader.
        for (const auto& [set, reason] :
             {std::make_pair(m_dir.filePath(QStringLiteral("missing.txt")), "(no such file)"),
              std::make_pair(garbage, "(format error: no .OBXDATA ... .END block)"),
              std::make_pair(unknown, "(format error in line 3: unknown parameter \"Bogus\")"),
              std::make_pair(control, "(format error in line 3: unknown parameter "
                                      "$'Bogus\\x1b]0;T\\x07\\x1b[2J')"),
              std::make_pair(badCrc, "(CRC mismatch: ")}) {
            QByteArray errors;
            QCOMPARE(run({set, m_dir.filePath(QStringLiteral("never.pdf"))}, &errors), 1);
            QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never.pdf"))));
            QVERIFY2(errors.startsWith("The parameter file cannot be read: " + set.toUtf8() + " " +
                                       reason),
                     errors.constData());
            QVERIFY2(errors.count('\n') == 1, errors.constData());
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

    // SET and OUT as a script may name them. Each row's script runs in a
    // folder of its own that holds set.txt, with the program as $0: the exit
    // code and reason, set.txt as it was, after a refusal no PDF anywhere in
    // the folder (a FIFO or a link replaced by one), and after a write the
    // PDF under the name the caller gave.
    void namedFiles_data()
    {
        QTest::addColumn<QString>("script");
        // Needs a mount namespace of its own; the script says "bound" once it has mounted.
        QTest::addColumn<bool>("mounts");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QByteArray>("pdf");
        const auto row = [](const char* name, const char* script, int exitCode, const char* reason,
                            const QByteArray& pdf = {}, bool mounts = false) {
            QTest::newRow(name) << QString::fromUtf8(script) << mounts << exitCode
                                << QString::fromUtf8(reason) << pdf;
        };
        // A FIFO as SET would block the read for ever; as OUT the PDF would replace it.
        row("FIFO as SET", R"(mkfifo fifo && exec "$0" --export-report fifo out.pdf)", 1,
            "not a regular file");
        row("FIFO as OUT", R"(mkfifo fifo && exec "$0" --export-report set.txt fifo)", 4,
            "not a regular file");
        row("SET by a hard link", R"(ln set.txt link && exec "$0" --export-report set.txt link)", 4,
            "is the file being read");
        row("SET by a symbolic link",
            R"(ln -s set.txt link && exec "$0" --export-report set.txt link)", 4,
            "is the file being read");
        row("SET by a bind mount",
            R"(mkdir -p bound && mount --bind . bound && echo bound &&
               exec "$0" --export-report set.txt bound/set.txt)",
            4, "is the file being read", {}, true);
        // Taken against the caller's folder before the program moves to its own.
        row("paths through the caller's folder",
            R"(exec "$0" --export-report /proc/self/cwd/set.txt /proc/self/cwd/out.pdf)", 0, "",
            "out.pdf");
        row("OUT on a read-only file system",
            R"(mkdir ro && mount -t tmpfs -o ro none ro && echo bound &&
               exec "$0" --export-report set.txt ro/out.pdf)",
            4, "The file cannot be written: ro/out.pdf (Read-only file system)", {}, true);
        // The reason is the file system's, for the name as given.
        row("existing OUT on a read-only file system",
            R"(mkdir ro && mount -t tmpfs none ro && echo kept > ro/keep.pdf &&
               mount -o remount,ro ro && echo bound &&
               exec "$0" --export-report set.txt ro/keep.pdf)",
            4, "The file cannot be written: ro/keep.pdf (Read-only file system)\n", {}, true);
        // Only the existing file is read-only, not its folder: it is not replaced.
        row("existing read-only OUT",
            R"(echo kept > keep.pdf && mount --bind keep.pdf keep.pdf &&
               mount -o remount,bind,ro keep.pdf && echo bound &&
               exec "$0" --export-report set.txt keep.pdf)",
            4, "The file cannot be written: keep.pdf (Read-only file system)\n", {}, true);
        // The reason is given once.
        row("OUT in a missing folder", R"(exec "$0" --export-report set.txt nodir/o.pdf)", 4,
            "The file cannot be written: nodir/o.pdf (No such file or directory)\n");
        row("without /proc",
            R"(umount -l /proc && echo bound && exec "$0" --export-report set.txt out.pdf)", 0, "",
            "out.pdf", true);
        row("OUT not UTF-8", R"sh(exec "$0" --export-report set.txt "$(printf 'r\351port.pdf')")sh",
            0, "", "r\xe9port.pdf");
    }

    void namedFiles()
    {
        QFETCH(QString, script);
        QFETCH(bool, mounts);
        QFETCH(int, exitCode);
        QFETCH(QString, reason);
        QFETCH(QByteArray, pdf);
#ifdef OBX_SANITIZED
        if (qstrcmp(QTest::currentDataTag(), "without /proc") == 0)
            QSKIP("the sanitizer runtime reads /proc as the program starts");
#endif
        const QString folder =
            m_dir.filePath(QStringLiteral("named %1").arg(QLatin1String(QTest::currentDataTag())));
        QVERIFY(QDir().mkpath(folder));
        const QString set = folder + QStringLiteral("/set.txt");
        QVERIFY(QFile::copy(defaultSetPath(), set));
        const QStringList shell{"sh", "-c", QStringLiteral("cd \"$1\" || exit 98\n") + script,
                                program(), folder};
        Result result;
        // As root a mount namespace suffices; otherwise a user namespace may allow it.
        for (const QStringList& prefix :
             mounts ? QList<QStringList>{{"-m"}, {"-rm"}} : QList<QStringList>{{}}) {
            result = mounts ? start(QStringLiteral("unshare"), prefix + shell)
                            : start(shell.at(0), shell.mid(1));
            if (!mounts || result.out.startsWith("bound"))
                break;
        }
        if (mounts && !result.out.startsWith("bound"))
            QSKIP(qPrintable(QStringLiteral("no bind mount may be made here: ") +
                             QString::fromLocal8Bit(result.err).trimmed()));
        QCOMPARE(result.code, exitCode);
        QVERIFY2(result.err.contains(reason.toUtf8()), result.err.constData());
        // Files are named as the caller gave them, never by the descriptor they are read by.
        QVERIFY2(!result.err.contains("/proc/self/fd"), result.err.constData());
        QCOMPARE(readTestFile(set), readTestFile(defaultSetPath()));

        const QByteArray folderBytes = QFile::encodeName(folder) + '/';
        struct stat info;
        if (!pdf.isEmpty()) {
            QCOMPARE(::stat((folderBytes + pdf).constData(), &info), 0);
            QVERIFY(S_ISREG(info.st_mode) && info.st_size > 1000);
            // The toolkit cannot remove what it cannot name.
            QCOMPARE(::unlink((folderBytes + pdf).constData()), 0);
            return;
        }
        for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::System |
                                                          QDir::Hidden | QDir::NoDotAndDotDot)) {
            const QByteArray path = folderBytes + QFile::encodeName(name);
            QCOMPARE(::lstat(path.constData(), &info), 0);
            QVERIFY2(!S_ISREG(info.st_mode) ||
                         !readTestFile(QFile::decodeName(path)).startsWith("%PDF"),
                     qPrintable(name));
        }
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
        // These take a device of their own and abort where they find none.
        QTest::newRow("eglfs asked") << "QT_QPA_PLATFORM"
                                     << "eglfs";
        QTest::newRow("minimalegl first") << "QT_QPA_PLATFORM"
                                          << "minimalegl;xcb";
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
        QVERIFY2(result.err.contains("the report is drawn without"), result.err.constData());
    }

    // The JSON summary, and a set whose CRCs are 9894: it is written, but
    // the report and the summary say that it is not signed.
    void summaryAndUnsignedSet()
    {
        const QString set = testDataPath("commandline/unsigned-9894.txt");
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

    // The modes that need no window never start it, so no display is needed:
    // the help, the version and a usage error, of the export too, by the
    // real program (which calls open the window is tested in-process).
    void helpVersionAndUsageWithoutDisplay()
    {
        for (const auto& [arguments, exitCode] :
             {std::make_pair(QStringList{"--version"}, 0), std::make_pair(QStringList{"-?"}, 0),
              std::make_pair(QStringList{"--export-report"}, 64),
              std::make_pair(QStringList{"--chek", "a"}, 64)}) {
            const Result result = start(program(), arguments);
            QCOMPARE(result.code, exitCode);
            QVERIFY2(exitCode == 0 ? !result.out.isEmpty()
                                   : result.err.contains("Usage: obxsetting"),
                     result.err.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
