#include "help/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

bool OwnRegularFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
           info.st_nlink == 1;
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

}  // namespace

bool SafeFile::CreateNew(const QString& path) {
    const int fd =
        ::open(Native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool SafeFile::Append(const QString& path, const QByteArray& bytes) {
    const QByteArray name = Native(path);
    // O_NONBLOCK keeps a planted pipe from hanging the game; the checks below refuse it anyway.
    int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    }
    if (fd < 0) return false;
    const bool ok = OwnRegularFile(fd) && WriteAll(fd, bytes);
    ::close(fd);
    return ok;
}

void SafeFile::MakeWritable(const QString& path) {
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info {};
    if (OwnRegularFile(fd) && ::fstat(fd, &info) == 0)
        ::fchmod(fd, (info.st_mode & 07777) | S_IRUSR | S_IWUSR);
    ::close(fd);
}

bool SafeFile::Remove(const QString& path) {
    return ::unlink(Native(path).constData()) == 0;
}

bool SafeFile::Exists(const QString& path) {
    struct stat info {};
    return ::lstat(Native(path).constData(), &info) == 0;
}

bool SafeFile::IsFolderWritable(const QString& folder) {
    QString probe = folder;
    while (probe.size() > 1 && probe.endsWith(QLatin1Char('/'))) probe.chop(1);
    probe += QStringLiteral("/$_Temp_$.$$$");
    if (!CreateNew(probe)) {
        // A probe left by a crashed run is ours to clear; anything else keeps its name.
        const QFileInfo left(probe);
        if (left.isSymLink() || !left.isFile() || !left.isWritable() || !Remove(probe) || !CreateNew(probe)) {
            return false;
        }
    }
    Remove(probe);
    return true;
}
