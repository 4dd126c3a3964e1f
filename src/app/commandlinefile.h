#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// One file named on the command line. The name is kept as the caller's
// bytes (a name need not be valid UTF-8, which the toolkit's strings cannot
// carry) and the file, or the folder it is to be written in, is opened at
// once: later changes of the working directory, or of the file between
// its check and its read, cannot make the program take another file. The
// toolkit's readers and writers then reach it through /proc/self/fd, or by
// the name against the caller's folder where /proc is not mounted.
class CommandLineFile
{
public:
    explicit CommandLineFile(const QByteArray& name);
    ~CommandLineFile();
    CommandLineFile(const CommandLineFile&) = delete;
    CommandLineFile& operator=(const CommandLineFile&) = delete;

    // Opens an existing regular file for reading. Anything else (a FIFO, a
    // device, a folder) is refused before it is opened, so nothing can
    // block. False with error() set when refused.
    bool openForReading();
    // Opens the folder the file is to be written in. Refuses a name that
    // exists but is not a regular file (a device would be replaced by the
    // output) or that is one of the inputs, by device and inode: a hard
    // link, a symbolic link or a bind mount are the same file by another
    // path.
    bool openForWriting(const CommandLineFile* const* inputs, int inputCount);

    // The path the toolkit reads the opened file by.
    QString readPath() const;
    // The path the toolkit writes the file by; finishWrite() then gives it
    // its name where the name is no toolkit string.
    QString writePath() const;
    bool finishWrite();
    // Removes what writePath() left behind when the write failed.
    void discardWrite();

    // The name as given, for one output line: escaped as the shell's $'...'
    // where it holds control characters, line or paragraph separators, or
    // bytes that are not UTF-8.
    QString shownName() const { return shownName(m_name); }
    static QString shownName(const QByteArray& name);
    // The name against the working directory when the file was named.
    QString absoluteName() const;
    QString error() const { return m_error; }

private:
    QByteArray m_name;
    QByteArray m_absolute;
    QByteArray m_baseName;
    QString m_error;
    int m_fd = -1;     // the file, opened for reading
    int m_folder = -1; // the folder, opened for writing into
    bool m_viaTemporary = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};
