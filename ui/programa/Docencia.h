#pragma once
// The program's teaching tools in the window: the review list and the faults of a
// troubleshooting exercise (which the session plants).
namespace velistra {

class Sesion;
class VentanaPrincipal;

// "Revisar circuito" and "Fallos...".
void AtiendeLaDocencia(VentanaPrincipal& ventana, Sesion& sesion);

}  // namespace velistra
