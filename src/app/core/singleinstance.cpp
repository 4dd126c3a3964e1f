#include "singleinstance.h"

#include <QDir>

std::unique_ptr<QLockFile>& SingleInstance::lock()
{
    static std::unique_ptr<QLockFile> held;
    return held;
}

bool SingleInstance::acquire(const QString& directory, const QString& name)
{
    auto file =
        std::make_unique<QLockFile>(QDir(directory).filePath(name + QStringLiteral(".lock")));
    // Never stale by age: a long-running first instance keeps its lock.
    // A lock whose process no longer exists is still detected and removed.
    file->setStaleLockTime(0);
    if (!file->tryLock(0))
        return false;
    lock() = std::move(file);
    return true;
}

void SingleInstance::release()
{
    lock().reset();
}
