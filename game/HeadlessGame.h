#pragma once

#include <cstdint>

#include "game/Board.h"
#include "game/BoardHost.h"

struct Move;

// A deal played without a window: nothing is drawn, heard or waited for. It keeps its own state
// of the random source, so several games may run on several threads; each deal and reshuffle
// borrows the process's generator for its duration, one game at a time.
class HeadlessGame {
public:
    explicit HeadlessGame(std::uint32_t deal);

    const Board& GetBoard() const { return board; }
    // A move as a player makes it: the card is picked up and dropped on the gap. False, with
    // nothing changed, when the gap rule refuses it.
    bool Play(const Move& move);
    void Reshuffle();
    int ReshufflesLeft() const { return board.ReshufflesLeft(); }

private:
    class SilentHost final : public BoardHost {
    public:
        Surface* DrawingSurface() override { return nullptr; }
        void PlayCue(SoundCue) override {}
        bool SlideOn() const override { return false; }
        bool ShowMovesOn() const override { return false; }
        std::uint32_t BackgroundColor() const override { return 0x8000; }
        std::uint32_t FrameColor() const override { return 0; }
        void SetReshuffleEnabled(bool) override {}
        bool ConfirmGiveUp() override { return true; }
        void ShowWonMessage() override {}
        void RefreshScore() override {}
    };

    template <typename Action>
    void WithGenerator(Action action);

    SilentHost host;
    Board board;
    std::uint32_t generator;
};
