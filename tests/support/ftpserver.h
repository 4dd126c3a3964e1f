#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real FTP server for the tests: pyftpdlib of the system Python on
// 127.0.0.1, a free port, a temporary root folder and one account with write
// permission. Stopped when the fixture goes.
class FtpServer
{
public:
    FtpServer(const QString& user = QStringLiteral("obx"),
              const QString& password = QStringLiteral("s3cret"));
    ~FtpServer();
    FtpServer(const FtpServer&) = delete;
    FtpServer& operator=(const FtpServer&) = delete;

    // Starts the server and waits until it accepts; false with the reason.
    bool start(QString* error = nullptr);
    void stop();

    QString host() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    QString user() const { return m_user; }
    QString password() const { return m_password; }
    // Local folder that the server shows as "/".
    QString rootPath() const { return m_root.path(); }

private:
    bool tryPort(quint16 port, QString* error);

    QString m_user;
    QString m_password;
    QTemporaryDir m_root;
    QProcess m_process;
    quint16 m_port = 0;
};
