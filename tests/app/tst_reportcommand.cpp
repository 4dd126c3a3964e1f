#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "defaultimage.h"
#include "testfiles.h"

// "obxsetting --export-report SET OUT" as a script runs it: no display, the
// running program's single-instance lock held, and its three exit codes.
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

        QProcess text;
        text.start(QStringLiteral("pdftotext"), {m_dir.filePath(QStringLiteral("out.pdf")), "-"});
        QVERIFY(text.waitForFinished(60000));
        const QString content = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY(content.contains(QStringLiteral("the plan view is not drawn")));
        QVERIFY(content.contains(defaultSetPath()));
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
