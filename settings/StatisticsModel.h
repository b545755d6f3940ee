#pragma once

#include "base/Statistics.h"
#include "settings/StatisticsRecord.h"

class SettingsStore;

// The won and lost deals the session counts, kept in the store as they are counted. The all-time
// counters come from the store when it is made; every counted game and every reset goes back at
// once, and anything left over when it is destroyed, so it must go before the store does.
class StatisticsModel {
public:
    explicit StatisticsModel(const SettingsStore& store);
    ~StatisticsModel();
    StatisticsModel(const StatisticsModel&) = delete;
    StatisticsModel& operator=(const StatisticsModel&) = delete;

    ::Statistics& Stats() { return statistics; }
    const ::Statistics& Stats() const { return statistics; }
    // A game the statistics have just counted.
    void Counted();
    // Clears the six counters here and in the store. The running series goes on: a reset clears
    // the record, not the player's streak.
    void Reset();

private:
    ::Statistics statistics;
    StatisticsRecord record;
};
