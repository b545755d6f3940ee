#include "platform/QtAudioPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QTimer>
#include <memory>

namespace {

Q_LOGGING_CATEGORY(lcAudio, "tvdl.audio", QtWarningMsg)

// A stream whose buffer has run out stays open this long, so the samples still on their way
// through the sound server are not cut short.
constexpr int IdleCloseMs = 3000;

QString Describe(QAudio::Error error) {
    switch (error) {
        case QAudio::OpenError:
            return QStringLiteral("the audio device could not be opened");
        case QAudio::IOError:
            return QStringLiteral("the audio device failed while playing");
        case QAudio::FatalError:
            return QStringLiteral("the audio device is not usable");
        default:
            return QStringLiteral("audio error %1").arg(int(error));
    }
}

// Qt says once, on the first look at the devices, that it found no sound server. To the game
// that only means no sound, which it plays without a word.
QtMessageHandler outerHandler = nullptr;

void QuietAboutMissingServer(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("PulseAudioService:"))) return;
    if (outerHandler) outerHandler(type, context, text);
}

// Everything here runs on the thread that made the player. Opening a stream can run a nested
// event loop, so a request may arrive while another is being carried out: it then waits for that
// one to end, and only the latest waiting request counts.
class QtAudioPlayer final : public QObject, public AudioPlayer {
public:
    explicit QtAudioPlayer(AudioPlayer::RefusalHandler onRefused) : refused(std::move(onRefused)) {
        idleClose = new QTimer(this);
        idleClose->setSingleShot(true);
        connect(idleClose, &QTimer::timeout, this, [this] { Run({Kind::CloseIfDone, {}, {}}); });
    }
    ~QtAudioPlayer() override { Close(); }

    bool HasDevice() override { return !DefaultOutput().isNull(); }
    void Start(const QByteArray& samples, const PcmFormat& format) override {
        Run({Kind::Start, samples, format});
    }
    void Halt() override { Run({Kind::Halt, {}, {}}); }
    qint64 BytesTaken() const override { return buffer ? buffer->pos() : 0; }

private:
    enum class Kind { Start, Halt, CloseIfDone };
    struct Command {
        Kind kind = Kind::Halt;
        QByteArray samples;
        PcmFormat format;
    };

    void Run(Command command) {
        pending = std::move(command);
        hasPending = true;
        if (running) return;
        running = true;
        while (hasPending) {
            hasPending = false;
            const Command now = std::move(pending);
            switch (now.kind) {
                case Kind::Start:
                    Open(now.samples, now.format);
                    break;
                case Kind::Halt:
                    Close();
                    break;
                case Kind::CloseIfDone:
                    if (sink && sink->state() != QAudio::ActiveState) Close();
                    break;
            }
        }
        running = false;
    }

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

    void Open(const QByteArray& samples, const PcmFormat& pcm) {
        Close();
        QAudioFormat format;
        format.setChannelCount(pcm.channels);
        format.setSampleRate(pcm.sampleRate);
        format.setSampleFormat(pcm.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        // No device: the cue plays nothing and says nothing.
        const QAudioDevice device = DefaultOutput();
        if (device.isNull()) return;
        if (!device.isFormatSupported(format)) {
            refused(QStringLiteral("the audio device cannot play %1 Hz, %2 channels, %3 bits")
                        .arg(pcm.sampleRate)
                        .arg(pcm.channels)
                        .arg(pcm.bitsPerSample));
            return;
        }
        buffer = std::make_unique<QBuffer>();
        buffer->setData(samples);
        buffer->open(QIODevice::ReadOnly);
        sink = std::make_unique<QAudioSink>(device, format);
        connect(sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) { Changed(state); });
        sink->start(buffer.get());
        qCDebug(lcAudio) << "started" << samples.size() << "bytes at" << pcm.sampleRate << "Hz, state"
                         << sink->state();
        if (sink->error() != QAudio::NoError && sink->error() != QAudio::UnderrunError) {
            refused(Describe(sink->error()));
            Close();
        }
    }

    void Close() {
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

    AudioPlayer::RefusalHandler refused;
    QTimer* idleClose;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QAudioSink> sink;
    Command pending;
    bool hasPending = false;
    bool running = false;
};

}  // namespace

AudioPlayer* TvdlMakeAudioPlayer1(const AudioPlayer::RefusalHandler& refused) {
    return new QtAudioPlayer(refused);
}
