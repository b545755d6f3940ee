#pragma once

#include <vector>

#include "rules/GameRandom.h"
#include "rules/Position.h"

// The deal and the reshuffle on a Position: nothing drawn, heard or waited for, no card objects.
// The board lays its cards out from what these give; headless play and the solver use them alone.

// The shuffled deck laid out from the generator's seed: columns 1 to 13 full, column 0 empty.
Position LayDeck(GameRandom& random);
// The aces' moves out of a laid deck, each to column 0 of its suit's row, in the deal's order.
std::vector<Move> AceMoves(const Position& laid);
// A new deal from the generator's seed, after the aces have moved to column 0.
Position DealPosition(GameRandom& random);

// Gathers every card right of its row's ordered run, shuffles them and lays them out again with
// one gap right of each run.
void ReshufflePosition(Position& position, GameRandom& random);
