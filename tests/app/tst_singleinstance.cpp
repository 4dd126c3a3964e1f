#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// Starts copies of the real program in a folder of its own: the first one
// holds the instance lock, a second one is refused with exit code 1, and
// after the first was killed hard a new one starts normally.
class TestSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program;

    void start(QProcess& process)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("home")));
        process.setProcessEnvironment(env);
        process.start(m_program, {});
        QVERIFY(process.waitForStarted());
    }
    static bool waitForLine(QProcess& process, const QByteArray& text, QByteArray& seen)
    {
        QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired()) {
            process.waitForReadyRead(200);
            seen += process.readAllStandardError();
            if (seen.contains(text))
                return true;
            if (process.state() == QProcess::NotRunning)
                return seen.contains(text);
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        m_program = m_dir.filePath(QStringLiteral("obxsetting"));
        QVERIFY(QFile::copy(QStringLiteral(OBX_RUNTIME_DIR "/obxsetting"), m_program));
    }

    void secondInstanceIsRefusedUntilTheFirstDies()
    {
        QProcess first;
        start(first);
        QByteArray firstLog;
        QVERIFY2(waitForLine(first, "InitializeApp -> OK", firstLog), firstLog.constData());

        QProcess second;
        start(second);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 1);
        const QByteArray secondLog = second.readAllStandardError();
        QVERIFY(secondLog.contains("Warning -- : Cannot start more than one instance"));
        QVERIFY(!secondLog.contains("InitializeApp -> OK"));

        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(30000));

        QProcess third;
        start(third);
        QByteArray thirdLog;
        QVERIFY2(waitForLine(third, "InitializeApp -> OK", thirdLog), thirdLog.constData());
        third.kill();
        third.waitForFinished(30000);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
