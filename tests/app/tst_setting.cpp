#include "app/core/setting.h"
#include "messagecapture.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSetting : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writeIni(const QByteArray& content)
    {
        return writeTestFile(m_dir.filePath(QStringLiteral("config.ini")), content);
    }
    static QString value(const char* key) { return Setting::instance()->value(QLatin1String(key)); }

private slots:
    void init() { Setting::instance()->resetToDefaults(); }

    void missingFileKeepsDefaults()
    {
        MessageCapture log;
        const QString path = m_dir.filePath(QStringLiteral("absent.ini"));
        Setting::instance()->load(path);
        QVERIFY(
            log.messagesOf(QtWarningMsg).contains(QStringLiteral("no such file. %1").arg(path)));
        QCOMPARE(value("VSFtoAFM_SWName"), QStringLiteral("ZVSF_VSF2AFM"));
        QCOMPARE(value("FakeOBXReadError"), QString());
        QVERIFY(!Setting::isFakeConnectionError());
        QVERIFY(value("ParameterPath").endsWith(QLatin1String("/config/parameter")));
        QVERIFY(!value("FontPath").contains(QLatin1String("//")));
    }

    void alwaysAndIfPresentKeys()
    {
        // No "Test" group, no folder keys, the address only in the first group.
        Setting::instance()->load(
            writeIni("[ApplicationSettings]\nFps=true\nMirelIPAddress=10.0.0.5\n"
                     "[Network]\nFtpTimeout_ms=500\n"));
        QCOMPARE(value("VSFtoAFM_SWName"), QString()); // always read: default lost
        QCOMPARE(value("FakeConnectionError"), QString());
        QCOMPARE(value("LogFlangePosition"), QString());
        QCOMPARE(value("TmpPath"), QStringLiteral("./tmp")); // if present: default kept
        QCOMPARE(value("LogPath"), QStringLiteral("./log"));
        QVERIFY(value("FontPath").endsWith(QLatin1String("/assets/font")));
        QCOMPARE(value("ParameterPath"), QString());
        QCOMPARE(value("MirelIPAddress"), QString()); // "Network" read comes last
        QCOMPARE(value("FtpTimeout_ms"), QStringLiteral("500"));
    }

    void valuesAreTextAndBooleansExact()
    {
        Setting::instance()->load(writeIni(
            "[ApplicationSettings]\nLanguage=\xe6\x97\xa5\xe6\x9c\xac\nParameterPath=a,b\n"
            "[Test]\nFakeConnectionError=True\nFakeInitialReadError=1\nFakeInitialReadCError=true\n"
            "FakeFileIOError=nodata\n"));
        QCOMPARE(value("Language"), QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\xac"));
        QCOMPARE(value("ParameterPath"), QStringLiteral("a,b"));
        QVERIFY(!Setting::isFakeConnectionError());
        QVERIFY(!Setting::isFakeInitialReadError());
        QVERIFY(Setting::isFakeInitialReadCError());
        QCOMPARE(Setting::fakeFileIOError(), QStringLiteral("nodata"));
    }

    void lookupOfMissingKeyAddsItAndDumpIsSorted()
    {
        bool present = true;
        QCOMPARE(Setting::instance()->value(QStringLiteral("LogFileBlockSize"), &present),
                 QString());
        QVERIFY(!present);
        Setting::instance()->value(QStringLiteral("LogFileBlockSize"), &present);
        QVERIFY(present);

        MessageCapture log;
        Setting::instance()->dump();
        const QStringList lines = log.messages();
        QCOMPARE(lines.first(), QStringLiteral("Settings:"));
        QVERIFY(lines.contains(QStringLiteral("  LogFileBlockSize: \"\"")));
        QVERIFY(lines.contains(QStringLiteral("  Fps: \"true\"")));
        // The user name doubles as the controller's password.
        QVERIFY(lines.contains(QStringLiteral("  MirelUser: \"********\"")));
        const int connection = lines.indexOf(QStringLiteral("  FakeConnectionError: \"false\""));
        const int fileIo = lines.indexOf(QStringLiteral("  FakeFileIOError: \"\""));
        QVERIFY(connection > 0 && fileIo > connection);
        QStringList keys = lines.mid(1);
        QStringList sorted = keys;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(keys, sorted); // case-sensitive: upper-case keys first
    }
};

QTEST_GUILESS_MAIN(TestSetting)
#include "tst_setting.moc"
