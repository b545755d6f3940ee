#pragma once

#include <vector>

#include "FakeClock.h"
#include "base/MoveSwitches.h"
#include "cards/BusyWait.h"
#include "cards/RandomSource.h"
#include "cards/TableGeometry.h"
#include "game/Board.h"
#include "game/CuePlayer.h"
#include "game/PlayerQuestions.h"
#include "game/ScoreDisplay.h"
#include "game/TableDrawing.h"
#include "platform/Clock.h"
#include "platform/Surface.h"

// Stands in for the window around the game and records what the game asks of it, with a real
// surface to draw on, a clock that lets every wait pass at once, the switches and a generator.
class RecordingHost : public TableDrawing, public CuePlayer, public PlayerQuestions, public ScoreDisplay {
public:
    RecordingHost() : surface(ClientWidth, ClientHeight, 0x8000), clock(0, 1000), scopedClock(clock) {}

    Surface* DrawingSurface() override { return withSurface ? &surface : nullptr; }
    void PlayCue(SoundCue cue) override { cues.push_back(cue); }
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
    MoveSwitches switches{true, false};
    RandomSource generator;
    bool reshuffleEnabled = true;
    bool giveUpAnswer = true;
    int giveUpQuestions = 0;
    int wonMessages = 0;
    int scoreRefreshes = 0;
    std::vector<SoundCue> cues;
};

// A board that draws, plays its cues and shows its score through the host.
class HostedBoard : public Board {
public:
    explicit HostedBoard(RecordingHost& host) : Board(host, host, host, host.switches, host.generator) {}
};
