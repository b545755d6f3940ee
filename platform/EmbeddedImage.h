#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Reads one of the program's own PNG pictures (a ":/" resource). Qt's usual loading asks every
// installed image plugin whether it handles the format, which loads them all; ours are PNG, which
// Qt reads itself, so they are read without that search. A missing or broken picture gives a null
// image, as a plain load does.
QImage ReadEmbeddedImage(const QString& path);
QPixmap ReadEmbeddedPixmap(const QString& path);
