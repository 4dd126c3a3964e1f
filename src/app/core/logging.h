#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// Folder of the daily log files, without a trailing separator.
extern QString logDirectory;

// Toolkit message handler: one line per message to standard error and to the
// log file of the day ("%1/%2.log" with the date as yyyyMMdd).
void LogMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// Sets logDirectory from path (or the "LogPath" setting when path is empty,
// falling back to the temporary folder) and creates it. Returns false when
// the folder cannot be made.
bool CreateLogDirectory(const QString& path);

namespace Logging {
// The line the handler writes for a message of the given type at a time;
// empty for debug messages, which are dropped.
QString formatLine(QtMsgType type, const QDateTime& time, const QString& message);
QString logFilePath(const QDate& date);
} // namespace Logging
