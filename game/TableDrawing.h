#pragma once

#include <cstdint>

class Surface;

// Where the game draws the table, and in which colours.
class TableDrawing {
public:
    virtual ~TableDrawing() = default;

    // The window's drawing surface; nullptr when there is none to draw on.
    virtual Surface* DrawingSurface() = 0;
    virtual std::uint32_t BackgroundColor() const = 0;
    virtual std::uint32_t FrameColor() const = 0;
};
