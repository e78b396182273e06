#include "ui/programa/Docencia.h"

#include <QMessageBox>

#include "docencia/Fallos.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Sesion.h"
#include "ui/ventana/DialogoDeFallos.h"
#include "ui/ventana/DialogoDeRevision.h"
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
    DialogoDeFallos dialogo(QString::fromStdString(docencia::ArchivoDeFallosDe(circuito)), &ventana, &sesion.mesa);
    if (dialogo.exec() == QDialog::Accepted) sesion.PlantaFallos();
}

}  // namespace

void AtiendeLaDocencia(VentanaPrincipal& ventana, Sesion& sesion) {
    ventana.Atiende(comandos::kFallos, [&ventana, &sesion] { EditaFallos(ventana, sesion); });
    ventana.Atiende(comandos::kRevisarCircuito, [&ventana, &sesion] {
        // Modeless, so the student can look at the workbench while going down the list.
        auto* dialogo = new DialogoDeRevision(sesion.mesa, ventana.Mesa(), &ventana);
        dialogo->setAttribute(Qt::WA_DeleteOnClose);
        dialogo->show();
    });
}

}  // namespace velistra
