#pragma once

// The player's two switches of play: whether the right button shows where the card under it may
// go, and whether cards slide when they move. The game reads them as they are at each move.
struct MoveSwitches {
    bool showMoves = true;
    bool slide = true;
};
