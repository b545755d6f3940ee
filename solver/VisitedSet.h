#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The positions a search has seen, by a 64-bit key each. Eight bytes a slot keep the table half
// the size a second key would make it, which matters more than anything else to the search's
// speed once the table outgrows the caches; a mistaken "seen before" (that could hide a win)
// stays unlikely enough, about once in thousands of full winnability tables, and is the same
// on every run. Open addressing; zero marks a free slot, so a zero key is stored as one. Find
// gives the slot that holds the key or would take it; Claim fills it, as long as nothing was
// added in between.
class VisitedSet {
public:
    using Key = std::uint64_t;

    VisitedSet() : entries(std::size_t{1} << 16), mask(entries.size() - 1) {}

    Key* Find(Key key) {
        if ((used + 1) * 2 > entries.size()) Grow();
        key = Stored(key);
        for (std::size_t i = Start(key);; i = (i + 1) & mask) {
            Key& slot = entries[i];
            if (slot == 0 || slot == key) return &slot;
        }
    }
    // Asks for the slot a key would start at ahead of time, so that the memory access overlaps
    // with other work: the table is far larger than any cache.
    void Prefetch(Key key) const { __builtin_prefetch(&entries[Start(Stored(key))]); }
    static bool Taken(const Key* slot) { return *slot != 0; }
    void Claim(Key* slot, Key key) {
        *slot = Stored(key);
        ++used;
    }
    bool Insert(Key key) {
        Key* slot = Find(key);
        if (Taken(slot)) return false;
        Claim(slot, key);
        return true;
    }

    // Removes the key at a taken slot, moving back the keys after it that could stand there.
    void Erase(Key* slot) {
        std::size_t hole = static_cast<std::size_t>(slot - entries.data());
        for (std::size_t i = (hole + 1) & mask; Taken(&entries[i]); i = (i + 1) & mask) {
            const std::size_t start = Start(entries[i]);
            // The key at i may fill the hole unless it starts after the hole, cyclically.
            const bool startsAfterHole =
                hole <= i ? (start > hole && start <= i) : (start > hole || start <= i);
            if (!startsAfterHole) {
                entries[hole] = entries[i];
                hole = i;
            }
        }
        entries[hole] = 0;
        --used;
    }

private:
    static Key Stored(Key key) { return key | static_cast<Key>(key == 0); }
    // The slot a stored key's probe begins at.
    std::size_t Start(Key stored) const { return stored & mask; }

    void Grow() {
        std::vector<Key> old(entries.size() * 2);
        old.swap(entries);
        mask = entries.size() - 1;
        used = 0;
        for (const Key key : old) {
            if (key != 0) Claim(Find(key), key);
        }
    }

    std::vector<Key> entries;
    std::size_t mask;
    std::size_t used = 0;
};
