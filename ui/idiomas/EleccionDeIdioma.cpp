#include "ui/idiomas/EleccionDeIdioma.h"

#include <QAction>
#include <QMessageBox>
#include <QSettings>

#include "plataforma/CatalogoDeTextos.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/TextosDeLaVentana.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

namespace {
constexpr const char* kClave = "idioma";

// The notice speaks the chosen language: whoever picks it may not read the current one.
QString TextoEn(Idioma idioma, const char* texto) { return QString::fromStdString(Traduce(idioma, texto)); }

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
                padre, TextoEn(idioma, textos_de_la_ventana::kIdioma),
                TextoEn(idioma, textos_de_la_ventana::kIdiomaElegido));
        });
        if (QAction* accion = ventana.Menus().Accion(opcion.id))
            accion->setChecked(idioma == IdiomaInstalado());
    }
}

}  // namespace velistra
