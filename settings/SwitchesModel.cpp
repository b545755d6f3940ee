#include "settings/SwitchesModel.h"

SwitchesModel::SwitchesModel(const SettingsStore& store) : choices(store) {
    switches.slide = choices.ReadFlag(SettingKey::Slide);
    switches.showMoves = choices.ReadFlag(SettingKey::ShowMoves);
}

SwitchesModel::~SwitchesModel() {
    choices.Keep(SettingKey::Slide, switches.slide);
    choices.Keep(SettingKey::ShowMoves, switches.showMoves);
}

void SwitchesModel::Choose(const MoveSwitches& chosen) {
    switches = chosen;
    choices.Choose(SettingKey::Slide, switches.slide);
    choices.Choose(SettingKey::ShowMoves, switches.showMoves);
}
