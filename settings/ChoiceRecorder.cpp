#include "settings/ChoiceRecorder.h"

#include "settings/SettingsStore.h"

namespace {
std::size_t IndexOf(SettingKey key) {
    return static_cast<std::size_t>(key);
}
}  // namespace

ChoiceRecorder::ChoiceRecorder(const SettingsStore& settings) : store(settings) {}

int ChoiceRecorder::Read(SettingKey key) {
    known[IndexOf(key)] = store.ReadStoredInteger(key);
    return known[IndexOf(key)].value_or(RowOf(key).defaultValue);
}

bool ChoiceRecorder::ReadFlag(SettingKey key) {
    return Read(key) != 0;
}

void ChoiceRecorder::Choose(SettingKey key, int value) {
    if (known[IndexOf(key)] == value) return;
    if (store.WriteInteger(key, value)) known[IndexOf(key)] = value;
}

void ChoiceRecorder::Choose(SettingKey key, bool value) {
    Choose(key, value ? 1 : 0);
}

void ChoiceRecorder::Keep(SettingKey key, int value) {
    if (known[IndexOf(key)] == value && store.ReadStoredInteger(key)) return;
    if (store.WriteInteger(key, value)) known[IndexOf(key)] = value;
}

void ChoiceRecorder::Keep(SettingKey key, bool value) {
    Keep(key, value ? 1 : 0);
}
