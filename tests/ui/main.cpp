#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstring>

#include "Apoyo.h"
#include "ui/idiomas/Traduccion.h"

namespace {

// Every case starts as in a process of its own, also when the whole program runs in one:
// a window closed by an earlier case leaves its geometry and zoom in the settings, and a
// pointer left over a window makes Qt send it moves with no button held as it scrolls.
class CadaCasoComoElPrimero : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        QSettings ajustes(QStringLiteral("Velistra"), QStringLiteral("Velistra"));
        ajustes.clear();
        ajustes.sync();
        QCursor::setPos(kLejosDeToda);
    }
    // Events still queued for the case's windows are spent while those windows are gone,
    // not delivered to the next case's.
    void OnTestEnd(const ::testing::TestInfo&) override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // Outside every window a case opens.
    static constexpr QPoint kLejosDeToda{-10000, -10000};
};

}  // namespace

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
    ::testing::UnitTest::GetInstance()->listeners().Append(new CadaCasoComoElPrimero);
    // --idioma en: the showcase's picture of the English window.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--idioma") == 0)
            velistra::InstalaIdioma(
                velistra::IdiomaPorCodigo(argv[i + 1]).value_or(velistra::Idioma::Espanol));
    }
    return RUN_ALL_TESTS();
}
