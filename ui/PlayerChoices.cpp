#include "ui/PlayerChoices.h"

#include "media/ScrollBanner.h"
#include "media/Sound.h"
#include "ui/ScoreStrip.h"
#include "ui/ToolStrip.h"

PlayerChoices::PlayerChoices(const SettingsStore& store, Sound& soundOutput, const Strips& windowStrips)
    : recorder(store), sounds(soundOutput), strips(windowStrips) {
    language = LanguageFromInt(recorder.Read(SettingKey::Language));
    sounds.SetEnabled(recorder.ReadFlag(SettingKey::Sound));
    backColor = static_cast<std::uint32_t>(recorder.Read(SettingKey::Background));
    frameColor = static_cast<std::uint32_t>(recorder.Read(SettingKey::Frame));
}

void PlayerChoices::LanguageChosen() {
    recorder.Choose(SettingKey::Language, static_cast<int>(language));
}

void PlayerChoices::KeepAll() {
    // Each choice was stored when it was made; this catches what did not get there.
    recorder.Keep(SettingKey::Language, static_cast<int>(language));
    recorder.Keep(SettingKey::Sound, sounds.Enabled());
    recorder.Keep(SettingKey::Background, static_cast<int>(backColor));
    recorder.Keep(SettingKey::Frame, static_cast<int>(frameColor));
}

bool PlayerChoices::SoundOn() const {
    return sounds.Enabled();
}

void PlayerChoices::SetSoundOn(bool on) {
    sounds.SetEnabled(on);
    recorder.Choose(SettingKey::Sound, on);
}

void PlayerChoices::SetColors(std::uint32_t background, std::uint32_t frame) {
    backColor = background;
    frameColor = frame;
    recorder.Choose(SettingKey::Background, static_cast<int>(backColor));
    recorder.Choose(SettingKey::Frame, static_cast<int>(frameColor));
}

void PlayerChoices::ApplyTexts() {
    strips.tools.ApplyTexts(language);
    strips.score.ApplyTexts(language);
    strips.banner.ApplyLanguage(language);
    if (textsFollower) textsFollower();
}
