#include "ftpserver.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {
// A port that is free now; another process may still take it before the
// server binds, which start() answers by trying again.
quint16 freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}
} // namespace

FtpServer::FtpServer(const QString& user, const QString& password)
    : m_user(user), m_password(password)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

FtpServer::~FtpServer()
{
    stop();
}

bool FtpServer::start(QString* error)
{
    QString reason = QStringLiteral("no free port");
    if (!m_root.isValid())
        reason = QStringLiteral("no temporary folder");
    else
        for (int attempt = 0; attempt < 10; ++attempt) {
            const quint16 port = freePort();
            if (port != 0 && tryPort(port, &reason))
                return true;
        }
    if (error)
        *error = reason;
    return false;
}

bool FtpServer::tryPort(quint16 port, QString* error)
{
    stop();
    // The system Python has pyftpdlib; keep any other Python set-up out.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"PYTHONPATH", "PYTHONHOME", "PYTHONSTARTUP", "PYTHONUSERBASE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("PYTHONUNBUFFERED"), QStringLiteral("1"));
    m_process.setProcessEnvironment(environment);
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                     host(), QStringLiteral("-p"), QString::number(port), QStringLiteral("-d"),
                     m_root.path(), QStringLiteral("-u"), m_user, QStringLiteral("-P"), m_password,
                     QStringLiteral("-w")});
    if (!m_process.waitForStarted(10000)) {
        *error = m_process.errorString();
        return false;
    }
    // The server announces itself once its socket is bound; only then can a
    // greeting on this port be its own and not another test's server.
    QByteArray output;
    const QDeadlineTimer deadline(20000);
    while (!output.contains(">>> starting FTP server")) {
        if (m_process.state() != QProcess::Running || deadline.hasExpired()) {
            output += m_process.readAll();
            *error = QStringLiteral("FTP server did not start: ") + QString::fromLocal8Bit(output);
            stop();
            return false;
        }
        m_process.waitForReadyRead(100);
        output += m_process.readAll();
    }
    while (!deadline.hasExpired()) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(1000) && socket.waitForReadyRead(2000) &&
            socket.readLine().startsWith("220")) {
            m_port = port;
            return true;
        }
        QThread::msleep(50);
    }
    *error = QStringLiteral("FTP server does not answer");
    stop();
    return false;
}

void FtpServer::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    m_port = 0;
}
