#pragma once

#include <QImage>

#include "cards/TableGeometry.h"

class Surface;

// The four shared images every card and place marker is drawn from. They are loaded once, by
// name from the embedded resources, when the first one is asked for. The mask is Format_RGB32;
// the others keep the 8-bit palette they are stored in (or are Format_RGB32 when replaced).
class CardSheets {
public:
    // Loads "mask", "cards", "decks" and "cellar" in that order. A sheet that cannot be read is
    // replaced by a plain one of the right size (with a warning), so drawing never fails.
    // Returns true when all four were read.
    static bool Load();
    static void Release();
    static bool Loaded();

    static const QImage& Mask();
    static const QImage& Cards();
    static const QImage& Decks();
    static const QImage& Cellar();
};

// Draws place marker 0..11 (clamped) through the mask at (x, y); marker 12 draws nothing.
void DrawPlaceMarker(Surface* surface, int x, int y, int marker);
