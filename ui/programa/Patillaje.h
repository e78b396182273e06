#pragma once
// The pinout helps: a chip's tooltip on the workbench and the "Patillaje" dock (hidden at
// start, toggled from "Ver") that follows the chip under the pointer or the last one
// clicked, with live levels while the supply is on.
class QObject;

namespace velistra {

class PanelDePatillaje;
class Sesion;
class VentanaPrincipal;

// What follows the pointer lives as long as `vida`, which must end before the session.
PanelDePatillaje& AgregaPatillaje(VentanaPrincipal& ventana, Sesion& sesion, QObject& vida);

}  // namespace velistra
