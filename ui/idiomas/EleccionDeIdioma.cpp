#include "ui/idiomas/EleccionDeIdioma.h"

#include <QAction>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>

#include "sesion/CodigosDeComando.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

namespace {
constexpr const char* kClave = "idioma";

constexpr const char* kContexto = "velistra::EleccionDeIdioma";

// The notice speaks the chosen language: whoever picks it may not read the current one.
QString TextoEn(Idioma idioma, const char* texto) {
    QTranslator traductor;
    if (idioma == Idioma::Ingles && CargaElCatalogo(traductor)) {
        const QString traducido = traductor.translate(kContexto, texto);
        if (!traducido.isEmpty()) return traducido;
    }
    return QString::fromUtf8(texto);
}

struct Opcion {
    Idioma idioma;
    int id;
};
constexpr Opcion kOpciones[] = {{Idioma::Espanol, comandos::kEspanol}, {Idioma::Ingles, comandos::kIngles}};
}  // namespace

std::optional<Idioma> IdiomaGuardado() {
    const QSettings ajustes(QStringLiteral("Velistra"), QStringLiteral("Velistra"));
    return IdiomaPorCodigo(ajustes.value(QLatin1String(kClave)).toString().toStdString());
}

void GuardaIdioma(Idioma idioma) {
    QSettings ajustes(QStringLiteral("Velistra"), QStringLiteral("Velistra"));
    ajustes.setValue(QLatin1String(kClave), QString::fromLatin1(CodigoDeIdioma(idioma)));
}

Idioma IdiomaAlEmpezar(std::optional<Idioma> deLaLineaDeOrdenes) {
    if (deLaLineaDeOrdenes) return *deLaLineaDeOrdenes;
    if (const std::optional<Idioma> guardado = IdiomaGuardado()) return *guardado;
    return IdiomaDelEntorno();
}

void AtiendeElIdioma(VentanaPrincipal& ventana) {
    for (const Opcion& opcion : kOpciones) {
        const Idioma idioma = opcion.idioma;
        QWidget* padre = &ventana;
        ventana.Atiende(opcion.id, [&ventana, padre, idioma, id = opcion.id] {
            // The choice stays checked, even when it was already.
            if (QAction* accion = ventana.Menus().Accion(id)) accion->setChecked(true);
            GuardaIdioma(idioma);
            if (idioma == IdiomaInstalado()) return;
            QMessageBox::information(
                padre, TextoEn(idioma, QT_TRANSLATE_NOOP("velistra::EleccionDeIdioma", "Idioma")),
                TextoEn(idioma, QT_TRANSLATE_NOOP("velistra::EleccionDeIdioma",
                                                  "El programa hablará el idioma elegido desde la "
                                                  "próxima vez que se abra.")));
        });
        if (QAction* accion = ventana.Menus().Accion(opcion.id))
            accion->setChecked(idioma == IdiomaInstalado());
    }
}

}  // namespace velistra
