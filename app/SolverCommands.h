#pragma once

#include <QString>
#include <cstdint>
#include <cstdio>

#include "solver/FairPlayer.h"

// The fair player's line for a deal, one action a line: "Qc 5 2" moves the queen of clubs into
// the gap at column 5, row 2; "reshuffle"; and last "won" or "lost".
QString SolveText(std::uint32_t deal, const FairPlayer::Options& options);

struct TableRequest {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    // One row per deal goes there when given.
    QString csvPath;
    // 0: one per core. The rows never depend on it.
    unsigned threads = 0;
    FairPlayer::Options player;
};

// Plays deals first..last and prints the shares won, won without a reshuffle and proven lost
// without one; a progress bar goes to err. Returns the program's exit status: 2 when the table file
// cannot be written (found before any deal is played, or at the end: the old file then stays).
int RunWinnability(const TableRequest& request, std::FILE* out, std::FILE* err);
