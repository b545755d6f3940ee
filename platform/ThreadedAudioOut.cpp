#include "platform/ThreadedAudioOut.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>

#include "platform/AudioPlayer.h"
#include "platform/QueuedCall.h"

#ifndef TVDL_AUDIO_MODULE_NAME
#define TVDL_AUDIO_MODULE_NAME ""
#endif
#ifndef TVDL_AUDIO_MODULE_FROM_PROGRAM
#define TVDL_AUDIO_MODULE_FROM_PROGRAM ""
#endif
#ifndef TVDL_INSTALLED_AUDIO_MODULE
#define TVDL_INSTALLED_AUDIO_MODULE ""
#endif

namespace {

Q_LOGGING_CATEGORY(lcAudioOut, "tvdl.audio", QtWarningMsg)

}  // namespace

// Lives on the audio thread: loads the module at the first request that needs it and keeps the
// player it makes.
class AudioHost : public QObject {
public:
    AudioHost(QStringList modulePaths, AudioPlayer::RefusalHandler onRefused)
        : paths(std::move(modulePaths)), refused(std::move(onRefused)) {}
    ~AudioHost() override { player.reset(); }

    // Null when there is no module to play with.
    AudioPlayer* Player() {
        if (!looked) {
            looked = true;
            player.reset(Load());
        }
        return player.get();
    }

private:
    AudioPlayer* Load() const {
        QStringList failures;
        for (const QString& path : paths) {
            if (!QFileInfo::exists(path)) continue;
            // The module stays loaded to the end: the sound libraries it pulls in are not made
            // to be unloaded while the process goes on.
            QLibrary library(path);
            library.setLoadHints(QLibrary::PreventUnloadHint);
            const auto make =
                reinterpret_cast<MakeAudioPlayerFunction>(library.resolve(MakeAudioPlayerSymbol));
            if (make) {
                qCDebug(lcAudioOut) << "audio module" << path;
                return make(refused);
            }
            failures << library.errorString();
        }
        qCWarning(lcAudioOut).noquote()
            << "No sound: the audio module could not be loaded"
            << (failures.isEmpty() ? QStringLiteral("(not found at %1)").arg(paths.join(QStringLiteral(", ")))
                                   : QStringLiteral("(%1)").arg(failures.join(QStringLiteral("; "))));
        return nullptr;
    }

    QStringList paths;
    AudioPlayer::RefusalHandler refused;
    std::unique_ptr<AudioPlayer> player;
    bool looked = false;
};

ThreadedAudioOut::ThreadedAudioOut(QStringList modulePaths) : paths(std::move(modulePaths)) {}

ThreadedAudioOut::~ThreadedAudioOut() {
    if (!host) return;
    // The sink must stop, on its own thread, before the samples it reads are freed; the player
    // goes there too, with the objects it made on that thread.
    ++requests;
    QueuedCall::Post(
        host, [h = host] { delete h; }, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

AudioHost& ThreadedAudioOut::Host() {
    if (!host) {
        if (paths.isEmpty()) paths = InstalledModulePaths(QCoreApplication::applicationDirPath());
        host = new AudioHost(paths, [this](const QString& why) { Refused(why); });
        thread.setObjectName(QStringLiteral("audio"));
        host->moveToThread(&thread);
        thread.start();
    }
    return *host;
}

QStringList ThreadedAudioOut::InstalledModulePaths(const QString& programFolder) {
    QStringList found;
    const QString name = QStringLiteral(TVDL_AUDIO_MODULE_NAME);
    if (name.isEmpty()) return found;
    found << programFolder + QLatin1Char('/') + name;
    // The installed tree as it lies now, wherever it was moved or staged, before the place it
    // was built for.
    const QString relative = QStringLiteral(TVDL_AUDIO_MODULE_FROM_PROGRAM);
    if (!relative.isEmpty()) found << QDir::cleanPath(programFolder + QLatin1Char('/') + relative);
    const QString installed = QStringLiteral(TVDL_INSTALLED_AUDIO_MODULE);
    if (!installed.isEmpty()) found << installed;
    found.removeDuplicates();
    return found;
}

bool ThreadedAudioOut::HasDevice() {
    // Asked on the audio thread, which alone talks to the sound server; the answer may wait for
    // a stream that is being opened there.
    bool device = false;
    AudioHost* h = &Host();
    QueuedCall::Post(
        h, [h, &device] { device = h->Player() && h->Player()->HasDevice(); }, Qt::BlockingQueuedConnection);
    return device;
}

void ThreadedAudioOut::Play(const QByteArray& samples, const PcmFormat& format) {
    // Cues may come faster than streams open; one overtaken by a later request never starts.
    // The byte array is shared, not copied; the player keeps its own reference while it plays.
    const std::uint64_t request = ++requests;
    AudioHost* h = &Host();
    QueuedCall::Post(
        h,
        [this, h, request, samples, format] {
            if (request != requests.load()) return;
            if (AudioPlayer* player = h->Player()) player->Start(samples, format);
        },
        Qt::QueuedConnection);
}

void ThreadedAudioOut::Stop() {
    // Nothing can play before the first cue.
    if (!host) return;
    ++requests;
    QueuedCall::Post(
        host,
        [h = host] {
            if (AudioPlayer* player = h->Player()) player->Halt();
        },
        Qt::QueuedConnection);
}

qint64 ThreadedAudioOut::BytesTaken() {
    if (!host) return 0;
    qint64 taken = 0;
    QueuedCall::Post(
        host, [h = host, &taken] { taken = h->Player() ? h->Player()->BytesTaken() : 0; },
        Qt::BlockingQueuedConnection);
    return taken;
}
