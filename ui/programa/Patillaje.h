#pragma once
// The pinout helps: a chip's tooltip on the workbench and the "Patillaje" dock (hidden at
// start, toggled from "Ver") that follows the chip under the pointer or the last one
// clicked, with live levels while the supply is on.
namespace velistra {

class PanelDePatillaje;
class Sesion;
class VentanaPrincipal;

PanelDePatillaje& AgregaPatillaje(VentanaPrincipal& ventana, Sesion& sesion);

}  // namespace velistra
