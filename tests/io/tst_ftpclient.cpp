#include "app/core/setting.h"
#include "ftpserver.h"
#include "io/ftpclient.h"
#include "messagecapture.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <limits>
#include <memory>

class TestFtpClient : public QObject
{
    Q_OBJECT

    FtpServer m_server;
    QTemporaryDir m_local;

    void loadNetworkSettings(const QByteArray& lines)
    {
        loadSettingsFile(m_local.filePath(QStringLiteral("config.ini")), "[Network]\n" + lines);
    }
    std::unique_ptr<FtpClient> loggedInClient()
    {
        auto client = std::make_unique<FtpClient>();
        if (!client->login(m_server.host(), m_server.user(), m_server.password(), m_server.port()))
            qWarning() << "log-in failed:" << client->lastErrorText();
        return client;
    }
    QString serverPath(const QString& path) const { return m_server.rootPath() + path; }

private slots:
    void initTestCase()
    {
        // Every command must go straight to the server, whatever the
        // environment names as proxy.
        for (const char* name : {"ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY"})
            qputenv(name, "http://127.0.0.1:9");
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
    }
    void init() { Setting::instance()->resetToDefaults(); }

    // A time-out beyond int is capped; the client still works with it.
    void hugeTimeoutIsCapped()
    {
        loadNetworkSettings("FtpTimeout_ms=99999999999\n");
        FtpClient client;
        QCOMPARE(client.timeoutMs(), std::numeric_limits<int>::max());
        QVERIFY(
            client.login(m_server.host(), m_server.user(), m_server.password(), m_server.port()));
    }

    void loginChecksTheAccount_data()
    {
        QTest::addColumn<bool>("rightPassword");
        QTest::newRow("right password") << true;
        QTest::newRow("wrong password") << false;
    }
    void loginChecksTheAccount()
    {
        QFETCH(bool, rightPassword);
        const QString password = rightPassword ? m_server.password() : QStringLiteral("wrongpw");
        MessageCapture log;
        FtpClient client;
        QCOMPARE(client.login(m_server.host(), m_server.user(), password, m_server.port()),
                 rightPassword);
        QCOMPARE(client.isLoggedIn(), rightPassword);
        QCOMPARE(client.lastErrorText().isEmpty(), rightPassword);
        QCOMPARE(client.lastRetryCount(), 0); // a refused account is not tried again
        if (!rightPassword) {
            QCOMPARE(client.lastReplyCode(), 530L);
            QVERIFY(!client.mkdir(QStringLiteral("/x"))); // commands need a log-in
            QCOMPARE(client.lastError(), FtpClient::notLoggedIn);
            QVERIFY(!QDir(serverPath(QStringLiteral("/x"))).exists());
        }
        // The controller's account uses its name as password: neither is logged.
        QVERIFY(!log.contains(password) && !log.contains(m_server.user()));
    }

    void mkdirAcceptsExistingFolders()
    {
        auto client = loggedInClient();
        QVERIFY(client->mkdir(QStringLiteral("/qordata")));
        QVERIFY(client->mkdir(QStringLiteral("/qordata/setting_app")));
        QVERIFY(QDir(serverPath(QStringLiteral("/qordata/setting_app"))).exists());
        QVERIFY(client->mkdir(QStringLiteral("/qordata/setting_app")));
        QCOMPARE(client->lastError(), 0);

        // A folder whose parent is missing cannot be made.
        QVERIFY(!client->mkdir(QStringLiteral("/absent/child")));
        QVERIFY(!client->lastErrorText().isEmpty());
        QVERIFY(!QDir(serverPath(QStringLiteral("/absent"))).exists());
    }

