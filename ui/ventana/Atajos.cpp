#include "ui/ventana/Atajos.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "sesion/CodigosDeComando.h"

namespace velistra {

QList<QKeySequence> AtajosDe(int id) {
    switch (id) {
        case comandos::kNuevo:
            return {QKeySequence(Qt::CTRL | Qt::Key_N)};
        case comandos::kRecuperar:
            return {QKeySequence(Qt::CTRL | Qt::Key_O)};
        case comandos::kAlmacenar:
            return {QKeySequence(Qt::CTRL | Qt::Key_S)};
        case comandos::kAlmacenarEn:
            return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)};
        case comandos::kSalir:
            return {QKeySequence(Qt::CTRL | Qt::Key_Q)};
        case comandos::kAyuda:
            return {QKeySequence(Qt::Key_F1)};
        case comandos::kDeshacer:
            return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
        case comandos::kRehacer:
            return {QKeySequence(Qt::CTRL | Qt::Key_Y),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
        default:
            return {};
    }
}

void AsignaAtajos(QWidget& contenedor) {
    for (QAction* accion : contenedor.findChildren<QAction*>()) {
        if (accion->isSeparator() || accion->menu() != nullptr) continue;
        const QList<QKeySequence> atajos = AtajosDe(accion->data().toInt());
        if (!atajos.isEmpty()) accion->setShortcuts(atajos);
    }
}

void AgregaMenuEdicion(QMenuBar& barra, const Despachador& despacha) {
    QMenu* menu = barra.addMenu(QCoreApplication::translate("velistra::Atajos", "Edición"));
    const struct {
        int id;
        QString texto;
    } elementos[] = {
        {comandos::kDeshacer, QCoreApplication::translate("velistra::Atajos", "Deshacer")},
        {comandos::kRehacer, QCoreApplication::translate("velistra::Atajos", "Rehacer")},
    };
    for (const auto& e : elementos) {
        QAction* accion = menu->addAction(e.texto);
        accion->setData(e.id);
        const int id = e.id;
        QObject::connect(accion, &QAction::triggered, accion, [despacha, id] { despacha(id); });
    }
}

QString AyudaDeBoton(const QString& nombre, int id) {
    const QList<QKeySequence> atajos = AtajosDe(id);
    if (atajos.isEmpty()) return nombre;
    return QCoreApplication::translate("velistra::Atajos", "%1 (%2)")
        .arg(nombre, atajos.front().toString(QKeySequence::NativeText));
}

}  // namespace velistra
