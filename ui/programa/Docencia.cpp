#include "ui/programa/Docencia.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "docencia/Fallos.h"
#include "sesion/Sesion.h"
#include "ui/ventana/DialogoDeRevision.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

void AgregaMenuDeDocencia(VentanaPrincipal& ventana, Sesion& sesion) {
    const QList<QAction*> menus = ventana.menuBar()->actions();
    if (menus.isEmpty() || menus.front()->menu() == nullptr) return;
    QMenu* circuitos = menus.front()->menu();
    QAction* antes = nullptr;
    for (QAction* a : circuitos->actions()) {
        if (a->isSeparator()) antes = a;
    }
    auto* revisar = new QAction(QCoreApplication::translate("DialogoDeRevision", "Revisar circuito"), circuitos);
    circuitos->insertAction(antes, revisar);
    QObject::connect(revisar, &QAction::triggered, &ventana, [&ventana, &sesion] {
        // Modeless, so the student can look at the workbench while going down the list.
        auto* dialogo = new DialogoDeRevision(sesion.mesa, ventana.Mesa(), &ventana);
        dialogo->setAttribute(Qt::WA_DeleteOnClose);
        dialogo->show();
    });
}

void PlantaFallosDelCircuito(Sesion& sesion) {
    const std::string& circuito = sesion.comandos.Archivo();
    if (!circuito.empty()) docencia::PlantaFallosDeArchivo(sesion.mesa, docencia::ArchivoDeFallosDe(circuito));
}

}  // namespace velistra
