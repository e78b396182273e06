#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <optional>

#include "plataforma/Sistema.h"
#include "ui/idiomas/EleccionDeIdioma.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/programa/ArgumentosDelPrograma.h"
#include "ui/programa/Exportacion.h"
#include "ui/programa/FinPorSenal.h"
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

}  // namespace

int main(int argc, char** argv) {
    const velistra::ArgumentosDelPrograma argumentos = velistra::LeeArgumentosDelPrograma(argc, argv);
    if (argumentos.codigo) return *argumentos.codigo;
    // A picture for a teacher's script needs no display: offscreen unless one was chosen.
    if (argumentos.exportando && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A save past the file size limit fails with its message instead of killing the program.
    velistra::sistema::IgnoraElLimiteDeTamano();
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velistra"));
    const velistra::Idioma hablado = velistra::IdiomaAlEmpezar(argumentos.idioma);
    velistra::InstalaIdioma(hablado);
    velistra::InstalaTextosDeQt(hablado);
    if (const std::optional<int> codigo = velistra::ExportaDesdeLaLineaDeOrdenes(QApplication::arguments()))
        return *codigo;
    QApplication::setWindowIcon(velistra::pinturas::IconoDelPrograma());

    const Prueba prueba = LeePrueba();
    const velistra::Imagenes imagenes;
    velistra::Programa programa(imagenes, CarpetaDeRecuperacion());
    velistra::TerminaConLasSenales([&programa] { programa.GuardaLaCopia(); });
    velistra::VentanaPrincipal& ventana = programa.Principal();
    ventana.show();
    // Who opens a circuit from a file manager wants to see it, not the help.
    if (!prueba.activa && argumentos.circuito.isEmpty()) ventana.MuestraAyuda();
    programa.OfreceRecuperacion(prueba.recuperar);
    if (!argumentos.circuito.isEmpty()) programa.AbreArchivo(argumentos.circuito);
    for (const QString& orden : prueba.ordenes) ventana.Despacha(orden.toInt());
    return QApplication::exec();
}
