// A controller whose FTP service stops answering after the log-in.

#include "app/core/interfaceutilities.h"
#include "dataproviderfixture.h"
#include "ftpserver.h"
#include "parameter/parameter.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

class TestDataProviderTimeout : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FtpServer m_server{QStringLiteral("tester"), QStringLiteral("tester")};

private slots:
    void transferTimeOutEndsTheOperation()
    {
        QVERIFY(installEnglish());
        for (const char* name : {"ftp_proxy", "FTP_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
        QString error;
        QVERIFY2(m_server.start(&error), qPrintable(error));
        QVERIFY(QDir(m_server.rootPath()).mkpath(QStringLiteral("qordata")));
        localTmpDir = m_dir.path() + QLatin1Char('/');
        loadSettings(m_dir, "ParameterPath=" + m_dir.path().toUtf8() + "\n",
                     "MirelIPAddress=127.0.0.1\nMirelUser=tester\nFtpTimeout_ms=300\n"
                     "FtpMaxRetryCount=0\n");
        Parameter* store = Parameter::instance();
        store->editImage() = changedImage(1);
        store->setMasterData(true);
        const quint16 port = m_server.port();
        DataProvider* provider =
            DataProvider::create(nullptr, std::make_unique<SimulatedController>(), port);
        QVERIFY(provider->createRemoteDirectories());

        // The same port now accepts connections and never says a word.
        m_server.stop();
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, port));
        QList<QTcpSocket*> accepted;
        connect(&silent, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket* socket = silent.nextPendingConnection())
                accepted << socket;
        });

        BoxRecorder boxes;
        QVERIFY(!provider->readSAFM(nullptr));
        QCOMPARE(boxes.lastTitle(), QStringLiteral("Read Orbilux timed out"));
        QCOMPARE(boxes.lastText(), QStringLiteral("The controller did not answer in time.\n") +
                                       systemErrorText(1460, 0x409));
        QCOMPARE(provider->errorRecord().errorCode, int(DataProvider::TimeoutError));
        QCOMPARE(provider->errorRecord().source, int(DataProviderErrorRecord::FtpSource));
        QVERIFY(store->masterImage() == changedImage(1));
        QVERIFY(!accepted.isEmpty());
    }
};

QTEST_MAIN(TestDataProviderTimeout)
#include "tst_dataprovider_timeout.moc"
