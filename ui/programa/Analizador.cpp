#include "ui/programa/Analizador.h"

#include <QAction>
#include <QCoreApplication>
#include <QShortcut>
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
    QObject::connect(panel, &PanelDelAnalizador::SondaCambiada, &mesa, [&mesa](bool activa) { mesa.ModoSonda(activa); });
    // Whatever the mode, the supply can be switched off.
    mesa.SondaAdmite([&sesion](int x, int y) {
        return sesion.mesa.fuentedc() == nullptr || !sesion.mesa.fuentedc()->EntradaEn(x, y);
    });
    // Esc leaves the mode, wherever the keyboard is.
    auto* salida = new QShortcut(QKeySequence(Qt::Key_Escape), &ventana);
    QObject::connect(salida, &QShortcut::activated, panel, [panel] { panel->Sonda().setChecked(false); });
    // Levels may have changed while paused: the record goes on from what is there now.
    QObject::connect(&panel->Pausa(), &QAction::toggled, panel, [&sesion](bool pausado) {
        if (!pausado) sesion.analizador.Muestrea(sesion.mesa);
    });
    QObject::connect(&mesa, &VentanaDeMesa::SondaPulsada, panel,
                     [&ventana, &sesion, panel](int x, int y) { AnadeCanalEn(ventana, sesion, *panel, x, y); });
    return *panel;
}

}  // namespace velistra
