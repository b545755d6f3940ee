#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl-C, a closed terminal) into a Qt signal on the
// thread that made it, so that the program can end the orderly way instead of dying on the spot.
// The handler only writes the signal's number into a pipe, the one thing safe to do there; the
// pipe's reading end wakes the event loop. A second signal of the same kind ends the program at
// once, as if none was caught, should the orderly end hang; a signal the program was started to
// ignore stays ignored. One object at a time; its destructor puts back the handlers it found.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
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
