#pragma once

#include <QImage>
#include <cstdint>
#include <optional>

class Surface;

// One playing card and the pixels that lay under it when its pile last put it on the surface.
// Where it stands and whether it lies face down belong to the pile that holds it.
class Card {
public:
    // Suit, rank and back are clamped into 0..3, 1..13 and 0..13.
    Card(int suit, int rank, int back);
    virtual ~Card();
    Card(const Card&) = delete;
    Card& operator=(const Card&) = delete;

    virtual void SaveBackground(Surface* surface, int x, int y);
    // Composed off the surface, so the surface changes once; the 12 corner pixels keep what
    // the surface showed there.
    virtual void Draw(Surface* surface, int x, int y, bool faceDown) const;
    virtual void RestoreBackground(Surface* surface, int x, int y);

    int Suit() const { return suit; }
    int Rank() const { return rank; }
    int Back() const { return back; }

private:
    int suit;
    int rank;
    int back;
    QImage background;
    // Set instead of the pixels when the card last lay wholly on one colour, as it mostly does on
    // the bare table: the 52 cards then keep no 10 KB copy of the table each.
    std::optional<std::uint32_t> backgroundColour;
};
