#pragma once

#include "rules/GameRandom.h"
#include "rules/Position.h"

// The deal and the reshuffle as the board makes them, card for card and number for number, on a
// Position: nothing drawn, heard or waited for, no card objects. Headless play and the solver use
// these; a test holds them to the board's own.

// A new deal from the generator's seed, after the aces have moved to column 0.
Position DealPosition(GameRandom& random);

// Gathers every card right of its row's ordered run, shuffles them and lays them out again with
// one gap right of each run.
void ReshufflePosition(Position& position, GameRandom& random);
