#include "app/commandlinefile.h"

#include "app/core/displaytext.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errnoText(int number)
{
    return QString::fromLocal8Bit(std::strerror(number));
}

QString descriptorPath(int fd)
{
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

// Where /proc is not mounted (some chroots and containers) an opened file
// cannot be reached by its descriptor; it is then reached by the name taken
// against the caller's folder, which the toolkit can carry where it is UTF-8.
bool descriptorsReachable(int fd)
{
    struct stat info;
    return ::stat(QFile::encodeName(descriptorPath(fd)).constData(), &info) == 0;
}

QByteArray workingDirectory()
{
    char* path = ::getcwd(nullptr, 0);
    const QByteArray directory(path ? path : ".");
    std::free(path);
    return directory;
}

// Where a written file waits for its name when that name is no toolkit
// string; in the target folder, so that the rename cannot cross a device.
QByteArray temporaryName()
{
    return QByteArray(".obxsetting-") + QByteArray::number(qint64(::getpid())) + ".part";
}

} // namespace

CommandLineFile::CommandLineFile(const QByteArray& name)
    : m_name(name), m_absolute(name.startsWith('/') ? name : workingDirectory() + '/' + name)
{
    const int slash = name.lastIndexOf('/');
    m_baseName = name.mid(slash + 1);
}

CommandLineFile::~CommandLineFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_folder >= 0)
        ::close(m_folder);
}

bool CommandLineFile::openForReading()
{
    struct stat info;
    if (::stat(m_name.constData(), &info) != 0) {
        m_error = errno == ENOENT ? QStringLiteral("no such file")
                                  : QStringLiteral("cannot be read: ") + errnoText(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        m_error = QStringLiteral("is a directory");
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        m_error = QStringLiteral("not a regular file");
        return false;
    }
    // Not blocking: the name may have become a FIFO since the look above.
    const int fd = ::open(m_name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        m_error = QStringLiteral("cannot be read: ") + errnoText(errno);
        return false;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        m_error = QStringLiteral("not a regular file");
        return false;
    }
    m_fd = fd;
    m_device = info.st_dev;
    m_inode = info.st_ino;
    return true;
}

bool CommandLineFile::openForWriting(const CommandLineFile* const* inputs, int inputCount)
{
    if (m_baseName.isEmpty() || m_baseName == "." || m_baseName == "..") {
        m_error = QStringLiteral("is a directory");
        return false;
    }
    const int slash = m_name.lastIndexOf('/');
    const QByteArray folderName = slash < 0    ? QByteArray(".")
                                  : slash == 0 ? QByteArray("/")
                                               : m_name.left(slash);
    const int folder = ::open(folderName.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        m_error = errnoText(errno);
        return false;
    }
    struct stat info;
    // Through a symbolic link: what it names is what the write replaces.
    const bool exists = ::fstatat(folder, m_baseName.constData(), &info, 0) == 0;
    if (exists) {
        QString refusal;
        if (S_ISDIR(info.st_mode))
            refusal = QStringLiteral("is a directory");
        else if (!S_ISREG(info.st_mode))
            refusal = QStringLiteral("not a regular file");
        for (int i = 0; i < inputCount && refusal.isEmpty(); ++i)
            if (inputs[i]->m_fd >= 0 && inputs[i]->m_device == info.st_dev &&
                inputs[i]->m_inode == info.st_ino)
                refusal = QStringLiteral("is the file being read, %1").arg(inputs[i]->shownName());
        if (!refusal.isEmpty()) {
            ::close(folder);
            m_error = refusal;
            return false;
        }
    }
    // The report is written beside the file and then replaces it. Asked
    // here, where the reason goes with the name as given: the writer knows
    // the file only by the descriptor path it is written through.
    if (::faccessat(folder, ".", W_OK, 0) != 0 ||
        (exists && ::faccessat(folder, m_baseName.constData(), W_OK, 0) != 0)) {
        m_error = errnoText(errno);
        ::close(folder);
        return false;
    }
    m_folder = folder;
    m_viaTemporary = QFile::encodeName(QFile::decodeName(m_baseName)) != m_baseName;
    return true;
}

QString CommandLineFile::readPath() const
{
    return descriptorsReachable(m_fd) ? descriptorPath(m_fd) : QFile::decodeName(m_absolute);
}

QString CommandLineFile::writePath() const
{
    const QString folder = descriptorsReachable(m_folder)
                               ? descriptorPath(m_folder)
                               : QFile::decodeName(m_absolute.left(m_absolute.lastIndexOf('/')));
    return folder + QLatin1Char('/') +
           QFile::decodeName(m_viaTemporary ? temporaryName() : m_baseName);
}

bool CommandLineFile::finishWrite()
{
    if (!m_viaTemporary)
        return true;
    if (::renameat(m_folder, temporaryName().constData(), m_folder, m_baseName.constData()) == 0)
        return true;
    m_error = errnoText(errno);
    discardWrite();
    return false;
}

void CommandLineFile::discardWrite()
{
    if (m_viaTemporary && m_folder >= 0)
        ::unlinkat(m_folder, temporaryName().constData(), 0);
}

QString CommandLineFile::shownName(const QByteArray& name)
{
    return DisplayText::quoted(name);
}

QString CommandLineFile::absoluteName() const
{
    return DisplayText::needsQuoting(m_absolute) ? shownName(m_absolute)
                                                 : QDir::cleanPath(QString::fromUtf8(m_absolute));
}
