#include "settings/StatisticsRecord.h"

#include <QLockFile>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>

#include "settings/SettingsStore.h"

namespace {

constexpr std::array<SettingKey, 4> counterKeys{SettingKey::TotalWon, SettingKey::TotalLost,
                                                SettingKey::LongestWon, SettingKey::LongestLost};

// Counters stop at the top instead of wrapping, as the statistics' own do.
std::int32_t Add(std::int32_t stored, std::int64_t added) {
    const std::int64_t sum = static_cast<std::int64_t>(stored) + added;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// A longest run this copy has seen: the stored one becomes at least as long.
void Longer(std::int32_t& longest, std::int32_t run) {
    longest = std::max(longest, run);
}

}  // namespace

StatisticsRecord::StatisticsRecord(const SettingsStore& settings, Statistics& counted)
    : store(settings), statistics(counted) {}

void StatisticsRecord::Load() {
    statistics = Statistics{};
    statistics.totalWon = store.ReadInteger(SettingKey::TotalWon);
    statistics.totalLost = store.ReadInteger(SettingKey::TotalLost);
    statistics.longestWon = store.ReadInteger(SettingKey::LongestWon);
    statistics.longestLost = store.ReadInteger(SettingKey::LongestLost);
    shown = statistics;
    pending = Statistics{};
    resetPending = false;
    seriesSeen = 0;
}

void StatisticsRecord::Store() {
    // The run under way, and the one it may have just ended, count also where another copy's
    // reset made the store forget them, as a reset in this copy keeps the run going.
    for (const std::int32_t run : {seriesSeen, statistics.series}) {
        if (run > 0) Longer(pending.longestWon, run);
        if (run < 0) Longer(pending.longestLost, -run);
    }
    seriesSeen = statistics.series;
    Merge(false);
}

void StatisticsRecord::Reset() {
    shown = statistics;
    pending = Statistics{};
    resetPending = true;
    Merge(false);
}

void StatisticsRecord::Save() {
    Merge(true);
}

void StatisticsRecord::Merge(bool writeMissing) {
    // What the statistics counted since the record last set them is this copy's share.
    pending.totalWon = Add(pending.totalWon, static_cast<std::int64_t>(statistics.totalWon) - shown.totalWon);
    pending.totalLost =
        Add(pending.totalLost, static_cast<std::int64_t>(statistics.totalLost) - shown.totalLost);
    if (statistics.longestWon > shown.longestWon) Longer(pending.longestWon, statistics.longestWon);
    if (statistics.longestLost > shown.longestLost) Longer(pending.longestLost, statistics.longestLost);

    // Held from the read to the write, so no other copy's game falls between them.
    const std::unique_ptr<QLockFile> lock = store.LockForUpdate();
    std::array<std::int32_t, counterKeys.size()> base{};
    bool missing = false;
    for (std::size_t i = 0; i < counterKeys.size(); ++i) {
        const std::optional<int> stored = store.ReadStoredInteger(counterKeys[i]);
        missing = missing || !stored;
        base[i] = resetPending ? 0 : stored.value_or(0);
    }
    Statistics merged;
    merged.totalWon = Add(base[0], pending.totalWon);
    merged.totalLost = Add(base[1], pending.totalLost);
    // Without a run of this copy's, a stored value stays as it is, even one no run could give.
    merged.longestWon = pending.longestWon > 0 ? std::max(base[2], pending.longestWon) : base[2];
    merged.longestLost = pending.longestLost > 0 ? std::max(base[3], pending.longestLost) : base[3];

    const bool needed = resetPending || pending.totalWon != 0 || pending.totalLost != 0 ||
                        merged.longestWon != base[2] || merged.longestLost != base[3] ||
                        (writeMissing && missing);
    // A share the store already holds is let go, or it would come back after another copy's reset.
    // One the store could not write it holds and reads back as the stored counters, and writes
    // with its next write that gets through: kept here as well, it would be counted twice.
    if (needed) {
        store.WriteIntegers({{SettingKey::TotalWon, merged.totalWon},
                             {SettingKey::TotalLost, merged.totalLost},
                             {SettingKey::LongestWon, merged.longestWon},
                             {SettingKey::LongestLost, merged.longestLost}});
    }
    pending = Statistics{};
    resetPending = false;
    statistics.totalWon = merged.totalWon;
    statistics.totalLost = merged.totalLost;
    statistics.longestWon = merged.longestWon;
    statistics.longestLost = merged.longestLost;
    shown = statistics;
}
