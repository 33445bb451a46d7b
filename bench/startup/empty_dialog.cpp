// The floor of the start-up figures: a QApplication with the main window's
// look (style and dialog font) and one empty QDialog of the main window's
// size, run modally as the main window is. Nothing else.
//     resonara-empty-dialog WIDTHxHEIGHT
// RESONARA_EXIT_AFTER_FIRST_PAINT=1 works as in resonara (ConfigureApplication).
#include <QApplication>
#include <QDialog>
#include <cstdio>

#include "application.h"

int main(int argc, char** argv) {
    int width_px = 0;
    int height_px = 0;
    if (argc != 2 || std::sscanf(argv[1], "%dx%d", &width_px, &height_px) != 2 || width_px <= 0 || height_px <= 0) {
        std::fprintf(stderr, "usage: resonara-empty-dialog WIDTHxHEIGHT\n");
        return 2;
    }
    QApplication app(argc, argv);
    resonara::ConfigureApplication(app);
    QDialog dialog;
    dialog.setFixedSize(width_px, height_px);
    dialog.exec();
    return 0;
}
