#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Keeps one running instance per program folder. The lock is a file held
// open by the process; the OS releases it when the process ends, and a lock
// left by a killed process is recognised as stale and taken over.
class SingleInstance
{
public:
    enum Result
    {
        Acquired,
        HeldByAnother, // another live instance runs
        Unavailable    // the lock file cannot be made (e.g. no write permission)
    };
    static Result acquire(const QString& directory, const QString& name);
    static void release();

private:
    static std::unique_ptr<QLockFile>& lock();
};
