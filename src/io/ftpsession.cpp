#include "io/ftpsession.h"

#include "app/core/interfaceutilities.h"

#include <QFile>
#include <QSaveFile>
#include <QUrl>

#include <curl/curl.h>

#include <cerrno>
#include <cstdio>
#include <limits>
#include <mutex>

namespace IO {
struct FtpSessionCallbacks
{
    static int progress(void* session, curl_off_t, curl_off_t downloaded, curl_off_t,
                        curl_off_t uploaded)
    {
        return static_cast<FtpSession*>(session)->keepGoing(downloaded + uploaded) ? 0 : 1;
    }
    static size_t appendToBuffer(char* data, size_t size, size_t count, void* buffer)
    {
        static_cast<QByteArray*>(buffer)->append(data, int(size * count));
        return size * count;
    }
    static size_t writeToFile(char* data, size_t size, size_t count, void* file)
    {
        const qint64 written = static_cast<QSaveFile*>(file)->write(data, qint64(size * count));
        return written < 0 ? 0 : size_t(written);
    }
};

namespace {
bool isUnsafePath(const QString& path)
{
    // A line break would end the FTP command and start another one.
    return path.contains(QLatin1Char('\r')) || path.contains(QLatin1Char('\n')) ||
           path.contains(QChar(0));
}

// Each segment is percent-encoded; "%2F" in front makes libcurl start from
// the root folder instead of the log-in folder.
QByteArray encodePath(const QString& path, bool directory)
{
    QByteArray encoded;
    if (path.startsWith(QLatin1Char('/')))
        encoded = "%2F";
    const QStringList segments = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < segments.size(); ++i) {
        if (i > 0 || !encoded.isEmpty())
            encoded += '/';
        encoded += QUrl::toPercentEncoding(segments.at(i));
    }
    if (encoded == "%2F")
        encoded += '/';
    else if (directory && !encoded.isEmpty())
        encoded += '/';
    return encoded;
}

FtpResult failure(int curlCode, const QString& text, int systemError = 0)
{
    FtpResult result;
    result.curlCode = curlCode;
    result.errorText = text;
    result.systemError = systemError;
    return result;
}
} // namespace

bool FtpResult::isTransient() const
{
    switch (curlCode) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_PARTIAL_FILE:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
        return true;
    default:
        return false;
    }
}

FtpSession::FtpSession()
{
    static_assert(sizeof m_errorBuffer >= CURL_ERROR_SIZE, "libcurl error buffer");
    static std::once_flag globalInit;
    std::call_once(globalInit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    m_curl = curl_easy_init();
}

FtpSession::~FtpSession()
{
    if (m_curl)
        curl_easy_cleanup(m_curl);
}

void FtpSession::setServer(const QString& host, quint16 port, const QString& user,
                           const QString& password)
{
    const QString hostPart =
        host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    m_serverUrl = "ftp://" + hostPart.toUtf8() + ':' + QByteArray::number(port) + '/';
    m_user = user.toUtf8();
    m_password = password.toUtf8();
}

bool FtpSession::prepare(const QString& path, bool directory, FtpResult* result)
{
    if (!m_curl) {
        *result = failure(CURLE_FAILED_INIT, QStringLiteral("FTP client not initialised"));
        return false;
    }
    if (isUnsafePath(path)) {
        *result = failure(CURLE_URL_MALFORMAT, QStringLiteral("Invalid remote path"));
        return false;
    }
    // Resetting keeps the open control connection for reuse.
    curl_easy_reset(m_curl);
    const QByteArray url = m_serverUrl + encodePath(path, directory);
    curl_easy_setopt(m_curl, CURLOPT_URL, url.constData()); // libcurl copies option texts
    curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_user.constData());
    curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_password.constData());
    // Never through a proxy, whatever the environment says.
    curl_easy_setopt(m_curl, CURLOPT_PROXY, "");
    curl_easy_setopt(m_curl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    // Plain PASV: older embedded servers do not know EPSV.
    curl_easy_setopt(m_curl, CURLOPT_FTP_USE_EPSV, 0L);
    curl_easy_setopt(m_curl, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(m_curl, CURLOPT_CONNECTTIMEOUT_MS, long(m_timeoutMs));
    // Whole seconds, rounded up in 64 bits (the setting may be as large as
    // int holds); libcurl refuses more than INT_MAX / 1000 and would then
    // fall back to its own two minutes.
    const qint64 responseSeconds =
        qMin<qint64>((qint64(m_timeoutMs) + 999) / 1000, std::numeric_limits<int>::max() / 1000);
    curl_easy_setopt(m_curl, CURLOPT_FTP_RESPONSE_TIMEOUT, long(responseSeconds));
    curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_errorBuffer);
    curl_easy_setopt(m_curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFOFUNCTION, &FtpSessionCallbacks::progress);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, this);
    return true;
}

