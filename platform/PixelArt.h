#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// Pixel art on screens of more than one device pixel per design pixel. The art is only ever
// enlarged by whole numbers, each design pixel becoming a block of identical device pixels, so
// it stays crisp; at a fractional ratio the nearest whole number is used and the rest of the way
// is left to an unsmoothed paint.

// The whole-number factor for a device pixel ratio: 1.4 gives 1, 1.5 and 2 give 2; never below 1.
int PixelArtFactor(qreal devicePixelRatio);

// The image enlarged by factor through pixel replication; the device pixel ratio is left as it is.
QImage ReplicatePixels(const QImage& art, int factor);

// The art enlarged for the ratio, with that factor as its device pixel ratio, so it is painted
// at the art's own size in logical pixels.
QPixmap CrispPixmap(const QPixmap& art, qreal devicePixelRatio);

// An icon that draws each of its pictures through CrispPixmap at whatever ratio it is asked
// for, where a plain icon would smooth it. The disabled picture may be null: the normal one then
// serves for every mode.
QIcon CrispIcon(const QPixmap& normal, const QPixmap& disabled = QPixmap());
