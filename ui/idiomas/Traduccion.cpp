#include "ui/idiomas/Traduccion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "plataforma/CatalogoDeTextos.h"
#include "sesion/TablaDeComandos.h"
#include "ui/idiomas/TextosDelNucleo.h"

namespace velistra {

namespace {

Idioma instalado = Idioma::Espanol;

QTranslator& DelPrograma() {
    static QTranslator traductor;
    return traductor;
}

QTranslator& DeQt() {
    static QTranslator traductor;
    return traductor;
}

}  // namespace

void InstalaIdioma(Idioma idioma) {
    QCoreApplication::removeTranslator(&DelPrograma());
    instalado = idioma;
    if (idioma == Idioma::Ingles && CargaElCatalogo(DelPrograma()))
        QCoreApplication::installTranslator(&DelPrograma());
}

void InstalaTextosDeQt(Idioma idioma) {
    QCoreApplication::removeTranslator(&DeQt());
    if (idioma == Idioma::Espanol &&
        DeQt().load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&DeQt());
}

Idioma IdiomaInstalado() { return instalado; }

QLocale ConvencionesDelIdioma() {
    return instalado == Idioma::Ingles ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                       : QLocale(QLocale::Spanish);
}

bool CargaElCatalogo(QTranslator& traductor) {
    return traductor.load(QStringLiteral(":/idiomas/velistra_en.qm"));
}

QString TextoDeLaOrden(int id) {
    const FilaDeComando* fila = FilaDeComandoDe(id);
    return fila == nullptr ? QString() : DelNucleo(fila->texto);
}

QString DelNucleo(const char* texto) {
    // The compiled catalogue gives back the Spanish of a text it does not hold.
    return QCoreApplication::translate(idiomas::kContextoDelNucleo, texto);
}

QString DelNucleo(const std::string& texto) { return DelNucleo(texto.c_str()); }

QString DelNucleo(const Mensaje& mensaje) {
    const auto traduce = [](const std::string& espanol) {
        return DelNucleo(espanol).toStdString();
    };
    return QString::fromStdString(Formatea(mensaje, instalado, traduce));
}

}  // namespace velistra
