#include "app/CsvFile.h"

#include <signal.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

// Holds back the signals that end a run from the terminal or the desktop; they arrive after.
class HeldSignals {
public:
    HeldSignals() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &previous);
    }
    ~HeldSignals() { pthread_sigmask(SIG_SETMASK, &previous, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

private:
    sigset_t previous{};
};

// A device or a pipe (a named pipe, /dev/stderr) cannot be replaced by renaming, and must not be:
// the table goes straight into it.
bool Special(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

// Whether the name leads to the file the stream writes to, whatever way it takes there.
bool SameFile(const QString& path, std::FILE* stream) {
    const int fd = stream ? ::fileno(stream) : -1;
    struct stat named {};
    struct stat opened {};
    return fd >= 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 && ::fstat(fd, &opened) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

}  // namespace

CsvFile::CsvFile(QString filePath, std::FILE* out)
    : path(std::move(filePath)), output(out), intoOutput(!path.isEmpty() && SameFile(path, out)) {}

bool CsvFile::Probe() {
    return Put(nullptr);
}

bool CsvFile::Write(const QByteArray& text) {
    return Put(&text);
}

bool CsvFile::PutIntoOutput(const QByteArray* text) {
    // Opened again by its name, the file would be cut short or written from its start, over what
    // the program printed and what the shell's ">>" meant to keep.
    if (!text) return true;
    if (std::fwrite(text->constData(), 1, static_cast<std::size_t>(text->size()), output) !=
            static_cast<std::size_t>(text->size()) ||
        std::fflush(output) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

bool CsvFile::Put(const QByteArray* text) {
    if (intoOutput) return PutIntoOutput(text);
    const HeldSignals held;
    const auto failed = [this](const QFileDevice& file) {
        error = file.errorString();
        return false;
    };
    if (Special(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return failed(file);
        if (text && (file.write(*text) != text->size() || !file.flush())) return failed(file);
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failed(file);
    if (!text) {
        file.cancelWriting();
        return true;
    }
    if (file.write(*text) != text->size() || !file.commit()) return failed(file);
    return true;
}
