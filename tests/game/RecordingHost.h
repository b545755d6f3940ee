#pragma once

#include <vector>

#include "FakeClock.h"
#include "cards/BusyWait.h"
#include "cards/TableGeometry.h"
#include "game/BoardHost.h"
#include "platform/Clock.h"
#include "platform/Surface.h"

// A board host that records what the game asks of its window, with a real surface to draw on and
// a clock that lets every wait pass at once.
class RecordingHost : public BoardHost {
public:
    RecordingHost() : surface(ClientWidth, ClientHeight, 0x8000), clock(0, 1000), scopedClock(clock) {}

    Surface* DrawingSurface() override { return withSurface ? &surface : nullptr; }
    void PlayCue(SoundCue cue) override { cues.push_back(cue); }
    bool SlideOn() const override { return slide; }
    bool ShowMovesOn() const override { return showMoves; }
    std::uint32_t BackgroundColor() const override { return 0x8000; }
    std::uint32_t FrameColor() const override { return 0x0000FF; }
    void SetReshuffleEnabled(bool enabled) override { reshuffleEnabled = enabled; }
    bool ConfirmGiveUp() override {
        ++giveUpQuestions;
        return giveUpAnswer;
    }
    void ShowWonMessage() override { ++wonMessages; }
    void RefreshScore() override { ++scoreRefreshes; }

    Surface surface;
    FakeClock clock;
    ScopedClock scopedClock;
    bool withSurface = true;
    bool slide = false;
    bool showMoves = true;
    bool reshuffleEnabled = true;
    bool giveUpAnswer = true;
    int giveUpQuestions = 0;
    int wonMessages = 0;
    int scoreRefreshes = 0;
    std::vector<SoundCue> cues;
};
