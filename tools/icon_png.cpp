// Writes one picture of the program icon as a PNG for the desktop's icon
// theme, at build time and without a display (a QImage needs no application):
//     resonara-icon-png SIZE OUTPUT.png        SIZE: 16 or 32
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "program_icon.h"

int main(int argc, char** argv) {
    const resonara::IconPicture* picture = argc == 3 ? resonara::FindProgramIconPicture(std::atoi(argv[1])) : nullptr;
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
