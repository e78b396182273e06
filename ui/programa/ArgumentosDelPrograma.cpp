#include "ui/programa/ArgumentosDelPrograma.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>

#include "plataforma/CatalogoDeTextos.h"
#include "plataforma/Traducible.h"
#include "plataforma/Textos.h"

namespace velistra {

namespace {

// Qt's own options, which QApplication takes out of the line later: accepted, not told.
constexpr const char* kDeQtConValor[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                         "qwindowgeometry", "qwindowicon", "qwindowtitle", "style",
                                         "stylesheet", "display", "session"};
constexpr const char* kDeQtSinValor[] = {"reverse", "widgetcount"};

void AnadeOculta(QCommandLineParser& lector, const char* nombre, bool conValor) {
    QCommandLineOption opcion(QString::fromLatin1(nombre));
    if (conValor) opcion.setValueName(QStringLiteral("valor"));
    opcion.setFlags(QCommandLineOption::HiddenFromHelp);
    lector.addOption(opcion);
}

int Error(const std::string& porque) {
    std::fprintf(stderr, "velistra: %s\n", porque.c_str());
    return 1;
}

// A mistake in the line, with where to look.
int ErrorDeUso(Idioma idioma, const std::string& porque) {
    return Error(porque + "\n" +
                 Rellena(Traduce(idioma, VELISTRA_TEXTO("Use «%1 --help» para ver cómo se usa.")),
                         {"velistra"}));
}

std::string Cita(const QString& texto) { return "«" + texto.toStdString() + "»"; }

}  // namespace

ArgumentosDelPrograma LeeArgumentosDelPrograma(int argc, char** argv) {
    QStringList linea;
    for (int i = 0; i < argc; ++i) linea << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser lector;
    // Qt's options take one dash: -platform offscreen.
    lector.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption ayuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption idioma(QStringLiteral("idioma"), {}, QStringLiteral("es|en"));  // texto fijo
    const QCommandLineOption exportar(QStringLiteral("exportar"));
    lector.addOptions({ayuda, version, idioma, exportar});
    for (const char* nombre : kDeQtConValor) AnadeOculta(lector, nombre, true);
    for (const char* nombre : kDeQtSinValor) AnadeOculta(lector, nombre, false);

    ArgumentosDelPrograma leidos;
    const bool bien = lector.parse(linea);
    const QStringList desconocidas = lector.unknownOptionNames();
    // --idioma is the one option with a value: last on the line, it lacks it.
    const bool sinIdioma = !bien && desconocidas.isEmpty() && linea.last().endsWith(QStringLiteral("-idioma"));
    Idioma hablado = IdiomaDelEntorno();
    if (lector.isSet(idioma) || sinIdioma) {
        leidos.idioma = sinIdioma ? std::nullopt : IdiomaPorCodigo(lector.value(idioma).toStdString());
        if (!leidos.idioma) {
            leidos.codigo = Error(Traduce(hablado, VELISTRA_TEXTO("--idioma admite es o en")));
            return leidos;
        }
        hablado = *leidos.idioma;
    }
    if (!bien && desconocidas.isEmpty()) {
        // A value given to an option that takes none: Qt's own words.
        leidos.codigo = ErrorDeUso(hablado, lector.errorText().toStdString());
        return leidos;
    }
    if (!bien) {
        const QString guiones = desconocidas.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        leidos.codigo = ErrorDeUso(
            hablado, Rellena(Traduce(hablado, textos::kOpcionDesconocida),
                             {Cita(guiones + desconocidas.first())}));
        return leidos;
    }
    if (lector.isSet(ayuda)) {
        std::fputs(hablado == Idioma::Ingles ? AyudaDelProgramaEnIngles() : AyudaDelProgramaEnEspanol(),
                   stdout);
        leidos.codigo = 0;
        return leidos;
    }
    if (lector.isSet(version)) {
        std::printf("velistra %s\n", textos::kVersion);
        leidos.codigo = 0;
        return leidos;
    }
    leidos.exportando = lector.isSet(exportar);
    const QStringList archivos = lector.positionalArguments();
    if (leidos.exportando) return leidos;
    if (archivos.size() > 1) {
        leidos.codigo = ErrorDeUso(
            hablado, Rellena(Traduce(hablado, VELISTRA_TEXTO("sobra el argumento %1")), {Cita(archivos[1])}));
        return leidos;
    }
    if (!archivos.isEmpty()) leidos.circuito = archivos.first();
    return leidos;
}

}  // namespace velistra
