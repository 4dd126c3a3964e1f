#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "defaultimage.h"
#include "testfiles.h"

// "obxsetting --export-report SET OUT" as a script runs it: no display, the
// running program's single-instance lock held, the plan view drawn, and its
// exit codes.
class TestReportCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    int run(const QStringList& arguments, QByteArray* errors = nullptr)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(OBX_RUNTIME_DIR "/obxsetting"),
                      QStringList{QStringLiteral("--export-report")} + arguments);
        if (!process.waitForFinished(120000))
            return -1;
        if (errors)
            *errors = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    }

    static QString pdfText(const QString& path)
    {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        text.waitForFinished(60000);
        return QString::fromUtf8(text.readAllStandardOutput()).simplified();
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

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
             {"Plan view (XY) +Y", "+X", "Area 1: permitted, Z -1000 to 2000 mm",
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
    }

    void exitCodesOfFailures()
    {
        const QString garbage =
            writeTestFile(m_dir.filePath(QStringLiteral("garbage.txt")), "not a parameter file\n");
        for (const QString& set : {m_dir.filePath(QStringLiteral("missing.txt")), garbage}) {
            QCOMPARE(run({set, m_dir.filePath(QStringLiteral("never.pdf"))}), 1);
            QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never.pdf"))));
        }
        QCOMPARE(run({defaultSetPath()}), 4);
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
};

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
