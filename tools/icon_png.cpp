// Writes one picture of the program icon as a PNG for the desktop's icon
// theme, at build time and without a display (a QImage needs no application):
//     resonara-icon-png SIZE OUTPUT.png        SIZE: 16 or 32
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "program_icon.h"

namespace {

// The pictures of icon 128, as the window shows them.
constexpr resonara::IconPicture kIconPictures[] = {
    {32, 7, 25, 2, 5, 9, 23},
    {16, 3, 12, 2, 3, 5, 10},
};

const resonara::IconPicture* FindPicture(int size_px) {
    for (const resonara::IconPicture& picture : kIconPictures)
        if (picture.size_px == size_px) return &picture;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const resonara::IconPicture* picture = argc == 3 ? FindPicture(std::atoi(argv[1])) : nullptr;
    if (picture == nullptr) {
        std::fprintf(stderr, "usage: resonara-icon-png SIZE OUTPUT.png   (SIZE: 16 or 32)\n");
        return 2;
    }
    if (!resonara::PaintIconPicture(*picture).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "resonara-icon-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
