// Renders the main window after a calculation of the start-up design to a PNG,
// headless: resonara-snapshot OUTPUT.png [output|power]
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "application.h"
#include "enclosure_dlg.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: resonara-snapshot OUTPUT.png [output|power]\n");
        return 2;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    resonara::ConfigureApplication(app);

    resonara::CEnclosureDlg dialog;
    dialog.Create();
    dialog.ShowWindow();
    const bool power = argc > 2 && std::string_view(argv[2]) == "power";
    dialog.SendCommand(power ? resonara::kPowerResponseCheck : resonara::kCalculateButton);
    if (power) dialog.SendCommand(resonara::kCalculateButton);
    QApplication::processEvents();

    if (!dialog.Window()->grab().save(argv[1])) {
        std::fprintf(stderr, "resonara-snapshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
