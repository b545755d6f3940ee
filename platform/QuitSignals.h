#pragma once

#include <QObject>
#include <chrono>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl-C, a closed terminal) into a Qt signal on the
// thread that made it, so that the program can end the orderly way instead of dying on the spot.
// The handler only writes the signal's number into a pipe, the one thing safe to do there; the
// pipe's reading end wakes the event loop. Should the orderly end hang (a store on a disk that does
// not answer, a lock another copy never gives back), the program ends as if no signal had been
// caught once the deadline has passed, or at once on a second signal of the same kind; a signal the
// program was started to ignore stays ignored. One object at a time; its destructor puts back the
// handlers it found and calls the deadline off.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    // A logout waits for nothing longer than this.
    static constexpr std::chrono::milliseconds Deadline{1500};

    explicit QuitSignals(QObject* parent = nullptr, std::chrono::milliseconds deadline = Deadline);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

signals:
    void Received(int signalNumber);

private:
    void Drain();

    int readEnd = -1;
    QSocketNotifier* notifier = nullptr;
};
