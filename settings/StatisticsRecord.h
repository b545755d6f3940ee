#pragma once

#include "game/Statistics.h"

class SettingsStore;

// Keeps the all-time counters of a run's Statistics in the store as games are counted, so that
// no ending of the program loses a game the player saw counted. Several running copies share the
// stored counters: each game is added to what the store holds at that moment, under a lock, so the
// copies' games add up instead of the last copy to write taking the others' away.
//
// What a copy adds are its won and lost games and the runs it has seen: the stored longest runs
// become the longer of the stored one and this copy's. The current run belongs to each copy alone
// and is never stored, so two copies played in turn do not make one long run. A reset clears the
// stored counters; games counted after it, in any copy, add up from zero again.
class StatisticsRecord {
public:
    StatisticsRecord(const SettingsStore& store, Statistics& statistics);

    // Start of the run: the stored counters, nothing counted in this run, no current run.
    void Load();
    // After the statistics counted a game: adds it to the store at once.
    void Counted(bool won);
    // After the statistics were reset: clears the stored counters too.
    void Reset();
    // End of the run: anything not stored yet, and every counter the store still lacks.
    void Save();

private:
    // Combines the stored counters with this copy's pending share; writes the result when asked
    // to and there is something to write. The statistics then show the combined counters, other
    // copies' games included.
    void Merge(bool write, bool writeMissing);

    const SettingsStore& store;
    Statistics& statistics;
    // This copy's share not yet in the store: games in the totals, runs in the longest runs. Its
    // series follows the statistics' own, so a run goes on across writes.
    Statistics pending;
    // A reset that has not reached the store yet: the stored counters no longer count.
    bool resetPending = false;
};
