#include "io/ftpclient.h"

#include "app/core/interfaceutilities.h"
#include "io/settingnumber.h"
#include "io/waitwithoutinput.h"

#include <QDebug>
#include <QEventLoop>

namespace {
// Completion of one queued job, shared between the worker and the waiting
// call on the GUI thread.
struct Job
{
    IO::FtpResult result;
    bool done = false;
    QEventLoop* loop = nullptr;
};
} // namespace

FtpClient::FtpClient(QObject* parent)
    : QObject(parent), m_session(std::make_unique<IO::FtpSession>()),
      m_timeoutMs(IO::unsignedSetting(QStringLiteral("FtpTimeout_ms"), 30000)),
      m_maxRetryCount(IO::unsignedSetting(QStringLiteral("FtpMaxRetryCount"), 2)),
      m_retryWaitMs(IO::unsignedSetting(QStringLiteral("FtpRetryWait_ms"), 100))
{
    m_session->setTimeout(m_timeoutMs);
    m_thread.setObjectName(QStringLiteral("FtpClient"));
    m_worker.moveToThread(&m_thread);
    m_thread.start();
}

FtpClient::~FtpClient()
{
    m_session->abort();
    m_thread.quit();
    m_thread.wait();
}

QString FtpClient::lastSystemErrorText() const
{
    return systemErrorText(unsigned(m_lastResult.systemError));
}

IO::FtpResult FtpClient::runOnWorker(const Command& command)
{
    auto job = std::make_shared<Job>();
    IO::FtpSession* session = m_session.get();
    QMetaObject::invokeMethod(
        &m_worker,
        [this, job, session, command] {
            job->result = command(*session);
            QMetaObject::invokeMethod(
                this,
                [job] {
                    job->done = true;
                    if (job->loop)
                        job->loop->quit();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    // The completion arrives as an event of this thread, so it cannot come
    // before the loop runs.
    QEventLoop loop;
    job->loop = &loop;
    while (!job->done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    job->loop = nullptr;
    return job->result;
}

bool FtpClient::run(const QString& method, const QString& arguments, const Command& command)
{
    const QString name = QStringLiteral("FtpClient::") + method;
    m_lastResult = IO::FtpResult();
    m_lastRetryCount = 0;
    IO::FtpResult result;
    if (!m_loggedIn && method != QLatin1String("login")) {
        result.curlCode = notLoggedIn;
        result.errorText = QStringLiteral("Not logged in");
    } else {
        result = runOnWorker(command);
    }
    while (!result.ok() && result.isTransient() && m_lastRetryCount < m_maxRetryCount) {
        ++m_lastRetryCount;
        qWarning().noquote()
            << name << arguments << result.errorText
            << QStringLiteral("Retry %1 after %2ms wait").arg(m_lastRetryCount).arg(m_retryWaitMs);
        IO::waitWithoutInput(m_retryWaitMs);
        result = runOnWorker(command);
    }
    m_lastResult = result;
    if (result.ok()) {
        qInfo().noquote() << name << arguments << "->" << okNgText(true);
        return true;
    }
    qWarning().noquote() << name << arguments << "error:" << result.curlCode
                         << "reply:" << result.replyCode << result.errorText << "->"
                         << okNgText(false);
    return false;
}

bool FtpClient::login(const QString& host, const QString& user, const QString& password,
                      quint16 port)
{
    m_loggedIn = false;
    // The controller's account uses its name as password: neither is logged.
    const QString arguments = QStringLiteral("%1:%2").arg(host).arg(port);
    m_loggedIn = run(QStringLiteral("login"), arguments,
                     [host, port, user, password](IO::FtpSession& session) {
                         // A new account must not reuse the old account's line.
                         session.disconnect();
                         session.setServer(host, port, user, password);
                         return session.login();
                     });
    return m_loggedIn;
}

bool FtpClient::mkdir(const QString& remoteDir)
{
    return run(QStringLiteral("mkdir"), remoteDir,
               [remoteDir](IO::FtpSession& session) { return session.makeDirectory(remoteDir); });
}

bool FtpClient::put(const QString& localPath, const QString& remotePath)
{
    return run(QStringLiteral("put"), localPath + QLatin1Char(' ') + remotePath,
               [localPath, remotePath](IO::FtpSession& session) {
                   return session.upload(localPath, remotePath);
               });
}

bool FtpClient::get(const QString& remotePath, const QString& localPath)
{
    return run(QStringLiteral("get"), remotePath + QLatin1Char(' ') + localPath,
               [remotePath, localPath](IO::FtpSession& session) {
                   return session.download(remotePath, localPath);
               });
}

bool FtpClient::list(const QString& remoteDir, QVector<FtpListEntry>* entries)
{
    auto listing = std::make_shared<QByteArray>();
    const bool ok =
        run(QStringLiteral("list"), remoteDir, [remoteDir, listing](IO::FtpSession& session) {
            return session.listDirectory(remoteDir, listing.get());
        });
    if (entries)
        *entries = ok ? FtpListEntry::parseListing(*listing) : QVector<FtpListEntry>();
    return ok;
}

void FtpClient::close()
{
    runOnWorker([](IO::FtpSession& session) {
        session.disconnect();
        return IO::FtpResult();
    });
    qInfo().noquote() << "FtpClient::close ->" << okNgText(true);
}
