#include "cards/CardPile.h"

#include <algorithm>
#include <cmath>

#include "cards/BusyWait.h"
#include "cards/CardSheets.h"
#include "cards/RandomSource.h"
#include "rules/GameRandom.h"

CardPile::CardPile(int xValue, int yValue, int spreadXValue, int spreadYValue, int capacityValue)
    : x(xValue),
      y(yValue),
      spreadX(spreadXValue),
      spreadY(spreadYValue),
      capacity(std::clamp(capacityValue, 1, MaxCapacity)) {}

CardPile::~CardPile() {
    Clear();
}

bool CardPile::AddCard(int suit, int rank, int back, RandomSource& random) {
    if (back < 0) back = static_cast<int>(random.NextRandom(14));
    return AddCard(suit, rank, back);
}

bool CardPile::AddCard(int suit, int rank, int back) {
    back = std::clamp(back, 0, 13);
    if (count >= capacity) return false;
    ++count;
    Slot(count) = std::make_unique<Card>(suit, rank, back);
    return true;
}

bool CardPile::FillDeck(int kind, int firstRank, int lastRank, int back, RandomSource& random) {
    if (back < 0) back = static_cast<int>(random.NextRandom(14));
    return FillDeck(kind, firstRank, lastRank, back);
}

bool CardPile::FillDeck(int kind, int firstRank, int lastRank, int back) {
    int first = 0;
    int last = -1;
    if (kind >= 0 && kind <= 3) {
        first = last = kind;
    } else if (kind == 4) {
        first = 0, last = 1;
    } else if (kind == 5) {
        first = 2, last = 3;
    } else if (kind == 6) {
        first = 0, last = 3;
    }
    // No caller reads the result when nothing is appended; false says so.
    bool result = false;
    for (int suit = first; suit <= last; ++suit) {
        for (int rank = firstRank; rank <= lastRank; ++rank) result = AddCard(suit, rank, back);
    }
    return result;
}

void CardPile::Shuffle(RandomSource& source) {
    GameRandom random = source.Draws();
    random.Shuffle(count, [this](int i, int j) { std::swap(Slot(i), Slot(j)); });
    source.Continue(random);
}

void CardPile::Clear() {
    for (int i = count; i >= 1; --i) Slot(i).reset();
    count = 0;
    faceDownCount = 0;
}

bool CardPile::Split(std::unique_ptr<CardPile>& target, int first, int last) {
    if (first > last || last > count || first < 1 || target) return false;
    const int n = last - first + 1;
    target = std::make_unique<CardPile>(CardX(first), CardY(first), spreadX, spreadY, n);
    for (int i = 0; i < n; ++i) target->Slot(i + 1) = std::move(Slot(first + i));
    target->count = n;
    for (int i = last + 1; i <= count; ++i) Slot(i - n) = std::move(Slot(i));
    count -= n;
    target->hidden = hidden;
    faceDownCount = std::min(faceDownCount, count);
    return true;
}

bool CardPile::Split(std::unique_ptr<CardPile>& target, int first) {
    return Split(target, first, count);
}

bool CardPile::TakeTop(std::unique_ptr<CardPile>& target) {
    return Split(target, count, count);
}

bool CardPile::MoveOnto(Surface* surface, std::unique_ptr<CardPile>& source, bool slide) {
    // A pile moved onto itself would lose its cards; refuse it like any other impossible move.
    if (!source || source.get() == this || source->count == 0 || count + source->count > capacity)
        return false;

    if (hidden) source->Hide(surface);
    source->Relocate(surface, CardX(count + 1), CardY(count + 1), slide);
    source->Hide(surface);

    const int first = count + 1;
    faceDownCount += source->faceDownCount;
    for (int i = 1; i <= source->count; ++i) Slot(count + i) = std::move(source->Slot(i));
    count += source->count;
    source->count = 0;
    source->faceDownCount = 0;

    if (!hidden) DrawCards(surface, first, true);
    source.reset();
    return true;
}

void CardPile::DrawCards(Surface* surface, int from, bool saveFirst) {
    if (surface == nullptr) return;
    for (int i = from; i <= count; ++i) {
        Card* card = Slot(i).get();
        if (card == nullptr) continue;
        if (saveFirst) card->SaveBackground(surface, CardX(i), CardY(i));
        card->Draw(surface, CardX(i), CardY(i), i <= faceDownCount);
    }
}

void CardPile::Show(Surface* surface) {
    if (!hidden || surface == nullptr) return;
    DrawCards(surface, 1, true);
    hidden = false;
}

void CardPile::Hide(Surface* surface) {
    if (hidden || surface == nullptr) return;
    for (int i = count; i >= 1; --i) {
        if (Card* card = Slot(i).get()) card->RestoreBackground(surface, CardX(i), CardY(i));
    }
    hidden = true;
}

void CardPile::Repaint(Surface* surface) {
    if (hidden || surface == nullptr || count == 0) return;
    DrawCards(surface, 1, false);
}

void CardPile::Relocate(Surface* surface, int targetX, int targetY, bool slide) {
    const bool wasHidden = hidden;
    auto moveTo = [&](int nextX, int nextY) {
        Hide(surface);
        x = nextX;
        y = nextY;
        if (!wasHidden) Show(surface);
    };
    if (!slide) {
        moveTo(targetX, targetY);
        return;
    }
    while (x != targetX || y != targetY) {
        const int dx = targetX - x;
        const int dy = targetY - y;
        const double d = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
        int nextX = targetX;
        int nextY = targetY;
        if (!(SlideStep > d)) {
            // nearbyint rounds halves to the even neighbour in the default rounding mode.
            const double k = 1.0 / d;
            nextX = x + static_cast<int>(std::nearbyint(dx * k * SlideStep));
            nextY = y + static_cast<int>(std::nearbyint(dy * k * SlideStep));
        }
        BusyWait(SlideDelay);
        moveTo(nextX, nextY);
    }
}

int CardPile::CardX(int index) const {
    return x + (std::clamp(index, 1, capacity) - 1) * spreadX;
}

int CardPile::CardY(int index) const {
    return y + (std::clamp(index, 1, capacity) - 1) * spreadY;
}

const Card* CardPile::At(int index) const {
    if (index < 1 || index > capacity) return nullptr;
    return cards[static_cast<std::size_t>(index - 1)].get();
}

int CardPile::SuitAt(int index) const {
    const Card* card = At(index);
    return card != nullptr ? card->Suit() : -1;
}

int CardPile::RankAt(int index) const {
    const Card* card = At(index);
    return card != nullptr ? card->Rank() : -1;
}

int CardPile::HitTest(int px, int py) const {
    auto inside = [&](int left, int top) {
        return left <= px && px < left + CardWidth && top <= py && py < top + CardHeight;
    };
    if (count == 0) return inside(x, y) ? 0 : -1;
    for (int i = count; i >= 1; --i) {
        if (inside(CardX(i), CardY(i))) return i;
    }
    return -1;
}
