#include "platform/QtAudioOut.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QTimer>

#include <memory>

#include "platform/QueuedCall.h"

namespace {

Q_LOGGING_CATEGORY(lcAudio, "tvdl.audio", QtWarningMsg)

// A stream whose buffer has run out stays open this long, so the samples still on their way
// through the sound server are not cut short.
constexpr int IdleCloseMs = 3000;

QString Describe(QAudio::Error error) {
    switch (error) {
        case QAudio::OpenError: return QStringLiteral("the audio device could not be opened");
        case QAudio::IOError: return QStringLiteral("the audio device failed while playing");
        case QAudio::FatalError: return QStringLiteral("the audio device is not usable");
        default: return QStringLiteral("audio error %1").arg(int(error));
    }
}

// Qt says once, on the first look at the devices, that it found no sound server. To the game
// that only means no sound, which it plays without a word.
QtMessageHandler outerHandler = nullptr;

void QuietAboutMissingServer(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("PulseAudioService:"))) return;
    if (outerHandler) outerHandler(type, context, text);
}

}  // namespace

// Everything here runs on the output's own thread. Opening a stream can run a nested event loop,
// so a request may arrive while another is being carried out: it then waits for that one to end,
// and only the latest waiting request counts.
class AudioWorker : public QObject {
public:
    enum class Kind { Start, Halt, CloseIfDone };
    struct Command {
        Kind kind = Kind::Halt;
        QByteArray samples;
        PcmFormat format;
    };

    explicit AudioWorker(std::function<void(const QString&)> onRefused) : refused(std::move(onRefused)) {
        idleClose = new QTimer(this);
        idleClose->setSingleShot(true);
        connect(idleClose, &QTimer::timeout, this, [this] { Run({Kind::CloseIfDone, {}, {}}); });
    }
    ~AudioWorker() override { Halt(); }

    void Run(Command command) {
        pending = std::move(command);
        hasPending = true;
        if (running) return;
        running = true;
        while (hasPending) {
            hasPending = false;
            const Command now = std::move(pending);
            switch (now.kind) {
                case Kind::Start: Start(now.samples, now.format); break;
                case Kind::Halt: Halt(); break;
                case Kind::CloseIfDone:
                    if (sink && sink->state() != QAudio::ActiveState) Halt();
                    break;
            }
        }
        running = false;
    }

    qint64 Taken() const { return buffer ? buffer->pos() : 0; }

    // Qt Multimedia's sound-server client must not be entered from two threads at once, so the
    // devices are looked up here only, never on the caller's thread.
    static QAudioDevice DefaultOutput() {
        static bool looked = false;
        if (!looked) {
            looked = true;
            outerHandler = qInstallMessageHandler(QuietAboutMissingServer);
            QMediaDevices::audioOutputs();
            qInstallMessageHandler(outerHandler);
        }
        return QMediaDevices::defaultAudioOutput();
    }

    bool HasDevice() const { return !DefaultOutput().isNull(); }

private:
    void Start(const QByteArray& samples, const PcmFormat& pcm) {
        Halt();
        QAudioFormat format;
        format.setChannelCount(pcm.channels);
        format.setSampleRate(pcm.sampleRate);
        format.setSampleFormat(pcm.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        // No device: the cue plays nothing and says nothing.
        const QAudioDevice device = DefaultOutput();
        if (device.isNull()) return;
        if (!device.isFormatSupported(format)) {
            refused(QStringLiteral("the audio device cannot play %1 Hz, %2 channels, %3 bits")
                        .arg(pcm.sampleRate).arg(pcm.channels).arg(pcm.bitsPerSample));
            return;
        }
        buffer = std::make_unique<QBuffer>();
        buffer->setData(samples);
        buffer->open(QIODevice::ReadOnly);
        sink = std::make_unique<QAudioSink>(device, format);
        connect(sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) { Changed(state); });
        sink->start(buffer.get());
        qCDebug(lcAudio) << "started" << samples.size() << "bytes at" << pcm.sampleRate << "Hz, state" << sink->state();
        if (sink->error() != QAudio::NoError && sink->error() != QAudio::UnderrunError) {
            refused(Describe(sink->error()));
            Halt();
        }
    }

    void Halt() {
        idleClose->stop();
        if (sink) {
            sink->disconnect(this);
            sink->stop();
            sink.reset();
        }
        buffer.reset();
    }

    void Changed(QAudio::State state) {
        if (!sink) return;
        const QAudio::Error error = sink->error();
        if (state == QAudio::StoppedState && error != QAudio::NoError && error != QAudio::UnderrunError) {
            refused(Describe(error));
            // Not inside the sink's own signal: close it once control is back in the event loop.
            idleClose->start(0);
        } else if (state == QAudio::IdleState) {
            idleClose->start(IdleCloseMs);
        }
    }

    std::function<void(const QString&)> refused;
    QTimer* idleClose;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QAudioSink> sink;
    Command pending;
    bool hasPending = false;
    bool running = false;
};

QtAudioOut::QtAudioOut() {
    thread.setObjectName(QStringLiteral("audio"));
    worker = new AudioWorker([this](const QString& why) { Refused(why); });
    worker->moveToThread(&thread);
    thread.start();
}

QtAudioOut::~QtAudioOut() {
    // The sink must stop, on its own thread, before the samples it reads are freed. The worker
    // itself goes once its thread has finished, so no queued request can reach it any more.
    ++requests;
    QueuedCall::Post(worker, [w = worker] { w->Run({AudioWorker::Kind::Halt, {}, {}}); }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
    delete worker;
}

bool QtAudioOut::HasDevice() {
    // Asked on the audio thread, which alone talks to the sound server; the answer may wait for
    // a stream that is being opened there.
    bool found = false;
    QueuedCall::Post(worker, [w = worker, &found] { found = w->HasDevice(); }, Qt::BlockingQueuedConnection);
    return found;
}

void QtAudioOut::Play(const QByteArray& samples, const PcmFormat& format) {
    // Cues may come faster than streams open; one overtaken by a later request never starts.
    // The byte array is shared, not copied; the worker keeps its own reference while it plays.
    const std::uint64_t request = ++requests;
    QueuedCall::Post(
        worker,
        [this, w = worker, request, samples, format] {
            if (request == requests.load()) w->Run({AudioWorker::Kind::Start, samples, format});
        },
        Qt::QueuedConnection);
}

void QtAudioOut::Stop() {
    ++requests;
    QueuedCall::Post(worker, [w = worker] { w->Run({AudioWorker::Kind::Halt, {}, {}}); }, Qt::QueuedConnection);
}

qint64 QtAudioOut::BytesTaken() {
    qint64 taken = 0;
    QueuedCall::Post(worker, [w = worker, &taken] { taken = w->Taken(); }, Qt::BlockingQueuedConnection);
    return taken;
}
