#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // No display is needed: widgets live on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication aplicacion(argc, argv);
    return RUN_ALL_TESTS();
}
