#include "settings/ChoiceRecorder.h"

#include "settings/SettingsStore.h"

namespace {
std::size_t IndexOf(SettingKey key) {
    return static_cast<std::size_t>(key);
}
}  // namespace

ChoiceRecorder::ChoiceRecorder(const SettingsStore& settings) : store(settings) {}

int ChoiceRecorder::Read(SettingKey key) {
    const int value = store.ReadStoredInteger(key).value_or(RowOf(key).defaultValue);
    held[IndexOf(key)] = value;
    return value;
}

bool ChoiceRecorder::ReadFlag(SettingKey key) {
    return Read(key) != 0;
}

void ChoiceRecorder::Choose(SettingKey key, int value) {
    if (held[IndexOf(key)] == value) return;
    if (store.WriteInteger(key, value)) held[IndexOf(key)] = value;
}

void ChoiceRecorder::Choose(SettingKey key, bool value) {
    Choose(key, value ? 1 : 0);
}

void ChoiceRecorder::Keep(SettingKey key, int value) {
    if (held[IndexOf(key)] == value && store.ReadStoredInteger(key)) return;
    if (store.WriteInteger(key, value)) held[IndexOf(key)] = value;
}

void ChoiceRecorder::Keep(SettingKey key, bool value) {
    Keep(key, value ? 1 : 0);
}