bool FtpSession::keepGoing(std::int64_t movedBytes)
{
    if (m_aborted)
        return false;
    const auto now = std::chrono::steady_clock::now();
    // The time-out counts from the last moment data moved.
    if (movedBytes != m_lastProgress) {
        m_lastProgress = movedBytes;
        m_idleSince = now;
        return true;
    }
    if (now - m_idleSince >= std::chrono::milliseconds(m_timeoutMs)) {
        m_timedOut = true;
        return false;
    }
    return true;
}

FtpResult FtpSession::perform()
{
    m_errorBuffer[0] = '\0';
    m_timedOut = false;
    m_lastProgress = 0;
    m_idleSince = std::chrono::steady_clock::now();
    FtpResult result;
    if (m_aborted)
        return failure(CURLE_ABORTED_BY_CALLBACK, QStringLiteral("Aborted"));
    result.curlCode = curl_easy_perform(m_curl);
    curl_easy_getinfo(m_curl, CURLINFO_RESPONSE_CODE, &result.replyCode);
    if (result.ok())
        return result;
    long osErrno = 0;
    if (curl_easy_getinfo(m_curl, CURLINFO_OS_ERRNO, &osErrno) == CURLE_OK)
        result.systemError = int(osErrno);
    if (result.curlCode == CURLE_ABORTED_BY_CALLBACK && m_timedOut) {
        result.curlCode = CURLE_OPERATION_TIMEDOUT;
        result.errorText = QStringLiteral("Operation timed out after %1 ms").arg(m_timeoutMs);
    } else if (result.curlCode == CURLE_ABORTED_BY_CALLBACK) {
        result.errorText = QStringLiteral("Aborted");
    } else if (m_errorBuffer[0] != '\0') {
        result.errorText = QString::fromUtf8(m_errorBuffer).trimmed();
    } else {
        result.errorText = QString::fromUtf8(curl_easy_strerror(CURLcode(result.curlCode)));
    }
    return result;
}

FtpResult FtpSession::login()
{
    FtpResult result;
    if (!prepare(QString(), true, &result))
        return result;
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    return perform();
}

FtpResult FtpSession::makeDirectory(const QString& path)
{
    FtpResult result;
    if (!prepare(QString(), true, &result))
        return result;
    if (isUnsafePath(path))
        return failure(CURLE_URL_MALFORMAT, QStringLiteral("Invalid remote path"));
    const QByteArray command = "MKD " + path.toUtf8();
    curl_slist* commands = curl_slist_append(nullptr, command.constData());
    curl_easy_setopt(m_curl, CURLOPT_QUOTE, commands);
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    result = perform();
    curl_easy_setopt(m_curl, CURLOPT_QUOTE, nullptr);
    curl_slist_free_all(commands);
    if (result.curlCode != CURLE_QUOTE_ERROR)
        return result;
    // Refused: fine when the folder is already there (we can change into it).
    FtpResult exists;
    if (!prepare(path, true, &exists))
        return result;
    curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
    exists = perform();
    return exists.ok() ? exists : result;
}

FtpResult FtpSession::upload(const QString& localPath, const QString& remotePath)
{
    FtpResult result;
    if (!prepare(remotePath, false, &result))
        return result;
    errno = 0;
    std::FILE* file = std::fopen(QFile::encodeName(localPath).constData(), "rb");
    if (!file) {
        const int error = errno;
        return failure(CURLE_READ_ERROR,
                       QStringLiteral("Cannot read %1: %2").arg(localPath, systemErrorText(error)),
                       error);
    }
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::rewind(file);
    curl_easy_setopt(m_curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, file);
    if (size >= 0)
        curl_easy_setopt(m_curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    result = perform();
    if (result.curlCode == CURLE_READ_ERROR && std::ferror(file))
        result.systemError = errno;
    std::fclose(file);
    return result;
}

FtpResult FtpSession::download(const QString& remotePath, const QString& localPath)
{
    FtpResult result;
    if (!prepare(remotePath, false, &result))
        return result;
    QSaveFile file(localPath);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return failure(CURLE_WRITE_ERROR,
                       QStringLiteral("Cannot write %1: %2").arg(localPath, file.errorString()),
                       error);
    }
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &FtpSessionCallbacks::writeToFile);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &file);
    result = perform();
    if (!result.ok()) {
        if (result.curlCode == CURLE_WRITE_ERROR) {
            result.systemError = errno;
            result.errorText =
                QStringLiteral("Cannot write %1: %2").arg(localPath, file.errorString());
        }
        file.cancelWriting();
        return result;
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return failure(CURLE_WRITE_ERROR,
                       QStringLiteral("Cannot write %1: %2").arg(localPath, file.errorString()),
                       error);
    }
    return result;
}

FtpResult FtpSession::listDirectory(const QString& path, QByteArray* listing)
{
    FtpResult result;
    if (!prepare(path, true, &result))
        return result;
    listing->clear();
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, &FtpSessionCallbacks::appendToBuffer);
    curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, listing);
    return perform();
}

void FtpSession::disconnect()
{
    // Cleaning up the handle closes (QUIT) its cached connection.
    if (m_curl)
        curl_easy_cleanup(m_curl);
    m_curl = curl_easy_init();
}
} // namespace IO
