#pragma once

#include <QString>
#include <cstdint>

// Deal N as text: the board after the aces have moved, four lines of fourteen tokens. A card is
// its rank from "A23456789TJQK" and its suit from "csdh"; an empty place is "--".
// Made without a window and without waiting.
QString DealText(std::uint32_t seed);

// One card in that notation, "Qc" for the queen of clubs.
QString CardToken(int suit, int rank);
