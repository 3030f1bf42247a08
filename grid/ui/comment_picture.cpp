#include "grid/ui/comment_picture.h"

#include <QImage>

namespace tallimo {

namespace {

// White paper with a grey outline and yellow ruled lines, pinned at its left
// by a cyan pin with a teal shadow. Drawn pixel by pixel so that it stays
// sharp at every scale.
constexpr const char* kNote[15] = {
    "................",  //
    "....gggggggggg..",  //
    "....gwwwwwwwwg..",  //
    "....gwyyyyyywg..",  //
    ".cc.gwwwwwwwwg..",  //
    "cccttwyyyyyywg..",  //
    "cccttwwwwwwwwg..",  //
    ".ct.gwyyyyyywg..",  //
    "..t.gwwwwwwwwg..",  //
    "....gwyyyyywwg..",  //
    "....gwwwwwwwwg..",  //
    "....gwwwwwwwgg..",  //
    "....gwwwwwwgg...",  //
    "....gggggggg....",  //
    "................",  //
};

QRgb ColourOf(char c) {
    switch (c) {
        case 'g':
            return qRgb(128, 128, 128);
        case 'w':
            return qRgb(255, 255, 255);
        case 'y':
            return qRgb(230, 200, 0);
        case 'c':
            return qRgb(0, 255, 255);
        case 't':
            return qRgb(0, 128, 128);
        default:
            return qRgba(0, 0, 0, 0);
    }
}

QPixmap MakeNote() {
    QImage image(16, 15, QImage::Format_ARGB32);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 16; ++x) {
            image.setPixel(x, y, ColourOf(kNote[y][x]));
        }
    }
    return QPixmap::fromImage(image);
}

}  // namespace

const QPixmap& CommentPicture() {
    static const QPixmap picture = MakeNote();
    return picture;
}

}  // namespace tallimo
