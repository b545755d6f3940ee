#pragma once

#include <array>
#include <memory>

#include "cards/Card.h"

class Surface;
struct RandomSource;

// An ordered stack of up to 104 cards at a position on the surface, each card offset from the
// one below by a fixed spread. Slot 1 is the bottom card, slot Count() the top one. Operations
// that cannot be carried out return false and change nothing; queries give -1 for no card.
class CardPile {
public:
    static constexpr int MaxCapacity = 104;

    // The capacity is clamped into 1..104. A new pile is empty and hidden.
    CardPile(int x, int y, int spreadX, int spreadY, int capacity);
    virtual ~CardPile();
    CardPile(const CardPile&) = delete;
    CardPile& operator=(const CardPile&) = delete;

    // The back design is clamped into 0..13. Given the generator, a negative one draws a random
    // design from it instead, even when no card is appended.
    bool AddCard(int suit, int rank, int back);
    bool AddCard(int suit, int rank, int back, RandomSource& random);
    // Kind 0..3 is that suit, 4 clubs and spades, 5 diamonds and hearts, 6 all four; the result
    // is that of the last card appended. The back as for AddCard, drawn once for the whole call.
    bool FillDeck(int kind, int firstRank, int lastRank, int back);
    bool FillDeck(int kind, int firstRank, int lastRank, int back, RandomSource& random);
    // 100 x count random exchanges: the order depends on the generator's seed alone.
    void Shuffle(RandomSource& random);
    // Destroys the cards without touching the surface.
    void Clear();

    // Lifts slots first..last into a new pile handed to target, which must be empty.
    bool Split(std::unique_ptr<CardPile>& target, int first, int last);
    bool Split(std::unique_ptr<CardPile>& target, int first);
    bool TakeTop(std::unique_ptr<CardPile>& target);
    // Appends every card of source to this pile, sliding it there when asked; source is consumed.
    bool MoveOnto(Surface* surface, std::unique_ptr<CardPile>& source, bool slide);

    void Show(Surface* surface);
    void Hide(Surface* surface);
    void Repaint(Surface* surface);
    void Relocate(Surface* surface, int targetX, int targetY, bool slide);

    int Count() const { return count; }
    int FaceDownCount() const { return faceDownCount; }
    int Capacity() const { return capacity; }
    int X() const { return x; }
    int Y() const { return y; }
    int SpreadX() const { return spreadX; }
    int SpreadY() const { return spreadY; }
    bool Hidden() const { return hidden; }

    // Position of card index, the index clamped into 1..capacity.
    int CardX(int index) const;
    int CardY(int index) const;
    int SuitAt(int index) const;
    int RankAt(int index) const;
    int TopSuit() const { return SuitAt(count); }
    int TopRank() const { return RankAt(count); }
    // The topmost card under (px, py); 0 for a hit on an empty pile's outline; -1 for a miss.
    int HitTest(int px, int py) const;

private:
    const Card* At(int index) const;
    std::unique_ptr<Card>& Slot(int index) { return cards[static_cast<std::size_t>(index - 1)]; }
    void DrawCards(Surface* surface, int from, bool saveFirst);

    int x;
    int y;
    int spreadX;
    int spreadY;
    int count = 0;
    int capacity;
    int faceDownCount = 0;
    std::array<std::unique_ptr<Card>, MaxCapacity> cards;
    bool hidden = true;
};
