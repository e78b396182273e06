#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstring>

#include "Apoyo.h"
#include "ui/idiomas/Traduccion.h"

int main(int argc, char** argv) {
    // No display is needed: widgets live on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's settings are never read or written, here or in the programs the tests
    // start, and the tests start as a first run does.
    const QTemporaryDir ajustes;
    if (!ajustes.isValid()) return 1;
    qputenv("XDG_CONFIG_HOME", ajustes.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    for (const QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(formato, QSettings::UserScope, ajustes.path());
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
    QApplication aplicacion(argc, argv);
    // --idioma en: the showcase's picture of the English window.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--idioma") == 0)
            velistra::InstalaIdioma(
                velistra::IdiomaPorCodigo(argv[i + 1]).value_or(velistra::Idioma::Espanol));
    }
    return RUN_ALL_TESTS();
}
