#pragma once

// The game's geometry in pixels, from the card to the window; every layer takes its sizes and
// places from here.

// A card, and every picture of a card or a place marker.
inline constexpr int CardWidth = 43;
inline constexpr int CardHeight = 60;

// The window's client area: the tool strip along the top, the board, the banner along the bottom.
inline constexpr int ToolStripHeight = 37;
inline constexpr int BoardHeight = 290;
inline constexpr int BannerHeight = 15;
inline constexpr int ClientWidth = 683;
inline constexpr int ClientHeight = ToolStripHeight + BoardHeight + BannerHeight;

// The 14 x 4 places: the corner of place (0, 0), and the distance from one place to the next.
inline constexpr int BoardLeft = 8;
inline constexpr int BoardTop = ToolStripHeight + 10;
inline constexpr int PlacePitchX = 48;
inline constexpr int PlacePitchY = 70;

// The top left corner of the places in a column and in a row.
constexpr int PlaceLeft(int column) {
    return BoardLeft + column * PlacePitchX;
}
constexpr int PlaceTop(int row) {
    return BoardTop + row * PlacePitchY;
}

// Frames (the hints, the key cursor) run this far outside the card they surround.
inline constexpr int FrameOffset = 3;
