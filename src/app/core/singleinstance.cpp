#include "singleinstance.h"

#include <QDir>

std::unique_ptr<QLockFile>& SingleInstance::lock()
{
    static std::unique_ptr<QLockFile> held;
    return held;
}

SingleInstance::Result SingleInstance::acquire(const QString& directory, const QString& name)
{
    auto file =
        std::make_unique<QLockFile>(QDir(directory).filePath(name + QStringLiteral(".lock")));
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
