#include "settings/StatisticsModel.h"

StatisticsModel::StatisticsModel(const SettingsStore& store) : record(store, statistics) {
    record.Load();
}

StatisticsModel::~StatisticsModel() {
    record.Save();
}

void StatisticsModel::Counted() {
    record.Store();
}

void StatisticsModel::Reset() {
    const std::int32_t series = statistics.series;
    statistics = ::Statistics{};
    statistics.series = series;
    record.Reset();
}
