#include "ui/programa/Docencia.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "docencia/Fallos.h"
#include "sesion/Sesion.h"
#include "ui/ventana/DialogoDeFallos.h"
#include "ui/ventana/DialogoDeRevision.h"
#include "ui/ventana/Menus.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

namespace {

// The faults are the exercise's answer: a student who wanders into the item is asked first.
void EditaFallos(VentanaPrincipal& ventana, Sesion& sesion) {
    const std::string& circuito = sesion.comandos.Archivo();
    if (circuito.empty()) {
        QMessageBox::information(
            &ventana, DialogoDeFallos::tr("Fallos"),
            DialogoDeFallos::tr(
                "Almacene antes el circuito: los fallos van en un archivo junto a él."));
        return;
    }
    if (QMessageBox::question(
            &ventana, DialogoDeFallos::tr("Fallos"),
            DialogoDeFallos::tr(
                "Los fallos son la solución de un ejercicio de averías. ¿Desea verlos?")) !=
        QMessageBox::Yes)
        return;
    DialogoDeFallos dialogo(QString::fromStdString(docencia::ArchivoDeFallosDe(circuito)), &ventana);
    if (dialogo.exec() == QDialog::Accepted) PlantaFallosDelCircuito(sesion);
}

}  // namespace

void AgregaMenuDeDocencia(VentanaPrincipal& ventana, Sesion& sesion) {
    const auto [circuitos, antes] = LugarAntesDeSalir(*ventana.menuBar());
    if (circuitos == nullptr) return;
    auto* revisar = new QAction(QCoreApplication::translate("velistra::DialogoDeRevision", "Revisar circuito"), circuitos);
    circuitos->insertAction(antes, revisar);
    auto* fallos = new QAction(
        QCoreApplication::translate("velistra::DialogoDeFallos", "Fallos..."), circuitos);
    circuitos->insertAction(antes, fallos);
    QObject::connect(fallos, &QAction::triggered, &ventana, [&ventana, &sesion] { EditaFallos(ventana, sesion); });
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
