#pragma once
// The program's teaching tools: the review in the "Circuitos" menu (kept apart from the
// menu table, which stays as it was) and the planted faults of a troubleshooting exercise.
namespace velistra {

class Sesion;
class VentanaPrincipal;

// "Revisar circuito", before the separator above "Salir".
void AgregaMenuDeDocencia(VentanaPrincipal& ventana, Sesion& sesion);

// After a load: the faults of a troubleshooting exercise, from the file beside the
// circuit ("circuito.fallos" beside "circuito.txt"), planted without a word; a missing or
// faulty file plants nothing. Planting again is harmless, so a cancelled load may call it.
void PlantaFallosDelCircuito(Sesion& sesion);

}  // namespace velistra
