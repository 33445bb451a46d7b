#include <gtest/gtest.h>

#include <QApplication>
#include <string_view>

#include "application.h"
#include "no_display_probe.h"

// Window tests run headless: the offscreen platform unless the caller chose
// another. It is set here, before the application object, because test
// discovery runs this program at build time.
int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == resonara::testing::kNoDisplayProbeArgument) {
        return resonara::testing::RunNoDisplayProbe(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    resonara::ConfigureApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
