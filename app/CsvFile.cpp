#include "app/CsvFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <signal.h>

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

// A device or a pipe (/dev/stdout, a named pipe) cannot be replaced by renaming, and must not be:
// the table goes straight into it.
bool Special(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

}  // namespace

bool CsvFile::Probe() {
    return Put(nullptr);
}

bool CsvFile::Write(const QByteArray& text) {
    return Put(&text);
}

bool CsvFile::Put(const QByteArray* text) {
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
