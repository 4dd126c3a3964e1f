#pragma once

// Small files the tests write and read: contents, and settings files loaded
// over the defaults.

#include "app/core/setting.h"

#include <QByteArray>
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
inline void loadSettingsFile(const QString& path, const QByteArray& content)
{
    writeTestFile(path, content);
    Setting::instance()->resetToDefaults();
    Setting::instance()->load(path);
}
