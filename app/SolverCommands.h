#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>

#include "game/FairPlayer.h"

// The fair player's line for a deal, one action a line: "Qc 5 2" moves the queen of clubs into
// the gap at column 5, row 2; "reshuffle"; and last "won" or "lost".
QString SolveText(std::uint32_t deal, const FairPlayer::Options& options);

// Plays deals first..last on every core and prints the shares won, won without a reshuffle and
// proven lost without one; a progress bar goes to err, one row per deal to csvPath when given.
// Returns the program's exit status.
int RunWinnability(std::uint32_t first, std::uint32_t last, const QString& csvPath, std::FILE* out, std::FILE* err);
