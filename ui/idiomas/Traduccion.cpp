#include "ui/idiomas/Traduccion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <vector>

#include "plataforma/Traducible.h"
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

// The core's texts with placeholders, which a finished text may be made from (a
// template is the only kind of text that is made from itself).
const std::vector<const char*>& Plantillas() {
    static const std::vector<const char*> plantillas = [] {
        std::vector<const char*> con;
        for (const char* texto : idiomas::TextosDelNucleo())
            if (ArgumentosDe(texto, texto)) con.push_back(texto);
        return con;
    }();
    return plantillas;
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

bool CargaElCatalogo(QTranslator& traductor) {
    return traductor.load(QStringLiteral(":/idiomas/velistra_en.qm"));
}

QString DelNucleo(const std::string& texto) {
    if (instalado == Idioma::Espanol) return QString::fromStdString(texto);
    const Traduccion delCatalogo = [](const char* espanol) -> std::optional<std::string> {
        const QString traducido = QCoreApplication::translate(idiomas::kContextoDelNucleo, espanol);
        if (traducido == QString::fromUtf8(espanol)) return std::nullopt;
        return traducido.toStdString();
    };
    return QString::fromStdString(Traduce(texto, Plantillas(), delCatalogo));
}

}  // namespace velistra
