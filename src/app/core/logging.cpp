#include "logging.h"

#include "interfaceutilities.h"
#include "setting.h"
#include "startupstate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QtDebug>

#include <cstdio>
#include <cstdlib>

QString logDirectory;

namespace Logging {

QString formatLine(QtMsgType type, const QDateTime& time, const QString& message)
{
    const char* pattern = nullptr;
    switch (type) {
    case QtDebugMsg:
        return QString();
    case QtInfoMsg:
        pattern = "[%1] Info -- : %2";
        break;
    case QtWarningMsg:
        pattern = "[%1] Warning -- : %2";
        break;
    case QtCriticalMsg:
        pattern = "[%1] Critical -- : %2";
        break;
    case QtFatalMsg:
        pattern = "[%1] Fatal -- : %2";
        break;
    }
    return QString::fromLatin1(pattern).arg(
        time.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz")), message);
}

QString logFilePath(const QDate& date)
{
    return QStringLiteral("%1/%2.log").arg(logDirectory, date.toString(QStringLiteral("yyyyMMdd")));
}

} // namespace Logging

void LogMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg)
        return;
    // One instant for both the time stamp and the file name, so a line
    // written at midnight lands in the file of its own date.
    const QDateTime now = QDateTime::currentDateTime();
    const QString line = Logging::formatLine(type, now, message);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);

    if (!logDirectory.isEmpty()) {
        QFile file(Logging::logFilePath(now.date()));
        if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            QTextStream stream(&file);
            stream.setCodec("UTF-8");
            stream << line << '\n';
        } else {
            // Said once, so that a folder without write access does not cost
            // the log silently, nor flood the console.
            static bool told = false;
            if (!told) {
                told = true;
                std::fprintf(stderr,
                             "Cannot write the log file %s (%s); log lines go to standard error "
                             "only.\n",
                             qUtf8Printable(file.fileName()), qUtf8Printable(file.errorString()));
                std::fflush(stderr);
            }
        }
    }
    // A fatal message is kept in the log file too, so the reason for the
    // abort is not lost with the console.
    if (type == QtFatalMsg)
        std::abort();
}

bool CreateLogDirectory(const QString& path)
{
    QString dir = path.isEmpty() ? Setting::instance()->value(QStringLiteral("LogPath")) : path;
    if (!dir.isEmpty())
        dir = expandEnvironment(dir);
    if (dir.isEmpty())
        dir = localTmpDir;
    if (dir.endsWith(QLatin1Char('\\')) || dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    // An empty result would put the log files at the filesystem root.
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath() + QStringLiteral("/log");
    logDirectory = dir;
    const bool made = QDir().mkpath(dir);
    qInfo().noquote() << "LogPath:" << dir;
    return made;
}
