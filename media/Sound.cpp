#include "media/Sound.h"

#include <QFile>
#include <QLoggingCategory>
#include <span>

#include "media/WaveFile.h"
#include "platform/ThreadedAudioOut.h"

namespace {

Q_LOGGING_CATEGORY(lcSound, "tvdl.sound", QtWarningMsg)

// In cue order.
constexpr std::array<const char*, Sound::CueCount> Resources = {
    ":/sounds/won.wav",    ":/sounds/pick.wav", ":/sounds/drop.wav",
    ":/sounds/return.wav", ":/sounds/deal.wav", ":/sounds/giveup.wav",
};

}  // namespace

Sound::Sound(std::unique_ptr<AudioOut> out)
    : output(out ? std::move(out) : std::make_unique<ThreadedAudioOut>()) {
    // The platform may refuse every cue the same way; saying so once is enough.
    output->SetRefusalHandler([logged = refusalLogged](const QString& why) {
        if (!logged->exchange(true)) qCWarning(lcSound).noquote() << "Cannot play sound:" << why;
    });
}

void Sound::LoadRecordings() {
    // Once, at the first cue: the window's start has no sound to make.
    if (loaded) return;
    loaded = true;
    for (std::size_t i = 0; i < Resources.size(); ++i) {
        QFile file(QString::fromLatin1(Resources[i]));
        if (!file.open(QIODevice::ReadOnly)) {
            qCWarning(lcSound) << "missing sound" << Resources[i];
            continue;
        }
        SetRecording(static_cast<SoundCue>(i), file.readAll());
    }
}

Sound::~Sound() {
    // The output stops and is released before the recordings it may still be reading.
    output.reset();
}

void Sound::SetEnabled(bool on) {
    if (enabled && !on) output->Stop();
    enabled = on;
}

void Sound::SetRecording(SoundCue cue, const QByteArray& waveFile) {
    LoadRecordings();
    Recording& recording = recordings.at(static_cast<std::size_t>(cue));
    recording = {};
    const auto bytes =
        std::span(reinterpret_cast<const std::uint8_t*>(waveFile.constData()), std::size_t(waveFile.size()));
    const std::optional<WaveFile> wave = WaveFile::Read(bytes);
    if (!wave) {
        if (!waveFile.isEmpty()) qCWarning(lcSound) << "unreadable sound for cue" << int(cue);
        return;
    }
    recording.samples = waveFile.mid(qsizetype(wave->dataOffset), qsizetype(wave->dataLength));
    recording.format = {wave->channels, wave->sampleRate, wave->bitsPerSample};
}

void Sound::Play(SoundCue cue) {
    if (!enabled) return;
    const int index = static_cast<int>(cue);
    if (index < 0 || index >= CueCount) return;
    LoadRecordings();
    const Recording& recording = recordings[static_cast<std::size_t>(index)];
    if (recording.samples.isEmpty()) return;
    qCDebug(lcSound) << "cue" << index;
    output->Play(recording.samples, recording.format);
}
