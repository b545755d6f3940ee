#pragma once

#include "base/MoveSwitches.h"
#include "settings/ChoiceRecorder.h"

class SettingsStore;

// The player's switches of play for the whole run: read from the store when it is made, stored
// as soon as the player changes them and, if that failed, again when it is destroyed, so it must
// go before the store does. The game reads the switches through Switches() at each move.
class SwitchesModel {
public:
    explicit SwitchesModel(const SettingsStore& store);
    ~SwitchesModel();
    SwitchesModel(const SwitchesModel&) = delete;
    SwitchesModel& operator=(const SwitchesModel&) = delete;

    const MoveSwitches& Switches() const { return switches; }
    void Choose(const MoveSwitches& chosen);

private:
    ChoiceRecorder choices;
    MoveSwitches switches;
};
