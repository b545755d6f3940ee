// The two colour-button glyphs of the options dialog, drawn on the pixel grid.

#include "make_ui_art.h"

namespace uiart {

// A dark filled square in a grey border: the colour of the field.
QImage FieldColourGlyph() {
    QImage image = Canvas(19, 19);
    // clang-format off
    Stamp(image, 0, 0, {
        "GGGGGGGGGGGGGGGGGGK",
        "GWWWWWWWWWWWWWWWWSK",
        "GWSSSSSSSSSSSSSSSSK",
        "GWSKKKKKKKKKKKKKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKkDkkkkkkkkkKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKkkkkkkkkkkkKWSK",
        "GWSKKKKKKKKKKKKKWSK",
        "GWSWWWWWWWWWWWWWWSK",
        "GSSSSSSSSSSSSSSSSSK",
        "KKKKKKKKKKKKKKKKKKK",
    });
    // clang-format on
    return image;
}

// A grey lattice: the colour of the frames drawn around places.
QImage FrameColourGlyph() {
    QImage image = Canvas(19, 19);
    for (int i = 0; i < 19; ++i) {
        for (int line = 0; line < 19; line += 6) {
            image.setPixelColor(line, i, QColor(0x80, 0x80, 0x80));
            image.setPixelColor(i, line, QColor(0x80, 0x80, 0x80));
        }
    }
    // A lighter edge beside each inner line gives the bars some depth.
    for (int i = 0; i < 19; ++i) {
        for (int line = 7; line < 19; line += 6) {
            if (i % 6 != 0) image.setPixelColor(line, i, QColor(0xC0, 0xC0, 0xC0));
            if (i % 6 != 0) image.setPixelColor(i, line, QColor(0xC0, 0xC0, 0xC0));
        }
    }
    return image;
}

}  // namespace uiart
