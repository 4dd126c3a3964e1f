#pragma once

#include "io/ftplistentry.h"
#include "io/ftpsession.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <QVector>

#include <functional>
#include <memory>

// FTP client of the controller's work folders. Every command queues one job
// on the client's worker thread and waits for it in a nested event loop that
// keeps the windows painted but leaves user input alone, so a call returns
// only when the command has ended, as with a blocking call. A command whose
// line fails (time-out, refused or broken connection) is tried again up to
// "FtpMaxRetryCount" times, "FtpRetryWait_ms" apart; "FtpTimeout_ms" bounds
// each wait for the server.
class FtpClient : public QObject
{
    Q_OBJECT

public:
    explicit FtpClient(QObject* parent = nullptr);
    ~FtpClient() override;

    // Connects and logs in; the account is kept for the later commands.
    bool login(const QString& host, const QString& user, const QString& password,
               quint16 port = 21);
    // The account was accepted; close() does not undo it: the next command
    // connects and logs in again.
    bool isLoggedIn() const { return m_loggedIn; }

    bool mkdir(const QString& remoteDir); // an existing folder is no error
    bool put(const QString& localPath, const QString& remotePath);
    bool get(const QString& remotePath, const QString& localPath);
    bool list(const QString& remoteDir, QVector<FtpListEntry>* entries);
    // Ends the control connection.
    void close();

    int timeoutMs() const { return m_timeoutMs; }
    int maxRetryCount() const { return m_maxRetryCount; }
    int retryWaitMs() const { return m_retryWaitMs; }

    // lastError() of a command refused before log-in.
    static constexpr int notLoggedIn = -1;

    // Details of the last command, cleared when a command starts.
    int lastError() const { return m_lastResult.curlCode; } // libcurl result, 0: none
    long lastReplyCode() const { return m_lastResult.replyCode; }
    QString lastErrorText() const { return m_lastResult.errorText; }
    int lastSystemError() const { return m_lastResult.systemError; }
    QString lastSystemErrorText() const;
    int lastRetryCount() const { return m_lastRetryCount; }

private:
    using Command = std::function<IO::FtpResult(IO::FtpSession&)>;
    bool run(const QString& method, const QString& arguments, const Command& command);
    IO::FtpResult runOnWorker(const Command& command);

    QThread m_thread;
    QObject m_worker; // lives in m_thread; runs the queued jobs
    std::unique_ptr<IO::FtpSession> m_session;
    int m_timeoutMs;
    int m_maxRetryCount;
    int m_retryWaitMs;
    bool m_loggedIn = false;
    IO::FtpResult m_lastResult;
    int m_lastRetryCount = 0;
};