    void putAndGetKeepBinaryContent_data()
    {
        QTest::addColumn<QString>("remotePath");
        QTest::addColumn<QString>("serverFile");
        QTest::newRow("absolute") << QString("/tmp/safm_load.tmp") << QString("/tmp/safm_load.tmp");
        QTest::newRow("relative to log-in folder")
            << QString("tmp/rel.bin") << QString("/tmp/rel.bin");
        QTest::newRow("blank and non-ASCII")
            << QString("/tmp/a b %20\u00e4.bin") << QString("/tmp/a b %20\u00e4.bin");
    }
    void putAndGetKeepBinaryContent()
    {
        QFETCH(QString, remotePath);
        QFETCH(QString, serverFile);
        QByteArray content;
        for (int i = 0; i < 70000; ++i) // every byte value, line ends included
            content.append(char((i * 7) & 0xff));
        const QString source = m_local.filePath(QStringLiteral("source.bin"));
        const QString target = m_local.filePath(QStringLiteral("target.bin"));
        writeTestFile(source, content);
        QFile::remove(target);

        auto client = loggedInClient();
        QVERIFY(client->mkdir(QStringLiteral("/tmp")));
        QVERIFY(client->put(source, remotePath));
        QCOMPARE(readTestFile(serverPath(serverFile)), content);
        QVERIFY(client->get(remotePath, target));
        QCOMPARE(readTestFile(target), content);
    }

    void failedTransfersReportTheirCause()
    {
        auto client = loggedInClient();
        const QString local = m_local.filePath(QStringLiteral("kept.txt"));
        writeTestFile(local, "previous content");

        // A missing remote file leaves the local file as it was.
        QVERIFY(!client->get(QStringLiteral("/no/such/file.tmp"), local));
        QVERIFY(!client->lastErrorText().isEmpty());
        QCOMPARE(client->lastRetryCount(), 0);
        QCOMPARE(readTestFile(local), QByteArray("previous content"));

        // A missing local file names the system's reason.
        QVERIFY(!client->put(m_local.filePath(QStringLiteral("absent.txt")),
                             QStringLiteral("/absent.txt")));
        QCOMPARE(client->lastSystemError(), ENOENT);
        QVERIFY(!client->lastSystemErrorText().isEmpty());
        QVERIFY(!QFile::exists(serverPath(QStringLiteral("/absent.txt"))));

        // A good command clears the previous error.
        QVERIFY(client->mkdir(QStringLiteral("/")));
        QVERIFY(client->lastErrorText().isEmpty());
        QCOMPARE(client->lastSystemError(), 0);
    }

    void listShowsFilesAndFolders()
    {
        QDir(m_server.rootPath()).mkpath(QStringLiteral("Safetyparam/sub"));
        writeTestFile(serverPath(QStringLiteral("/Safetyparam/OBX_Safetyparam_20240102030405.txt")),
                      QByteArray(1234, 'x'));
        writeTestFile(serverPath(QStringLiteral("/Safetyparam/empty.txt")), QByteArray());

        auto client = loggedInClient();
        QVector<FtpListEntry> entries;
        QVERIFY(client->list(QStringLiteral("/Safetyparam"), &entries));
        QCOMPARE(entries.size(), 3);
        QMap<QString, FtpListEntry> byName;
        for (const FtpListEntry& entry : entries)
            byName.insert(entry.name, entry);
        QVERIFY(byName.value(QStringLiteral("sub")).isDir);
        const FtpListEntry file =
            byName.value(QStringLiteral("OBX_Safetyparam_20240102030405.txt"));
        QVERIFY(!file.isDir);
        QCOMPARE(file.size, qint64(1234));
        QVERIFY(file.lastModified.isValid());
        QCOMPARE(byName.value(QStringLiteral("empty.txt")).size, qint64(0));

        QVERIFY(!client->list(QStringLiteral("/no-such-folder"), &entries));
        QVERIFY(entries.isEmpty());
    }

