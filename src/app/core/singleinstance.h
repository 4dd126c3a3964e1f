#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Keeps one running instance of the program per user session, whichever
// folder a copy was installed in. The lock is a file named after the program
// in the user's runtime folder (else the system's temporary folder), held
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
    static Result acquire(const QString& name);
    static void release();
    // Where every copy of the program looks for the lock.
    static QString lockDirectory();

private:
    static std::unique_ptr<QLockFile>& lock();
};
