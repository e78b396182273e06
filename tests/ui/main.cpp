#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstring>

#include "Apoyo.h"

int main(int argc, char** argv) {
    // No display is needed: widgets live on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // --captura RUTA: the showcase test also saves the main window's picture there.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--captura") == 0)
            velistra::prueba::RutaDeLaCaptura() = argv[i + 1];
        if (std::strcmp(argv[i], "--capturas-del-patillaje") == 0)
            velistra::prueba::CarpetaDeCapturasDelPatillaje() = argv[i + 1];
        if (std::strcmp(argv[i], "--captura-entera") == 0)
            velistra::prueba::RutaDeLaCapturaEntera() = argv[i + 1];
    }
    // The tests never read or write the user's settings, and start as a first run does.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir ajustes;
    if (!ajustes.isValid()) return 1;
    for (const QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(formato, QSettings::UserScope, ajustes.path());
    QApplication aplicacion(argc, argv);
    return RUN_ALL_TESTS();
}
