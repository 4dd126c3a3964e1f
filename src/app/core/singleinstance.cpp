#include "singleinstance.h"

#include <QDir>
#include <QStandardPaths>

std::unique_ptr<QLockFile>& SingleInstance::lock()
{
    static std::unique_ptr<QLockFile> held;
    return held;
}

QString SingleInstance::lockDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

SingleInstance::Result SingleInstance::acquire(const QString& name)
{
    auto file =
        std::make_unique<QLockFile>(QDir(lockDirectory()).filePath(name + QStringLiteral(".lock")));
    // Never stale by age: a long-running first instance keeps its lock.
    // A lock whose process no longer exists is still detected and removed.
    file->setStaleLockTime(0);
    if (!file->tryLock(0))
        return file->error() == QLockFile::LockFailedError ? HeldByAnother : Unavailable;
    lock() = std::move(file);
    return Acquired;
}

void SingleInstance::release()
{
    lock().reset();
}
