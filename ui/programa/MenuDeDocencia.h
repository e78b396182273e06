#pragma once
// The teaching items of the "Circuitos" menu, kept apart from the menu table so that the
// menus of the design stay as they are written there.
namespace velistra {

class Sesion;
class VentanaPrincipal;

// "Revisar circuito", before the separator above "Salir".
void AgregaMenuDeDocencia(VentanaPrincipal& ventana, Sesion& sesion);

}  // namespace velistra
