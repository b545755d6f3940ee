// Build step: packs the game's PNG pictures, decoded, into one file that the program embeds, so
// that it starts without decoding a PNG (each costs far more than copying its pixels).
//
//   tvdl_pack_images OUTPUT ROOT NAME...
//
// Each NAME is a path below ROOT and becomes the picture's name in the pack. The layout is read by
// platform/EmbeddedImage.cpp. Every field is a 32-bit word in the machine's own order:
//   "TVIP", count, then per picture: name length, name padded to four bytes, width, height,
//   QImage format, bytes per line, colour count, colour offset, pixel offset, pixel length;
//   then the colour tables and the rows, in the order given, at their offsets from the start.
// The index comes first so that finding a picture reads only the index and that picture: the
// first window's pictures are named first and the card sheets, needed only at the first deal,
// last.
#include <QFile>
#include <QImageReader>
#include <cstdio>
#include <vector>

namespace {

void Word(QByteArray& out, quint32 value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void Pad(QByteArray& out) {
    while (out.size() % 4 != 0) out.append('\0');
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tvdl_pack_images OUTPUT ROOT NAME...\n");
        return 2;
    }
    std::vector<QImage> images;
    for (int i = 3; i < argc; ++i) {
        QImageReader reader(
            QString::fromLocal8Bit(argv[2]) + QLatin1Char('/') + QString::fromLocal8Bit(argv[i]), "png");
        reader.setAutoDetectImageFormat(false);
        images.push_back(reader.read());
        if (images.back().isNull()) {
            std::fprintf(stderr, "tvdl_pack_images: %s: %s\n", argv[i], qPrintable(reader.errorString()));
            return 1;
        }
    }

    QByteArray index("TVIP");
    Word(index, quint32(images.size()));
    qsizetype indexSize = index.size();
    for (int i = 3; i < argc; ++i) indexSize += 4 + (qsizetype(qstrlen(argv[i])) + 3) / 4 * 4 + 8 * 4;
    QByteArray data;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const QImage& image = images[i];
        const QByteArray name = QString::fromLocal8Bit(argv[i + 3]).toUtf8();
        Word(index, quint32(name.size()));
        index.append(name);
        Pad(index);
        Word(index, quint32(image.width()));
        Word(index, quint32(image.height()));
        Word(index, quint32(image.format()));
        Word(index, quint32(image.bytesPerLine()));
        const QList<QRgb> colours = image.colorTable();
        Word(index, quint32(colours.size()));
        Word(index, quint32(indexSize + data.size()));
        for (QRgb colour : colours) Word(data, colour);
        Word(index, quint32(indexSize + data.size()));
        Word(index, quint32(image.sizeInBytes()));
        data.append(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        Pad(data);
    }
    if (index.size() != indexSize) {
        std::fprintf(stderr, "tvdl_pack_images: the index came out at %lld bytes, not %lld\n",
                     static_cast<long long>(index.size()), static_cast<long long>(indexSize));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(index + data) != index.size() + data.size() ||
        !out.flush()) {
        std::fprintf(stderr, "tvdl_pack_images: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
