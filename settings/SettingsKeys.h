#pragma once

#include <QString>
#include <array>
#include <cstddef>

// Every value the game keeps between runs, by its name in the code. The stored section and value
// names are the file format and never change; the code names can.
enum class SettingKey {
    Language,
    Sound,
    Background,
    Frame,
    TotalWon,
    TotalLost,
    LongestWon,
    LongestLost,
    Slide,
    ShowMoves,
    Placement,
    Zoom,
    StatusLine,
    Count
};

struct SettingRow {
    SettingKey key;
    const char* section;
    const char* name;
    int defaultValue;  // numbers and flags; the placement text has none
};

inline constexpr std::array<SettingRow, static_cast<std::size_t>(SettingKey::Count)> SettingRows{{
    {SettingKey::Language, "common", "tongue", -1},
    {SettingKey::Sound, "common", "sound", 1},
    {SettingKey::Background, "common", "back", 0x8000},
    {SettingKey::Frame, "common", "frame", 0},
    {SettingKey::TotalWon, "common", "won", 0},
    {SettingKey::TotalLost, "common", "lost", 0},
    {SettingKey::LongestWon, "common", "swon", 0},
    {SettingKey::LongestLost, "common", "slost", 0},
    {SettingKey::Slide, "common", "slide", 1},
    {SettingKey::ShowMoves, "common", "show", 1},
    {SettingKey::Placement, "Form", "MainForm", 0},
    // Ours: how many times the desktop's density the window is shown, 1 to 4.
    {SettingKey::Zoom, "common", "zoom", 1},
    // Ours: whether the status line is shown over the banner.
    {SettingKey::StatusLine, "common", "statusline", 0},
}};

// A row out of its place would read one setting under another's name.
constexpr bool RowsInKeyOrder() {
    for (std::size_t i = 0; i < SettingRows.size(); ++i) {
        if (static_cast<std::size_t>(SettingRows[i].key) != i) return false;
    }
    return true;
}
static_assert(RowsInKeyOrder(), "SettingRows must list every key once, in the order of SettingKey");

inline const SettingRow& RowOf(SettingKey key) {
    return SettingRows[static_cast<std::size_t>(key)];
}

// Values older versions kept beside the placement; the next write drops them.
inline constexpr std::array<const char*, 2> RetiredPlacementNames{"MainFormColor", "MainFormFont"};
