#include <gtest/gtest.h>

#include <QApplication>

#include "application.h"

// Headless like the other window tests: the offscreen platform unless the
// caller chose another, set before the application object because test
// discovery runs this program at build time.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    resonara::ConfigureApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
