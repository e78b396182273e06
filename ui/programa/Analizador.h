#pragma once
// The logic analyser in the window: its dock under the workbench (hidden at first), its
// item in "Ver", and the probe clicks on the workbench that add channels.
namespace velistra {

class Dialogos;
class PanelDelAnalizador;
class Sesion;
class VentanaPrincipal;

PanelDelAnalizador& AgregaAnalizador(VentanaPrincipal& ventana, Sesion& sesion, Dialogos& dialogos);

}  // namespace velistra