    void closeEndsTheConnectionButNotTheAccount()
    {
        auto client = loggedInClient();
        writeTestFile(serverPath(QStringLiteral("/after-close.txt")), "again");
        client->close();
        QVERIFY(client->isLoggedIn());
        const QString local = m_local.filePath(QStringLiteral("after-close.txt"));
        QVERIFY(client->get(QStringLiteral("/after-close.txt"), local));
        QCOMPARE(readTestFile(local), QByteArray("again"));
    }

    void silentServerTimesOutAfterRetries()
    {
        // Accepts connections and never says a word.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        QList<QTcpSocket*> accepted;
        connect(&silent, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket* socket = silent.nextPendingConnection())
                accepted << socket;
        });
        loadNetworkSettings("FtpTimeout_ms=200\nFtpMaxRetryCount=2\nFtpRetryWait_ms=10\n");

        // The GUI thread keeps running events while the client waits.
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(10);

        MessageCapture log;
        FtpClient client;
        QVERIFY(!client.login(silent.serverAddress().toString(), QStringLiteral("u"),
                              QStringLiteral("p"), silent.serverPort()));
        QCOMPARE(client.lastError(), 28); // CURLE_OPERATION_TIMEDOUT
        QVERIFY(!client.lastErrorText().isEmpty());
        QCOMPARE(client.lastRetryCount(), 2);
        QVERIFY(log.contains(QStringLiteral("Retry 2 after 10ms wait")));
        QTRY_COMPARE(accepted.size(), 3);
        QVERIFY(ticks > 0);
        QVERIFY(!client.isLoggedIn());
    }

    void listingLinesAreParsed_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("isDir");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QDateTime>("modified");
        QTest::newRow("file this year")
            << QByteArray("-rw-r--r--   1 owner group  65516 Mar 09 11:22 safm_save_u.tmp")
            << "safm_save_u.tmp" << false << qint64(65516)
            << QDateTime(QDate(2024, 3, 9), QTime(11, 22));
        QTest::newRow("time in last year")
            << QByteArray("-rw-r--r-- 1 owner group 5 Dec 31 23:59 old.txt") << "old.txt" << false
            << qint64(5) << QDateTime(QDate(2023, 12, 31), QTime(23, 59));
        QTest::newRow("folder with year")
            << QByteArray("drwxr-xr-x 2 owner group 4096 Jan  5  2021 Safety report")
            << "Safety report" << true << qint64(4096) << QDateTime(QDate(2021, 1, 5), QTime(0, 0));
        QTest::newRow("no group column, CRLF")
            << QByteArray("-rw-r--r-- 1 owner 42 Feb 29 08:00 x.txt\r") << "x.txt" << false
            << qint64(42) << QDateTime(QDate(2024, 2, 29), QTime(8, 0));
        QTest::newRow("symbolic link")
            << QByteArray("lrwxrwxrwx 1 o g 9 Mar 01 10:00 current -> save/a.txt") << "current"
            << false << qint64(9) << QDateTime(QDate(2024, 3, 1), QTime(10, 0));
        QTest::newRow("unknown form") << QByteArray("  just-a-name.txt ") << "just-a-name.txt"
                                      << false << qint64(-1) << QDateTime();
    }
    void listingLinesAreParsed()
    {
        QFETCH(QByteArray, line);
        const QDateTime now(QDate(2024, 3, 10), QTime(12, 0));
        const QVector<FtpListEntry> entries =
            FtpListEntry::parseListing("total 12\r\n" + line +
                                           "\ndrwxr-xr-x 2 o g 4096 Mar 01 10:00 .\n"
                                           "drwxr-xr-x 2 o g 4096 Mar 01 10:00 ..\n",
                                       now);
        QCOMPARE(entries.size(), 1);
        QTEST(entries.first().name, "name");
        QTEST(entries.first().isDir, "isDir");
        QTEST(entries.first().size, "size");
        QTEST(entries.first().lastModified, "modified");
    }
};

QTEST_MAIN(TestFtpClient)
#include "tst_ftpclient.moc"
