#pragma once
#include "sesion/Comandos.h"

namespace velistra {

class Sesion;

namespace docencia {
struct Practica;
}

// "Empezar": as "Nuevo" (refused with the supply on, the save question first), then the
// lab's starting circuit, if it has one, unsaved and without a name, so that saving never
// writes into the course. Nothing happens when the user cancels.
ResultadoDeComando EmpiezaPractica(Sesion& sesion, const docencia::Practica& practica);

}  // namespace velistra
