#include "app/commandlinetool.h"
#include "app/core/singleinstance.h"
#include "defaultimage.h"
#include "editedfile.h"
#include "imagecells.h"
#include "testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <vector>

// The command-line check and comparison: exit codes, both output forms and
// the files a script may hand it.
class TestCommandLineTool : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_good;
    QString m_badCrc;
    QString m_outside;
    QString m_other;
    QString m_out;
    QString m_err;

    int run(QStringList arguments)
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        arguments.prepend(QStringLiteral("obxsetting"));
        return CommandLineTool(out, err).run(arguments);
    }

    static bool requested(std::vector<const char*> arguments)
    {
        return CommandLineTool::isRequested(int(arguments.size()),
                                            const_cast<char**>(arguments.data()));
    }

    QJsonObject json() const { return QJsonDocument::fromJson(m_out.toUtf8()).object(); }

private slots:
    void initTestCase()
    {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QVERIFY(m_dir.isValid());
        const ParameterImage image = defaultImage();
        // Spaces and characters beyond ASCII in the name.
        m_good = m_dir.filePath(QStringLiteral("good set ä 漢.txt"));
        QVERIFY(writeEditedFile(m_good, image));

        QByteArray text = readTestFile(m_good);
        const int at = text.indexOf("UsrSafetyFilterTime,10,");
        QVERIFY(at > 0);
        text.replace(at, 23, "UsrSafetyFilterTime,11,");
        m_badCrc = writeTestFile(m_dir.filePath(QStringLiteral("bad crc.txt")), text);

        ParameterImage outside = image;
        QVERIFY(outside.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 2, qint16(99999)));
        m_outside = m_dir.filePath(QStringLiteral("outside.txt"));
        QVERIFY(writeEditedFile(m_outside, outside,
                                {{"UsrSafetyFilterTime", 0, 2, QStringLiteral("99999")}}));

        ParameterImage other = image;
        QVERIFY(other.setI16(fieldNamed("UsrSafetyFilterTime"), 0, 4, 20));
        m_other = m_dir.filePath(QStringLiteral("other.txt"));
        QVERIFY(writeEditedFile(m_other, other));
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutHolds");
        QTest::addColumn<QString>("stderrHolds");

        const QString huge = m_dir.filePath(QStringLiteral("huge.txt"));
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(40 * 1024 * 1024));
        file.close();
        const QString empty = writeTestFile(m_dir.filePath(QStringLiteral("empty.txt")), "");

        QTest::newRow("good") << QStringList{m_good} << 0 << "0 values outside"
                              << "";
        QTest::newRow("bad crc") << QStringList{m_badCrc} << 1 << ""
                                 << "signal CRC: stored ";
        QTest::newRow("outside") << QStringList{m_outside} << 2 << "99999"
                                 << "";
        QTest::newRow("missing") << QStringList{m_dir.filePath("none.txt")} << 1 << ""
                                 << "no such file";
        QTest::newRow("directory") << QStringList{m_dir.path()} << 1 << ""
                                   << "directory";
        QTest::newRow("empty") << QStringList{empty} << 1 << ""
                               << "format error";
        QTest::newRow("40 MB") << QStringList{huge} << 1 << ""
                               << "File too large";
        QTest::newRow("unreadable wins") << QStringList{m_outside, m_badCrc} << 1 << "99999"
                                         << "CRC mismatch";
    }

    void check()
    {
        QFETCH(QStringList, files);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutHolds);
        QFETCH(QString, stderrHolds);

        QCOMPARE(run(QStringList{"--check"} + files), exitCode);
        QVERIFY2(m_out.contains(stdoutHolds), qPrintable(m_out));
        QVERIFY2(m_err.contains(stderrHolds), qPrintable(m_err));

        QCOMPARE(run(QStringList{"--check", "--format", "json"} + files), exitCode);
        const QJsonObject document = json();
        QCOMPARE(document.value("exitCode").toInt(), exitCode);
        QCOMPARE(document.value("files").toArray().size(), files.size());
    }

    void checkJsonEntry()
    {
        QCOMPARE(run({"--check", "--format=json", m_outside}), 2);
        const QJsonValue file = json().value("files").toArray().at(0);
        const QJsonObject entry = file["outsideLimits"].toArray().at(0).toObject();
        QCOMPARE(entry.value("column").toInt(), 3);
        QCOMPARE(entry.value("value").toInt(), -31073);
        QCOMPARE(entry.value("fileText").toString(), QStringLiteral("99999"));
    }

    void compare()
    {
        QCOMPARE(run({"--compare", m_good, m_outside}), 1);
        QCOMPARE(m_out.count('\n'), 1);
        // The same row and column as --check names.
        QVERIFY2(m_out.startsWith("UsrSafetyFilterTime\t1\t3\t10\t-31073\t"), qPrintable(m_out));

        QCOMPARE(run({"--compare", "--format", "json", m_good, m_other}), 1);
        const QJsonArray differences = json().value("differences").toArray();
        QCOMPARE(differences.size(), 1);
        QCOMPARE(differences.at(0).toObject().value("b").toString(), QStringLiteral("20"));

        QCOMPARE(run({"--compare", m_good, m_good}), 0);
        QVERIFY(m_out.isEmpty());
        QCOMPARE(run({"--compare", m_good, m_badCrc}), 3);
    }

    void usage()
    {
        QCOMPARE(run({"--help"}), 0);
        for (const char* option : {"--check", "--compare", "--format"})
            QVERIFY(m_out.contains(option));
        QCOMPARE(run({"--compare", m_good}), 64);
        QCOMPARE(run({"--check", "--format", "xml", m_good}), 64);
        QVERIFY(m_out.isEmpty() && !m_err.isEmpty());
    }

    // The real program: no display, no platform setting, and an open
    // program holding the single-instance lock.
    void runsWithoutDisplayBesideOpenProgram()
    {
        QVERIFY(requested({"obxsetting", "--check", "a.txt"}));
        QVERIFY(requested({"obxsetting", "--format=json"}));
        QVERIFY(!requested({"obxsetting", "-o"}));

        const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        QCOMPARE(SingleInstance::acquire(QStringLiteral("obxsetting")), SingleInstance::Acquired);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(OBX_RUNTIME_DIR "/obxsetting"),
                      {"--check", m_good, m_outside});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(out.contains(m_good + QStringLiteral(": CRC ")), qPrintable(out));
        QVERIFY(out.contains(QLatin1String("Safety Input")));
        SingleInstance::release();
    }
};

QTEST_GUILESS_MAIN(TestCommandLineTool)
#include "tst_commandlinetool.moc"
