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

constexpr std::array<SettingKey, 4> counterKeys{SettingKey::TotalWon, SettingKey::TotalLost, SettingKey::LongestWon,
                                                SettingKey::LongestLost};

// Counters stop at the top instead of wrapping, as the statistics' own do.
std::int32_t Add(std::int32_t stored, std::int32_t added) {
    const std::int64_t sum = static_cast<std::int64_t>(stored) + added;
    return static_cast<std::int32_t>(std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

StatisticsRecord::StatisticsRecord(const SettingsStore& settings, Statistics& counted)
    : store(settings), statistics(counted) {}

void StatisticsRecord::Load() {
    statistics = Statistics{};
    pending = Statistics{};
    resetPending = false;
    Merge(false, false);
}

void StatisticsRecord::Counted(bool won) {
    if (won) {
        pending.CountWon();
    } else {
        pending.CountLost();
    }
    Merge(true, false);
}

void StatisticsRecord::Reset() {
    const std::int32_t series = pending.series;
    pending = Statistics{};
    pending.series = series;
    resetPending = true;
    Merge(true, false);
}

void StatisticsRecord::Save() {
    Merge(true, true);
}

void StatisticsRecord::Merge(bool write, bool writeMissing) {
    // Held from the read to the write, so no other copy's game falls between them.
    const std::unique_ptr<QLockFile> lock = write ? store.LockForUpdate() : nullptr;
    std::array<std::int32_t, counterKeys.size()> base{};
    bool missing = false;
    for (std::size_t i = 0; i < counterKeys.size(); ++i) {
        const std::optional<int> stored = store.ReadStoredInteger(counterKeys[i]);
        missing = missing || !stored;
        base[i] = resetPending ? 0 : stored.value_or(0);
    }
    const std::int32_t totalWon = Add(base[0], pending.totalWon);
    const std::int32_t totalLost = Add(base[1], pending.totalLost);
    // Without a run of this copy's, a stored value stays as it is, even one no run could give.
    const std::int32_t longestWon = pending.longestWon > 0 ? std::max(base[2], pending.longestWon) : base[2];
    const std::int32_t longestLost = pending.longestLost > 0 ? std::max(base[3], pending.longestLost) : base[3];

    const bool shareWaiting = resetPending || pending.totalWon != 0 || pending.totalLost != 0 ||
                              pending.longestWon != 0 || pending.longestLost != 0;
    if (write && (shareWaiting || (writeMissing && missing)) &&
        store.WriteIntegers({{SettingKey::TotalWon, totalWon},
                             {SettingKey::TotalLost, totalLost},
                             {SettingKey::LongestWon, longestWon},
                             {SettingKey::LongestLost, longestLost}})) {
        const std::int32_t series = pending.series;
        pending = Statistics{};
        pending.series = series;
        resetPending = false;
    }
    // A share that could not be written stays pending and is already counted here.
    statistics.totalWon = totalWon;
    statistics.totalLost = totalLost;
    statistics.longestWon = longestWon;
    statistics.longestLost = longestLost;
}
