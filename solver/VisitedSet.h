#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The positions a search has seen, by two independent 64-bit keys each, which makes a mistaken
// "seen before" (that could hide a win) far too unlikely to matter over billions of positions.
// Open addressing; the all-zero key marks a free slot. Find gives the slot that holds the key or
// would take it; Claim fills it, as long as nothing was added in between.
class VisitedSet {
public:
    using Key = std::pair<std::uint64_t, std::uint64_t>;

    VisitedSet() : entries(std::size_t{1} << 16), mask(entries.size() - 1) {}

    Key* Find(std::uint64_t a, std::uint64_t b) {
        if ((used + 1) * 2 > entries.size()) Grow();
        for (std::size_t i = a & mask;; i = (i + 1) & mask) {
            Key& slot = entries[i];
            if ((slot.first == 0 && slot.second == 0) || (slot.first == a && slot.second == b)) return &slot;
        }
    }
    // Asks for the slot a key would start at ahead of time, so that the memory access overlaps
    // with other work: the table is far larger than any cache.
    void Prefetch(std::uint64_t a) const { __builtin_prefetch(&entries[a & mask]); }
    static bool Taken(const Key* slot) { return slot->first != 0 || slot->second != 0; }
    void Claim(Key* slot, std::uint64_t a, std::uint64_t b) {
        *slot = {a, b};
        ++used;
    }
    bool Insert(std::uint64_t a, std::uint64_t b) {
        Key* slot = Find(a, b);
        if (Taken(slot)) return false;
        Claim(slot, a, b);
        return true;
    }

    // Removes the key at a taken slot, moving back the keys after it that could stand there.
    void Erase(Key* slot) {
        std::size_t hole = static_cast<std::size_t>(slot - entries.data());
        for (std::size_t i = (hole + 1) & mask; Taken(&entries[i]); i = (i + 1) & mask) {
            const std::size_t start = entries[i].first & mask;
            // The key at i may fill the hole unless it starts after the hole, cyclically.
            const bool startsAfterHole = hole <= i ? (start > hole && start <= i) : (start > hole || start <= i);
            if (!startsAfterHole) {
                entries[hole] = entries[i];
                hole = i;
            }
        }
        entries[hole] = {0, 0};
        --used;
    }

private:
    void Grow() {
        std::vector<Key> old(entries.size() * 2);
        old.swap(entries);
        mask = entries.size() - 1;
        used = 0;
        for (const Key& key : old) {
            if (Taken(&key)) Claim(Find(key.first, key.second), key.first, key.second);
        }
    }

    std::vector<Key> entries;
    std::size_t mask;
    std::size_t used = 0;
};
