#include "platform/EmbeddedImage.h"

#include <QImageReader>

QImage ReadEmbeddedImage(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap ReadEmbeddedPixmap(const QString& path) {
    return QPixmap::fromImage(ReadEmbeddedImage(path));
}
