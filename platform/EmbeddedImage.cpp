#include "platform/EmbeddedImage.h"

#include <QImageReader>
#include <QResource>
#include <algorithm>
#include <cstring>

namespace {

// Reads the words of the pack that the build makes of the pictures (assets/pack/PackImages.cpp);
// any field that would lie past the end stops it.
class PackReader {
public:
    explicit PackReader(QByteArrayView bytes) : data(bytes) {}

    bool Word(quint32& value) {
        if (data.size() - at < qsizetype(sizeof value)) return false;
        std::memcpy(&value, data.data() + at, sizeof value);
        at += qsizetype(sizeof value);
        return true;
    }
    // A length word and that many bytes, padded to four.
    bool Name(QByteArrayView& name) {
        quint32 length = 0;
        if (!Word(length) || data.size() - at < qsizetype(length)) return false;
        name = data.sliced(at, qsizetype(length));
        at += (qsizetype(length) + 3) / 4 * 4;
        return true;
    }
    // Bytes anywhere in the pack, by offset and length.
    bool Part(quint32 offset, qsizetype length, QByteArrayView& part) const {
        if (offset > data.size() || data.size() - offset < length) return false;
        part = data.sliced(offset, length);
        return true;
    }

private:
    QByteArrayView data;
    qsizetype at = 0;
};

}  // namespace

QImage ReadPackedImage(const QString& path) {
    // The pack lies uncompressed in the program's resources: reading it copies nothing, and only
    // its index and the picture asked for are touched.
    const QResource resource(QStringLiteral(":/images.pack"));
    if (!resource.isValid()) return {};
    const QByteArray bytes =
        resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
            : resource.uncompressedData();
    const QByteArray wanted = path.mid(2).toUtf8();  // past ":/"
    PackReader pack(bytes);
    quint32 magic = 0;
    quint32 count = 0;
    if (!pack.Word(magic) || std::memcmp(&magic, "TVIP", 4) != 0 || !pack.Word(count)) return {};
    for (quint32 i = 0; i < count; ++i) {
        QByteArrayView name;
        quint32 width = 0, height = 0, format = 0, bytesPerLine = 0, colours = 0, colourOffset = 0,
                pixelOffset = 0, pixelLength = 0;
        if (!pack.Name(name) || !pack.Word(width) || !pack.Word(height) || !pack.Word(format) ||
            !pack.Word(bytesPerLine) || !pack.Word(colours) || !pack.Word(colourOffset) ||
            !pack.Word(pixelOffset) || !pack.Word(pixelLength)) {
            return {};
        }
        if (name != wanted) continue;

        QByteArrayView table;
        QByteArrayView pixels;
        if (!pack.Part(colourOffset, qsizetype(colours) * 4, table) ||
            !pack.Part(pixelOffset, pixelLength, pixels) || format == QImage::Format_Invalid ||
            format >= QImage::NImageFormats) {
            return {};
        }
        QImage image(static_cast<int>(width), static_cast<int>(height), static_cast<QImage::Format>(format));
        if (image.isNull() || pixels.size() != qsizetype(bytesPerLine) * qsizetype(height)) return {};
        const qsizetype row = std::min<qsizetype>(bytesPerLine, image.bytesPerLine());
        for (int y = 0; y < image.height(); ++y) {
            std::memcpy(image.scanLine(y), pixels.data() + qsizetype(y) * bytesPerLine, size_t(row));
        }
        if (colours > 0) {
            QList<QRgb> colourTable(colours);
            std::memcpy(colourTable.data(), table.data(), size_t(table.size()));
            image.setColorTable(colourTable);
        }
        return image;
    }
    return {};
}

QImage ReadEmbeddedImage(const QString& path) {
    QImage image = ReadPackedImage(path);
    if (!image.isNull()) return image;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap ReadEmbeddedPixmap(const QString& path) {
    return QPixmap::fromImage(ReadEmbeddedImage(path));
}
