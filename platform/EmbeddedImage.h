#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Reads one of the program's own PNG pictures (a ":/" resource). The build packs them decoded
// (assets/pack), so most are only copied. Any other is read as PNG: Qt's usual loading asks every
// installed image plugin whether it handles the format, which loads them all; PNG Qt reads itself,
// so it is read without that search. A missing or broken picture gives a null image, as a plain
// load does.
QImage ReadEmbeddedImage(const QString& path);
// The picture from the pack only; null when the pack lacks it.
QImage ReadPackedImage(const QString& path);
QPixmap ReadEmbeddedPixmap(const QString& path);
