// Tells whether two pictures show the same thing, for the artwork check:
//
//   same_picture <drawn.png> <committed.png>
//
// Exit 0 when both have the same size and every channel of every pixel lies within one level of
// the other, 1 when they differ further, 2 when either cannot be read. Antialiased painting
// rounds a blended edge that falls exactly half way either way, depending on the processor's
// drawing path, so the same generator may draw such a pixel one level apart on another machine.

#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

// Number of pixels one level apart, or -1 when some pixel differs by more.
int PixelsOneLevelApart(const QImage& a, const QImage& b) {
    int nearly = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (rowA[x] == rowB[x]) continue;
            for (const int shift : {0, 8, 16, 24}) {
                const int channelA = static_cast<int>((rowA[x] >> shift) & 0xFF);
                const int channelB = static_cast<int>((rowB[x] >> shift) & 0xFF);
                if (std::abs(channelA - channelB) > 1) return -1;
            }
            ++nearly;
        }
    }
    return nearly;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: same_picture <drawn.png> <committed.png>\n");
        return 2;
    }
    const QImage drawn(QString::fromLocal8Bit(argv[1]));
    const QImage committed(QString::fromLocal8Bit(argv[2]));
    if (drawn.isNull() || committed.isNull()) {
        std::fprintf(stderr, "same_picture: cannot read %s\n", drawn.isNull() ? argv[1] : argv[2]);
        return 2;
    }
    if (drawn.size() != committed.size()) return 1;
    const int nearly = PixelsOneLevelApart(drawn.convertToFormat(QImage::Format_ARGB32),
                                           committed.convertToFormat(QImage::Format_ARGB32));
    if (nearly < 0) return 1;
    std::printf("%d pixel(s) one level apart\n", nearly);
    return 0;
}
