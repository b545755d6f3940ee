#pragma once

#include <cstdint>

#include "game/SoundCue.h"

class Surface;

// What the game needs from the window that shows it. The main window implements it; tests
// implement it with a recording fake.
class BoardHost {
public:
    virtual ~BoardHost() = default;

    // The window's drawing surface; nullptr when there is none to draw on.
    virtual Surface* DrawingSurface() = 0;
    virtual void PlayCue(SoundCue cue) = 0;
    // Whether cards slide when they move, and whether the right button shows possible moves.
    virtual bool SlideOn() const = 0;
    virtual bool ShowMovesOn() const = 0;
    virtual std::uint32_t BackgroundColor() const = 0;
    virtual std::uint32_t FrameColor() const = 0;
    virtual void SetReshuffleEnabled(bool enabled) = 0;
    // Asks whether to give up the deal in play; true only for Yes.
    virtual bool ConfirmGiveUp() = 0;
    virtual void ShowWonMessage() = 0;
    virtual void RefreshScore() = 0;
};
