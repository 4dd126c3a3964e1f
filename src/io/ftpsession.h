#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>

namespace IO {
// Outcome of one FTP command.
struct FtpResult
{
    int curlCode = 0;    // libcurl result, 0 on success
    long replyCode = 0;  // the server's last reply code, 0 when none came
    int systemError = 0; // errno of a local file or socket failure, else 0
    QString errorText;

    bool ok() const { return curlCode == 0; }
    // Failures of the line (time-out, refused or broken connection) that a
    // second attempt may overcome; not those the server or the PC decided.
    bool isTransient() const;
};

// One FTP account on one server, driven through a libcurl easy handle that
// keeps the control connection open between commands. Each call blocks until
// the command ends; FtpClient runs them on its worker thread. Passive mode,
// binary transfers, never through a proxy.
class FtpSession
{
public:
    FtpSession();
    ~FtpSession();
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    void setServer(const QString& host, quint16 port, const QString& user, const QString& password);
    // A command fails when the server stays silent, or data stops moving,
    // for this long.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    // Remote paths starting with "/" are absolute, others relative to the
    // log-in folder.
    FtpResult login();
    FtpResult makeDirectory(const QString& path); // an existing folder is no error
    FtpResult upload(const QString& localPath, const QString& remotePath);
    // The local file is replaced only when the whole file arrived.
    FtpResult download(const QString& remotePath, const QString& localPath);
    FtpResult listDirectory(const QString& path, QByteArray* listing);
    // Ends the control connection; the next command opens a new one.
    void disconnect();
    // Makes the running and every later command fail at once; any thread.
    void abort() { m_aborted = true; }

private:
    bool prepare(const QString& path, bool directory, FtpResult* result);
    FtpResult perform();
    // Progress report of libcurl: false ends the command.
    bool keepGoing(std::int64_t movedBytes);
    friend struct FtpSessionCallbacks;

    void* m_curl = nullptr;
    QByteArray m_serverUrl; // "ftp://host:port/"
    QByteArray m_user;
    QByteArray m_password;
    int m_timeoutMs = 30000;
    char m_errorBuffer[256] = {};
    std::atomic<bool> m_aborted{false};
    bool m_timedOut = false;
    std::chrono::steady_clock::time_point m_idleSince;
    std::int64_t m_lastProgress = 0;
};
} // namespace IO
