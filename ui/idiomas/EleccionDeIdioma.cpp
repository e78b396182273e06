#include "ui/idiomas/EleccionDeIdioma.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>

#include "ui/idiomas/Traduccion.h"

namespace velistra {

namespace {
constexpr const char* kClave = "idioma";

constexpr const char* kContexto = "velistra::EleccionDeIdioma";

QString Traduce(const char* texto) { return QCoreApplication::translate(kContexto, texto); }

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
    const char* nombre;  // in its own language, so that anyone finds theirs
};
// texto fijo
constexpr Opcion kOpciones[] = {{Idioma::Espanol, "Español"}, {Idioma::Ingles, "English"}};
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

void AgregaMenuDeIdioma(QMenuBar& barra) {
    const QList<QAction*> menus = barra.actions();
    if (menus.isEmpty() || menus.back()->menu() == nullptr) return;
    QMenu* ayuda = menus.back()->menu();
    ayuda->addSeparator();
    QMenu* menu =
        ayuda->addMenu(Traduce(QT_TRANSLATE_NOOP("velistra::EleccionDeIdioma", "Idioma")));
    auto* grupo = new QActionGroup(menu);
    for (const Opcion& opcion : kOpciones) {
        QAction* accion = menu->addAction(QString::fromUtf8(opcion.nombre));
        accion->setCheckable(true);
        accion->setChecked(opcion.idioma == IdiomaInstalado());
        grupo->addAction(accion);
        const Idioma idioma = opcion.idioma;
        QObject::connect(accion, &QAction::triggered, menu, [menu, idioma] {
            GuardaIdioma(idioma);
            if (idioma == IdiomaInstalado()) return;
            QMessageBox::information(
                menu->window(),
                TextoEn(idioma, QT_TRANSLATE_NOOP("velistra::EleccionDeIdioma", "Idioma")),
                TextoEn(idioma, QT_TRANSLATE_NOOP("velistra::EleccionDeIdioma",
                                                  "El programa hablará el idioma elegido desde la "
                                                  "próxima vez que se abra.")));
        });
    }
}

}  // namespace velistra
