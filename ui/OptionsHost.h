#pragma once

#include <cstdint>

// What the options dialog edits in the main window: its two colours, its sound switch and its
// texts.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    virtual std::uint32_t BackgroundColor() const = 0;
    virtual std::uint32_t FrameColor() const = 0;
    virtual bool SoundOn() const = 0;
    virtual void SetSoundOn(bool on) = 0;
    // Takes the colours; the board shows the new background once the window recolours it.
    virtual void SetColors(std::uint32_t background, std::uint32_t frame) = 0;
    virtual void ApplyTexts() = 0;
};
