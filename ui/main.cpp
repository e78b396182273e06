#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "plataforma/CatalogoDeTextos.h"
#include "plataforma/Sistema.h"
#include "plataforma/Textos.h"
#include "ui/idiomas/EleccionDeIdioma.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/programa/Exportacion.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace {

// Hooks for the tests that run the program as a process, where nobody can click:
//   VELISTRA_PRUEBA_RECUPERACION=Recuperar|Descartar answers the start-up offer;
//   VELISTRA_PRUEBA_ORDENES="4999 4996" carries out those menu commands once started.
// With either one the help dialog is not shown. The data folder follows XDG_DATA_HOME.
struct Prueba {
    std::optional<bool> recuperar;
    QStringList ordenes;
    bool activa = false;
};

Prueba LeePrueba() {
    Prueba p;
    const QString respuesta = qEnvironmentVariable("VELISTRA_PRUEBA_RECUPERACION");
    if (!respuesta.isEmpty()) p.recuperar = respuesta == QStringLiteral("Recuperar");
    p.ordenes = qEnvironmentVariable("VELISTRA_PRUEBA_ORDENES").split(u' ', Qt::SkipEmptyParts);
    p.activa = p.recuperar || !p.ordenes.isEmpty();
    return p;
}

// Where the copies of unsaved circuits are kept; nothing when there is no such folder.
std::optional<std::filesystem::path> CarpetaDeRecuperacion() {
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (carpeta.isEmpty() || !QDir().mkpath(carpeta)) return std::nullopt;
    return std::filesystem::path(carpeta.toStdString());
}

// --idioma es|en; false, with the reason on standard error, for any other value.
bool LeeIdioma(int argc, char** argv, std::optional<velistra::Idioma>& idioma) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--idioma") != 0) continue;
        idioma = i + 1 < argc ? velistra::IdiomaPorCodigo(argv[i + 1]) : std::nullopt;
        if (!idioma) {
            // The same text as velistra-cli's, in the environment's language.
            std::fprintf(stderr, "velistra: %s\n",
                         velistra::Traduce(velistra::IdiomaDelEntorno(),
                                           VELISTRA_TEXTO("--idioma admite es o en"))
                             .c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("velistra %s\n", velistra::textos::kVersion);
            return 0;
        }
    }
    // A picture for a teacher's script needs no display: offscreen unless one was chosen.
    const bool exportando = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "--exportar") == 0; });
    if (exportando && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<velistra::Idioma> idioma;
    if (!LeeIdioma(argc, argv, idioma)) return 1;
    // A save past the file size limit fails with its message instead of killing the program.
    velistra::sistema::IgnoraElLimiteDeTamano();
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velistra"));
    const velistra::Idioma hablado = velistra::IdiomaAlEmpezar(idioma);
    velistra::InstalaIdioma(hablado);
    velistra::InstalaTextosDeQt(hablado);
    if (const std::optional<int> codigo = velistra::ExportaDesdeLaLineaDeOrdenes(QApplication::arguments()))
        return *codigo;
    QApplication::setWindowIcon(velistra::pinturas::IconoDelPrograma());

    const Prueba prueba = LeePrueba();
    const velistra::Imagenes imagenes;
    velistra::Programa programa(imagenes, CarpetaDeRecuperacion());
    velistra::VentanaPrincipal& ventana = programa.Principal();
    ventana.show();
    if (!prueba.activa) ventana.MuestraAyuda();
    programa.OfreceRecuperacion(prueba.recuperar);
    for (const QString& orden : prueba.ordenes) ventana.Despacha(orden.toInt());
    return QApplication::exec();
}
