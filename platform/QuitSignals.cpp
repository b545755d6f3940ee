#include "platform/QuitSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> caught{SIGTERM, SIGINT, SIGHUP};

// The handler can reach nothing but globals; this one is set before the handlers go in and
// cleared after they are gone.
volatile sig_atomic_t writeEnd = -1;
std::array<struct sigaction, caught.size()> previous{};

extern "C" void OnQuitSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request to quit; nothing is lost by dropping this one.
    if (writeEnd >= 0) {
        const ssize_t written = write(writeEnd, &number, 1);
        static_cast<void>(written);
    }
    errno = savedErrno;
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("No pipe for the quit signals: they end the program at once.");
        return;
    }
    readEnd = ends[0];
    writeEnd = ends[1];
    notifier = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &QuitSignals::Drain);

    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = static_cast<int>(SA_RESTART | SA_RESETHAND);
    for (std::size_t i = 0; i < caught.size(); ++i) {
        sigaction(caught[i], nullptr, &previous[i]);
        // A signal the program was started to ignore (nohup) stays ignored.
        if (previous[i].sa_handler != SIG_IGN) sigaction(caught[i], &action, nullptr);
    }
}

QuitSignals::~QuitSignals() {
    if (readEnd < 0) return;
    for (std::size_t i = 0; i < caught.size(); ++i) sigaction(caught[i], &previous[i], nullptr);
    const int ends[2] = {readEnd, static_cast<int>(writeEnd)};
    writeEnd = -1;
    close(ends[1]);
    close(ends[0]);
}

void QuitSignals::Drain() {
    unsigned char number = 0;
    while (read(readEnd, &number, 1) == 1) emit Received(number);
}
