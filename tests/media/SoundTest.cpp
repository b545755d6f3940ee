#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

#include "FakeAudioOut.h"
#include "media/Sound.h"

namespace {

QStringList messages;

void Collect(QtMsgType, const QMessageLogContext&, const QString& text) {
    messages << text;
}

class SoundTest : public ::testing::Test {
protected:
    SoundTest() : sound(std::unique_ptr<AudioOut>(out = new FakeAudioOut)) {
        messages.clear();
        previous = qInstallMessageHandler(Collect);
    }
    ~SoundTest() override { qInstallMessageHandler(previous); }

    FakeAudioOut* out = nullptr;
    Sound sound;
    QtMessageHandler previous = nullptr;
};

constexpr SoundCue AllCues[] = {SoundCue::Won,    SoundCue::Pick, SoundCue::Drop,
                                SoundCue::Return, SoundCue::Deal, SoundCue::GiveUp};

}  // namespace

TEST_F(SoundTest, EachCuePlaysItsOwnRecordingOnlyWhileSoundIsOn) {
    const struct {
        qsizetype bytes;
        int rate;
    } expected[] = {{25365, 11025}, {81, 11025}, {244, 11025}, {12020, 22050}, {2573, 11025}, {11302, 22050}};
    for (SoundCue cue : AllCues) sound.Play(cue);
    auto plays = out->Plays();
    ASSERT_EQ(plays.size(), 6u);
    for (std::size_t i = 0; i < plays.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(plays[i].samples.size(), expected[i].bytes);
        EXPECT_EQ(plays[i].format.sampleRate, expected[i].rate);
        EXPECT_EQ(plays[i].format.bitsPerSample, 8);
    }

    // Switching off silences what still sounds and every later cue; switching on works at once.
    out->requests.clear();
    sound.SetEnabled(false);
    ASSERT_EQ(out->requests.size(), 1u);
    EXPECT_FALSE(out->requests[0].play);
    for (SoundCue cue : AllCues) sound.Play(cue);
    EXPECT_TRUE(out->Plays().empty());
    sound.SetEnabled(true);
    sound.Play(SoundCue::Drop);
    plays = out->Plays();
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(plays[0].samples.size(), 244);
}

TEST_F(SoundTest, MissingDeviceOrRecordingPlaysNothingAndSaysNothing) {
    out->device = false;
    for (SoundCue cue : AllCues) sound.Play(cue);
    EXPECT_TRUE(out->requests.empty());

    out->device = true;
    sound.SetRecording(SoundCue::Pick, QByteArray());
    sound.Play(SoundCue::Pick);
    EXPECT_TRUE(out->requests.empty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();

    // A broken recording is worth a warning once, when it is loaded, and then stays silent.
    sound.SetRecording(SoundCue::Pick, QByteArray("RIFF\x04\0\0\0WAVE", 12));
    sound.Play(SoundCue::Pick);
    EXPECT_TRUE(out->requests.empty());
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(SoundTest, APlatformRefusalIsLoggedOnceAndLaterCuesStillTry) {
    out->Refuse(QStringLiteral("device busy"));
    out->Refuse(QStringLiteral("device busy"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("device busy")));
    sound.Play(SoundCue::Won);
    EXPECT_EQ(out->Plays().size(), 1u);
}
