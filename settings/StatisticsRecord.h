#pragma once

#include <cstdint>

#include "base/Statistics.h"

class SettingsStore;

// Keeps the all-time counters of a run's Statistics in the store as games are counted, so that
// no ending of the program loses a game the player saw counted. Several running copies share the
// stored counters: each copy adds its own games to what the store holds at that moment, under a
// lock, so the copies' games add up instead of the last copy to write taking the others' away.
//
// A copy's share is what its statistics counted since the record last set them: its won and lost
// games, and the runs it saw, which make a stored longest run longer but never shorter. The
// current run belongs to each copy alone and is never stored, so two copies played in turn do
// not make one long run. A reset clears the stored counters; games counted after it, in any copy,
// add up from zero again.
class StatisticsRecord {
public:
    StatisticsRecord(const SettingsStore& store, Statistics& statistics);

    // Start of the run: the stored counters, nothing counted in this run, no current run.
    void Load();
    // After the statistics counted a game: this copy's share goes to the store at once, and the
    // statistics show the stored counters, other copies' games included.
    void Store();
    // After the statistics were reset: clears the stored counters too.
    void Reset();
    // End of the run: anything not stored yet, and every counter the store still lacks.
    void Save();

private:
    // Takes in this copy's share, adds it to the stored counters and writes the sum when asked
    // to; a sum that could not be written the store holds for its next write.
    void Merge(bool writeMissing);

    const SettingsStore& store;
    Statistics& statistics;
    // The four all-time counters as the record last set them in the statistics.
    Statistics shown;
    // This copy's share not yet in the store: games in the totals, runs in the longest runs.
    Statistics pending;
    // A reset that has not reached the store yet: the stored counters no longer count.
    bool resetPending = false;
    // The statistics' current run when the last game was stored.
    std::int32_t seriesSeen = 0;
};
