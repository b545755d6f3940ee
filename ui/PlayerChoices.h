#pragma once

#include <cstdint>
#include <functional>

#include "base/Language.h"
#include "settings/ChoiceRecorder.h"
#include "ui/OptionsHost.h"

class ScoreStrip;
class ScrollBanner;
class SettingsStore;
class Sound;
class ToolStrip;

// What the player chose and the next run finds again: the language, the sound switch and the
// table's two colours. Read from the store when made, stored the moment they change, and the
// language shown in the texts of the strips.
class PlayerChoices final : public OptionsHost {
public:
    // The strips whose texts follow the language.
    struct Strips {
        ToolStrip& tools;
        ScoreStrip& score;
        ScrollBanner& banner;
    };

    PlayerChoices(const SettingsStore& store, Sound& sounds, const Strips& strips);

    // The dialogs and the help show their texts in it; the language dialog sets it.
    Language& CurrentLanguage() { return language; }
    // Stores the language the language dialog has just set.
    void LanguageChosen();
    // The background without storing it: the board is being drawn on it.
    void SetBackground(std::uint32_t colorRef) { backColor = colorRef; }
    // End of the run: stores whatever never reached the store.
    void KeepAll();
    // Runs after the strips took the language's texts, for the other parts that show texts.
    void SetTextsFollower(std::function<void()> follower) { textsFollower = std::move(follower); }

    std::uint32_t BackgroundColor() const override { return backColor; }
    std::uint32_t FrameColor() const override { return frameColor; }
    // The options dialog's sound box sets this; it takes effect at once.
    bool SoundOn() const override;
    void SetSoundOn(bool on) override;
    void SetColors(std::uint32_t background, std::uint32_t frame) override;
    void ApplyTexts() override;

private:
    ChoiceRecorder recorder;
    Sound& sounds;
    Strips strips;
    Language language = Language::Unset;
    std::uint32_t backColor = 0x8000;
    std::uint32_t frameColor = 0;
    std::function<void()> textsFollower;
};
