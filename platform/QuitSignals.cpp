#include "platform/QuitSignals.h"

#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace {

constexpr std::array<int, 3> caught{SIGTERM, SIGINT, SIGHUP};

// The handler can reach nothing but globals; this one is set before the handlers go in and
// cleared after they are gone.
volatile sig_atomic_t writeEnd = -1;
std::array<struct sigaction, caught.size()> previous{};
struct sigaction previousAlarm {};
// The first quit signal, and the time the orderly end has after it.
volatile sig_atomic_t firstSignal = 0;
itimerval deadlineTimer{};

// The deadline passed: the program ends by the first signal's own default action.
extern "C" void OnDeadline(int) {
    const int number = firstSignal;
    signal(number, SIG_DFL);
    raise(number);
}

extern "C" void OnQuitSignal(int signalNumber) {
    const int savedErrno = errno;
    // Armed here rather than when the event loop gets the signal: the loop may be the thing that
    // hangs.
    if (firstSignal == 0 && (deadlineTimer.it_value.tv_sec != 0 || deadlineTimer.it_value.tv_usec != 0)) {
        firstSignal = signalNumber;
        setitimer(ITIMER_REAL, &deadlineTimer, nullptr);
    }
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request to quit; nothing is lost by dropping this one.
    if (writeEnd >= 0) {
        const ssize_t written = write(writeEnd, &number, 1);
        static_cast<void>(written);
    }
    errno = savedErrno;
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent, std::chrono::milliseconds deadline) : QObject(parent) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("No pipe for the quit signals: they end the program at once.");
        return;
    }
    readEnd = ends[0];
    writeEnd = ends[1];
    notifier = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &QuitSignals::Drain);

    const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(deadline).count();
    deadlineTimer = itimerval{};
    deadlineTimer.it_value.tv_sec = static_cast<time_t>(micro / 1'000'000);
    deadlineTimer.it_value.tv_usec = static_cast<suseconds_t>(micro % 1'000'000);
    firstSignal = 0;
    struct sigaction alarm {};
    alarm.sa_handler = OnDeadline;
    sigemptyset(&alarm.sa_mask);
    sigaction(SIGALRM, &alarm, &previousAlarm);

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
    const itimerval off{};
    setitimer(ITIMER_REAL, &off, nullptr);
    sigaction(SIGALRM, &previousAlarm, nullptr);
    firstSignal = 0;
    const int ends[2] = {readEnd, static_cast<int>(writeEnd)};
    writeEnd = -1;
    close(ends[1]);
    close(ends[0]);
}

void QuitSignals::Drain() {
    unsigned char number = 0;
    while (read(readEnd, &number, 1) == 1) emit Received(number);
}
