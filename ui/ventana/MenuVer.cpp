#include "ui/ventana/MenuVer.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <cmath>

#include "sesion/TablaDeComandos.h"
#include "ui/ventana/Menus.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

static_assert(VentanaDeMesa::kNiveles == kNivelesDeZoom, "the menu offers the levels the window steps through");

QMenu& MenuVer(QMenuBar& barra) {
    return *barra.findChild<QMenu*>(MenusDeLaVentana::NombreDelMenu(MenuDeLaBarra::Ver));
}

void AtiendeElZoom(VentanaPrincipal& ventana) {
    VentanaDeMesa* m = &ventana.Mesa();
    ventana.Atiende(comandos::kAcercar, [m] { m->Acerca(); });
    ventana.Atiende(comandos::kAlejar, [m] { m->Aleja(); });
    // A level chosen by name keeps the circuit in view (after "Ajustar a la ventana" the
    // window's middle may be far from it).
    ventana.Atiende(comandos::kTamanoNormal, [m] {
        m->CambiaNivel(100.0 * m->devicePixelRatioF());
        m->MuestraLoOcupado();
    });
    for (std::size_t i = 0; i < kNivelesDeZoom.size(); ++i) {
        const double nivel = kNivelesDeZoom[i];
        ventana.Atiende(comandos::kPrimerNivelDeZoom + static_cast<int>(i), [m, nivel] {
            m->CambiaNivel(nivel);
            m->MuestraLoOcupado();
        });
    }
    ventana.Atiende(comandos::kAjustarALaVentana, [m] { m->AjustaALaVentana(); });

    const auto marca = [&ventana](double nivel) {
        for (std::size_t i = 0; i < kNivelesDeZoom.size(); ++i) {
            if (QAction* accion = ventana.Menus().Accion(comandos::kPrimerNivelDeZoom + static_cast<int>(i)))
                accion->setChecked(std::abs(kNivelesDeZoom[i] - nivel) < 0.01);
        }
    };
    marca(m->Nivel());
    QObject::connect(m, &VentanaDeMesa::NivelCambiado, &ventana, marca);
}

}  // namespace velistra
