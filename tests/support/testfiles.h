#pragma once

// Small files the tests write and read: contents, and settings files loaded
// over the defaults.

#include "app/core/setting.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

inline QString writeTestFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

inline QByteArray readTestFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Only the given settings differ from the defaults afterwards.
// QSettings keeps the parsed file per path and reads it again only when its
// size or time changed: a rewrite of the same size within the same moment
// would be read as the old one, so each version gets a time of its own.
inline void loadSettingsFile(const QString& path, const QByteArray& content)
{
    static QDateTime stamp = QDateTime::currentDateTime().addDays(-1);
    stamp = stamp.addSecs(1);
    writeTestFile(path, content);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) ||
        !file.setFileTime(stamp, QFileDevice::FileModificationTime))
        qFatal("cannot set the time of %s", qPrintable(path));
    file.close();
    Setting::instance()->resetToDefaults();
    Setting::instance()->load(path);
}
