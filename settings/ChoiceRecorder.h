#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "settings/SettingsKeys.h"

class SettingsStore;

// Keeps the player's choices (language, sound, colours, move display, sliding) in the store as
// they are made, so that no ending of the program loses one. Several running copies share the
// store and the latest choice wins: a copy writes what its player changes, and at its end only
// what never reached the store, so it does not put an old value back over a newer choice made in
// another copy meanwhile.
class ChoiceRecorder {
public:
    explicit ChoiceRecorder(const SettingsStore& store);

    // Start of the run: the stored value, or the key's default.
    int Read(SettingKey key);
    bool ReadFlag(SettingKey key);

    // The player chose a value: it is written at once unless it is what this copy read or last
    // wrote. A failed write is tried again at the end.
    void Choose(SettingKey key, int value);
    void Choose(SettingKey key, bool value);

    // End of the run: writes the value if it differs from what this copy read or last wrote (a
    // change that never reached the store), or if the store lacks it.
    void Keep(SettingKey key, int value);
    void Keep(SettingKey key, bool value);

private:
    const SettingsStore& store;
    // What this copy read (the default for a missing value) or last wrote, per key.
    std::array<std::optional<int>, static_cast<std::size_t>(SettingKey::Count)> held;
};
