#include "ui/programa/Analizador.h"

#include <QCoreApplication>
#include <QStatusBar>

#include "sesion/CodigosDeComando.h"
#include "sesion/Sesion.h"
#include "ui/analizador/PanelDelAnalizador.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

namespace {

constexpr int kDuracionDelAviso = 4000;

void AnadeCanalEn(VentanaPrincipal& ventana, Sesion& sesion, PanelDelAnalizador& panel, int x, int y) {
    const PuertoEnLaMesa p = sesion.mesa.PuertoEn(x, y);
    if (p.puerto == nullptr) return;
    AnalizadorLogico& analizador = sesion.analizador;
    if (analizador.Canales().size() >= AnalizadorLogico::kMaximoDeCanales) {
        ventana.statusBar()->showMessage(QCoreApplication::translate("velistra::PanelDelAnalizador", "El analizador tiene ya sus 16 canales."), kDuracionDelAviso);
        return;
    }
    if (!analizador.AnadeCanal(sesion.mesa, p.tablero->Identificador(), p.puerto->Indice())) {
        ventana.statusBar()->showMessage(QCoreApplication::translate("velistra::PanelDelAnalizador", "Ese punto ya es un canal del analizador."), kDuracionDelAviso);
        return;
    }
    panel.show();
    panel.Actualiza();
}

}  // namespace

PanelDelAnalizador& AgregaAnalizador(VentanaPrincipal& ventana, Sesion& sesion, Dialogos& dialogos) {
    auto* panel = new PanelDelAnalizador(sesion.analizador, dialogos, &ventana);
    ventana.addDockWidget(Qt::BottomDockWidgetArea, panel);
    panel->hide();
    ventana.AtiendePanel(comandos::kAnalizadorLogico, *panel);

    VentanaDeMesa& mesa = ventana.Mesa();
    QObject::connect(panel, &PanelDelAnalizador::SondaCambiada, &mesa, [&mesa](bool activa) {
        mesa.ModoSonda(activa);
        mesa.viewport()->setCursor(activa ? Qt::CrossCursor : Qt::ArrowCursor);
    });
    QObject::connect(&mesa, &VentanaDeMesa::SondaPulsada, panel,
                     [&ventana, &sesion, panel](int x, int y) { AnadeCanalEn(ventana, sesion, *panel, x, y); });
    return *panel;
}

}  // namespace velistra
