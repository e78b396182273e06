#include "ui/ventana/MenuVer.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <cmath>

#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {

namespace {
constexpr const char* kNombre = "ver";
constexpr const char* kPropiedadDeNivel = "nivel";

QString Texto(const char* texto) { return QCoreApplication::translate("velistra::MenuVer", texto); }

// The item that comes after "Edición", or null when it is the last.
QAction* TrasEdicion(QMenuBar& barra) {
    const QList<QAction*> menus = barra.actions();
    for (qsizetype i = 0; i + 1 < menus.size(); ++i) {
        if (menus[i]->text() == QCoreApplication::translate("velistra::Atajos", "Edición"))
            return menus[i + 1];
    }
    return nullptr;
}

QAction* Agrega(QMenu& menu, const QString& texto, QList<QKeySequence> teclas) {
    QAction* accion = menu.addAction(texto);
    accion->setShortcuts(teclas);
    return accion;
}
}  // namespace

QMenu& MenuVer(QMenuBar& barra) {
    if (auto* menu = barra.findChild<QMenu*>(QLatin1String(kNombre))) return *menu;
    auto* menu = new QMenu(Texto(QT_TRANSLATE_NOOP("velistra::MenuVer", "Ver")), &barra);
    menu->setObjectName(QLatin1String(kNombre));
    barra.insertMenu(TrasEdicion(barra), menu);
    return *menu;
}

void AgregaZoom(QMenu& menu, VentanaDeMesa& mesa) {
    VentanaDeMesa* m = &mesa;
    QObject::connect(Agrega(menu, Texto(QT_TRANSLATE_NOOP("velistra::MenuVer", "Acercar")),
                            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}),
                     &QAction::triggered, m, [m] { m->Acerca(); });
    QObject::connect(Agrega(menu, Texto(QT_TRANSLATE_NOOP("velistra::MenuVer", "Alejar")),
                            {QKeySequence(Qt::CTRL | Qt::Key_Minus)}),
                     &QAction::triggered, m, [m] { m->Aleja(); });
    QObject::connect(Agrega(menu, Texto(QT_TRANSLATE_NOOP("velistra::MenuVer", "Tamaño normal")), {QKeySequence(Qt::CTRL | Qt::Key_0)}),
                     &QAction::triggered, m, [m] { m->CambiaNivel(100.0 * m->devicePixelRatioF()); });
    menu.addSeparator();

    auto* niveles = new QActionGroup(&menu);
    niveles->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const double nivel : VentanaDeMesa::kNiveles) {
        QAction* accion = menu.addAction(Texto(QT_TRANSLATE_NOOP("velistra::MenuVer", "%1 %")).arg(nivel));
        accion->setCheckable(true);
        // Not in the data: that is where command ids live.
        accion->setProperty(kPropiedadDeNivel, nivel);
        niveles->addAction(accion);
        QObject::connect(accion, &QAction::triggered, m, [m, nivel] { m->CambiaNivel(nivel); });
    }
    const auto marca = [niveles](double nivel) {
        for (QAction* accion : niveles->actions())
            accion->setChecked(std::abs(accion->property(kPropiedadDeNivel).toDouble() - nivel) < 0.01);
    };
    marca(mesa.Nivel());
    QObject::connect(m, &VentanaDeMesa::NivelCambiado, niveles, marca);
    menu.addSeparator();
    QObject::connect(menu.addAction(Texto(QT_TRANSLATE_NOOP("velistra::MenuVer", "Ajustar a la ventana"))), &QAction::triggered, m,
                     [m] { m->AjustaALaVentana(); });
}

}  // namespace velistra
